// Plain-socket HTTP clients for the broadcast server's tests, on 127.0.0.1.
#pragma once

#include <QByteArray>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <chrono>
#include <cstdint>

namespace trelvix::test {

// A viewer on a plain socket that reads only when told to.
class RawClient {
public:
    // `headers`: further header lines, each ending in CRLF.
    RawClient(int port, const QByteArray& path, int receiveBuffer = 0,
              const QByteArray& headers = QByteArray()) {
        fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (receiveBuffer > 0)
            setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(uint16_t(port));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const QByteArray request =
            "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + headers + "\r\n";
        ok_ =
            connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
            send(fd_, request.constData(), size_t(request.size()), MSG_NOSIGNAL) == request.size();
    }
    ~RawClient() { close(fd_); }

    // Reads until `done` holds, the server closes or 15 s pass; whether `done` holds.
    template <typename F>
    bool ReadUntil(F done) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (ok_ && !closed && !done() && std::chrono::steady_clock::now() < end) ReadFor(50);
        return done();
    }
    void ReadFor(int ms) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, ms) <= 0) return;
        char buffer[65536];
        const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
        if (n <= 0) {
            closed = true;
            return;
        }
        total += n;
        if (data.size() < (1 << 20)) data.append(buffer, n);
    }

    QByteArray data;  // the first megabyte
    int64_t total = 0;
    bool closed = false;

private:
    int fd_ = -1;
    bool ok_ = false;
};

}  // namespace trelvix::test
