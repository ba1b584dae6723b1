#pragma once
// Applying a catalogue profile to the output settings record, and the reset to a
// format's defaults. The dialog shows the record and these control states.
#include <QString>

#include "output/OutputSettings.h"

// Enabled and visible states of the dialog's controls and grid items that the
// profile handling and the grid switches change.
struct OutputControls {
  bool sizeEnabled = true;           // ComboSize
  bool sizeBoxesEnabled = false;     // TextW, TextH
  bool videoQualityEnabled = true;   // ComboVideoQ
  bool videoSettingsVisible = true;  // "Video Settings" category
  bool removeAudioVisible = true;    // "Remove Audio"
  bool audioItemsVisible = true;     // "Audio Bitrate", "Sample Rate", "Channels"
  bool cropValuesEditable = false;   // "Top", "Bottom", "Left", "Right"
};

// Choosing a ComboSize entry: "Auto" empties and disables the boxes, a named size
// fills and disables them, "Custom..." enables them and keeps their text.
void SelectSize(OutputSettings& settings, OutputControls& controls, int index);
// Choosing a quality resets the bitrates it governs to "Auto".
void SelectVideoQuality(OutputSettings& settings, int index);
void SelectAudioQuality(OutputSettings& settings, int index);

// Puts the record back to the defaults of its format key; crop, flips, rotation,
// threads and folder carry over. An audio-only record withdraws the video controls.
void ResetFormatDefaults(OutputSettings& settings, OutputControls& controls);

// Applies the profile menu entry `id` shown as `caption`. An id outside the catalogue
// changes only the caption and rewrites the extension from the current key.
void ApplyProfile(OutputSettings& settings, OutputControls& controls, int id, const QString& caption);
// Same, with the catalogue's own caption and the control states discarded.
void ApplyProfile(OutputSettings& settings, int id);
