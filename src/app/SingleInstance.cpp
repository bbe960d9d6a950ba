#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>

#include "common/Files.h"

namespace trelvix {

namespace {
const QByteArray kShowRequest = "show\n";
const QByteArray kShowAnswer = "ok\n";
}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name) {
    folder_ = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder_.isEmpty() || !QDir(folder_).exists()) folder_ = QDir::tempPath();
    folder_ = WithSlash(folder_);
}

SingleInstance::~SingleInstance() {
    if (server_) server_->close();
}

bool SingleInstance::Acquire() {
    lock_ = std::make_unique<QLockFile>(folder_ + name_ + QStringLiteral(".lock"));
    // Only a lock whose owner process is gone counts as stale.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        lock_.reset();
        return false;
    }
    const QString socketPath = folder_ + name_;
    QLocalServer::removeServer(socketPath);  // left over by an instance that was killed
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(socketPath);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = server_->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (!peer->canReadLine()) return;
                if (peer->readLine() == kShowRequest) {
                    peer->write(kShowAnswer);
                    peer->flush();
                    emit showRequested();
                }
                peer->disconnectFromServer();
            });
        }
    });
    return true;
}

bool SingleInstance::AskRunningToShow(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(folder_ + name_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(kShowRequest);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    return socket.readLine() == kShowAnswer;
}

}  // namespace trelvix
