#pragma once
// The main window's file list: report style, eight columns, multi-selection, never
// sorted. It shows the rows of its own FileListModel, which holds each file's typed
// summary; column 0 is the source path.
#include <QByteArray>
#include <QList>
#include <QTreeView>

#include "filelist/FileListModel.h"

class FileView : public QTreeView {
  Q_OBJECT
 public:
  static constexpr int ColumnCount = 8;

  explicit FileView(QWidget* parent = nullptr);

  FileListModel* Rows() const { return rows_; }
  // Appends one row at the end.
  void AppendRow(const FileRow& row) { rows_->Append(row); }
  // The row of the current index, -1 when there is none.
  int CurrentRow() const;
  bool IsRowSelected(int row) const;
  // Selects or deselects a whole row.
  void SetRowSelected(int row, bool selected);

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

 private:
  FileListModel* rows_;
};
