// A pyftpdlib server on 127.0.0.1 (user "cam", password "s3cret") with the log of the commands
// it received.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <ostream>
#include <vector>

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
    // Spawned without QProcess, whose vfork confuses ThreadSanitizer.
    explicit FtpServer(QStringList args = {}, int port = 0) {
        QDir().mkpath(root());
        args =
            QStringList{
                "/usr/bin/python3", TRELVIX_FTP_SERVER,   "--root", root(), "--log", logPath(),
                "--port",           QString::number(port)} +
            args;
        std::vector<QByteArray> bytes;
        std::vector<char*> argv;
        for (const QString& a : args) bytes.push_back(a.toUtf8());
        for (QByteArray& b : bytes) argv.push_back(b.data());
        argv.push_back(nullptr);
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        // "PORT <n>" once it listens; nothing when the port cannot be bound.
        FILE* f = fdopen(out[0], "r");
        if (pid_ > 0 && std::fscanf(f, "PORT %d", &port_) != 1) port_ = 0;
        std::fclose(f);
    }
    ~FtpServer() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }

    int port() const { return port_; }
    QString portText() const { return QString::number(port_); }
    QString root() const { return dir_.path() + "/root"; }
    QString logPath() const { return dir_.path() + "/commands.log"; }

    // Commands received so far, PORT arguments left out; "CONNECT" starts each connection.
    QStringList Commands() const {
        QFile f(logPath());
        QStringList out;
        if (f.open(QIODevice::ReadOnly))
            for (const QString& line : QString::fromUtf8(f.readAll()).split('\n'))
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
    // A loopback port on which nothing listens.
    static int ClosedPort() {
        QTcpServer s;
        s.listen(QHostAddress::LocalHost);
        return s.serverPort();
    }

private:
    QTemporaryDir dir_;
    pid_t pid_ = -1;
    int port_ = 0;
};

inline QString WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.left(path.lastIndexOf('/')));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return path;
}

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace trelvix::test
