#include "filelist/ListView1.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include "filelist/NativePath.h"

ListView1::ListView1(QWidget* parent) : QTreeWidget(parent) {
  setHeaderLabels({"File Name", "Type", "Duration", "Video Size", "File Size", "Modified",
                   "Video Codec", "Audio Codec"});
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

void ListView1::FillItem(QTreeWidgetItem* item, const FileRow& row) {
  item->setText(0, row.path);
  item->setText(1, row.type);
  item->setText(2, row.duration);
  item->setText(3, row.videoSize);
  item->setText(4, row.fileSize);
  item->setText(5, row.modified);
  item->setText(6, row.videoCodec);
  item->setText(7, row.audioCodec);
  item->setData(0, DurationTagRole, row.durationSeconds);
  item->setData(0, NativePathRole, row.nativePath);
  for (int column = 0; column < 8; ++column) item->setToolTip(column, row.tracks);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren);
}

QTreeWidgetItem* ListView1::AppendRow(const FileRow& row) {
  auto* item = new QTreeWidgetItem();
  FillItem(item, row);
  addTopLevelItem(item);
  return item;
}

FileRow ListView1::RowFromItem(const QTreeWidgetItem* item) {
  FileRow row;
  if (!item) return row;
  row.path = item->text(0);
  row.type = item->text(1);
  row.duration = item->text(2);
  row.videoSize = item->text(3);
  row.fileSize = item->text(4);
  row.modified = item->text(5);
  row.videoCodec = item->text(6);
  row.audioCodec = item->text(7);
  row.durationSeconds = item->data(0, DurationTagRole).toDouble();
  row.tracks = item->toolTip(0);
  row.nativePath = item->data(0, NativePathRole).toByteArray();
  // Rows put in by other code may lack the bytes; the text is then the path.
  if (row.nativePath.isEmpty()) row.nativePath = NativePath::Encode(row.path);
  return row;
}

QList<QByteArray> ListView1::LocalFilesOf(const QMimeData* data) {
  if (!data || !data->hasFormat("text/uri-list")) return {};
  return NativePath::LocalFilesFromUriList(data->data("text/uri-list"));
}

void ListView1::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::RightButton) emit contextMenuRequested(event->globalPosition().toPoint());
}

bool ListView1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == header()->viewport() && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) emit contextMenuRequested(mouse->globalPosition().toPoint());
  }
  return QTreeWidget::eventFilter(watched, event);
}

void ListView1::dragEnterEvent(QDragEnterEvent* event) {
  if (LocalFilesOf(event->mimeData()).isEmpty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void ListView1::dragMoveEvent(QDragMoveEvent* event) {
  if (LocalFilesOf(event->mimeData()).isEmpty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void ListView1::dropEvent(QDropEvent* event) {
  const QList<QByteArray> files = LocalFilesOf(event->mimeData());
  if (files.isEmpty()) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  // Reading the files takes a while; the drag source should not wait for it.
  QMetaObject::invokeMethod(this, [this, files] { emit filesDropped(files); }, Qt::QueuedConnection);
}
