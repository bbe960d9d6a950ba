#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/CameraInternals.h"
#include "support/CameraFixture.h"
#include "support/Wait.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include "host/CameraCell.h"
#include "host/Housekeeping.h"
#include "capture/Usbcamera.h"
#include "common/Clock.h"
#include "common/FreeSpace.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/LogReceiver.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

struct Probe {
    int codec = 0, width = 0, height = 0;
    double fps = 0, duration = 0;
};

Probe ProbeFile(const QString& path) {
    Probe p;
    AVFormatContext* ctx = nullptr;
    if (avformat_open_input(&ctx, path.toUtf8().constData(), nullptr, nullptr) != 0) return p;
    if (avformat_find_stream_info(ctx, nullptr) >= 0 && ctx->nb_streams > 0) {
        const AVStream* s = ctx->streams[0];
        p.codec = s->codecpar->codec_id;
        p.width = s->codecpar->width;
        p.height = s->codecpar->height;
        p.fps = av_q2d(s->avg_frame_rate);
        if (ctx->duration > 0) p.duration = double(ctx->duration) / AV_TIME_BASE;
    }
    avformat_close_input(&ctx);
    return p;
}

class RecordingTest : public trelvix::test::CameraFixture {
protected:
    void SetUp() override { QDir().mkpath(videos()); }
    void TearDown() override {
        Clear();
        SetClockForTesting(nullptr);
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
    UsbCamera* Start(const QString& id, int cell, int rate = 10) {
        return StartWith(id, cell, [&](CDataClass& rec) {
            rec.videoFolder = videos();
            StoreLive(rec.recordFrameRate, rate);
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
};

}  // namespace

TEST_F(RecordingTest, RecordsAnMpeg4FileAtTheRecordingRate) {
    UsbCamera* cam = Start("test:smpte:320x240@30", 0, 10);
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
    const Probe p = ProbeFile(file);
    EXPECT_EQ(p.codec, AV_CODEC_ID_MPEG4);
    EXPECT_EQ(p.width, 320);
    EXPECT_EQ(p.height, 240);
    EXPECT_NEAR(p.fps, 10.0, 0.01);
    EXPECT_GE(p.duration, 1.9);
    const QStringList lines = Log();
    // One start line: the first file's, with its path.
    EXPECT_EQ(CountLines(lines, 1, 13, false), 0);
    EXPECT_EQ(CountLines(lines, 1, 13, true), 1);
    EXPECT_EQ(CountLines(lines, 1, 14, false), 1);  // stopped
}

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
    EXPECT_GT(ProbeFile(last).duration, 0.0);
    EXPECT_EQ(CountLines(Log(), 1, 14, false), 1);
}

TEST_F(RecordingTest, AFullDiskPausesTheRecordingWithOneLineAndItResumesWithAnother) {
    UseTestClock();
    std::atomic<qint64> free{0};
    SetFreeSpaceQuery([&](const QString&, qint64* bytes) {
        *bytes = free;
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
    QStringList lines = Log(now.date());
    EXPECT_EQ(CountLines(lines, 1, kPaused, true), 1);
    EXPECT_EQ(CountLines(lines, 1, kStarted, true) + CountLines(lines, 1, kStarted, false), 0);
    EXPECT_TRUE(Recordings().isEmpty()) << Recordings().join(", ").toStdString();
    for (const QString& l : lines) {
        if (SplitLogLine(l)[5] == option->LanguageText(kPaused)) {
            EXPECT_TRUE(SplitLogLine(l)[7].startsWith(videos())) << l.toStdString();
        }
    }

    free = qint64(1) << 32;
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
    EXPECT_GT(ProbeFile(file).duration, 0.0);
    const QStringList lines = Log(now.date());
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
