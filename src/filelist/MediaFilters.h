#pragma once
// The Add Files dialog's file-type filters, in the order the dialog lists them.
#include <QString>
#include <QStringList>
#include <vector>

struct MediaFilter {
  QString text;     // display text
  QString pattern;  // ";"-separated patterns as the program stores them
};

const std::vector<MediaFilter>& MediaFilterTable();

// The table as Qt dialog filters, "Text (*.a *.b)", the first entry selected first.
// Qt's file dialog matches them in any letter case.
QStringList MediaDialogFilters();
