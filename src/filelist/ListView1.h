#pragma once
// The main window's file list: report style, eight columns, multi-selection, never
// sorted. Row text (column 0) is the source path; the duration in seconds is a hidden
// per-row tag, and the path's exact file-system bytes ride along for the engine.
#include <QByteArray>
#include <QList>
#include <QTreeWidget>

#include "filelist/FileRow.h"

class ListView1 : public QTreeWidget {
  Q_OBJECT
 public:
  static constexpr int DurationTagRole = Qt::UserRole + 1;
  static constexpr int NativePathRole = Qt::UserRole + 2;
  static constexpr int ColumnCount = 8;

  explicit ListView1(QWidget* parent = nullptr);

  // Appends one row at the end and returns its item.
  QTreeWidgetItem* AppendRow(const FileRow& row);
  static FileRow RowFromItem(const QTreeWidgetItem* item);
  static void FillItem(QTreeWidgetItem* item, const FileRow& row);

  // The local files offered by dropped or dragged data, in the file system's bytes, in
  // their order. Empty when the data carries no file list.
  static QList<QByteArray> LocalFilesOf(const QMimeData* data);

 signals:
  // The right mouse button was released over the list (rows, empty area or header).
  void contextMenuRequested(const QPoint& globalPos);
  // Files were dropped on the list. Delivered after the drop itself has completed.
  void filesDropped(const QList<QByteArray>& nativePaths);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};
