#pragma once
// A preset: the output settings dialog's choices kept under a name the user gave, and
// the JSON text of its file (docs/presets.md). A file is read and checked whole into
// a Preset before anything is applied, so a bad file changes nothing.
#include <QByteArray>
#include <QString>
#include <optional>

#include "output/OutputProfile.h"
#include "output/OutputSettings.h"

// The format written; files of a higher number are refused.
inline constexpr int kPresetFormatVersion = 1;

struct Preset {
  QString name;
  // The dialog's record as the preset sets it. The output folder and the processor
  // count belong to the machine, not to the preset: they stay empty here.
  OutputSettings settings;
  OutputControls controls;  // the control states that record leaves in the dialog
};

// The dialog's choices `settings` under `name`.
Preset MakePreset(const QString& name, const OutputSettings& settings);

QByteArray PresetToJson(const Preset& preset);

// Reads a preset file's text. nullopt, with `error` naming `source`, when the text is
// damaged, of a newer format, names a profile this version does not have, or holds a
// setting or value that the dialog could not hold.
std::optional<Preset> PresetFromJson(const QByteArray& data, const QString& source, QString& error);

// Puts the preset's choices over the dialog's `settings`, keeping its output folder
// and processor count, and gives the control states they leave.
void ApplyPreset(const Preset& preset, OutputSettings& settings, OutputControls& controls);
