#include "broadcast/ListeningSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <unistd.h>

#include <cerrno>

namespace trelvix {

int ListenOn(int family, int port, bool loopbackOnly, int* boundPort) {
    const int fd = socket(family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -errno;
    const int one = 1, zero = 0;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_storage addr{};
    socklen_t len = 0;
    if (family == AF_INET6) {
        setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &zero, sizeof zero);  // IPv4 too
        auto* a = reinterpret_cast<sockaddr_in6*>(&addr);
        a->sin6_family = AF_INET6;
        a->sin6_addr = loopbackOnly ? in6addr_loopback : in6addr_any;
        a->sin6_port = htons(uint16_t(port));
        len = sizeof *a;
    } else {
        auto* a = reinterpret_cast<sockaddr_in*>(&addr);
        a->sin_family = AF_INET;
        a->sin_addr.s_addr = htonl(loopbackOnly ? INADDR_LOOPBACK : INADDR_ANY);
        a->sin_port = htons(uint16_t(port));
        len = sizeof *a;
    }
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), len) < 0 || listen(fd, 64) < 0) {
        const int err = errno;
        close(fd);
        return -err;
    }
    len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    *boundPort = ntohs(family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&addr)->sin6_port
                                          : reinterpret_cast<sockaddr_in*>(&addr)->sin_port);
    return fd;
}

QByteArray PeerAddress(const sockaddr_storage& a) {
    if (a.ss_family == AF_INET6) {
        const auto& in6 = reinterpret_cast<const sockaddr_in6&>(a).sin6_addr;
        return QByteArray(reinterpret_cast<const char*>(&in6), sizeof in6);
    }
    const auto& in = reinterpret_cast<const sockaddr_in&>(a).sin_addr;
    return QByteArray(reinterpret_cast<const char*>(&in), sizeof in);
}

}  // namespace trelvix
