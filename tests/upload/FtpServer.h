// A pyftpdlib server on 127.0.0.1 (user "cam", password "s3cret") with the log of the commands
// it received.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <ostream>

#include "support/Processes.h"
#include "support/TestFiles.h"
#include "upload/Indyftpcore.h"

inline std::ostream& operator<<(std::ostream& os, const QString& s) {
    return os << '"' << s.toStdString() << '"';
}
namespace trelvix {
inline void PrintTo(const FtpListEntry& e, std::ostream* os) {
    *os << (e.folder ? "folder " : "file ") << e.name.toStdString();
}
}  // namespace trelvix

namespace trelvix::test {

class FtpServer {
public:
    explicit FtpServer(QStringList args = {}, int port = 0) {
        QDir().mkpath(root());
        args =
            QStringList{
                "/usr/bin/python3", TRELVIX_FTP_SERVER,   "--root", root(), "--log", logPath(),
                "--port",           QString::number(port)} +
            args;
        int out = -1;
        pid_ = Spawn(args, &out);
        // "PORT <n>" once it listens; nothing when the port cannot be bound.
        FILE* f = out >= 0 ? fdopen(out, "r") : nullptr;
        if (!f || pid_ <= 0 || std::fscanf(f, "PORT %d", &port_) != 1) port_ = 0;
        if (f) std::fclose(f);
    }
    ~FtpServer() { Kill(pid_); }

    int port() const { return port_; }
    QString portText() const { return QString::number(port_); }
    QString root() const { return dir_.path() + "/root"; }
    QString logPath() const { return dir_.path() + "/commands.log"; }

    // Commands received so far, PORT arguments left out; "CONNECT" starts each connection.
    QStringList Commands() const {
        QStringList out;
        for (const QString& line : QString::fromUtf8(ReadFile(logPath())).split('\n'))
            if (!line.isEmpty() && line != "CLOSE")
                out << (line.startsWith("PORT ") ? QStringLiteral("PORT") : line);
        return out;
    }
    int Count(const QString& command) const { return int(Commands().count(command)); }
    void ClearLog() const { QFile(logPath()).resize(0); }

    // Runs the event loop until `done` holds, at most 20 s.
    static bool WaitFor(const std::function<bool()>& done) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }

private:
    QTemporaryDir dir_;
    pid_t pid_ = -1;
    int port_ = 0;
};

}  // namespace trelvix::test
