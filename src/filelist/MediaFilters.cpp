#include "filelist/MediaFilters.h"

#include "base/MediaExtensions.h"

namespace {

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
    filters << (f.text.endsWith(group) ? f.text : f.text + " " + group);
  }
  return filters;
}
