#pragma once
// Files and folders that arrive from outside the window (the command line, a later
// start of the program) are added to the list as if dropped on it, once no dialog is
// open and no other adding is under way; the window comes to the front.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class FileList;
class QWidget;

class PathInbox : public QObject {
  Q_OBJECT
 public:
  PathInbox(FileList& files, QWidget* window);

  // When a dialog is open, tries again this often until it has closed.
  void SetRetryInterval(int ms) { retry_.setInterval(ms); }
  bool HasPending() const { return !pending_.isEmpty(); }

 public slots:
  void Receive(const QStringList& paths);

 private:
  void Deliver();
  bool Busy() const;

  FileList& files_;
  QPointer<QWidget> window_;
  QStringList pending_;
  QTimer retry_;
};
