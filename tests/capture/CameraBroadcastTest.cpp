// A camera's broadcast on a synthetic source: the stream a player opens, the recording around
// it, the three ways it ends and a start that fails.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <chrono>
#include <thread>

#include "capture/AudioCapture.h"
#include "capture/Usbcamera.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/LogReceiver.h"
#include "host/CameraCell.h"
#include "support/CameraInternals.h"
#include "support/CameraFixture.h"
#include "support/MediaProbe.h"
#include "support/Wait.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

// A viewer asking for the plain stream.
class Viewer {
public:
    explicit Viewer(int port) {
        socket.connectToHost(QHostAddress::LocalHost, quint16(port));
        if (socket.waitForConnected(5000)) socket.write("GET / HTTP/1.0\r\n\r\n");
    }
    // Reads until it has `want` bytes, the server closes or `ms` pass.
    QByteArray Read(int ms, qsizetype want) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (data.size() < want && std::chrono::steady_clock::now() < end &&
               socket.state() != QAbstractSocket::UnconnectedState)
            if (socket.waitForReadyRead(50)) data += socket.readAll();
        return data;
    }
    QTcpSocket socket;
    QByteArray data;
};

bool PortOpen(int port) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, quint16(port));
    return s.waitForConnected(2000);
}

class CameraBroadcastTest : public ::testing::Test, protected trelvix::test::OwnSettings {
protected:
    void SetUp() override {
        SetErrorMessageHandler([this](const QString& text) { messages << text; });
    }
    void TearDown() override {
        camera.reset();
        SetErrorMessageHandler(nullptr);
        SetBroadcastAudioSourceForTesting(nullptr);
    }
    UsbCamera* Start(bool autoRecord, int port = 0) {
        CDataClass rec;
        rec.cameraId = 0;
        rec.videoFolder = dir.path() + "/videos/";
        StoreLive(rec.recordFrameRate, 10);
        StoreLive(rec.autoRecord, autoRecord);
        StoreLive(rec.showTime, 1);
        StoreLive(rec.broadcastPort, port);
        StoreLive(rec.broadcastSizeIndex, 1);
        StoreLive(rec.broadcastFpsIndex, 9);
        StoreLive(rec.broadcastBitrateKbps, 400);
        StoreLive(rec.broadcastMaxClients, 2);
        StoreLive(rec.broadcastAudio, audio);
        rec.Save();
        QDir().mkpath(rec.videoFolder);
        camera = std::make_unique<UsbCamera>(nullptr, &panel, &panel, "test:smpte:320x240@30", 0);
        panel.AttachCamera(camera.get());
        if (autoRecord) camera->recording().StartRecording();
        EXPECT_TRUE(WaitFor([this] { return camera->view().FrameSize().width() > 0; }));
        return camera.get();
    }
    // The log lines of kind 1 with `description`; with a file or without.
    int Lines(int description, bool withFile) {
        QCoreApplication::sendPostedEvents();
        int n = 0;
        for (const QString& l : ReadLogLines(LogFileName(option->LogPath, QDate::currentDate()))) {
            const auto f = SplitLogLine(l);
            n += f[0] == "1" && f[5] == option->LanguageText(description) &&
                 f[7].isEmpty() != withFile;
        }
        return n;
    }
    int Port() const { return camera->broadcast().broadcastEngine().Port(); }
    // Waits until the camera has delivered `more` frames (a second is 30).
    bool MoreFrames(uint64_t more) {
        const uint64_t from = camera->view().framesDelivered();
        return WaitFor([&] { return camera->view().framesDelivered() >= from + more; });
    }
    // The log lines whose description begins with the text `description`.
    QStringList LinesStartingWith(int description) {
        QCoreApplication::sendPostedEvents();
        QStringList found;
        for (const QString& l : ReadLogLines(LogFileName(option->LogPath, QDate::currentDate())))
            if (SplitLogLine(l)[5].startsWith(option->LanguageText(description)))
                found << SplitLogLine(l)[5];
        return found;
    }
    // The codecs of every stream at an address or in a file.
    static std::vector<AVCodecID> Codecs(const QString& where) {
        std::vector<AVCodecID> codecs;
        AVFormatContext* fmt = test::OpenMedia(where);
        if (!fmt) return codecs;
        if (avformat_find_stream_info(fmt, nullptr) >= 0)
            for (unsigned i = 0; i < fmt->nb_streams; ++i)
                codecs.push_back(fmt->streams[i]->codecpar->codec_id);
        avformat_close_input(&fmt);
        return codecs;
    }

    bool audio = false;

    LogReceiverObject receiver;
    HeadlessPanel panel{0};
    std::unique_ptr<UsbCamera> camera;
    QStringList messages;
};

}  // namespace

TEST_F(CameraBroadcastTest, RecordingIsClosedAndReopenedAroundThePlayersStream) {
    UsbCamera* cam = Start(true);
    ASSERT_TRUE(WaitFor([&] { return !cam->recording().recorder().CurrentFile().isEmpty(); }));
    const QString before = cam->recording().recorder().CurrentFile();
    ASSERT_TRUE(
        WaitFor([&] { return cam->recording().recorder().thread()->framesWritten() >= 15; }));

    ASSERT_TRUE(cam->broadcast().StartBroadcast(false)) << messages.join("\n").toStdString();
    EXPECT_TRUE(cam->broadcast().IsBroadcasting());
    EXPECT_EQ(cam->state(), CameraState::Broadcasting);
    // The system's port is the camera's from now on, and its address says so.
    EXPECT_GT(Port(), 0);
    EXPECT_EQ(Live(cam->settings->broadcastPort), Port());
    EXPECT_TRUE(cam->broadcast().privateUrl().endsWith(":" + QString::number(Port())));
    const test::Probe closed = test::ProbeFile(before);
    EXPECT_EQ(closed.codec, AV_CODEC_ID_MPEG4);
    EXPECT_GT(closed.seconds, 1.0);
    ASSERT_TRUE(WaitFor([&] {
        return !cam->recording().recorder().CurrentFile().isEmpty() &&
               cam->recording().recorder().CurrentFile() != before;
    }));
    const QString during = cam->recording().recorder().CurrentFile();
    EXPECT_TRUE(cam->broadcast().broadcastFile().startsWith(
        cam->settings->DayVideoFolder(QDate::currentDate())));
    EXPECT_TRUE(cam->broadcast().broadcastFile().endsWith(".wmv"));

    const test::StreamProbe stream =
        test::ProbeStream(QStringLiteral("http://127.0.0.1:%1/").arg(Port()));
    EXPECT_EQ(stream.codec, AV_CODEC_ID_WMV2);
    EXPECT_EQ(stream.width, 240);  // three quarters of 320 × 240
    EXPECT_EQ(stream.height, 180);

    const QString file = cam->broadcast().broadcastFile();
    cam->broadcast().StopBroadcast(true);
    EXPECT_FALSE(cam->broadcast().IsBroadcasting());
    EXPECT_TRUE(cam->HasGraph());
    EXPECT_EQ(cam->state(), CameraState::Recording);  // recording at start goes on
    EXPECT_FALSE(QFile::exists(file));                // not kept
    EXPECT_FALSE(PortOpen(Port() ? Port() : Live(cam->settings->broadcastPort)));
    EXPECT_GT(test::ProbeFile(during).seconds, 0.3);
    ASSERT_TRUE(WaitFor([&] { return cam->recording().recorder().CurrentFile() != during; }));
    // Broadcast started, without the copy that was not kept: no row names a deleted file.
    EXPECT_EQ(Lines(21, true), 0);
    EXPECT_EQ(Lines(21, false), 1);
    EXPECT_EQ(Lines(22, false), 1);
    EXPECT_EQ(Lines(14, false), 2);  // both recordings before the new one ended with a line
}

TEST_F(CameraBroadcastTest, StopCameraEndsItWithoutRebuildingThePreviewAndKeepsAKeptFile) {
    UsbCamera* cam = Start(false);
    ASSERT_TRUE(cam->broadcast().StartBroadcast(true));
    const int port = Port();
    const QString file = cam->broadcast().broadcastFile();
    {
        Viewer a(port), b(port);
        EXPECT_GT(a.Read(8000, 4000).size(), 4000);
        EXPECT_GT(b.Read(8000, 4000).size(), 4000);
        // The record's limit of two: a third viewer is refused, the first two read on.
        Viewer c(port);
        EXPECT_TRUE(c.Read(5000, 1 << 20).startsWith("HTTP/1.0 503"));
        for (Viewer* v : {&a, &b}) {
            const qsizetype had = v->data.size();
            EXPECT_GT(v->Read(8000, had + 4000).size(), had + 4000);
        }
        EXPECT_EQ(cam->broadcast().broadcastEngine().Stats().refused, 1);
    }

    cam->StopCamera();
    EXPECT_FALSE(cam->broadcast().IsBroadcasting());
    EXPECT_FALSE(cam->HasGraph());
    EXPECT_TRUE(cam->IsStopped());
    EXPECT_EQ(cam->state(), CameraState::Idle);
    EXPECT_FALSE(PortOpen(port));
    const uint64_t frames = cam->view().framesDelivered();
    QCoreApplication::processEvents();  // whatever the stop queued
    EXPECT_EQ(cam->view().framesDelivered(), frames);
    const test::Probe kept = test::ProbeFile(file);
    EXPECT_EQ(kept.codec, AV_CODEC_ID_WMV2);
    EXPECT_GT(kept.seconds, 1.0);
    EXPECT_EQ(Lines(21, true), 1);  // a kept copy is in the log
    EXPECT_EQ(Lines(22, false), 1);

    // A stopped camera starts again for a broadcast.
    ASSERT_TRUE(cam->broadcast().StartBroadcast(false));
    EXPECT_TRUE(cam->HasGraph());
    EXPECT_FALSE(cam->IsStopped());
}

TEST_F(CameraBroadcastTest, ATakenPortKeepsThePreviewAndRecordingAndSaysWhy) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
    UsbCamera* cam = Start(true, taken.serverPort());
    ASSERT_TRUE(WaitFor([&] { return !cam->recording().recorder().CurrentFile().isEmpty(); }));

    EXPECT_FALSE(cam->broadcast().StartBroadcast(false));
    EXPECT_FALSE(cam->broadcast().IsBroadcasting());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QString::number(taken.serverPort())));
    EXPECT_TRUE(cam->broadcast().privateUrl().isEmpty());
    EXPECT_TRUE(cam->HasGraph());
    EXPECT_EQ(cam->state(), CameraState::Recording);
    const uint64_t frames = panel.framesShown();
    EXPECT_TRUE(WaitFor([&] { return panel.framesShown() > frames + 5; }));
    QCoreApplication::sendPostedEvents();
    const QStringList log = ReadLogLines(LogFileName(option->LogPath, QDate::currentDate()));
    EXPECT_EQ(log.filter(messages[0]).size(), 1);
    EXPECT_EQ(Lines(21, true), 0);
}

TEST_F(CameraBroadcastTest, AMotionRecordingBesideTheBroadcastLeavesItStoppable) {
    UsbCamera* cam = Start(false);
    ASSERT_TRUE(cam->broadcast().StartBroadcast(false));
    cam->recording().StartMotionRecording();
    EXPECT_EQ(cam->state(), CameraState::MotionRecording);
    EXPECT_TRUE(cam->broadcast().IsBroadcasting());
    cam->recording().StopMotionRecording();
    EXPECT_EQ(cam->state(), CameraState::Broadcasting);

    cam->recording().StartMotionRecording();
    cam->broadcast().StopBroadcast(true);
    EXPECT_FALSE(cam->broadcast().IsBroadcasting());
    EXPECT_FALSE(cam->recording().recorder().recording());
    EXPECT_NE(cam->state(), CameraState::MotionRecording);
    QCoreApplication::sendPostedEvents();
    int motionStops = 0;
    for (const QString& l : ReadLogLines(LogFileName(option->LogPath, QDate::currentDate())))
        motionStops += SplitLogLine(l)[5] == option->LanguageText(9);
    EXPECT_EQ(motionStops, 2);
}

TEST_F(CameraBroadcastTest, WithSoundOnASyntheticCameraBroadcastsItsToneBesideThePictures) {
    audio = true;
    UsbCamera* cam = Start(false);
    ASSERT_TRUE(cam->broadcast().StartBroadcast(true)) << messages.join("\n").toStdString();
    const QString file = cam->broadcast().broadcastFile();
    ASSERT_TRUE(MoreFrames(45));
    const std::vector<AVCodecID> both{AV_CODEC_ID_WMAV2, AV_CODEC_ID_WMV2};
    EXPECT_EQ(Codecs(QStringLiteral("http://127.0.0.1:%1/").arg(Port())), both);
    cam->broadcast().StopBroadcast(true);
    EXPECT_EQ(Codecs(file), both);
    EXPECT_TRUE(LinesStartingWith(30600).isEmpty());
    EXPECT_TRUE(LinesStartingWith(30601).isEmpty());

    // Again, after the sound ran once: a new broadcast gets it too.
    ASSERT_TRUE(cam->broadcast().StartBroadcast(true));
    ASSERT_TRUE(MoreFrames(30));
    cam->StopCamera();
    EXPECT_EQ(Codecs(cam->broadcast().broadcastFile()), both);
}

TEST_F(CameraBroadcastTest, WithoutASoundDeviceThePicturesGoOutAndTheLogSaysSoOnce) {
    audio = true;
    SetBroadcastAudioSourceForTesting([](const QString&) { return AudioSource{}; });
    UsbCamera* cam = Start(false);
    ASSERT_TRUE(cam->broadcast().StartBroadcast(true));
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_TRUE(MoreFrames(30));
    EXPECT_EQ(Codecs(QStringLiteral("http://127.0.0.1:%1/").arg(Port())),
              std::vector<AVCodecID>{AV_CODEC_ID_WMV2});
    const QString file = cam->broadcast().broadcastFile();
    cam->broadcast().StopBroadcast(true);
    EXPECT_EQ(Codecs(file), std::vector<AVCodecID>{AV_CODEC_ID_WMV2});
    EXPECT_EQ(LinesStartingWith(30600),
              QStringList{option->LanguageText(30600) + ": No sound input device was found."});
    EXPECT_EQ(Lines(21, true), 1);

    // A device that gives out during the broadcast: the pictures go on, the log says so once.
    SetBroadcastAudioSourceForTesting([](const QString&) {
        return AudioSourceFromDescription("audiotestsrc is-live=true num-buffers=40", "brief");
    });
    ASSERT_TRUE(cam->broadcast().StartBroadcast(false));
    const uint64_t frames = cam->view().framesDelivered();
    EXPECT_TRUE(WaitFor([&] { return LinesStartingWith(30601).size() == 1; }));
    EXPECT_TRUE(cam->broadcast().IsBroadcasting());
    Viewer v(Port());
    EXPECT_GT(v.Read(8000, 20000).size(), 20000);
    EXPECT_GT(cam->view().framesDelivered(), frames);
    EXPECT_EQ(LinesStartingWith(30601).size(), 1);
    EXPECT_EQ(LinesStartingWith(30600).size(), 1);
}

namespace {

// The first picture of the browser stream at /mjpeg.
QImage FirstMjpegPicture(int port) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(port));
    if (!socket.waitForConnected(5000)) return {};
    socket.write("GET /mjpeg HTTP/1.0\r\n\r\n");
    QByteArray data;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
        if (socket.waitForReadyRead(50)) data += socket.readAll();
        const qsizetype soi = data.indexOf("\xFF\xD8");
        const qsizetype eoi = soi < 0 ? -1 : data.indexOf("\xFF\xD9", soi);
        if (eoi > 0) return QImage::fromData(data.mid(soi, eoi + 2 - soi), "JPEG");
    }
    return {};
}

// The share of a picture's pixels whose red is the test tint's 155.
double TintedShare(const QImage& image) {
    if (image.isNull()) return -1;
    qsizetype tinted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) tinted += qAbs(qRed(image.pixel(x, y)) - 155) <= 6;
    return double(tinted) / double(image.width() * image.height());
}

}  // namespace

TEST_F(CameraBroadcastTest, TheRegionTestTintShowsOnThePagePreviewOnly) {
    UsbCamera* cam = Start(false);
    CDataClass& s = *cam->settings;
    test::SetMotionRegion(s, {0, 0, 320, 240});
    StoreLive(s.motionMarkColour, 1);  // red
    HeadlessPanel preview(1);
    cam->view().SetPreviewTarget(&preview, &preview);
    cam->view().SetRegionTestMode(true);
    ASSERT_TRUE(cam->broadcast().StartBroadcast(false));

    ASSERT_TRUE(WaitFor([&] { return preview.framesShown() > 2 && panel.framesShown() > 2; }));
    const FramePtr page = preview.LatestFrame();
    const FramePtr grid = panel.LatestFrame();
    ASSERT_TRUE(page && grid);
    const auto Image = [](const FramePtr& f) {
        return QImage(f->data.data(), f->width, f->height, f->stride, QImage::Format_BGR888).copy();
    };
    EXPECT_EQ(TintedShare(Image(page)), 1.0);
    EXPECT_LT(TintedShare(Image(grid)), 0.5);
    EXPECT_LT(TintedShare(FirstMjpegPicture(Port())), 0.5) << "the viewers see the tint";
    cam->view().ClearPreviewTarget();
}
