// What the broadcast benchmarks share: viewers in processes of their own, and the CPU time
// this process has used.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>

namespace trelvix::bench {

inline int Connect(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(uint16_t(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const char request[] = "GET / HTTP/1.0\r\n\r\n";
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        send(fd, request, sizeof request - 1, 0) < 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// A viewer in its own process that reads until the server closes.
inline pid_t Viewer(int port) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    const int fd = Connect(port);
    char buffer[65536];
    while (fd >= 0 && recv(fd, buffer, sizeof buffer, 0) > 0) {
    }
    _exit(0);
}

inline double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

}  // namespace trelvix::bench
