// The broadcast engine with real clients on 127.0.0.1: libavformat over HTTP and MMS over
// HTTP, plain sockets for the viewer limit, slow viewers and the browser's pictures.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <turbojpeg.h>
#include <unistd.h>
#include <atomic>
#include <chrono>
#include <optional>
#include <thread>

#include "broadcast/Broadcast.h"
#include "support/MediaProbe.h"
#include "support/RawHttpClient.h"
#include "support/Wait.h"

using namespace trelvix;
using trelvix::test::RawClient;
using trelvix::test::WaitFor;

namespace {

// A gradient with a square that moves with k; or noise, which hardly compresses.
FramePtr Picture(int w, int h, int k, bool noise) {
    auto f = std::make_shared<VideoFrame>();
    f->Resize(w, h);
    uint32_t seed = uint32_t(k + 1) * 2654435761u;
    for (int y = 0; y < h; ++y) {
        uint8_t* row = f->Row(y);
        for (int x = 0; x < 3 * w; ++x)
            row[x] = noise ? uint8_t((seed = seed * 1664525u + 1013904223u) >> 24)
                           : uint8_t(x / 3 + y + (x % 3) * 60);
    }
    const int sx = (k * 6) % (w - 24), sy = h / 3;
    for (int y = sy; y < sy + 24 && !noise; ++y) std::memset(f->Row(y) + 3 * sx, 255, 3 * 24);
    return f;
}

double FileSeconds(const QString& path, AVCodecID* codec) {
    AVFormatContext* fmt = nullptr;
    if (avformat_open_input(&fmt, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return -1;
    double seconds = -1;
    if (avformat_find_stream_info(fmt, nullptr) >= 0 && fmt->nb_streams == 1) {
        *codec = fmt->streams[0]->codecpar->codec_id;
        seconds = double(fmt->duration) / AV_TIME_BASE;
    }
    avformat_close_input(&fmt);
    return seconds;
}

class BroadcastEngineTest : public ::testing::Test {
protected:
    void TearDown() override {
        StopFeeding();
        engine.Stop();
    }

    BroadcastParams Params() const {
        BroadcastParams p;
        p.sourceWidth = 320;
        p.sourceHeight = 240;
        p.fpsIndex = 9;
        p.bitrateKbps = 400;
        p.port = 0;
        p.maxClients = 4;
        p.keyFrameMs = 1000;
        p.title = "Gate <1>";
        p.description = "The gate, live";
        return p;
    }
    // Frames at about 16 per second, shared or (with noise) copied from our buffer.
    bool Start(const BroadcastParams& p, bool noise = false) {
        if (!engine.Start(p)) return false;
        port = engine.Port();
        feeding = true;
        feeder = std::thread([this, p, noise] {
            std::vector<FramePtr> frames;
            for (int k = 0; k < 12; ++k)
                frames.push_back(Picture(p.sourceWidth, p.sourceHeight, k, noise));
            for (int k = 0; feeding; ++k) {
                const FramePtr& f = frames[k % frames.size()];
                if (noise)
                    engine.PushFrame(f->data.data(), f->width, f->height, f->stride);
                else
                    engine.PushFrame(f);
                ++fed;
                std::this_thread::sleep_for(std::chrono::milliseconds(60));
            }
        });
        return true;
    }
    void StopFeeding() {
        feeding = false;
        if (feeder.joinable()) feeder.join();
    }
    QString Url(const char* scheme) const {
        return QStringLiteral("%1://127.0.0.1:%2/").arg(scheme).arg(port);
    }

    QTemporaryDir dir;
    BroadcastEngine engine;
    int port = 0;
    std::atomic<bool> feeding{false};
    std::atomic<int> fed{0};  // frames pushed
    std::thread feeder;
};

TEST_F(BroadcastEngineTest, PlayersOpenItOverHttpAndMmsAndTheFileIsKept) {
    BroadcastParams p = Params();
    p.sizeIndex = 1;
    p.maxClients = 1;  // a player's first MMS request must not keep its place
    p.filePath = dir.path() + "/20240506 070809000.wmv";
    ASSERT_TRUE(Start(p)) << engine.ErrorText().toStdString();
    EXPECT_GT(port, 0);
    EXPECT_EQ(engine.Size(), QSize(240, 180));
    // Join after a second and a half of frames: the first packet a viewer gets is a key frame.
    ASSERT_TRUE(WaitFor([&] { return fed >= 25; }));

    for (const char* scheme : {"http", "mmsh"}) {
        SCOPED_TRACE(scheme);
        const test::StreamProbe s = test::ProbeStream(Url(scheme));
        ASSERT_TRUE(s.opened);
        EXPECT_EQ(s.codec, AV_CODEC_ID_WMV2);
        EXPECT_EQ(s.width, 240);
        EXPECT_EQ(s.height, 180);
        EXPECT_EQ(s.title, "Gate <1>");
        EXPECT_EQ(s.comment, "The gate, live");
        EXPECT_TRUE(s.firstIsKey);
        EXPECT_EQ(s.decoded, 5);
        EXPECT_TRUE(WaitFor([&] { return engine.Stats().viewers == 0; }));
    }
    EXPECT_EQ(engine.Stats().refused, 0);

    StopFeeding();
    engine.Stop();
    AVCodecID codec = AV_CODEC_ID_NONE;
    EXPECT_GT(FileSeconds(p.filePath, &codec), 0.5);
    EXPECT_EQ(codec, AV_CODEC_ID_WMV2);
}

TEST_F(BroadcastEngineTest, TheViewerOverTheLimitIsRefusedAndTheOthersGoOn) {
    BroadcastParams p = Params();
    p.sizeIndex = 2;
    p.maxClients = 2;
    ASSERT_TRUE(Start(p));
    RawClient a(port, "/"), b(port, "/mjpeg");
    ASSERT_TRUE(a.ReadUntil([&] { return a.total > 4000; }));
    ASSERT_TRUE(b.ReadUntil([&] { return b.data.count("image/jpeg") >= 2; }));
    EXPECT_TRUE(a.data.startsWith("HTTP/1.0 200 OK\r\n"));
    EXPECT_TRUE(a.data.contains("Content-Type: video/x-ms-asf\r\n"));

    for (const QByteArray path : {"/", "/live"}) {
        RawClient over(port, path);
        EXPECT_TRUE(over.ReadUntil([&] { return over.closed; }));
        EXPECT_TRUE(over.data.startsWith("HTTP/1.0 503 Service Unavailable\r\n")) << path.data();
    }
    EXPECT_EQ(engine.Stats().refused, 2);
    const int64_t aBefore = a.total, bBefore = b.total;
    EXPECT_TRUE(a.ReadUntil([&] { return a.total > aBefore + 4000; }));
    EXPECT_TRUE(b.ReadUntil([&] { return b.total > bBefore + 4000; }));
    EXPECT_FALSE(a.closed || b.closed);
}

TEST_F(BroadcastEngineTest, AStalledViewerNeverHoldsUpAnother) {
    BroadcastParams p = Params();
    p.bitrateKbps = 2227;
    ASSERT_TRUE(Start(p, true));
    RawClient stalled(port, "/", 4096);  // asks, then never reads
    RawClient reader(port, "/");
    // The reader goes on reading while the stalled viewer's queue overflows.
    ASSERT_TRUE(reader.ReadUntil([&] { return engine.Stats().skips > 0; }));
    const int64_t before = reader.total;
    EXPECT_TRUE(reader.ReadUntil([&] { return reader.total > before + 100000; }));
    EXPECT_EQ(engine.Stats().viewers, 2);
}

// The whole parts of a multipart JPEG stream.
std::vector<QByteArray> JpegParts(const QByteArray& stream) {
    std::vector<QByteArray> parts;
    const QByteArray field = "Content-Length: ";
    for (qsizetype at = stream.indexOf(field); at >= 0; at = stream.indexOf(field, at)) {
        const qsizetype end = stream.indexOf("\r\n\r\n", at);
        if (end < 0) break;
        const int size = stream.mid(at + field.size(), end - at - field.size()).toInt();
        if (end + 4 + size > stream.size()) break;
        parts.push_back(stream.mid(end + 4, size));
        at = end + 4 + size;
    }
    return parts;
}

TEST_F(BroadcastEngineTest, BrowsersGetThePageAndItsPictures) {
    BroadcastParams p = Params();
    p.sizeIndex = 2;
    ASSERT_TRUE(Start(p));

    RawClient page(port, "/live");
    ASSERT_TRUE(page.ReadUntil([&] { return page.closed; }));
    EXPECT_TRUE(page.data.startsWith("HTTP/1.0 200 OK\r\n"));
    EXPECT_TRUE(page.data.contains("Content-Type: text/html"));
    EXPECT_TRUE(page.data.contains("<img src=\"/mjpeg\""));
    EXPECT_TRUE(page.data.contains("<title>Gate &lt;1&gt;</title>"));

    RawClient mjpeg(port, "/mjpeg");
    ASSERT_TRUE(mjpeg.ReadUntil([&] { return JpegParts(mjpeg.data).size() >= 2; }));
    EXPECT_TRUE(mjpeg.data.contains("Content-Type: multipart/x-mixed-replace; boundary="));
    tjhandle tj = tjInitDecompress();
    for (const QByteArray& jpeg : JpegParts(mjpeg.data)) {
        int w = 0, h = 0, sub = 0, colours = 0;
        ASSERT_EQ(tjDecompressHeader3(tj, reinterpret_cast<const unsigned char*>(jpeg.data()),
                                      jpeg.size(), &w, &h, &sub, &colours),
                  0);
        EXPECT_EQ(w, 160);
        EXPECT_EQ(h, 120);
        std::vector<unsigned char> rgb(size_t(w) * h * 3);
        EXPECT_EQ(tjDecompress2(tj, reinterpret_cast<const unsigned char*>(jpeg.data()),
                                jpeg.size(), rgb.data(), w, 0, h, TJPF_RGB, 0),
                  0);
    }
    tjDestroy(tj);
}

TEST_F(BroadcastEngineTest, ATakenPortFailsClearlyAndTheSamePortWorksAgainAfterStop) {
    ASSERT_TRUE(Start(Params()));
    {
        RawClient viewer(port, "/");  // leaves a closed connection behind on the port
        ASSERT_TRUE(viewer.ReadUntil([&] { return viewer.total > 2000; }));
    }
    BroadcastEngine other;
    BroadcastParams same = Params();
    same.port = port;
    EXPECT_FALSE(other.Start(same));
    EXPECT_EQ(other.Error(), BroadcastError::PortInUse);
    EXPECT_TRUE(other.ErrorText().contains(QString::number(port)));
    EXPECT_FALSE(other.IsRunning());

    StopFeeding();
    engine.Stop();
    EXPECT_FALSE(engine.IsRunning());
    ASSERT_TRUE(engine.Start(same)) << engine.ErrorText().toStdString();
    EXPECT_EQ(engine.Port(), port);
    engine.Stop();

    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
    same.port = taken.serverPort();
    EXPECT_FALSE(engine.Start(same));
    EXPECT_EQ(engine.Error(), BroadcastError::PortInUse);

    BroadcastParams tiny = Params();
    tiny.sourceWidth = 1;
    EXPECT_FALSE(engine.Start(tiny));
    EXPECT_EQ(engine.Error(), BroadcastError::BadSettings);
}

// Answers every connection with `reply` (nothing when empty).
class AddressService {
public:
    explicit AddressService(QByteArray reply) {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this, reply] {
            QTcpSocket* s = server.nextPendingConnection();
            kept.push_back(s);
            if (reply.isEmpty()) return;
            QObject::connect(s, &QTcpSocket::readyRead, s, [s, reply] {
                s->readAll();
                s->write("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                         QByteArray::number(reply.size()) + "\r\n\r\n" + reply);
                s->disconnectFromHost();
            });
        });
    }
    QString Url() const {
        return QStringLiteral("http://127.0.0.1:%1/ip").arg(server.serverPort());
    }

    QTcpServer server;
    std::vector<QTcpSocket*> kept;
};

std::optional<QString> LookUp(const QString& url, int timeoutMs) {
    std::optional<QString> result;
    QObject context;
    LookUpPublicAddress(
        &context, [&](const QString& a) { result = a; }, timeoutMs, url);
    WaitFor([&] { return result.has_value(); }, 10000);
    return result;
}

TEST(BroadcastUrls, PrivateAndPublicAddresses) {
    EXPECT_TRUE(QRegularExpression("^mms://\\d+\\.\\d+\\.\\d+\\.\\d+:8080$")
                    .match(BroadcastPrivateUrl(8080))
                    .hasMatch())
        << BroadcastPrivateUrl(8080).toStdString();
    EXPECT_EQ(BroadcastPublicUrl("203.0.113.7", 8080), "mms://203.0.113.7:8080");
    EXPECT_EQ(BroadcastPublicUrl(QString(), 8080), QString());

    AddressService good("203.0.113.7\n"), silent(""), html("<html>busy</html>");
    EXPECT_EQ(LookUp(good.Url(), 3000), "203.0.113.7");
    EXPECT_EQ(LookUp(silent.Url(), 300), "");  // never answers: empty after the time-out
    EXPECT_EQ(LookUp(html.Url(), 3000), "");
    SetAddressServiceUrl(good.Url());
    EXPECT_EQ(LookUp(QString(), 3000), "203.0.113.7");
}

}  // namespace
