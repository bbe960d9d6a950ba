#include <QDir>
#include <QDirIterator>
#include <chrono>
#include <gtest/gtest.h>

#include "support/CameraInternals.h"
#include "support/CameraFixture.h"
#include "support/MediaProbe.h"
#include "support/Wait.h"

#include "host/CameraCell.h"
#include "host/Housekeeping.h"
#include "capture/Usbcamera.h"
#include "common/Clock.h"
#include "common/FreeSpace.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/LogReceiver.h"
#include "record/Ymp4.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

class RecordingTest : public trelvix::test::CameraFixture {
protected:
    void SetUp() override { QDir().mkpath(videos()); }
    void TearDown() override {
        Clear();
        SetClockForTesting(nullptr);
        xvid::SetThreadClockForTesting(nullptr);
        SetFreeSpaceQuery(nullptr);
    }
    // The recordings of every camera, in every folder.
    QStringList Recordings() const {
        QStringList files;
        QDirIterator it(videos(), {"*.mp4"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) files << it.next();
        return files;
    }
    QDateTime now = QDateTime::currentDateTime();
    std::mutex clockMutex;
    QString videos() const { return dir.path() + "/videos"; }
    // The clock the recording reads, from `now` on; Advance moves it.
    void UseTestClock() {
        SetClockForTesting([this] {
            std::lock_guard lock(clockMutex);
            return now;
        });
    }
    void Advance(int s) {
        std::lock_guard lock(clockMutex);
        now = now.addSecs(s);
    }
    // Waits until the camera has delivered (or its recording thread written) `more` frames.
    static bool More(UsbCamera* cam, uint64_t more, bool written = false) {
        const auto count = [cam, written] {
            const auto* t = cam->recording().recorder().thread();
            return written ? (t ? t->framesWritten() : 0) : cam->view().framesDelivered();
        };
        return WaitFor([&, from = count()] { return count() >= from + more; });
    }
    UsbCamera* Start(const QString& id, int cell, int rate = 10,
                     const std::function<void(CDataClass&)>& more = {}) {
        return StartWith(id, cell, [&](CDataClass& rec) {
            rec.videoFolder = videos();
            StoreLive(rec.recordFrameRate, rate);
            if (more) more(rec);
        });
    }
    int CountLines(const QStringList& lines, int kind, int description, bool withFile) {
        int n = 0;
        for (const QString& l : lines) {
            const auto f = SplitLogLine(l);
            n += f[0] == QString::number(kind) && f[5] == option->LanguageText(description) &&
                 f[7].isEmpty() != withFile;
        }
        return n;
    }
    // The clock from `from` on.
    void UseTestClock(const QDateTime& from) {
        {
            std::lock_guard lock(clockMutex);
            now = from;
        }
        UseTestClock();
    }
    QDateTime TestNow() {
        std::lock_guard lock(clockMutex);
        return now;
    }
    // A member, not a local: the cameras' threads read it until TearDown has ended them.
    std::atomic<qint64> freeBytes{0};
};

}  // namespace

class RecordingFormat : public RecordingTest,
                        public ::testing::WithParamInterface<std::pair<VideoCodec, AVCodecID>> {};

TEST_P(RecordingFormat, RecordsAFileInItsFormatAtTheRecordingRate) {
    UsbCamera* cam = Start("test:smpte:320x240@30", 0, 10);
    StoreLive(cam->settings->recordCodec, int(GetParam().first));
    cam->recording().StartRecording();
    EXPECT_EQ(cam->state(), CameraState::Recording);
    ASSERT_TRUE(WaitFor([&] { return !cam->recording().recorder().CurrentFile().isEmpty(); }));
    const QString file = cam->recording().recorder().CurrentFile();
    EXPECT_TRUE(file.startsWith(cam->settings->DayVideoFolder(QDate::currentDate())));
    // How the frames follow the clock is the schedule's test; here the file must hold them.
    ASSERT_TRUE(
        WaitFor([&] { return cam->recording().recorder().thread()->framesWritten() >= 20; }));
    cam->recording().StopRecording();
    EXPECT_EQ(cam->state(), CameraState::Idle);
    EXPECT_TRUE(cam->HasGraph());  // the preview runs on
    const test::Probe p = test::ProbeFile(file);
    EXPECT_EQ(p.codec, GetParam().second);
    // What every player takes: 4:2:0, and for H.264 the Main or High profile.
    EXPECT_EQ(p.format, AV_PIX_FMT_YUV420P);
    if (p.codec == AV_CODEC_ID_H264) {
        EXPECT_TRUE(p.profile == FF_PROFILE_H264_MAIN || p.profile == FF_PROFILE_H264_HIGH)
            << p.profile;
    }
    EXPECT_EQ(p.width, 320);
    EXPECT_EQ(p.height, 240);
    EXPECT_NEAR(av_q2d(p.rate), 10.0, 0.01);
    EXPECT_GE(p.seconds, 1.9);
    const QStringList lines = Log();
    // One start line: the first file's, with its path.
    EXPECT_EQ(CountLines(lines, 1, 13, false), 0);
    EXPECT_EQ(CountLines(lines, 1, 13, true), 1);
    EXPECT_EQ(CountLines(lines, 1, 14, false), 1);  // stopped
}

INSTANTIATE_TEST_SUITE_P(Codecs, RecordingFormat,
                         ::testing::Values(std::pair{VideoCodec::kMpeg4, AV_CODEC_ID_MPEG4},
                                           std::pair{VideoCodec::kH264, AV_CODEC_ID_H264}),
                         [](const auto& info) {
                             return std::string(avcodec_get_name(info.param.second));
                         });

TEST_F(RecordingTest, StateTable) {
    UsbCamera* cam = Start("test:black:160x120@30", 1, 10);
    cam->recording().StopRecording();  // not recording: nothing
    cam->recording().StartRecording();
    cam->recording().StartRecording();  // again: nothing
    ASSERT_TRUE(WaitFor([&] { return !cam->recording().recorder().CurrentFile().isEmpty(); }));
    const QString continuous = cam->recording().recorder().CurrentFile();
    // Motion takes over the continuous recording in the same file: no short file is cut off.
    cam->recording().StartMotionRecording();
    EXPECT_TRUE(cam->recording().IsMotionRecording());
    ASSERT_TRUE(More(cam, 3, true));
    EXPECT_EQ(cam->recording().recorder().CurrentFile(), continuous);
    cam->recording().StopRecording();  // requires Recording: nothing
    EXPECT_TRUE(cam->recording().IsMotionRecording());
    cam->recording().StopMotionRecording();
    EXPECT_EQ(cam->state(), CameraState::Idle);  // continuous recording does not come back
    EXPECT_TRUE(cam->recording().recorder().CurrentFile().isEmpty());
    cam->recording().StopMotionRecording();
    const QStringList lines = Log();
    EXPECT_EQ(CountLines(lines, 1, 13, false), 0);
    EXPECT_EQ(CountLines(lines, 1, 14, false), 0);
    EXPECT_EQ(CountLines(lines, 2, 8, false), 1);
    EXPECT_EQ(CountLines(lines, 2, 9, false), 1);
    EXPECT_EQ(CountLines(lines, 1, 13, true), 1);
    // Stopping the camera while recording closes the file first.
    cam->recording().StartRecording();
    ASSERT_TRUE(WaitFor([&] { return !cam->recording().recorder().CurrentFile().isEmpty(); }));
    const QString last = cam->recording().recorder().CurrentFile();
    cam->StopCamera();
    EXPECT_TRUE(cam->recording().recorder().CurrentFile().isEmpty());
    EXPECT_GT(test::ProbeFile(last).seconds, 0.0);
    EXPECT_EQ(CountLines(Log(), 1, 14, false), 1);
}

TEST_F(RecordingTest, AFullDiskPausesTheRecordingWithOneLineAndItResumesWithAnother) {
    UseTestClock();
    SetFreeSpaceQuery([this](const QString&, qint64* bytes) {
        *bytes = freeBytes;
        return true;
    });
    constexpr int kPaused = 30800, kResumed = 30801, kStarted = 13;
    UsbCamera* cam = Start("test:ball:160x120@30", 0, 10);
    cam->recording().StartRecording();
    ASSERT_TRUE(WaitFor([&] { return CountLines(Log(now.date()), 1, kPaused, true) == 1; }));
    // A minute of tries on the full disk: no file, no start line, no second pause line.
    for (int i = 0; i < 12; ++i) {
        Advance(6);
        ASSERT_TRUE(More(cam, 2, true));  // the writer saw the time
    }
    QStringList lines = Log(TestNow().date());
    EXPECT_EQ(CountLines(lines, 1, kPaused, true), 1);
    EXPECT_EQ(CountLines(lines, 1, kStarted, true) + CountLines(lines, 1, kStarted, false), 0);
    EXPECT_TRUE(Recordings().isEmpty()) << Recordings().join(", ").toStdString();
    for (const QString& l : lines) {
        if (SplitLogLine(l)[5] == option->LanguageText(kPaused)) {
            EXPECT_TRUE(SplitLogLine(l)[7].startsWith(videos())) << l.toStdString();
        }
    }

    freeBytes = qint64(1) << 32;
    Advance(6);
    ASSERT_TRUE(WaitFor([&] { return CountLines(Log(now.date()), 1, kStarted, true) == 1; }));
    lines = Log(now.date());
    EXPECT_EQ(CountLines(lines, 1, kResumed, true), 1);
    EXPECT_EQ(CountLines(lines, 1, kPaused, true), 1);
    cam->recording().StopRecording();
    EXPECT_EQ(Recordings().size(), 1);
}

TEST_F(RecordingTest, MotionStartsAndStopsARecording) {
    UseTestClock();
    UsbCamera* cam = Start("test:snow:160x120@30", 2, 10);
    StoreLive(cam->settings->motionEnabled, 1);
    StoreLive(cam->settings->motionNoPicture, 1);
    StoreLive(cam->settings->motionSound, 0);
    StoreLive(cam->settings->motionRecord, 1);
    StoreLive(cam->settings->motionRecordStopSeconds, 3);
    StoreLive(cam->settings->motionIntervalSeconds, 1);
    // Snow changes every pixel: the second check finds motion.
    ASSERT_TRUE(WaitFor([&] {
        Advance(1);
        return More(cam, 2) && cam->recording().IsMotionRecording();
    }));
    ASSERT_TRUE(WaitFor([&] { return !cam->recording().recorder().CurrentFile().isEmpty(); }));
    const QString file = cam->recording().recorder().CurrentFile();
    // Still: nothing can differ by more than 255.
    StoreLive(cam->settings->motionSensitivity, 255);
    ASSERT_TRUE(WaitFor([&] {
        Advance(1);
        return More(cam, 2) && !cam->recording().IsMotionRecording();
    }));
    EXPECT_TRUE(cam->recording().recorder().CurrentFile().isEmpty());
    EXPECT_GT(test::ProbeFile(file).seconds, 0.0);
    const QStringList lines = Log(TestNow().date());
    EXPECT_EQ(CountLines(lines, 2, 8, false), 1);
    EXPECT_EQ(CountLines(lines, 2, 9, false), 1);
}

TEST_F(RecordingTest, ANewDayGoesIntoTheNewDaysFolder) {
    now = QDateTime(QDate(2024, 5, 10), QTime(23, 59, 0));
    UseTestClock();
    UsbCamera* cam = Start("test:black:160x120@30", 3, 10);
    cam->recording().StartRecording();
    ASSERT_TRUE(WaitFor([&] { return !cam->recording().recorder().CurrentFile().isEmpty(); }));
    EXPECT_TRUE(cam->recording().recorder().CurrentFile().contains("/03/20240510Video/"));
    Advance(120);
    cam->recording().UpdateRecordingRoot();
    ASSERT_TRUE(WaitFor(
        [&] { return cam->recording().recorder().CurrentFile().contains("/03/20240511Video/"); }));
    cam->recording().StopRecording();
    EXPECT_EQ(QDir(videos() + "/03/20240510Video").entryList(QDir::Files).size(), 1);
}

TEST_F(RecordingTest, AbsurdFrameRatesRecordAtTheNearestAllowedOne) {
    for (int rate : {1'000'000'001, 300'000'000, 0, -5}) {
        UsbCamera* cam = Start("test:ball:160x120@30", 0, rate);
        cam->recording().StartRecording();
        ASSERT_TRUE(cam->recording().recorder().thread());
        EXPECT_EQ(cam->recording().recorder().thread()->periodMs, rate > 0 ? 1000 / 30 : 1000 / 5)
            << rate;
        ASSERT_TRUE(
            WaitFor([&] { return cam->recording().recorder().thread()->framesWritten() > 2; }));
        cam->StopCamera();  // returns: the thread ends at once
        Clear();
    }
}

TEST_F(RecordingTest, AMotionRecordingBeginsTheSetSecondsBeforeTheMotion) {
    // Time runs four times as fast for the camera, its recording thread and the writer.
    constexpr int kSpeed = 4;
    const auto realStart = std::chrono::steady_clock::now();
    const QDateTime wallStart = QDateTime::currentDateTime();
    auto elapsed = [=] { return (std::chrono::steady_clock::now() - realStart) * kSpeed; };
    SetClockForTesting([=] {
        return wallStart.addMSecs(
            std::chrono::duration_cast<std::chrono::milliseconds>(elapsed()).count());
    });
    xvid::SetThreadClockForTesting([=] { return realStart + elapsed(); });
    UsbCamera* cam = Start("test:ball:640x480@30", 1, 10, [](CDataClass& rec) {
        StoreLive(rec.recordCodec, int(VideoCodec::kH264));
        StoreLive(rec.motionEnabled, 1);
        StoreLive(rec.motionRecord, 1);
        StoreLive(rec.motionNoPicture, 1);
        StoreLive(rec.motionSound, 0);
        StoreLive(rec.motionIntervalSeconds, 1);
        StoreLive(rec.motionAreaPercent, 100);  // no change is more than all: no motion yet
    });
    EXPECT_EQ(Live(cam->settings->preMotionSeconds), 5);  // the default
    ASSERT_TRUE(WaitFor([&] { return yMP4CHeldBytes(1) > 0; }));
    const QDateTime holding = Now();
    ASSERT_TRUE(WaitFor([&] { return holding.secsTo(Now()) >= 8; }));
    EXPECT_FALSE(cam->recording().IsMotionRecording());
    EXPECT_TRUE(Recordings().isEmpty());
    const size_t held = yMP4CHeldBytes(1);
    RecordProperty("held_bytes_640x480", std::to_string(held));
    EXPECT_LT(held, 3u << 20);

    StoreLive(cam->settings->motionAreaPercent, 1);  // the ball's motion counts from now on
    const qint64 before = Now().toMSecsSinceEpoch();
    ASSERT_TRUE(WaitFor([&] { return cam->recording().IsMotionRecording(); }));
    // When the camera saw the motion (and logged it), however late its message came.
    const QDateTime motion = QDateTime::fromMSecsSinceEpoch(test::FrameCallback(cam).motionSeenMs);
    EXPECT_GE(motion.toMSecsSinceEpoch(), before);
    EXPECT_LE(motion, Now());
    ASSERT_TRUE(WaitFor([&] { return !cam->recording().recorder().CurrentFile().isEmpty(); }));
    const QString file = cam->recording().recorder().CurrentFile();
    ASSERT_TRUE(WaitFor([&] { return motion.secsTo(Now()) >= 2; }));
    const QDateTime stop = Now();
    StoreLive(cam->settings->motionAreaPercent, 100);
    cam->recording().StopMotionRecording();

    // The file ends at the stop, so its length tells when its first picture was taken.
    const test::Probe p = test::ProbeFile(file);
    const QDateTime first = stop.addMSecs(-qint64(p.seconds * 1000));
    EXPECT_NEAR(first.msecsTo(motion) / 1000.0, 5.0, 1.0);
    // Its name and its stated start are that picture's time, to the second.
    const QDateTime named =
        QDateTime::fromString(QFileInfo(file).fileName().left(15), "yyyyMMdd HHmmss");
    EXPECT_EQ(named.toMSecsSinceEpoch(), p.start.toMSecsSinceEpoch());
    EXPECT_NEAR(named.msecsTo(first) / 1000.0, 0.5, 1.0);
    EXPECT_EQ(Recordings().size(), 1);
    // Waiting for the next motion, the camera keeps its last seconds again.
    EXPECT_TRUE(cam->recording().recorder().holding());
}
