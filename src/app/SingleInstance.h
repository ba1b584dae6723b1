#pragma once
// One running copy of the program per user. The first start listens on a local socket;
// a later start hands its files to it and ends, so a file manager's "Open with" adds
// to the open window instead of opening a second one.
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QObject* parent = nullptr);
  ~SingleInstance() override;

  // The socket's name: in the user's private runtime folder when there is one, else
  // a name that carries the user id (the socket itself is open to this user only).
  static QString ServerName();

  // Sends `paths` to a running copy. True when it took them (this copy should end).
  static bool HandOver(const QStringList& paths, int timeoutMs = 3000);

  // Starts answering later starts. False when another copy already answers (hand the
  // files over to it) or listening is impossible (run on alone). A socket left behind
  // by a copy that crashed is replaced.
  bool Listen();

 signals:
  // Paths handed over by a later start, on the UI thread.
  void pathsReceived(const QStringList& paths);

 private:
  void OnNewConnection();

  QLocalServer* server_ = nullptr;
};
