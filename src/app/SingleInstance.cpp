#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "common/Files.h"

namespace trelvix {

namespace {
const QByteArray kShowRequest = "show\n";
const QByteArray kShowAnswer = "ok\n";
}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name) {
    runtimeFolder_ = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtimeFolder_.isEmpty() || !QDir(runtimeFolder_).exists())
        runtimeFolder_ = QDir::tempPath();
    runtimeFolder_ = WithSlash(runtimeFolder_);
}

SingleInstance::~SingleInstance() {
    if (server_) server_->close();
    // The file stays: removing it would let a third start lock a new file beside a held one.
    if (lockFd_ >= 0) ::close(lockFd_);
}

bool SingleInstance::Acquire(const QString& userFolder) {
    const QString folder = WithSlash(QDir(userFolder).absolutePath());
    lockPath_ = folder + name_ + QStringLiteral(".lock");
    // One socket per user folder, so two folders sharing a runtime folder never meet.
    const QByteArray key = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha1);
    socketPath_ =
        runtimeFolder_ + name_ + QLatin1Char('-') + QString::fromLatin1(key.toHex().left(12));
    // Close-on-exec: a program the user has started from here must not keep the lock.
    const int fd =
        ::open(QFile::encodeName(lockPath_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        lockError_ = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK) lockError_ = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        return false;
    }
    lockFd_ = fd;
    // Without the number the lock still holds; only a refused start's message lacks it.
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    const bool written = ::ftruncate(fd, 0) == 0 &&
                         ::pwrite(fd, pid.constData(), size_t(pid.size()), 0) == pid.size();
    (void)written;
    Listen();
    return true;
}

qint64 SingleInstance::RunningPid() const {
    QFile file(lockPath_);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return file.readLine(32).trimmed().toLongLong();
}

void SingleInstance::Listen() {
    QLocalServer::removeServer(socketPath_);  // left over by an instance that was killed
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(socketPath_);
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
}

bool SingleInstance::AskRunningToShow(int timeoutMs) {
    if (socketPath_.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(kShowRequest);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    return socket.readLine() == kShowAnswer;
}

}  // namespace trelvix
