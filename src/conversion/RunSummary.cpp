#include "conversion/RunSummary.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "core/Helpers.h"

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
  QString converted = QCoreApplication::translate("RunSummary", "%n converted", nullptr, Converted());
  if (const int n = Count(RowOutcome::ConvertedWithProblems))
    //: %1 is "N converted".
    converted = QCoreApplication::translate("RunSummary", "%1 (%n with problems)", nullptr, n).arg(converted);
  parts << converted;
  if (const int n = Count(RowOutcome::Failed))
    parts << QCoreApplication::translate("RunSummary", "%n failed", nullptr, n);
  if (const int n = Count(RowOutcome::Skipped))
    parts << QCoreApplication::translate("RunSummary", "%n skipped", nullptr, n);
  if (const int n = Count(RowOutcome::Canceled) + Count(RowOutcome::Pending))
    parts << QCoreApplication::translate("RunSummary", "%n canceled", nullptr, n);
  return parts.join(ListSeparator());
}

QString RunSummary::EndCaption(bool stopped) const {
  if (stopped) {
    const int finished = Rows() - Count(RowOutcome::Canceled) - Count(RowOutcome::Pending);
    return QCoreApplication::translate("RunSummary", "Canceled after %1 of %2").arg(finished).arg(Rows());
  }
  if (AllConverted()) return QCoreApplication::translate("RunSummary", "Convert Finished!");
  if (Rows() == 0) return QCoreApplication::translate("RunSummary", "Nothing to convert");
  return Counts();
}

QString RunSummary::NoticeText(bool stopped) const {
  if (!stopped && AllConverted())
    return QCoreApplication::translate("RunSummary",
                                       "Convert Finished. Click here to open the output folder");
  if (NothingConverted())
    return QCoreApplication::translate("RunSummary", "%1. Nothing was converted.").arg(EndCaption(stopped));
  return QCoreApplication::translate("RunSummary", "%1. Click here to open the output folder")
      .arg(EndCaption(stopped));
}
