// Helper programs run beside a test without QProcess, whose vfork confuses ThreadSanitizer.
#pragma once

#include <QStringList>
#include <QTcpServer>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <vector>

namespace trelvix::test {

inline pid_t Spawn(const QStringList& args, int* stdoutPipe = nullptr, int* stdinPipe = nullptr) {
    std::vector<QByteArray> bytes;
    std::vector<char*> argv;
    for (const QString& a : args) bytes.push_back(a.toUtf8());
    for (QByteArray& b : bytes) argv.push_back(b.data());
    argv.push_back(nullptr);
    int out[2] = {-1, -1}, in[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutPipe && pipe(out) == 0) posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    if (stdinPipe && pipe(in) == 0) posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (stdoutPipe) close(out[1]), *stdoutPipe = out[0];
    if (stdinPipe) close(in[0]), *stdinPipe = in[1];
    return pid;
}

inline void Kill(pid_t& pid) {
    if (pid <= 0) return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

// A loopback port on which nothing listens.
inline int FreePort() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost);
    return s.serverPort();
}

}  // namespace trelvix::test
