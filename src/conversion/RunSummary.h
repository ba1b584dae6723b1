#pragma once
// How a conversion run ended, counted from its rows, and the words that say so.
// Plain C++ so the texts can be checked without a window.
#include <QString>
#include <vector>

// Converted with problems: the output is kept, and its note says what was skipped
// or left out.
enum class RowOutcome { Pending, Converted, ConvertedWithProblems, Failed, Skipped, Canceled };

class RunSummary {
 public:
  explicit RunSummary(int rows = 0)
      : outcomes_(static_cast<size_t>(rows > 0 ? rows : 0), RowOutcome::Pending) {}

  void Set(int row, RowOutcome outcome);
  RowOutcome At(int row) const;
  int Count(RowOutcome outcome) const;
  int Rows() const { return static_cast<int>(outcomes_.size()); }
  bool AllConverted() const { return !outcomes_.empty() && Count(RowOutcome::Converted) == Rows(); }
  bool NothingConverted() const { return Converted() == 0; }
  // Rows with an output, with or without problems.
  int Converted() const { return Count(RowOutcome::Converted) + Count(RowOutcome::ConvertedWithProblems); }

  // The progress window's caption at the end: "Convert Finished!" when every file
  // converted without problems, otherwise what happened, e.g. "6 converted, 2 failed",
  // "5 converted (1 with problems), 1 failed" or "Canceled after 3 of 8".
  QString EndCaption(bool stopped) const;
  // The corner notice's message for the same run.
  QString NoticeText(bool stopped) const;

 private:
  QString Counts() const;
  std::vector<RowOutcome> outcomes_;
};
