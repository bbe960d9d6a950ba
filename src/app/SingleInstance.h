// One running program per user folder: a lock file inside the folder, plus a local socket over
// which a second start asks the running one to show its window.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <memory>

namespace trelvix {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // name: "kvCarCamera"; the socket lives in $XDG_RUNTIME_DIR (else the temp folder).
    explicit SingleInstance(const QString& name = QStringLiteral("kvCarCamera"),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when no other instance holds userFolder's lock; this one then holds it and listens
    // for a second start. Two folders never block each other, whatever the runtime folder.
    bool Acquire(const QString& userFolder);
    // The process id of the instance that holds the lock, 0 when unknown.
    qint64 RunningPid() const;
    // Why the lock file could not be used at all (empty when another instance holds it).
    QString LockError() const { return lockError_; }
    QString LockPath() const { return lockPath_; }
    // Asks the running instance to bring its window to the front; true when it answered.
    bool AskRunningToShow(int timeoutMs = 3000);

signals:
    void showRequested();

private:
    void Listen();

    QString runtimeFolder_;
    QString name_;
    QString lockPath_;
    QString socketPath_;
    QString lockError_;
    int lockFd_ = -1;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace trelvix
