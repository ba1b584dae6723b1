#pragma once
// The main window's file list: report style, eight columns, multi-selection, never
// sorted. Row text (column 0) is the source path; the duration in seconds is a hidden
// per-row tag.
#include <QTreeWidget>

class ListView1 : public QTreeWidget {
  Q_OBJECT
 public:
  static constexpr int DurationTagRole = Qt::UserRole + 1;
  explicit ListView1(QWidget* parent = nullptr);
};
