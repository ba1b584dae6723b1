#include "filelist/FileView.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include "filelist/NativePath.h"

FileView::FileView(QWidget* parent) : QTreeView(parent), rows_(new FileListModel(this)) {
  setModel(rows_);
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setItemsExpandable(false);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  header()->setSectionsClickable(false);
  header()->setSectionsMovable(false);
  header()->viewport()->installEventFilter(this);
  setAllColumnsShowFocus(true);
  setDragDropMode(QAbstractItemView::DropOnly);
  // The right button comes to us as plain press/release; the menu opens on release.
  setContextMenuPolicy(Qt::PreventContextMenu);
  viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
  setColumnWidth(0, 300);
  setColumnWidth(1, 50);
  setColumnWidth(2, 70);
  setColumnWidth(3, 80);
  setColumnWidth(4, 80);
  setColumnWidth(5, 145);
  setColumnWidth(6, 90);
}

int FileView::CurrentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() : -1;
}

bool FileView::IsRowSelected(int row) const { return selectionModel()->isRowSelected(row, QModelIndex()); }

void FileView::SetRowSelected(int row, bool selected) {
  if (row < 0 || row >= rows_->Count()) return;
  selectionModel()->select(
      rows_->index(row, 0),
      (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) | QItemSelectionModel::Rows);
}

QList<QByteArray> FileView::LocalFilesOf(const QMimeData* data) {
  if (!data || !data->hasFormat("text/uri-list")) return {};
  return NativePath::LocalFilesFromUriList(data->data("text/uri-list"));
}

void FileView::mouseReleaseEvent(QMouseEvent* event) {
  QTreeView::mouseReleaseEvent(event);
  if (event->button() == Qt::RightButton) emit contextMenuRequested(event->globalPosition().toPoint());
}

bool FileView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == header()->viewport() && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) emit contextMenuRequested(mouse->globalPosition().toPoint());
  }
  return QTreeView::eventFilter(watched, event);
}

void FileView::dragEnterEvent(QDragEnterEvent* event) {
  if (LocalFilesOf(event->mimeData()).isEmpty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void FileView::dragMoveEvent(QDragMoveEvent* event) {
  if (LocalFilesOf(event->mimeData()).isEmpty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void FileView::dropEvent(QDropEvent* event) {
  const QList<QByteArray> files = LocalFilesOf(event->mimeData());
  if (files.isEmpty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  // Reading the files takes a while; the drag source should not wait for it.
  QMetaObject::invokeMethod(
      this, [this, files] { emit filesDropped(files); }, Qt::QueuedConnection);
}
