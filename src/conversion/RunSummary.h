#pragma once
// How a conversion run ended, counted from its rows, and the words that say so.
// Plain C++ so the texts can be checked without a window.
#include <QString>
#include <vector>

enum class RowOutcome { Pending, Converted, Failed, Skipped, Canceled };

class RunSummary {
 public:
  explicit RunSummary(int rows = 0) : outcomes_(static_cast<size_t>(rows > 0 ? rows : 0), RowOutcome::Pending) {}

  void Set(int row, RowOutcome outcome);
  RowOutcome At(int row) const;
  int Count(RowOutcome outcome) const;
  int Rows() const { return static_cast<int>(outcomes_.size()); }
  bool AllConverted() const { return !outcomes_.empty() && Count(RowOutcome::Converted) == Rows(); }
  bool NothingConverted() const { return Count(RowOutcome::Converted) == 0; }

  // The progress window's caption at the end: "Convert Finished!" when every file
  // converted, otherwise what happened, e.g. "6 converted, 2 failed" or
  // "Canceled after 3 of 8".
  QString EndCaption(bool stopped) const;
  // The corner notice's message for the same run.
  QString NoticeText(bool stopped) const;

 private:
  QString Counts() const;
  std::vector<RowOutcome> outcomes_;
};
