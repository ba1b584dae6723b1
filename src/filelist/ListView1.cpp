#include "filelist/ListView1.h"

#include <QHeaderView>

ListView1::ListView1(QWidget* parent) : QTreeWidget(parent) {
  setHeaderLabels({"File Name", "Type", "Duration", "Video Size", "File Size", "Modified",
                   "Video Codec", "Audio Codec"});
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSortingEnabled(false);
  header()->setSectionsClickable(false);
  setAllColumnsShowFocus(true);
  setColumnWidth(0, 300);
}
