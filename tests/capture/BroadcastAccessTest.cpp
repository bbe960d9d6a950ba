// The broadcast server against clients on 127.0.0.1 that it must not simply serve: connections
// that never finish their request, viewers without the password, and the interface it listens
// on when the broadcast is for this computer only.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "broadcast/BroadcastServer.h"
#include "support/RawHttpClient.h"

using namespace trelvix;
using trelvix::test::RawClient;

namespace {

const QByteArray kHeader(3000, 'H');
const QByteArray kPacket(1000, 'P');

// A server with a stream header and, while it lives, a packet that starts a key frame every
// 40 ms: what a viewer of the stream receives.
class ServedStream {
public:
    explicit ServedStream(const BroadcastAccess& access = {}) {
        ok = server.Listen(0, 2, 400000, "Gate", access) == BroadcastServer::ListenResult::Ok;
        server.OnAsfHeader(kHeader);
        server.Run();
        feeder = std::thread([this] {
            while (feeding) {
                server.OnAsfPacket(kPacket, kPacket);
                server.Flush();
                std::this_thread::sleep_for(std::chrono::milliseconds(40));
            }
        });
    }
    ~ServedStream() {
        feeding = false;
        feeder.join();
        server.Stop();
    }
    int port() const { return server.Port(); }

    BroadcastServer server;
    bool ok = false;
    std::atomic<bool> feeding{true};
    std::thread feeder;
};

// A socket connected to the port on 127.0.0.1 (or ::1); -1 when refused.
int Connect(int port, bool v6 = false) {
    const int fd = socket(v6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_storage a{};
    socklen_t size = 0;
    if (v6) {
        auto* in6 = reinterpret_cast<sockaddr_in6*>(&a);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(uint16_t(port));
        in6->sin6_addr = in6addr_loopback;
        size = sizeof *in6;
    } else {
        auto* in = reinterpret_cast<sockaddr_in*>(&a);
        in->sin_family = AF_INET;
        in->sin_port = htons(uint16_t(port));
        in->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        size = sizeof *in;
    }
    if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&a), size) == 0) return fd;
    if (fd >= 0) close(fd);
    return -1;
}

bool Streams(RawClient& viewer) {
    return viewer.ReadUntil([&] { return viewer.data.count(kPacket) >= 3; }) &&
           viewer.data.startsWith("HTTP/1.0 200 OK\r\n") && viewer.data.contains(kHeader);
}

}  // namespace

TEST(BroadcastServerGuard, ConnectionsThatNeverFinishTheirRequestKeepNoViewerOut) {
    ServedStream s;
    ASSERT_TRUE(s.ok);
    std::vector<int> held;
    for (int i = 0; i < 100; ++i) {
        const int fd = Connect(s.port());
        ASSERT_GE(fd, 0);
        const QByteArray part = "GET / HTTP/1.1\r\nHost: 127.0.0.1\r\n";  // never ended
        send(fd, part.constData(), size_t(part.size()), MSG_NOSIGNAL);
        held.push_back(fd);
    }
    RawClient viewer(s.port(), "/");
    EXPECT_TRUE(Streams(viewer));
    EXPECT_EQ(s.server.Stats().viewers, 1);
    for (int fd : held) close(fd);
}

struct Route {
    const char* name;
    QByteArray path;
    QByteArray headers;
    QByteArray contentType;  // of the answer to a viewer with the password
};

void PrintTo(const Route& r, std::ostream* os) {
    *os << r.name;
}

class BroadcastPassword : public ::testing::TestWithParam<Route> {};

TEST_P(BroadcastPassword, OnlyAViewerWithItIsServed) {
    const Route& r = GetParam();
    ServedStream s({"open sesame", false});
    ASSERT_TRUE(s.ok);
    const QByteArray refused[] = {
        "",
        "Authorization: Basic " + QByteArray("viewer:open sesamE").toBase64() + "\r\n",
        "Authorization: Basic " + QByteArray("open sesame").toBase64() + "\r\n",  // no user
        "Authorization: Basic !!not base64!!\r\n",
        "Authorization: Digest username=\"viewer\"\r\n",
    };
    for (const QByteArray& credentials : refused) {
        SCOPED_TRACE(credentials.constData());
        RawClient asker(s.port(), r.path, 0, r.headers + credentials);
        EXPECT_TRUE(asker.ReadUntil([&] { return asker.closed; }));
        EXPECT_TRUE(asker.data.startsWith("HTTP/1.0 401 Unauthorized\r\n"));
        EXPECT_TRUE(asker.data.contains("\r\nWWW-Authenticate: Basic realm=\"Trelvix\""));
        EXPECT_FALSE(asker.data.contains("HHHH") || asker.data.contains("PPPP"));
    }
    // Players send whatever user name the address holds.
    for (const QByteArray user : {"viewer", ""}) {
        RawClient viewer(
            s.port(), r.path, 0,
            r.headers + "Authorization: Basic " + (user + ":open sesame").toBase64() + "\r\n");
        EXPECT_TRUE(viewer.ReadUntil([&] { return viewer.data.contains(r.contentType); }))
            << viewer.data.left(200).constData();
        EXPECT_TRUE(viewer.data.startsWith("HTTP/1.0 200 OK\r\n"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, BroadcastPassword,
    ::testing::Values(
        Route{"Stream", "/", "", "video/x-ms-asf"}, Route{"Page", "/live", "", "text/html"},
        Route{"Pictures", "/mjpeg", "", "multipart/x-mixed-replace"},
        Route{"MmsDescribe", "/", "User-Agent: NSPlayer/12.0\r\nPragma: xClientGUID={1}\r\n",
              "application/vnd.ms.wms-hdr.asfv1"},
        Route{"MmsPlay", "/",
              "User-Agent: NSPlayer/12.0\r\nPragma: xClientGUID={1}\r\nPragma: xPlayStrm=1\r\n",
              "application/x-mms-framed"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BroadcastServerGuard, ThisComputerOnlyListensOnLoopbackAlone) {
    ServedStream open;
    ASSERT_TRUE(open.ok);
    const int v6 = Connect(open.port(), true);
    const bool hasV6 = v6 >= 0;
    if (hasV6) close(v6);

    ServedStream local({"", true});
    ASSERT_TRUE(local.ok);
    RawClient viewer(local.port(), "/");
    EXPECT_TRUE(Streams(viewer));
    if (!hasV6) GTEST_SKIP() << "no IPv6 loopback to show the difference";
    // Every other address of the machine is refused as ::1 is; only 127.0.0.1 is tried here.
    const int other = Connect(local.port(), true);
    EXPECT_LT(other, 0);
    if (other >= 0) close(other);
}
