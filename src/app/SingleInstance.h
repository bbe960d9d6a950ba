// One running program per user: a lock file, plus a local socket over which a second start
// asks the running one to show its window.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace trelvix {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // name: "kvCarCamera"; the lock and the socket live in $XDG_RUNTIME_DIR (else the temp folder).
    explicit SingleInstance(const QString& name = QStringLiteral("kvCarCamera"),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only instance; it then listens for a second start.
    bool Acquire();
    // Asks the running instance to bring its window to the front; true when it answered.
    bool AskRunningToShow(int timeoutMs = 3000);

signals:
    void showRequested();

private:
    QString folder_;
    QString name_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace trelvix
