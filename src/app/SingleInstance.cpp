#include "app/SingleInstance.h"

#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

namespace {

constexpr quint32 kMagic = 0x56564332;  // "VVC2": the format of one hand-over message
constexpr int kMaxPaths = 100000;
// A message is the magic, the payload's length and the payload: the paths in UTF-8,
// each ended by a NUL (no path can hold one).
// The length is checked before anything is read, so a wrong or hostile length can
// never make the running copy allocate more than this.
constexpr quint32 kMaxPayload = 64u << 20;
constexpr int kHeaderSize = 8;

quint32 ReadBigEndian32(const char* bytes) {
  const auto* u = reinterpret_cast<const unsigned char*>(bytes);
  return (quint32(u[0]) << 24) | (quint32(u[1]) << 16) | (quint32(u[2]) << 8) | quint32(u[3]);
}
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
  QByteArray payload;
  for (const QString& path : paths)
    payload += path.toUtf8() + '\0';
  QByteArray message;
  QDataStream out(&message, QIODevice::WriteOnly);
  out << kMagic << quint32(payload.size());
  message += payload;
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
  QLockFile lock(QFileInfo(name).isAbsolute() ? name + ".lock" : QDir::tempPath() + "/" + name + ".lock");
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
    QTimer* const limit = new QTimer(socket);
    limit->setSingleShot(true);
    connect(limit, &QTimer::timeout, socket, &QLocalSocket::abort);
    limit->start(kReceiveTimeoutMs);
    // Reads the message as it arrives; a start that sends nothing useful is dropped.
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, limit] {
      if (socket->bytesAvailable() < kHeaderSize) return;  // wait for the rest
      const QByteArray header = socket->peek(kHeaderSize);
      const quint32 length = ReadBigEndian32(header.constData() + 4);
      if (ReadBigEndian32(header.constData()) != kMagic || length > kMaxPayload) {
        socket->abort();
        return;
      }
      if (socket->bytesAvailable() < kHeaderSize + qint64(length)) return;
      socket->read(kHeaderSize);
      const QByteArray payload = socket->read(length);
      QStringList paths;
      qsizetype start = 0;
      for (qsizetype end = payload.indexOf('\0'); end >= 0 && paths.size() < kMaxPaths;
           start = end + 1, end = payload.indexOf('\0', start))
        paths << QString::fromUtf8(payload.constData() + start, end - start);
      // The message is complete: this socket has nothing more to say or to wait for.
      limit->stop();
      disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
      socket->write("1");
      socket->flush();
      socket->disconnectFromServer();  // deleted through deleteLater once it is closed
      // Adding the files may take long; it must not run inside this socket's signal,
      // where the socket could be closed and deleted under its own feet.
      QMetaObject::invokeMethod(
          this, [this, paths] { emit pathsReceived(paths); }, Qt::QueuedConnection);
    });
  }
}
