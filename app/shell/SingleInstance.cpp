#include "app/shell/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace velmara {
namespace {

constexpr char kRaise[] = "raise\n";
constexpr int kWaitMs = 2000;

QString LockFolder() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return folder;
}

}  // namespace

QString TSingleInstance::KeyFor(const QString& programPath) {
  QString key = QDir::cleanPath(programPath).toUpper();
  key.replace('/', '_');
  key.replace('\\', '_');
  return "velmara" + key;
}

TSingleInstance::TSingleInstance(const QString& programPath) : key_(KeyFor(programPath)) {
  lock_ = std::make_unique<QLockFile>(LockFolder() + "/" + key_ + ".lock");
  // A lock left by a crashed instance is stale (its process is gone) and is taken over.
  if (lock_->tryLock(0)) {
    first_ = true;
    QLocalServer::removeServer(key_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] { Accept(); });
    server_.listen(key_);
    return;
  }
  QLocalSocket socket;
  socket.connectToServer(key_);
  if (socket.waitForConnected(kWaitMs)) {
    socket.write(kRaise);
    socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
  }
}

TSingleInstance::~TSingleInstance() {
  server_.close();
  if (first_) lock_->unlock();
}

void TSingleInstance::Accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->readAll().contains("raise") && OnRaiseRequest) OnRaiseRequest();
    });
  }
}

}  // namespace velmara
