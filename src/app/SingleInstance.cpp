#include "app/SingleInstance.h"

#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLockFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

namespace {

constexpr quint32 kMagic = 0x56564331;  // "VVC1": the format of one hand-over message
constexpr int kMaxPaths = 100000;
constexpr int kReceiveTimeoutMs = 5000;

}  // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerName() {
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return runtime + "/veltrane-video-converter.socket";
  return QString("veltrane-video-converter-%1").arg(getuid());
}

bool SingleInstance::HandOver(const QStringList& paths, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(ServerName());
  if (!socket.waitForConnected(timeoutMs)) return false;
  QByteArray message;
  QDataStream out(&message, QIODevice::WriteOnly);
  out << kMagic << paths;
  socket.write(message);
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  // The running copy answers once it has the whole list.
  while (socket.bytesAvailable() < 1) {
    if (!socket.waitForReadyRead(timeoutMs)) return false;
  }
  return socket.read(1) == "1";
}

bool SingleInstance::Listen() {
  const QString name = ServerName();
  // Two starts at the same moment take turns here, so only one of them listens.
  QLockFile lock(QFileInfo(name).isAbsolute() ? name + ".lock"
                                              : QDir::tempPath() + "/" + name + ".lock");
  if (!lock.tryLock(3000)) return false;
  // Qt puts its socket in place by renaming, which would silently take the name from a
  // running copy: ask first. A socket nobody answers on was left by a copy that crashed.
  QLocalSocket probe;
  probe.connectToServer(name);
  if (probe.waitForConnected(500)) return false;
  QLocalServer::removeServer(name);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
  return server_->listen(name);
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // Reads the message as it arrives; a start that sends nothing useful is dropped.
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      QDataStream in(socket);
      in.startTransaction();
      quint32 magic = 0;
      QStringList paths;
      in >> magic >> paths;
      if (!in.commitTransaction()) return;  // wait for the rest
      if (magic != kMagic) {
        socket->abort();
        return;
      }
      socket->write("1");
      socket->flush();
      if (paths.size() > kMaxPaths) paths = paths.mid(0, kMaxPaths);
      emit pathsReceived(paths);
    });
    QTimer* const limit = new QTimer(socket);
    limit->setSingleShot(true);
    connect(limit, &QTimer::timeout, socket, &QLocalSocket::abort);
    limit->start(kReceiveTimeoutMs);
  }
}
