#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/CameraFixture.h"
#include <turbojpeg.h>

#include <random>

#include "host/CameraCell.h"
#include "host/Housekeeping.h"
#include "capture/Sound.h"
#include "capture/Usbcamera.h"
#include "common/Clock.h"
#include "common/Process.h"
#include "config/Folders.h"
#include "common/Messages.h"
#include "config/Option.h"
#include "history/LogReceiver.h"

using namespace trelvix;

namespace {

// Keeps the camera messages posted to it: each one's code and its flag.
struct Receiver : QObject {
    struct Message {
        int type;
        bool flag;
    };
    bool event(QEvent* e) override {
        if (const auto* m = MessageOf<MotionRecordMessage>(e)) return Keep(e, m->motion);
        if (const auto* m = MessageOf<SnapshotTakenMessage>(e)) return Keep(e, m->manual);
        if (MessageOf<GraphEventMessage>(e)) return Keep(e, false);
        return QObject::event(e);
    }
    bool Keep(const QEvent* e, bool flag) {
        messages.push_back({int(e->type()), flag});
        return true;
    }
    int Count(int type, bool flag) const {
        int n = 0;
        for (const auto& m : messages) n += m.type == type && m.flag == flag;
        return n;
    }
    std::vector<Message> messages;
};

struct NullSurface : VideoSurface {
    void PresentFrame(FramePtr) override {}
    void ClearFrame() override {}
    void SetFullScreen(bool) override {}
    bool IsFullScreen() const override { return false; }
    void FitVideo() override {}
};

class MotionTest : public ::testing::Test, protected trelvix::test::OwnSettings {
protected:
    void SetUp() override {
        SetClockForTesting([this] { return now; });
        settings.imageFolder = dir.path() + "/pictures";
        settings.cameraId = 1;
        settings.caption = "1#";
        cb = std::make_unique<CSampleGrabberCB>();
        cb->cameraId = 1;
        cb->settings = &settings;
        cb->SetPanel(&panel, &video);
        cb->CreateOverlays();
        cb->SetUpFormat(W, H, kPixelRGB24);
        SetSoundPlayerForTesting([this](const QString& p) { sounds << p; });
        SetProgramRunner([this](const QString& p, const QStringList& a) {
            programs << p + " " + a.join('|');
            return true;
        });
    }
    void TearDown() override {
        SetClockForTesting(nullptr);
        SetSoundPlayerForTesting(nullptr);
        SetProgramRunner(nullptr);
        cb.reset();
    }
    void Region(int left, int top, int right, int bottom) {
        StoreLive(settings.motionLeft, left);
        StoreLive(settings.motionTop, top);
        StoreLive(settings.motionRight, right);
        StoreLive(settings.motionBottom, bottom);
    }
    VideoFrame Frame(uint8_t value) {
        VideoFrame f;
        f.Resize(W, H);
        std::fill(f.data.begin(), f.data.end(), value);
        return f;
    }
    // Frame(0) with the default region (clipped to the picture) changed: a third of the
    // picture, so that it is motion and not a light switched on.
    VideoFrame RegionChanged() {
        VideoFrame f = Frame(0);
        for (int y = 20; y < H; ++y) std::fill_n(f.Row(y) + 3 * 20, 3 * (W - 20), uint8_t(200));
        return f;
    }
    // Runs the motion check on `f`, one second later than the last.
    void Check(VideoFrame& f, int advanceSeconds = 1) {
        now = now.addSecs(advanceSeconds);
        cb->CheckMotion(f.data.data(), f.data.size());
    }
    bool Compare(const VideoFrame& f) {
        return cb->motion.CompareWithPreviousFrame(f.data.data(), f.data.size(), W, H, settings);
    }
    QStringList Log() {
        QCoreApplication::sendPostedEvents();
        return ReadLogLines(LogFileName(option->LogPath, now.date()));
    }

    static constexpr int W = 64, H = 48;
    QDateTime now{QDate(2024, 5, 10), QTime(10, 0, 0)};
    LogReceiverObject logReceiver;
    CDataClass settings;
    Receiver panel;
    NullSurface video;
    std::unique_ptr<CSampleGrabberCB> cb;
    QStringList sounds, programs;
};

}  // namespace

TEST_F(MotionTest, SensitivityAndAreaThresholdsAreStrict) {
    Region(10, 10, 20, 20);  // 100 pixels
    StoreLive(settings.motionSensitivity, 8);
    VideoFrame base = Frame(100);
    EXPECT_FALSE(Compare(base));  // stores only
    EXPECT_FALSE(Compare(base));  // identical

    VideoFrame by8 = Frame(108);
    EXPECT_FALSE(Compare(by8));
    VideoFrame by9 = by8;  // one channel of every region pixel up by 9 more than 108 → 117 vs 108
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 20; ++x) by9.Row(y)[3 * x + 1] = 117;
    EXPECT_TRUE(Compare(by9));
    // The comparison kept the new frame: the same change is reported once.
    EXPECT_FALSE(Compare(by9));

    // Exactly half the pixels changed is not motion; one pixel more is.
    VideoFrame half = by9;
    int n = 0;
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 20 && n < 50; ++x, ++n) half.Row(y)[3 * x] = 0;
    EXPECT_FALSE(Compare(half));
    VideoFrame more = half;
    n = 0;
    for (int y = 10; y < 20; ++y)
        for (int x = 10; x < 20 && n < 51; ++x, ++n) more.Row(y)[3 * x + 2] = 0;
    Compare(half);
    EXPECT_TRUE(Compare(more));

    // Changes outside the region do not count.
    VideoFrame outside = more;
    for (int x = 0; x < W; ++x) outside.Row(0)[3 * x] ^= 0xFF;
    EXPECT_FALSE(Compare(outside));
}

TEST_F(MotionTest, WideRegionsCountEveryPixelOnce) {
    // Wide enough for the sixteen-pixel steps, with a tail, and reaching past the frame.
    Region(3, 5, 500, 9);
    StoreLive(settings.motionAreaPercent, 0);
    VideoFrame a = Frame(0);
    Compare(a);
    VideoFrame b = a;
    b.Row(6)[3 * 3 + 2] = 50;   // first pixel of the region
    b.Row(8)[3 * 63] = 50;      // last pixel of the frame
    b.Row(7)[3 * 20 + 1] = 50;  // inside a sixteen-pixel step
    b.Row(9)[3 * 20] = 50;      // below the region
    b.Row(6)[3 * 2] = 50;       // left of it
    EXPECT_TRUE(Compare(b));
    // 3 of 61 × 4 pixels: 1 %.
    StoreLive(settings.motionAreaPercent, 1);
    VideoFrame c = b;
    for (int x : {3, 40, 63}) c.Row(5)[3 * x] = 99;
    c.Row(5)[3 * 10] = 99;
    EXPECT_FALSE(Compare(c));  // 4 px: 1 %
    // An empty region never reports and never reads outside the frame.
    StoreLive(settings.motionLeft, 70);
    StoreLive(settings.motionRight, 80);
    VideoFrame d = Frame(9);
    EXPECT_FALSE(Compare(d));
    EXPECT_FALSE(Compare(a));
}

TEST_F(MotionTest, IntervalsAndTheRecordingMessages) {
    StoreLive(settings.motionEnabled, 1);
    StoreLive(settings.motionNoPicture, 1);
    StoreLive(settings.motionSound, 0);
    StoreLive(settings.motionRecord, 1);
    StoreLive(settings.motionRecordStopSeconds, 5);
    StoreLive(settings.motionIntervalSeconds, 0);
    VideoFrame a = Frame(0), b = RegionChanged();
    cb->CheckMotion(a.data.data(), a.data.size());  // first check: stores only
    cb->CheckMotion(b.data.data(), b.data.size());  // interval 0: every frame is checked
    QCoreApplication::sendPostedEvents(&panel);
    EXPECT_EQ(panel.Count(MotionRecordMessage::kCode, true), 1);

    // The UI started motion recording: a second detection posts no second start.
    cb->state = CameraState::MotionRecording;
    cb->CheckMotion(a.data.data(), a.data.size());
    QCoreApplication::sendPostedEvents(&panel);
    EXPECT_EQ(panel.Count(MotionRecordMessage::kCode, true), 1);

    // Interval 2: no check until two whole seconds have passed.
    StoreLive(settings.motionIntervalSeconds, 2);
    now = now.addMSecs(1999);
    cb->CheckMotion(b.data.data(), b.data.size());
    EXPECT_TRUE(cb->motion.lastMotionCheck < now);
    now = now.addMSecs(1);
    cb->CheckMotion(b.data.data(), b.data.size());  // motion (a → b), still recording
    EXPECT_EQ(cb->motion.lastMotionCheck, now);
    EXPECT_EQ(cb->motion.lastMotionTime, now);

    // Quiet: a stop only once the stop time has passed since the last motion.
    Check(b, 2);
    Check(b, 2);
    QCoreApplication::sendPostedEvents(&panel);
    EXPECT_EQ(panel.Count(MotionRecordMessage::kCode, false), 0);
    Check(b, 2);  // 6 s
    QCoreApplication::sendPostedEvents(&panel);
    EXPECT_EQ(panel.Count(MotionRecordMessage::kCode, false), 1);
    EXPECT_TRUE(cb->motion.motionReady);
}

TEST_F(MotionTest, RegionTestOnlyFlashesThePage) {
    StoreLive(settings.motionEnabled, 0);
    StoreLive(settings.motionIntervalSeconds, 0);
    Receiver page;
    NullSurface preview;
    cb->regionTestMode = true;
    cb->SetPreview(&preview, &page);
    VideoFrame a = Frame(0), b = RegionChanged();
    cb->CheckMotion(a.data.data(), a.data.size());
    cb->CheckMotion(b.data.data(), b.data.size());
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(page.messages.size(), 1u);
    EXPECT_EQ(page.Count(SnapshotTakenMessage::kCode, false), 1);
    EXPECT_TRUE(panel.messages.empty());
    EXPECT_TRUE(Log().isEmpty());
    EXPECT_FALSE(QDir(settings.imageFolder.get()).exists());

    // The marking sets one channel of the region to 155.
    StoreLive(settings.motionMarkColour, 2);
    VideoFrame m = Frame(7);
    cb->MarkRegion(m.data.data(), m.data.size());
    EXPECT_EQ(m.Row(20)[3 * 20 + 1], 155);
    EXPECT_EQ(m.Row(20)[3 * 20], 7);
    EXPECT_EQ(m.Row(47)[3 * 63 + 1], 155);  // the region reaches past the frame: clipped
    EXPECT_EQ(m.Row(19)[3 * 20 + 1], 7);
    StoreLive(settings.motionMarkColour, 1);
    cb->MarkRegion(m.data.data(), m.data.size());
    EXPECT_EQ(m.Row(20)[3 * 20 + 2], 155);
}

TEST_F(MotionTest, SnapshotKindsTheirRecordsSoundsAndQueue) {
    StoreLive(settings.ftpEnabled, 1);
    StoreLive(settings.ftpMotionPictures, 1);
    StoreLive(settings.motionRunProgram, 1);
    settings.motionProgramPath = QCoreApplication::applicationFilePath();
    settings.motionProgramParams = "--alarm \"front gate\"";
    QFile::copy(QCoreApplication::applicationDirPath() + "/media/拍照咔嚓.WAV",
                dir.path() + "/shutter.wav");
    settings.shutterSoundFile = dir.path() + "/shutter.wav";
    VideoFrame f = Frame(90);
    for (int kind : {0, 2, 3, 4}) {
        now = now.addMSecs(10);
        cb->TakeSnapshot(f.data.data(), f.data.size(), kind);
    }
    const QStringList lines = Log();
    ASSERT_EQ(lines.size(), 4);
    const auto t = [&](int id) { return option->LanguageText(id); };
    const auto fields = [&](int i) { return SplitLogLine(lines[i]); };
    EXPECT_EQ(fields(0)[0], "2");
    EXPECT_EQ(fields(0)[1], t(6));
    EXPECT_EQ(fields(0)[5], t(12));
    EXPECT_EQ(fields(1)[0], "1");
    EXPECT_EQ(fields(1)[1], t(1));
    EXPECT_EQ(fields(2)[1], t(3));
    EXPECT_EQ(fields(2)[5], t(18));
    EXPECT_EQ(fields(3)[1], t(1));
    EXPECT_EQ(fields(3)[5], t(18));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(fields(i)[4], "1#");
        EXPECT_EQ(fields(i)[6], "1");
        EXPECT_TRUE(QFile::exists(fields(i)[7])) << i;
    }
    // Motion, timed and test pictures are queued; the manual one is not.
    EXPECT_EQ(cb->uploadList.TakeBatch(10),
              (QStringList{fields(0)[7], fields(2)[7], fields(3)[7]}));
    // The name: the day's picture folder, date, space, time with milliseconds.
    EXPECT_EQ(fields(0)[7], dir.path() + "/pictures/01/20240510Image/20240510 100000010.jpg");
    // The motion program, its parameters split without a shell; the two sounds.
    ASSERT_EQ(programs.size(), 1);
    EXPECT_EQ(programs[0], QCoreApplication::applicationFilePath() + " --alarm|front gate");
    EXPECT_EQ(sounds, (QStringList{option->mediaFolder + QStringLiteral("欢迎光临.WAV"),
                                   dir.path() + "/shutter.wav"}));
    // Only the manual snapshot asks for the pop-up.
    QCoreApplication::sendPostedEvents(&panel);
    EXPECT_EQ(panel.Count(SnapshotTakenMessage::kCode, true), 1);
    EXPECT_EQ(panel.Count(SnapshotTakenMessage::kCode, false), 3);
}

TEST_F(MotionTest, MotionWithoutPictureBusyDropAndUnwritableFolder) {
    StoreLive(settings.motionNoPicture, 1);
    StoreLive(settings.ftpEnabled, 1);
    StoreLive(settings.ftpMotionPictures, 1);
    StoreLive(settings.motionRunProgram, 1);
    settings.motionProgramPath = QCoreApplication::applicationFilePath();
    VideoFrame f = Frame(1);
    cb->TakeSnapshot(f.data.data(), f.data.size(), 0);
    QStringList lines = Log();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(SplitLogLine(lines[0])[5], "");
    EXPECT_EQ(SplitLogLine(lines[0])[7], "");
    EXPECT_EQ(cb->uploadList.Count(), 0);
    EXPECT_EQ(programs.size(), 1);
    EXPECT_EQ(sounds.size(), 1);
    EXPECT_FALSE(QDir(settings.imageFolder.get()).exists());

    // A snapshot while another is written is dropped without a trace.
    cb->snapshots.snapshotBusy = true;
    cb->TakeSnapshot(f.data.data(), f.data.size(), 3);
    EXPECT_EQ(Log().size(), 1);
    cb->snapshots.snapshotBusy = false;

    // A picture folder that cannot be made: no picture, an honest record, and the next frame
    // can snapshot again.
    QFile blocker(dir.path() + "/blocked");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    settings.imageFolder = blocker.fileName();
    cb->TakeSnapshot(f.data.data(), f.data.size(), 3);
    EXPECT_FALSE(cb->snapshots.snapshotBusy);
    lines = Log();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(SplitLogLine(lines[1])[7], "");
    EXPECT_EQ(cb->uploadList.Count(), 0);
}

TEST_F(MotionTest, TwoRequestsBeforeAFrameTakeOneSnapshotOfTheSecondKind) {
    cb->RequestSnapshot(3);
    cb->RequestSnapshot(2);
    VideoFrame f = Frame(5);
    cb->ProcessLiveFrame(f.data.data(), f.data.size());
    cb->ProcessLiveFrame(f.data.data(), f.data.size());
    const QStringList lines = Log();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(SplitLogLine(lines[0])[5], option->LanguageText(12));
    EXPECT_FALSE(cb->snapshots.snapshotRequested);
}

TEST_F(MotionTest, JpegDecodesBackToTheFrame) {
    VideoFrame f;
    f.Resize(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            uint8_t* p = f.Row(y) + 3 * x;
            p[0] = uint8_t(x * 4);
            p[1] = uint8_t(y * 5);
            p[2] = uint8_t(128 + x - y);
        }
    cb->TakeSnapshot(f.data.data(), f.data.size(), 2);
    QFile file(cb->snapshots.snapshotPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray jpeg = file.readAll();
    tjhandle h = tjInitDecompress();
    int w = 0, hh = 0, sub = 0, cs = 0;
    ASSERT_EQ(tjDecompressHeader3(h, reinterpret_cast<const unsigned char*>(jpeg.data()),
                                  jpeg.size(), &w, &hh, &sub, &cs),
              0);
    EXPECT_EQ(w, W);
    EXPECT_EQ(hh, H);
    std::vector<uint8_t> back(size_t(W * H * 3));
    ASSERT_EQ(tjDecompress2(h, reinterpret_cast<const unsigned char*>(jpeg.data()), jpeg.size(),
                            back.data(), W, W * 3, H, TJPF_BGR, 0),
              0);
    tjDestroy(h);
    double err = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < 3 * W; ++x)
            err += std::abs(int(back[size_t(y * W * 3 + x)]) - int(f.Row(y)[x]));
    EXPECT_LT(err / (W * H * 3), 4.0);  // quality 75 on a smooth picture
}

TEST(Sound, NamesWithoutAFolderLieInTheSoundFolder) {
    EXPECT_EQ(SoundFilePath("bell.wav"), MediaFolder() + "bell.wav");
    EXPECT_EQ(SoundFilePath("/opt/sounds/bell.wav"), "/opt/sounds/bell.wav");
    EXPECT_FALSE(PlaySoundFile(""));
    EXPECT_FALSE(PlaySoundFile("no such sound.wav"));
    EXPECT_TRUE(QFile::exists(MediaFolder() + QStringLiteral("拍照咔嚓.WAV")));
    EXPECT_TRUE(PlaySoundFile(QStringLiteral("欢迎光临.WAV")));  // no sound card: silently
}

TEST(UploadQueueTest, BatchesInOrder) {
    UploadQueue q;
    for (int i = 0; i < 5; ++i) q.Append(QString::number(i));
    EXPECT_EQ(q.Count(), 5);
    EXPECT_EQ(q.TakeBatch(2), (QStringList{"0", "1"}));
    EXPECT_EQ(q.TakeBatch(10), (QStringList{"2", "3", "4"}));
    EXPECT_EQ(q.TakeBatch(3), QStringList{});
    EXPECT_EQ(q.Count(), 0);
}

TEST(RegionCompare, CountsMatchAPlainPixelByPixelCount) {
    std::mt19937 rng(42);
    for (int width : {1, 15, 16, 17, 47, 100, 333}) {
        VideoFrame a, b;
        a.Resize(width, 9);
        b.Resize(width, 9);
        for (auto& v : a.data) v = uint8_t(rng() % 40);
        for (size_t i = 0; i < b.data.size(); ++i) b.data[i] = uint8_t(a.data[i] + rng() % 20);
        for (int s : {0, 8, 12, 19}) {
            const MotionRegion r = ClipRegion(width / 5, 1, width, 8, width, 9);
            int expected = 0;
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) {
                    bool c = false;
                    for (int k = 0; k < 3; ++k)
                        c |= std::abs(int(a.Row(y)[3 * x + k]) - int(b.Row(y)[3 * x + k])) > s;
                    expected += c;
                }
            VideoFrame prev = a;
            EXPECT_EQ(CompareAndKeepRegion(prev.data.data(), b.data.data(), a.stride, r, s),
                      expected)
                << width << " " << s;
            // The region now holds the new frame; the rest is as it was.
            for (int y = 0; y < 9; ++y)
                for (int x = 0; x < width; ++x) {
                    const bool inside = y >= r.top && y < r.bottom && x >= r.left && x < r.right;
                    EXPECT_EQ(0,
                              std::memcmp(prev.Row(y) + 3 * x, (inside ? b : a).Row(y) + 3 * x, 3));
                }
        }
    }
}

TEST_F(MotionTest, AnObjectIsFramedOnItsPictureAndItsBoxGoesWithTheRecord) {
    StoreLive(settings.motionEnabled, 1);
    StoreLive(settings.motionSound, 0);
    StoreLive(settings.motionMode, kMotionObject);
    StoreLive(settings.motionIntervalSeconds, 0);
    Region(0, 0, W, H);
    VideoFrame still = Frame(90);
    for (int i = 0; i < 3; ++i) Check(still);
    VideoFrame moving = still;
    for (int y = 16; y < 26; ++y) std::fill_n(moving.Row(y) + 3 * 24, 3 * 8, uint8_t(20));
    const VideoFrame before = moving;
    Check(moving);
    // The live frame goes on as it came; the picture has the object framed in red.
    EXPECT_EQ(moving.data, before.data);
    const QStringList lines = Log();
    ASSERT_EQ(lines.size(), 1);
    const auto fields = SplitLogLine(lines[0]);
    EXPECT_EQ(fields[5], option->LanguageText(12) + " [24,16 8x10]");
    const QImage picture(fields[7]);
    ASSERT_FALSE(picture.isNull());
    int redness = 0;
    for (int y = 16; y < 26; ++y) {
        const QColor c = picture.pixelColor(24, y);
        redness += c.red() - c.green();
    }
    EXPECT_GT(redness / 10, 40);
}
