#pragma once
// The ranges the engine takes for the typed grid values, so that a value the command
// line accepts never fails file by file later.
#include <QString>
#include <string>

inline constexpr int kMaxCropMargin = 100000;  // pixels from one edge

// For a text that passed the grid's own test: empty when `option`'s value lies in the
// engine's range, else the range in words ("a frame rate from 0.01 to 1000").
std::string RangeProblem(const char* option, const QString& text);

// Empty when `text` is a whole number on the constant quality scale of `formatKey`'s
// video encoder, else the --crf error naming what it takes for that format.
std::string QualityProblem(const QString& formatKey, const std::string& text);
