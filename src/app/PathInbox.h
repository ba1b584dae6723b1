#pragma once
// Files and folders that arrive from outside the window (the command line, a later
// start of the program) are added to the list as if dropped on it, once the list is
// ready, no dialog is open and no other adding is under way; the window comes to the
// front. They are handed over from the event loop, never inside the handler that
// brought them, as one adding job of the list.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include "filelist/FileList.h"

class QWidget;

class PathInbox : public QObject {
  Q_OBJECT
 public:
  // Paths received before SetFiles() wait for the list.
  explicit PathInbox(QWidget* window);
  PathInbox(FileList& files, QWidget* window);

  // The list is ready: what has arrived so far goes in.
  void SetFiles(FileList* files);
  // When a dialog is open, tries again this often until it has closed.
  void SetRetryInterval(int ms) { retry_timer_.setInterval(ms); }
  // True while paths wait or the list is still adding.
  bool HasPending() const { return !pending_.isEmpty() || (files_ && files_->Adding()); }

 public slots:
  void Receive(const QStringList& paths);

 private:
  void Schedule();
  void Step();
  bool Busy() const;

  QPointer<FileList> files_;
  QPointer<QWidget> window_;
  QList<QByteArray> pending_;  // in arrival order
  QTimer retry_timer_;
  QTimer step_timer_;
};
