#include "conversion/RunSummary.h"

#include <QStringList>
#include <algorithm>

void RunSummary::Set(int row, RowOutcome outcome) {
  if (row >= 0 && row < Rows()) outcomes_[static_cast<size_t>(row)] = outcome;
}

RowOutcome RunSummary::At(int row) const {
  return row >= 0 && row < Rows() ? outcomes_[static_cast<size_t>(row)] : RowOutcome::Pending;
}

int RunSummary::Count(RowOutcome outcome) const {
  return static_cast<int>(std::count(outcomes_.begin(), outcomes_.end(), outcome));
}

QString RunSummary::Counts() const {
  QStringList parts;
  QString converted = QString("%1 converted").arg(Converted());
  if (const int n = Count(RowOutcome::ConvertedWithProblems))
    converted += QString(" (%1 with problems)").arg(n);
  parts << converted;
  if (const int n = Count(RowOutcome::Failed)) parts << QString("%1 failed").arg(n);
  if (const int n = Count(RowOutcome::Skipped)) parts << QString("%1 skipped").arg(n);
  if (const int n = Count(RowOutcome::Canceled) + Count(RowOutcome::Pending))
    parts << QString("%1 canceled").arg(n);
  return parts.join(", ");
}

QString RunSummary::EndCaption(bool stopped) const {
  if (stopped) {
    const int finished = Rows() - Count(RowOutcome::Canceled) - Count(RowOutcome::Pending);
    return QString("Canceled after %1 of %2").arg(finished).arg(Rows());
  }
  if (AllConverted()) return "Convert Finished!";
  if (Rows() == 0) return "Nothing to convert";
  return Counts();
}

QString RunSummary::NoticeText(bool stopped) const {
  if (!stopped && AllConverted()) return "Convert Finished. Click here to open the output folder";
  if (NothingConverted()) return EndCaption(stopped) + ". Nothing was converted.";
  return EndCaption(stopped) + ". Click here to open the output folder";
}
