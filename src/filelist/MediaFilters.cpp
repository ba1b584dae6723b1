#include "filelist/MediaFilters.h"

#include <QCoreApplication>

#include "base/MediaExtensions.h"

namespace {

// The table's general entries, shown in the user's language; the others name formats.
[[maybe_unused]] const char* const kGeneralEntries[] = {
    QT_TRANSLATE_NOOP("MediaFilters", "All Supported Media Files"),
    QT_TRANSLATE_NOOP("MediaFilters", "All Supported Audio Files"),
    QT_TRANSLATE_NOOP("MediaFilters", "All Supported Video Files")};

std::vector<MediaFilter> BuildTable() {
  std::vector<MediaFilter> table;
  for (const mediaext::Filter& f : mediaext::Filters())
    table.push_back({QString::fromStdString(f.text), QString::fromStdString(mediaext::JoinedPatterns(f))});
  return table;
}

}  // namespace

const std::vector<MediaFilter>& MediaFilterTable() {
  static const std::vector<MediaFilter> table = BuildTable();
  return table;
}

QStringList MediaDialogFilters() {
  QStringList filters;
  for (const MediaFilter& f : MediaFilterTable()) {
    // The dialog reads space-separated patterns from the last parenthesised group; a
    // text that already ends in exactly that group is used as it is.
    const QString group = "(" + f.pattern.split(';', Qt::SkipEmptyParts).join(' ') + ")";
    const QString text = QCoreApplication::translate("MediaFilters", f.text.toUtf8().constData());
    filters << (text.endsWith(group) ? text : text + " " + group);
  }
  return filters;
}
