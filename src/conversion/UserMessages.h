#pragma once
// Messages about a file that a user can act on: they name the source file, say
// what is wrong in the words of the settings dialog and, where there is one, what
// to do. Engine texts that name command-line options are translated here.
#include <QString>

#include "conversion/ConversionBuilder.h"
#include "output/OutputSettings.h"

// "" when the crop margins fit the row's picture; otherwise e.g. "The crop margins
// (left 9999) are larger than the picture (1920×1080) of clip.mp4. Make them
// smaller under Crop Video in the advanced settings."
QString CropProblem(const OutputSettings& settings, const RowFacts& facts, const QString& sourcePath);

// The engine's text for a source that could not be opened, in the user's words.
QString ExplainOpenFailure(const QString& sourcePath, const QString& engineMessage);

// The engine's text for a task it refused or that failed, in the user's words.
QString ExplainConversionFailure(const QString& sourcePath, const QString& engineMessage);
