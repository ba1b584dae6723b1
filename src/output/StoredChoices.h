#pragma once
// The output settings dialog's choices kept from one run of the program to the next:
// profile (caption and format key), size, qualities, CPU cores, the rule for an
// existing output file and the grid values except crop, flips and rotation, which
// belong to one batch. The folder ("OutPath")
// is stored once the conversion has accepted it.
#include "output/OutputProfile.h"
#include "output/OutputSettings.h"

namespace StoredChoices {

// Puts the remembered choices over `settings` and `controls` (the dialog's defaults).
// The profile is applied first, so its control states hold; a value that is missing,
// unreadable or out of range, or that the profile's controls do not offer, keeps the
// default.
void Restore(OutputSettings& settings, OutputControls& controls, int processorCount);

// Remembers the choices of a confirmed dialog.
void Store(const OutputSettings& settings);

}  // namespace StoredChoices
