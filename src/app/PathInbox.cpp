#include "app/PathInbox.h"

#include <QApplication>
#include <QWidget>
#include <utility>

#include "filelist/NativePath.h"

PathInbox::PathInbox(QWidget* window) : window_(window) {
  retry_timer_.setSingleShot(true);
  retry_timer_.setInterval(250);
  connect(&retry_timer_, &QTimer::timeout, this, &PathInbox::Step);
  step_timer_.setSingleShot(true);
  connect(&step_timer_, &QTimer::timeout, this, &PathInbox::Step);
}

PathInbox::PathInbox(FileList& files, QWidget* window) : PathInbox(window) { SetFiles(&files); }

void PathInbox::SetFiles(FileList* files) {
  files_ = files;
  // Another adding ending may be what the paths wait for.
  if (files_) connect(files_, &FileList::addFinished, this, &PathInbox::Schedule, Qt::UniqueConnection);
  Schedule();
}

void PathInbox::Receive(const QStringList& paths) {
  for (const QString& path : paths)
    pending_ << NativePath::Resolve(path);
  if (window_) {
    if (window_->isMinimized()) window_->showNormal();
    window_->raise();
    window_->activateWindow();
  }
  Schedule();
}

void PathInbox::Schedule() {
  if (!step_timer_.isActive() && !retry_timer_.isActive()) step_timer_.start(0);
}

bool PathInbox::Busy() const {
  // Adding into a list that a dialog is reading, or inside another adding, could
  // change rows under its feet; the files wait their turn instead.
  if (!files_) return true;
  return QApplication::activeModalWidget() != nullptr || files_->Adding();
}

void PathInbox::Step() {
  if (pending_.isEmpty()) return;
  if (Busy()) {
    retry_timer_.start();
    return;
  }
  files_->AddFromOutside(std::exchange(pending_, {}));
}
