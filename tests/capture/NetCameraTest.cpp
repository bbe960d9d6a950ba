// Network cameras against real cameras on loopback (a small HTTP server, GStreamer's RTSP
// server): streams, polled pictures, passwords, motion, the loss and return of a stream and the
// recording across it.
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <gst/gst.h>
#include <gtest/gtest.h>

#include "common/Jpeg.h"
#include "capture/Usbcamera.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/EventLog.h"
#include "history/LogReceiver.h"
#include "history/MediaRemux.h"
#include "host/CameraCell.h"
#include "lang/TextIds.h"
#include "support/CameraInternals.h"
#include "support/CameraServer.h"
#include "support/CameraFixture.h"
#include "support/H264Nals.h"
#include "support/RtspServer.h"
#include "support/Wait.h"

using namespace trelvix;
using trelvix::test::CameraServer;
using trelvix::test::FreePort;
using trelvix::test::RtspServer;
using trelvix::test::WaitFor;

namespace {

// A loaded machine (sanitizers, parallel builds) may take many seconds for a pipeline to start;
// each wait ends as soon as its condition holds.
constexpr int kLoadedMachineMs = 90000;

template <typename F>
bool Eventually(F done) {
    return WaitFor(done, kLoadedMachineMs);
}

bool IsGrey(const FramePtr& f) {
    if (!f) return false;
    for (int y = 0; y < f->height; y += 7)
        for (int x = 0; x < f->width; x += 5) {
            const uint8_t* p = f->Row(y) + 3 * x;
            if (p[0] != p[1] || p[1] != p[2]) return false;
        }
    return true;
}

bool GraphHas(GstElement* graph, const char* factory) {
    bool found = false;
    GstIterator* it = gst_bin_iterate_recurse(GST_BIN(graph));
    GValue item = G_VALUE_INIT;
    while (gst_iterator_next(it, &item) == GST_ITERATOR_OK) {
        GstElementFactory* f = gst_element_get_factory(GST_ELEMENT(g_value_get_object(&item)));
        found = found || (f && g_str_equal(GST_OBJECT_NAME(f), factory));
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(it);
    return found;
}

class NetCameraTest : public trelvix::test::CameraFixture {
protected:
    void SetUp() override {
        SetReconnectDelaysForTesting(50, 400);
        server = std::make_unique<CameraServer>(frames.path());
    }
    void TearDown() override {
        Clear();
        SetReconnectDelaysForTesting(0, 0);
        SetStallLimitForTesting(0);
    }
    UsbCamera* Start(const QString& id, int cell, int rate = 10) {
        return StartWith(id, cell,
                         [rate](CDataClass& rec) { StoreLive(rec.recordFrameRate, rate); });
    }
    // The whole picture, and any change of 1 % of it: a small ball or square is motion.
    void DetectMotion(UsbCamera* cam) {
        test::SetMotionRegion(*cam->settings, {0, 0, 320, 240});
        StoreLive(cam->settings->motionAreaPercent, 0);
        StoreLive(cam->settings->motionIntervalSeconds, 1);
        StoreLive(cam->settings->motionSound, uint8_t(0));
        StoreLive(cam->settings->motionEnabled, uint8_t(1));
    }
    // Motion lines of camera `cell` whose picture is on the disk.
    int MotionPictures(int cell) {
        int n = 0;
        for (const QString& line : Log()) {
            const auto f = SplitLogLine(line);
            n += f[0] == QString::number(kEventMotion) && f[6] == QString::number(cell) &&
                 QFile::exists(f[7]);
        }
        return n;
    }
    QStringList Recordings() {
        QStringList out;
        QDirIterator it(dir.path(), {"*.mp4"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) out << it.next();
        out.sort();
        return out;
    }

    QTemporaryDir frames;
    std::unique_ptr<CameraServer> server;
};

}  // namespace

TEST_F(NetCameraTest, AnMjpegStreamDeliversFramesThroughTheFramePath) {
    ASSERT_TRUE(server->Start());
    option->netCams.cams = {{"Yard", server->Url("/stream"), false}};
    UsbCamera* cam = Start(server->Url("/stream"), 0);
    StoreLive(cam->settings->showTime, 1);
    DetectMotion(cam);
    ASSERT_TRUE(Eventually([&] { return panels[0]->framesShown() >= 5; }));
    const FramePtr f = panels[0]->LatestFrame();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->width, 320);
    EXPECT_EQ(f->height, 240);
    EXPECT_FALSE(IsGrey(f));
    // The pictures are decoded straight into the frames, with their colours where they belong.
    EXPECT_FALSE(GraphHas(test::Pipeline(cam), "jpegdec"));
    EXPECT_FALSE(GraphHas(test::Pipeline(cam), "videoconvert"));
    const uint8_t* ground = f->Row(220) + 3 * 10;
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(ground[c], 90, 12) << "channel " << c;
    int yellow = 0;
    for (int x = 0; x < f->width; ++x) {
        const uint8_t* p = f->Row(120) + 3 * x;
        yellow += p[1] > 220 && p[2] > 170 && p[0] < 120;
    }
    EXPECT_GE(yellow, 60) << "the square's row";
    EXPECT_EQ(cam->settings->deviceFriendlyName.get(), "Yard");
    EXPECT_FALSE(cam->network().IsReconnecting());
    EXPECT_FALSE(cam->network().PollsPictures());
    EXPECT_EQ(cam->network().reconnectDelayMs(), 0);
    // Snapshots work as on any camera.
    cam->RequestSnapshot(kSnapshotManual);
    ASSERT_TRUE(Eventually([&] { return !cam->view().snapshotPath().isEmpty(); }));
    EXPECT_TRUE(QFile::exists(test::FrameCallback(cam).snapshots.snapshotPath));
    EXPECT_TRUE(Eventually([&] { return MotionPictures(0) >= 1; })) << "the square moves";
}

TEST_F(NetCameraTest, AStreamOfOtherVideoIsDecodedAndConverted) {
    QProcess ffmpeg;
    ffmpeg.start(
        QStringLiteral("ffmpeg"),
        {"-loglevel", "error", "-y", "-f", "lavfi", "-i", "color=c=red:size=160x120:rate=10", "-t",
         "2", "-c:v", "mpeg2video", "-q:v", "2", frames.path() + "/movie.ts"});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) GTEST_SKIP() << "no ffmpeg";
    ASSERT_TRUE(server->Start());
    UsbCamera* cam = Start(server->Url("/movie.ts"), 0);
    ASSERT_TRUE(Eventually([&] { return panels[0]->framesShown() >= 3; }));
    EXPECT_TRUE(GraphHas(test::Pipeline(cam), "videoconvert"));
    const FramePtr f = panels[0]->LatestFrame();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->width, 160);
    const uint8_t* p = f->Row(60) + 3 * 80;
    EXPECT_GT(p[2], 200);
    EXPECT_LT(p[0], 60);
    EXPECT_LT(p[1], 60);
}

TEST_F(NetCameraTest, PasswordsReachTheCameraButNoLogNameOrMessage) {
    ASSERT_TRUE(server->Start());
    // A ":" in the password must survive the trip as well.
    const QString secret = server->Url("/secret", "user:pa%3Ass@");
    UsbCamera* cam = Start(secret, 0);
    ASSERT_TRUE(Eventually([&] { return panels[0]->framesShown() >= 3; }));
    EXPECT_EQ(cam->settings->deviceFriendlyName.get(), server->Url("/secret", "user:***@"));
    UsbCamera* wrong = Start(server->Url("/secret", "user:nope@"), 1);
    ASSERT_TRUE(Eventually([&] { return wrong->network().IsReconnecting(); }));
    Clear();
    for (const QString& line : Log())
        EXPECT_FALSE(line.contains("pa%3Ass") || line.contains("nope"));
}

TEST_F(NetCameraTest, ASinglePictureAddressIsPolledAtTheCameraRate) {
    // A loaded machine may take longer than the usual limit for the first picture; a stall is
    // not what this looks at, and a camera that stops answering is refused at once.
    SetStallLimitForTesting(120000);
    ASSERT_TRUE(server->Start());
    UsbCamera* cam = Start(server->Url("/snap.jpg"), 0, 20);
    ASSERT_TRUE(Eventually([&] {
        return cam->network().PollsPictures() && panels[0]->framesShown() >= 8;
    })) << cam->network().PollsPictures()
        << " " << panels[0]->framesShown() << " " << cam->network().IsReconnecting() << " "
        << cam->HasGraph();
    EXPECT_FALSE(cam->network().IsReconnecting());
    EXPECT_EQ(LinesSaying(text::kStreamLostReconnecting), 0) << "switching is no loss";
    EXPECT_EQ(panels[0]->LatestFrame()->width, 320);
    // A camera that stops answering is lost like a stream.
    server->Kill();
    ASSERT_TRUE(Eventually([&] { return cam->network().IsReconnecting(); }));
    EXPECT_TRUE(cam->network().PollsPictures());
}

TEST_F(NetCameraTest, ALostStreamReconnectsWhileOthersRunAndRecordsIntoANewSegment) {
    ASSERT_TRUE(server->Start());
    const int port = server->port();
    UsbCamera* net = Start(server->Url("/stream"), 0, 10);
    UsbCamera* local = Start("test:ball:160x120@15", 1);
    ASSERT_TRUE(Eventually([&] { return panels[0]->framesShown() >= 3; }));
    net->recording().StartRecording();
    ASSERT_TRUE(
        Eventually([&] { return net->recording().recorder().thread()->framesWritten() >= 5; }));

    server->Kill();
    ASSERT_TRUE(Eventually([&] { return net->network().IsReconnecting(); }));
    EXPECT_TRUE(IsGrey(panels[0]->LatestFrame()));
    EXPECT_EQ(panels[0]->LatestFrame()->width, 320) << "the last picture, greyed";
    EXPECT_TRUE(net->recording().IsRecording()) << "the wish to record outlives the stream";
    // Attempts fail with growing pauses; the other camera never waits for them.
    const uint64_t before = panels[1]->framesShown();
    ASSERT_TRUE(Eventually([&] {
        return net->network().reconnectDelayMs() >= 400 && panels[1]->framesShown() > before + 5;
    }));
    EXPECT_TRUE(net->network().IsReconnecting());
    EXPECT_EQ(LinesSaying(text::kStreamLostReconnecting), 1);
    EXPECT_EQ(Recordings().size(), 1);

    ASSERT_TRUE(server->Start(port));
    ASSERT_TRUE(Eventually([&] { return !net->network().IsReconnecting(); }));
    EXPECT_EQ(LinesSaying(text::kStreamBack), 1);
    EXPECT_EQ(net->network().reconnectDelayMs(), 0);
    ASSERT_TRUE(Eventually([&] {
        return Recordings().size() == 2 && net->recording().recorder().thread() &&
               net->recording().recorder().thread()->framesWritten() >= 10;
    }));
    EXPECT_FALSE(IsGrey(panels[0]->LatestFrame()));
    net->recording().StopRecording();
    local->StopCamera();
    for (const QString& file : Recordings())
        EXPECT_GT(ProbeDurationMs(file), 0) << file.toStdString();
    EXPECT_EQ(LinesSaying(text::kStreamLostReconnecting), 1);
}

TEST_F(NetCameraTest, AnRtspCameraRecordsAndDetectsMotionAndComesBackTenSecondsAfterItsServer) {
    RtspServer rtsp;
    ASSERT_TRUE(rtsp.Start(0));
    UsbCamera* net = Start(rtsp.Url(), 0, 15);
    UsbCamera* local = Start("test:ball:160x120@15", 1);
    DetectMotion(net);
    ASSERT_TRUE(Eventually([&] { return panels[0]->framesShown() >= 5; }));
    EXPECT_EQ(panels[0]->LatestFrame()->width, 320);
    EXPECT_FALSE(IsGrey(panels[0]->LatestFrame()));
    net->recording().StartRecording();
    ASSERT_TRUE(
        Eventually([&] { return net->recording().recorder().thread()->framesWritten() >= 5; }));
    ASSERT_TRUE(Eventually([&] { return MotionPictures(0) >= 1; })) << "the ball moves";

    rtsp.Kill();
    ASSERT_TRUE(Eventually([&] { return net->network().IsReconnecting(); }));
    // Ten seconds of the camera beside it without the server: it never waits on the lost one.
    const uint64_t before = panels[1]->framesShown();
    ASSERT_TRUE(Eventually([&] {
        return net->network().reconnectDelayMs() >= 400 && panels[1]->framesShown() >= before + 150;
    }));
    EXPECT_TRUE(net->network().IsReconnecting());

    ASSERT_TRUE(rtsp.Start(rtsp.port()));
    ASSERT_TRUE(Eventually([&] { return !net->network().IsReconnecting(); }));
    ASSERT_TRUE(Eventually([&] {
        return Recordings().size() == 2 &&
               net->recording().recorder().thread()->framesWritten() >= 10;
    }));
    EXPECT_EQ(LinesSaying(text::kStreamLostReconnecting), 1);
    EXPECT_EQ(LinesSaying(text::kStreamBack), 1);
    net->recording().StopRecording();
    local->StopCamera();
    for (const QString& file : Recordings())
        EXPECT_GT(ProbeDurationMs(file), 0) << file.toStdString();
}

// record=copy: the recording holds the very pictures the server sent, with the caption and time
// beside them; a headless camera without motion detection decodes nothing until motion
// detection wants pictures.
TEST_F(NetCameraTest, ACopiedRtspCameraRecordsWhatTheServerSentAndDecodesOnlyWhenUsed) {
    RtspServer rtsp;
    const QString sentPath = frames.path() + "/sent.h264";
    ASSERT_TRUE(rtsp.Start(0, sentPath));
    option->netCams.cams = {{"Gate", rtsp.Url(), false, true}};
    UsbCamera* cam = Start(rtsp.Url(), 0, 15);
    cam->settings->caption = QStringLiteral("Gate");
    cam->recording().StartRecording();
    ASSERT_TRUE(Eventually([&] {
        return Recordings().size() == 1 && test::ReadRecorded(Recordings()[0]).videoPackets >= 40;
    }));
    EXPECT_EQ(cam->view().framesDelivered(), 0u) << "nothing uses the pictures";
    cam->RequestSnapshot(kSnapshotManual);
    ASSERT_TRUE(Eventually([&] { return !cam->view().snapshotPath().isEmpty(); }))
        << "a snapshot is a use";
    DetectMotion(cam);
    ASSERT_TRUE(Eventually([&] { return panels[0]->framesShown() >= 3; }));
    EXPECT_EQ(panels[0]->LatestFrame()->width, 320);
    cam->recording().StopRecording();

    const test::Recorded r = test::ReadRecorded(Recordings()[0]);
    const QByteArray sentBytes = test::ReadFile(sentPath);
    const std::vector<QByteArray> sent = test::LengthPrefixedNals(
        reinterpret_cast<const uint8_t*>(sentBytes.constData()), size_t(sentBytes.size()));
    std::vector<QByteArray> sentSlices;
    for (const QByteArray& nal : sent)
        if (test::IsSlice(nal)) sentSlices.push_back(nal);
    EXPECT_EQ(r.video, AV_CODEC_ID_H264);
    EXPECT_TRUE(r.firstIsKey);
    EXPECT_GE(r.slices.size(), size_t(r.videoPackets));
    EXPECT_TRUE(test::RunIn(r.slices, sentSlices)) << "the pictures as sent, none lost";
    for (const QByteArray& set : test::AvccParameterSets(r.extradata))
        EXPECT_NE(std::find(sent.begin(), sent.end(), set), sent.end()) << "the server's own";
    EXPECT_EQ(r.text, AV_CODEC_ID_MOV_TEXT);
    ASSERT_GE(r.texts.size(), 2u);
    EXPECT_TRUE(r.texts[0].startsWith(QStringLiteral("Gate  %1/").arg(QDate::currentDate().year())))
        << r.texts[0].toStdString();
}

// Only RTSP brings H.264/H.265 here: an MJPEG camera set to copy records as always, and says
// so once, however often its stream starts.
TEST_F(NetCameraTest, AnMjpegCameraSetToCopyRecordsAsBeforeAndSaysSoOnce) {
    ASSERT_TRUE(server->Start());
    option->netCams.cams = {{"Yard", server->Url("/stream"), false, true}};
    testing::internal::CaptureStderr();
    UsbCamera* cam = Start(server->Url("/stream"), 0);
    cam->recording().StartRecording();
    ASSERT_TRUE(Eventually([&] {
        return cam->recording().recorder().thread() &&
               cam->recording().recorder().thread()->framesWritten() >= 5;
    }));
    EXPECT_FALSE(cam->recording().recorder().copying());
    cam->StopCamera();
    const uint64_t before = panels[0]->framesShown();
    cam->RestartCamera();
    ASSERT_TRUE(Eventually([&] { return panels[0]->framesShown() >= before + 5; }));
    const std::string said = testing::internal::GetCapturedStderr();
    const size_t first = said.find("record=copy");
    EXPECT_NE(first, std::string::npos) << said;
    EXPECT_EQ(said.find("record=copy", first + 1), std::string::npos) << "said once";
}

TEST_F(NetCameraTest, AnUnreachableCameraStartsReconnectingAndAStopEndsTheAttempts) {
    UsbCamera* http = Start(QStringLiteral("http://127.0.0.1:%1/stream").arg(FreePort()), 0);
    UsbCamera* rtsp = Start(QStringLiteral("rtsp://127.0.0.1:%1/live").arg(FreePort()), 1);
    ASSERT_TRUE(Eventually(
        [&] { return http->network().IsReconnecting() && rtsp->network().IsReconnecting(); }));
    EXPECT_TRUE(IsGrey(panels[0]->LatestFrame())) << "a dark picture says what goes on";
    EXPECT_FALSE(http->IsStopped());
    EXPECT_EQ(LinesSaying(text::kStreamLostReconnecting), 2);

    http->StopCamera();
    EXPECT_FALSE(http->network().IsReconnecting());
    EXPECT_EQ(http->network().reconnectDelayMs(), 0);
    EXPECT_FALSE(panels[0]->LatestFrame());
    const uint64_t shown = panels[0]->framesShown();
    // Each failed attempt of the other camera shows its dark picture again; three of them take
    // longer than the stopped camera's next attempt would have waited.
    const uint64_t attempts = panels[1]->framesShown();
    ASSERT_TRUE(Eventually([&] { return panels[1]->framesShown() >= attempts + 3; }));
    EXPECT_FALSE(http->HasGraph()) << "no attempts after a stop";
    EXPECT_EQ(panels[0]->framesShown(), shown);
}

TEST_F(NetCameraTest, AStreamThatFallsSilentOnAnOpenConnectionCountsAsLost) {
    ASSERT_TRUE(server->Start());
    SetStallLimitForTesting(600);
    UsbCamera* cam = Start(server->Url("/stall"), 0);
    // Sooner than the HTTP source's own read time-out would tell.
    ASSERT_TRUE(WaitFor([&] { return cam->network().IsReconnecting(); }, 5000));
    EXPECT_EQ(panels[0]->LatestFrame()->width, 320) << "the two pictures it sent, greyed";
    EXPECT_TRUE(IsGrey(panels[0]->LatestFrame()));
    EXPECT_EQ(LinesSaying(text::kStreamLostReconnecting), 1);
}

TEST(NetCameraDelays, DoubleFromOneSecondUpToThirty) {
    SetReconnectDelaysForTesting(0, 0);
    std::vector<int> seen;
    for (int d = 0, i = 0; i < 8; ++i) seen.push_back(d = NextReconnectDelay(d));
    EXPECT_EQ(seen, (std::vector<int>{1000, 2000, 4000, 8000, 16000, 30000, 30000, 30000}));
}
