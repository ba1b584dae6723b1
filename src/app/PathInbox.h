#pragma once
// Files and folders that arrive from outside the window (the command line, a later
// start of the program) are added to the list as if dropped on it, once the list is
// ready, no dialog is open and no other adding is under way; the window comes to the
// front. They are added in short steps from the event loop, never inside the handler
// that brought them, and never with a nested event loop.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "filelist/FileList.h"

class FolderScan;
class QWidget;

class PathInbox : public QObject {
  Q_OBJECT
 public:
  // Paths received before SetFiles() wait for the list.
  explicit PathInbox(QWidget* window);
  PathInbox(FileList& files, QWidget* window);
  ~PathInbox() override;

  // The list is ready: what has arrived so far goes in.
  void SetFiles(FileList* files);
  // When a dialog is open, tries again this often until it has closed.
  void SetRetryInterval(int ms) { retry_.setInterval(ms); }
  bool HasPending() const { return !pending_.isEmpty() || batch_open_; }

 public slots:
  void Receive(const QStringList& paths);

 private:
  void Schedule();
  void Step();
  bool Busy() const;
  bool StepFolder();
  void EndBatch();

  FileList* files_ = nullptr;
  QPointer<QWidget> window_;
  QList<QByteArray> pending_;         // in arrival order; folders are opened in turn
  std::unique_ptr<FolderScan> scan_;  // the folder being listed, if any
  QByteArray scan_folder_;
  FileList::AddProblems problems_;  // gathered over one batch, told at its end
  bool batch_open_ = false;
  QTimer retry_;
  QTimer step_;
};
