#include "app/PathInbox.h"

#include <QApplication>
#include <QWidget>
#include <utility>

#include "filelist/FileList.h"
#include "filelist/NativePath.h"

PathInbox::PathInbox(FileList& files, QWidget* window) : files_(files), window_(window) {
  retry_.setSingleShot(true);
  retry_.setInterval(250);
  connect(&retry_, &QTimer::timeout, this, &PathInbox::Deliver);
}

void PathInbox::Receive(const QStringList& paths) {
  pending_ << paths;
  if (window_) {
    if (window_->isMinimized()) window_->showNormal();
    window_->raise();
    window_->activateWindow();
  }
  Deliver();
}

bool PathInbox::Busy() const {
  // Adding into a list that a dialog is reading, or inside another adding loop, could
  // change rows under its feet; the files wait their turn instead.
  return QApplication::activeModalWidget() != nullptr || files_.WaitWindow() != nullptr;
}

void PathInbox::Deliver() {
  if (pending_.isEmpty()) return;
  if (Busy()) {
    retry_.start();
    return;
  }
  const QStringList paths = std::exchange(pending_, {});
  QList<QByteArray> native;
  for (const QString& path : paths) native << NativePath::Resolve(path);
  files_.AddDroppedFiles(native);
  if (!pending_.isEmpty()) retry_.start();  // more arrived while these were added
}
