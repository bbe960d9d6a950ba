#include "broadcast/BroadcastServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>

#include "broadcast/AsfStream.h"
#include "broadcast/BroadcastHttp.h"
#include "broadcast/ListeningSocket.h"

namespace trelvix {

namespace {

using Clock = std::chrono::steady_clock;
// A connection that has not sent its request line by then, or its whole request, is closed:
// connections that never finish must not keep real viewers out for long.
constexpr auto kFirstLineTimeout = std::chrono::seconds(2);
constexpr auto kRequestTimeout = std::chrono::seconds(5);
constexpr auto kLingerTimeout = std::chrono::seconds(2);
// A viewer that takes nothing for this long while data waits for it is closed.
constexpr auto kStallTimeout = std::chrono::seconds(20);
constexpr qsizetype kMaxRequest = 8192;
constexpr int kMaxPending = 32;  // connections that have not finished their request
constexpr int kMaxPendingPerAddress = 4;
// Keeps what the kernel holds per viewer small, so our queue sees a slow viewer early.
constexpr int kSocketSendBuffer = 128 * 1024;
constexpr qsizetype kMaxJpegsQueued = 2;

enum class Kind { Request, Asf, Mmsh, Mjpeg, Reply, Closing };

}  // namespace

struct BroadcastServer::Piece {
    QByteArray head;  // this viewer's own bytes (response head, chunk framing)
    QByteArray body;  // shared with every other viewer
    qsizetype sent = 0;
    qsizetype Size() const { return head.size() + body.size(); }
};

struct BroadcastServer::Client {
    int fd = -1;
    Kind kind = Kind::Request;
    bool viewer = false;  // counts against the viewer limit
    QByteArray address;   // the client's
    QByteArray request;
    std::deque<Piece> queue;
    qsizetype queued = 0;  // bytes not sent yet
    bool waitKey = true;   // its next stream packet must start a key frame
    bool closeWhenSent = false;
    uint32_t seq = 0;         // of its next MMS-over-HTTP chunk
    Clock::time_point since;  // accepted, or last took data, or began closing
};

BroadcastServer::BroadcastServer() = default;

BroadcastServer::~BroadcastServer() {
    Stop();
}

BroadcastServer::ListenResult BroadcastServer::Listen(int port, int maxClients, int64_t bitRate,
                                                      const QString& pageTitle,
                                                      const BroadcastAccess& access) {
    Stop();
    std::lock_guard lock(mutex_);
    error_.clear();
    header_.clear();
    stats_ = {};
    maxClients_ = std::max(1, maxClients);
    pageTitle_ = pageTitle;
    password_ = access.password;
    // About two seconds of stream.
    queueLimit_ = std::max<qsizetype>(256 * 1024, qsizetype(bitRate / 4));
    if (port < 0 || port > 65535) {
        error_ = QStringLiteral("The port %1 is not a TCP port.").arg(port);
        return ListenResult::Failed;
    }
    int fd = access.localOnly ? ListenOn(AF_INET, port, true, &port_)
                              : ListenOn(AF_INET6, port, false, &port_);
    if (!access.localOnly && (fd == -EAFNOSUPPORT || fd == -EADDRNOTAVAIL))
        fd = ListenOn(AF_INET, port, false, &port_);
    if (fd < 0) {
        const bool inUse = fd == -EADDRINUSE;
        error_ = inUse ? QStringLiteral("The port %1 is in use by another program.").arg(port)
                       : QStringLiteral("The port %1 could not be opened: %2.")
                             .arg(port)
                             .arg(QString::fromLocal8Bit(strerror(-fd)));
        return inUse ? ListenResult::PortInUse : ListenResult::Failed;
    }
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) {
        close(fd);
        error_ = QStringLiteral("The broadcast server could not be started.");
        return ListenResult::Failed;
    }
    listenFd_ = fd;
    return ListenResult::Ok;
}

void BroadcastServer::Run() {
    if (listenFd_ < 0 || thread_.joinable()) return;
    stopping_ = false;
    thread_ = std::thread(&BroadcastServer::Loop, this);
}

void BroadcastServer::Stop() {
    if (thread_.joinable()) {
        stopping_ = true;
        Wake();
        thread_.join();
    }
    std::lock_guard lock(mutex_);
    for (auto& c : clients_) CloseClient(*c);
    clients_.clear();
    for (int* fd : {&listenFd_, &wakeFd_}) {
        if (*fd >= 0) close(*fd);
        *fd = -1;
    }
    stopping_ = false;
}

BroadcastStats BroadcastServer::Stats() const {
    std::lock_guard lock(mutex_);
    BroadcastStats s = stats_;
    s.viewers = CountViewers();
    return s;
}

void BroadcastServer::Loop() {
    std::vector<pollfd> fds;
    std::vector<Client*> polled;
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        fds.assign({{listenFd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}});
        polled.clear();
        for (auto& c : clients_) {
            fds.push_back({c->fd, short(POLLIN | (c->queue.empty() ? 0 : POLLOUT)), 0});
            polled.push_back(c.get());
        }
        lock.unlock();
        poll(fds.data(), fds.size(), 250);
        lock.lock();
        if (fds[1].revents & POLLIN) {
            uint64_t count = 0;
            [[maybe_unused]] const ssize_t n = read(wakeFd_, &count, sizeof count);
        }
        // Requests that came are answered before new connections may push them out.
        for (size_t i = 0; i < polled.size(); ++i) {
            Client& c = *polled[i];
            if (c.fd >= 0 && (fds[i + 2].revents & (POLLIN | POLLHUP | POLLERR))) ReadFrom(c);
            if (c.fd >= 0 && !c.queue.empty()) WriteTo(c);
        }
        if (fds[0].revents & POLLIN) AcceptAll();
        Expire();
        std::erase_if(clients_, [](const auto& c) { return c->fd < 0; });
    }
    // The end: MMS-over-HTTP viewers are told, and everyone gets what fits without waiting.
    for (auto& c : clients_) {
        if (c->fd < 0) continue;
        if (c->kind == Kind::Mmsh) Enqueue(*c, MmshEndChunk(), QByteArray());
        WriteTo(*c);
        CloseClient(*c);
    }
    clients_.clear();
}

void BroadcastServer::AcceptAll() {
    // A flood waits for the next turn, after the clients already in.
    for (int accepted = 0; accepted < kMaxPending; ++accepted) {
        sockaddr_storage peer{};
        socklen_t peerSize = sizeof peer;
        const int fd = accept4(listenFd_, reinterpret_cast<sockaddr*>(&peer), &peerSize,
                               SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) return;
        auto c = std::make_unique<Client>();
        c->address = PeerAddress(peer);
        MakeRoomFor(c->address);
        const int one = 1;
        setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &kSocketSendBuffer, sizeof kSocketSendBuffer);
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        c->fd = fd;
        c->since = Clock::now();
        clients_.push_back(std::move(c));
        // A player sends its request with the connection; answered now, it cannot be pushed
        // out by the connections accepted after it.
        ReadFrom(*clients_.back());
    }
}

void BroadcastServer::MakeRoomFor(const QByteArray& address) {
    // Connections that never finish their request give way to new ones, oldest first, and
    // one address cannot hold more than a few of the places.
    Client* oldest = nullptr;
    Client* oldestOfAddress = nullptr;
    int pending = 0, ofAddress = 0;
    for (auto& c : clients_) {
        if (c->fd < 0 || c->kind != Kind::Request) continue;
        ++pending;
        if (!oldest) oldest = c.get();
        if (c->address != address) continue;
        ++ofAddress;
        if (!oldestOfAddress) oldestOfAddress = c.get();
    }
    if (ofAddress >= kMaxPendingPerAddress)
        CloseClient(*oldestOfAddress);
    else if (pending >= kMaxPending)
        CloseClient(*oldest);
}

void BroadcastServer::ReadFrom(Client& c) {
    char buffer[4096];
    for (int reads = 0; reads < 16; ++reads) {  // a client that sends much waits its turn
        const ssize_t n = recv(c.fd, buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;
        if (n <= 0) {
            CloseClient(c);
            return;
        }
        if (c.kind != Kind::Request) continue;  // nothing more is expected from it
        // Anything but a text request (MMS over TCP, TLS) is closed at once so that the
        // player falls back to HTTP without waiting.
        if (c.request.isEmpty() && !std::isalpha(static_cast<unsigned char>(buffer[0]))) {
            CloseClient(c);
            return;
        }
        c.request.append(buffer, n);
        if (c.request.contains("\r\n\r\n")) {
            Answer(c);
        } else if (c.request.size() > kMaxRequest) {
            Enqueue(c, ShortResponse(400), QByteArray());
            c.kind = Kind::Reply;
            c.closeWhenSent = true;
        }
    }
}

void BroadcastServer::Answer(Client& c) {
    const auto request = ParseHttpRequest(c.request.left(c.request.indexOf("\r\n\r\n") + 4));
    c.request.clear();
    c.kind = Kind::Reply;
    c.closeWhenSent = true;
    if (!request) {
        Enqueue(c, ShortResponse(400), QByteArray());
        return;
    }
    if (!CredentialsAccepted(*request, password_)) {
        Enqueue(c, ShortResponse(401), QByteArray());
        return;
    }
    const BroadcastRoute route = RouteRequest(*request);
    if (!IsViewerRoute(route)) {
        const int status = route == BroadcastRoute::NoContent   ? 204
                           : route == BroadcastRoute::BadMethod ? 405
                                                                : 404;
        Enqueue(c, ShortResponse(status), QByteArray());
        return;
    }
    if (CountViewers() >= maxClients_ || header_.isEmpty()) {
        ++stats_.refused;
        Enqueue(c, ShortResponse(503), QByteArray());
        return;
    }
    StartViewer(c, route);
}

void BroadcastServer::StartViewer(Client& c, BroadcastRoute route) {
    const int id = nextClientId_++;
    c.viewer = true;
    switch (route) {
        case BroadcastRoute::LivePage: {
            const QByteArray page = LivePage(pageTitle_);
            Enqueue(c, ResponseHead(route, id, page.size()), page);
            break;
        }
        case BroadcastRoute::MmshDescribe:
            Enqueue(c,
                    ResponseHead(route, id, 12 + header_.size()) +
                        MmshChunkHead(kAsfChunkHeader, 0, size_t(header_.size())),
                    header_);
            break;
        case BroadcastRoute::MmshPlay:
            Enqueue(c,
                    ResponseHead(route, id, -1) +
                        MmshChunkHead(kAsfChunkHeader, 0, size_t(header_.size())),
                    header_);
            c.kind = Kind::Mmsh;
            c.seq = 1;
            break;
        case BroadcastRoute::Mjpeg:
            Enqueue(c, ResponseHead(route, id, -1), QByteArray());
            c.kind = Kind::Mjpeg;
            ++mjpegViewers_;
            break;
        default:
            Enqueue(c, ResponseHead(route, id, -1), header_);
            c.kind = Kind::Asf;
            break;
    }
    if (c.kind != Kind::Reply) c.closeWhenSent = false;
}

void BroadcastServer::WriteTo(Client& c) {
    while (!c.queue.empty()) {
        // Several pieces in one call: fewer system calls and fewer packets on the wire.
        iovec iov[16];
        int count = 0;
        size_t wanted = 0;
        for (const Piece& p : c.queue) {
            if (count + 2 > 16) break;
            const qsizetype headSize = p.head.size();
            const qsizetype bodyFrom = std::max<qsizetype>(0, p.sent - headSize);
            if (p.sent < headSize)
                iov[count++] = {const_cast<char*>(p.head.constData()) + p.sent,
                                size_t(headSize - p.sent)};
            if (bodyFrom < p.body.size())
                iov[count++] = {const_cast<char*>(p.body.constData()) + bodyFrom,
                                size_t(p.body.size() - bodyFrom)};
        }
        for (int i = 0; i < count; ++i) wanted += iov[i].iov_len;
        ssize_t written = 0;
        if (count > 0) {
            msghdr msg{};
            msg.msg_iov = iov;
            msg.msg_iovlen = size_t(count);
            written = sendmsg(c.fd, &msg, MSG_NOSIGNAL);
        }
        if (written < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) CloseClient(c);
            return;
        }
        if (written > 0) c.since = Clock::now();
        c.queued -= written;
        for (qsizetype left = written; !c.queue.empty();) {
            Piece& p = c.queue.front();
            const qsizetype taken = std::min(left, p.Size() - p.sent);
            p.sent += taken;
            left -= taken;
            if (p.sent < p.Size()) break;
            c.queue.pop_front();
        }
        if (size_t(written) < wanted) return;  // the socket is full
    }
    if (c.closeWhenSent && c.kind != Kind::Closing) {
        // Read what the client still sends until it closes, so that it gets our whole answer.
        shutdown(c.fd, SHUT_WR);
        if (c.kind == Kind::Mjpeg) --mjpegViewers_;
        c.kind = Kind::Closing;
        c.viewer = false;
        c.since = Clock::now();
    }
}

void BroadcastServer::Enqueue(Client& c, QByteArray head, QByteArray body) {
    if (c.queue.empty()) c.since = Clock::now();
    Piece p{std::move(head), std::move(body)};
    c.queued += p.Size();
    c.queue.push_back(std::move(p));
}

void BroadcastServer::DropUnsent(Client& c) {
    // A piece begun must be finished, or the viewer's stream would be cut mid-packet.
    const bool begun = !c.queue.empty() && c.queue.front().sent > 0;
    while (c.queue.size() > (begun ? 1u : 0u)) {
        c.queued -= c.queue.back().Size();
        c.queue.pop_back();
    }
}

void BroadcastServer::CloseClient(Client& c) {
    if (c.fd < 0) return;
    close(c.fd);
    c.fd = -1;
    if (c.kind == Kind::Mjpeg) --mjpegViewers_;
    c.viewer = false;
    c.queue.clear();
    c.queued = 0;
}

void BroadcastServer::Expire() {
    const auto now = Clock::now();
    for (auto& c : clients_) {
        if (c->fd < 0) continue;
        const auto idle = now - c->since;
        const bool noFirstLine = !c->request.contains('\n') && idle > kFirstLineTimeout;
        if ((c->kind == Kind::Request && (noFirstLine || idle > kRequestTimeout)) ||
            (c->kind == Kind::Closing && idle > kLingerTimeout)) {
            CloseClient(*c);
        } else if (!c->queue.empty() && idle > kStallTimeout) {
            if (c->viewer) ++stats_.dropped;
            CloseClient(*c);
        }
    }
}

void BroadcastServer::Flush() {
    std::lock_guard lock(mutex_);
    Wake();
}

void BroadcastServer::Wake() {
    const uint64_t one = 1;
    if (wakeFd_ < 0) return;
    [[maybe_unused]] const ssize_t n = write(wakeFd_, &one, sizeof one);
}

int BroadcastServer::CountViewers() const {
    return int(std::count_if(clients_.begin(), clients_.end(),
                             [](const auto& c) { return c->fd >= 0 && c->viewer; }));
}

void BroadcastServer::OnAsfHeader(const QByteArray& header) {
    std::lock_guard lock(mutex_);
    header_ = header;
}

void BroadcastServer::OnAsfPacket(const QByteArray& packet, const QByteArray& start) {
    std::lock_guard lock(mutex_);
    for (auto& cp : clients_) {
        Client& c = *cp;
        if (c.fd < 0 || (c.kind != Kind::Asf && c.kind != Kind::Mmsh)) continue;
        if (c.queued + packet.size() + 12 > queueLimit_) {
            DropUnsent(c);
            ++stats_.skips;
            c.waitKey = true;
        }
        if (c.waitKey && start.isEmpty()) continue;
        const QByteArray& body = c.waitKey ? start : packet;
        c.waitKey = false;
        QByteArray head;
        if (c.kind == Kind::Mmsh) head = MmshChunkHead(kAsfChunkData, c.seq++, size_t(body.size()));
        Enqueue(c, std::move(head), body);
    }
}

void BroadcastServer::OnJpeg(const QByteArray& jpeg) {
    const QByteArray part = MjpegPart(jpeg);
    std::lock_guard lock(mutex_);
    for (auto& cp : clients_) {
        Client& c = *cp;
        if (c.fd < 0 || c.kind != Kind::Mjpeg) continue;
        const bool begun = !c.queue.empty() && c.queue.front().sent > 0;
        if (qsizetype(c.queue.size()) - (begun ? 1 : 0) >= kMaxJpegsQueued) {
            DropUnsent(c);
            ++stats_.skips;
        }
        Enqueue(c, QByteArray(), part);
    }
}

}  // namespace trelvix
