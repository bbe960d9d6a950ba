#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>

#include "support/HeadlessCameras.h"
#include "support/Wait.h"

extern "C" {
#include <libavcodec/avcodec.h>
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
#include "record/Ymp4.h"

using namespace trelvix;
using trelvix::test::WaitFor;

namespace {

struct Probe {
    int codec = 0, width = 0, height = 0, format = -1, profile = -1;
    double fps = 0, duration = 0;
    QDateTime start;  // the first picture's time, as the file states it
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
        p.format = s->codecpar->format;
        p.profile = s->codecpar->profile;
        p.fps = av_q2d(s->avg_frame_rate);
        if (const AVDictionaryEntry* e = av_dict_get(ctx->metadata, "creation_time", nullptr, 0))
            p.start = QDateTime::fromString(e->value, Qt::ISODateWithMs).toLocalTime();
        if (ctx->duration > 0) p.duration = double(ctx->duration) / AV_TIME_BASE;
    }
    avformat_close_input(&ctx);
    return p;
}

class RecordingTest : public ::testing::Test, protected trelvix::test::HeadlessCameras {
protected:
    void SetUp() override {
        EnsureUserFolder();
        option = std::make_unique<Option>(dir.path() + "/kvCamera.ini");
        gOption = option.get();
        QDir().mkpath(videos());
    }
    void TearDown() override {
        Clear();
        option.reset();
        gOption = nullptr;
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
    QString videos() const { return dir.path() + "/videos"; }
    UsbCamera* Start(const QString& id, int cell, int rate = 10,
                     const std::function<void(CDataClass&)>& more = {}) {
        // The camera's record is prepared before it starts, as a settings file would hold it.
        CDataClass rec;
        rec.cameraId = cell;
        rec.videoFolder = videos();
        rec.recordFrameRate = rate;
        if (more) more(rec);
        rec.Save();
        return HeadlessCameras::Start(id, cell);
    }
    QStringList Log(const QDate& day = QDate::currentDate()) {
        QCoreApplication::sendPostedEvents();
        return ReadLogLines(LogFileName(option->LogPath, day));
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

    // A clock the test moves. It and the free space are members, not locals: the cameras'
    // threads read them until TearDown has ended the cameras.
    void FakeClock(const QDateTime& start) {
        {
            std::lock_guard lock(fakeMutex);
            fakeNow = start;
        }
        SetClockForTesting([this] { return FakeNow(); });
    }
    QDateTime FakeNow() {
        std::lock_guard lock(fakeMutex);
        return fakeNow;
    }
    void Advance(int seconds) {
        std::lock_guard lock(fakeMutex);
        fakeNow = fakeNow.addSecs(seconds);
    }

    QTemporaryDir dir;
    std::unique_ptr<Option> option;
    LogReceiverObject receiver;
    std::mutex fakeMutex;
    QDateTime fakeNow;
    std::atomic<qint64> freeBytes{0};
};

}  // namespace

class RecordingFormat : public RecordingTest,
                        public ::testing::WithParamInterface<std::pair<VideoCodec, AVCodecID>> {};

TEST_P(RecordingFormat, RecordsAFileInItsFormatAtTheRecordingRate) {
    UsbCamera* cam = Start("test:smpte:320x240@30", 0, 10);
    cam->settings->recordCodec = int(GetParam().first);
    cam->StartRecording();
    EXPECT_EQ(cam->callback.state, CameraState::Recording);
    ASSERT_TRUE(WaitFor([&] { return !cam->recorder->CurrentFile().isEmpty(); }));
    const QString file = cam->recorder->CurrentFile();
    EXPECT_TRUE(file.startsWith(cam->settings->DayVideoFolder(QDate::currentDate())));
    // How the frames follow the clock is the schedule's test; here the file must hold them.
    ASSERT_TRUE(WaitFor([&] { return cam->recorder->thread()->framesWritten() >= 20; }));
    cam->StopRecording();
    EXPECT_EQ(cam->callback.state, CameraState::Idle);
    EXPECT_TRUE(cam->HasGraph());  // the preview runs on
    const Probe p = ProbeFile(file);
    EXPECT_EQ(p.codec, GetParam().second);
    // What every player takes: 4:2:0, and for H.264 the Main or High profile.
    EXPECT_EQ(p.format, AV_PIX_FMT_YUV420P);
    if (p.codec == AV_CODEC_ID_H264) {
        EXPECT_TRUE(p.profile == FF_PROFILE_H264_MAIN || p.profile == FF_PROFILE_H264_HIGH)
            << p.profile;
    }
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

INSTANTIATE_TEST_SUITE_P(Codecs, RecordingFormat,
                         ::testing::Values(std::pair{VideoCodec::kMpeg4, AV_CODEC_ID_MPEG4},
                                           std::pair{VideoCodec::kH264, AV_CODEC_ID_H264}),
                         [](const auto& info) {
                             return std::string(avcodec_get_name(info.param.second));
                         });

TEST_F(RecordingTest, StateTable) {
    UsbCamera* cam = Start("test:black:160x120@30", 1, 10);
    cam->StopRecording();  // not recording: nothing
    cam->StartRecording();
    cam->StartRecording();  // again: nothing
    ASSERT_TRUE(WaitFor([&] { return !cam->recorder->CurrentFile().isEmpty(); }));
    const QString continuous = cam->recorder->CurrentFile();
    // Motion takes over the continuous recording in the same file: no short file is cut off.
    cam->StartMotionRecording();
    EXPECT_TRUE(cam->IsMotionRecording());
    WaitFor([] { return false; }, 300);
    EXPECT_EQ(cam->recorder->CurrentFile(), continuous);
    cam->StopRecording();  // requires Recording: nothing
    EXPECT_TRUE(cam->IsMotionRecording());
    cam->StopMotionRecording();
    EXPECT_EQ(cam->callback.state, CameraState::Idle);  // continuous recording does not come back
    EXPECT_TRUE(cam->recorder->CurrentFile().isEmpty());
    cam->StopMotionRecording();
    const QStringList lines = Log();
    EXPECT_EQ(CountLines(lines, 1, 13, false), 0);
    EXPECT_EQ(CountLines(lines, 1, 14, false), 0);
    EXPECT_EQ(CountLines(lines, 2, 8, false), 1);
    EXPECT_EQ(CountLines(lines, 2, 9, false), 1);
    EXPECT_EQ(CountLines(lines, 1, 13, true), 1);
    // Stopping the camera while recording closes the file first.
    cam->StartRecording();
    ASSERT_TRUE(WaitFor([&] { return !cam->recorder->CurrentFile().isEmpty(); }));
    const QString last = cam->recorder->CurrentFile();
    cam->StopCamera();
    EXPECT_TRUE(cam->recorder->CurrentFile().isEmpty());
    EXPECT_GT(ProbeFile(last).duration, 0.0);
    EXPECT_EQ(CountLines(Log(), 1, 14, false), 1);
}

TEST_F(RecordingTest, AFullDiskPausesTheRecordingWithOneLineAndItResumesWithAnother) {
    FakeClock(QDateTime::currentDateTime());
    SetFreeSpaceQuery([this](const QString&, qint64* bytes) {
        *bytes = freeBytes;
        return true;
    });
    constexpr int kPaused = 30800, kResumed = 30801, kStarted = 13;
    UsbCamera* cam = Start("test:ball:160x120@30", 0, 10);
    cam->StartRecording();
    ASSERT_TRUE(WaitFor([&] { return CountLines(Log(FakeNow().date()), 1, kPaused, true) == 1; }));
    // A minute of tries on the full disk: no file, no start line, no second pause line.
    for (int i = 0; i < 12; ++i) {
        Advance(6);
        WaitFor([] { return false; }, 100);
    }
    QStringList lines = Log(FakeNow().date());
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
    ASSERT_TRUE(WaitFor([&] { return CountLines(Log(FakeNow().date()), 1, kStarted, true) == 1; }));
    lines = Log(FakeNow().date());
    EXPECT_EQ(CountLines(lines, 1, kResumed, true), 1);
    EXPECT_EQ(CountLines(lines, 1, kPaused, true), 1);
    cam->StopRecording();
    EXPECT_EQ(Recordings().size(), 1);
}

TEST_F(RecordingTest, MotionStartsAndStopsARecording) {
    FakeClock(QDateTime::currentDateTime());
    UsbCamera* cam = Start("test:snow:160x120@30", 2, 10);
    cam->settings->motionEnabled = 1;
    cam->settings->motionNoPicture = 1;
    cam->settings->motionSound = 0;
    cam->settings->motionRecord = 1;
    cam->settings->motionRecordStopSeconds = 3;
    cam->settings->motionIntervalSeconds = 1;
    // Snow changes every pixel: the second check finds motion.
    ASSERT_TRUE(WaitFor([&] {
        Advance(1);
        WaitFor([] { return false; }, 150);
        return cam->IsMotionRecording();
    }));
    ASSERT_TRUE(WaitFor([&] { return !cam->recorder->CurrentFile().isEmpty(); }));
    const QString file = cam->recorder->CurrentFile();
    // Still: nothing can differ by more than 255.
    cam->settings->motionSensitivity = 255;
    ASSERT_TRUE(WaitFor([&] {
        Advance(1);
        WaitFor([] { return false; }, 150);
        return !cam->IsMotionRecording();
    }));
    EXPECT_TRUE(cam->recorder->CurrentFile().isEmpty());
    EXPECT_GT(ProbeFile(file).duration, 0.0);
    const QStringList lines = Log(FakeNow().date());
    EXPECT_EQ(CountLines(lines, 2, 8, false), 1);
    EXPECT_EQ(CountLines(lines, 2, 9, false), 1);
}

TEST_F(RecordingTest, ANewDayGoesIntoTheNewDaysFolder) {
    FakeClock(QDateTime(QDate(2024, 5, 10), QTime(23, 59, 0)));
    UsbCamera* cam = Start("test:black:160x120@30", 3, 10);
    cam->StartRecording();
    ASSERT_TRUE(WaitFor([&] { return !cam->recorder->CurrentFile().isEmpty(); }));
    EXPECT_TRUE(cam->recorder->CurrentFile().contains("/03/20240510Video/"));
    FakeClock(QDateTime(QDate(2024, 5, 11), QTime(0, 1, 0)));
    cam->UpdateRecordingRoot();
    ASSERT_TRUE(
        WaitFor([&] { return cam->recorder->CurrentFile().contains("/03/20240511Video/"); }));
    cam->StopRecording();
    EXPECT_EQ(QDir(videos() + "/03/20240510Video").entryList(QDir::Files).size(), 1);
}

TEST_F(RecordingTest, AbsurdFrameRatesRecordAtTheNearestAllowedOne) {
    for (int rate : {1'000'000'001, 300'000'000, 0, -5}) {
        UsbCamera* cam = Start("test:ball:160x120@30", 0, rate);
        cam->StartRecording();
        ASSERT_TRUE(cam->recorder->thread());
        EXPECT_EQ(cam->recorder->thread()->periodMs, rate > 0 ? 1000 / 30 : 1000 / 5) << rate;
        ASSERT_TRUE(WaitFor([&] { return cam->recorder->thread()->framesWritten() > 2; }));
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
        rec.recordCodec = int(VideoCodec::kH264);
        rec.motionEnabled = 1;
        rec.motionRecord = 1;
        rec.motionNoPicture = 1;
        rec.motionSound = 0;
        rec.motionIntervalSeconds = 1;
        rec.motionAreaPercent = 100;  // no change is more than all: no motion yet
    });
    EXPECT_EQ(cam->settings->preMotionSeconds, 5);  // the default
    ASSERT_TRUE(WaitFor([&] { return yMP4CHeldBytes(1) > 0; }));
    const QDateTime holding = Now();
    ASSERT_TRUE(WaitFor([&] { return holding.secsTo(Now()) >= 8; }));
    EXPECT_FALSE(cam->IsMotionRecording());
    EXPECT_TRUE(Recordings().isEmpty());
    const size_t held = yMP4CHeldBytes(1);
    RecordProperty("held_bytes_640x480", std::to_string(held));
    EXPECT_LT(held, 3u << 20);

    cam->settings->motionAreaPercent = 1;  // the ball's motion counts from now on
    const qint64 before = Now().toMSecsSinceEpoch();
    ASSERT_TRUE(WaitFor([&] { return cam->IsMotionRecording(); }));
    // When the camera saw the motion (and logged it), however late its message came.
    const QDateTime motion = QDateTime::fromMSecsSinceEpoch(cam->callback.motionSeenMs);
    EXPECT_GE(motion.toMSecsSinceEpoch(), before);
    EXPECT_LE(motion, Now());
    ASSERT_TRUE(WaitFor([&] { return !cam->recorder->CurrentFile().isEmpty(); }));
    const QString file = cam->recorder->CurrentFile();
    ASSERT_TRUE(WaitFor([&] { return motion.secsTo(Now()) >= 2; }));
    const QDateTime stop = Now();
    cam->settings->motionAreaPercent = 100;
    cam->StopMotionRecording();

    // The file ends at the stop, so its length tells when its first picture was taken.
    const Probe p = ProbeFile(file);
    const QDateTime first = stop.addMSecs(-qint64(p.duration * 1000));
    EXPECT_NEAR(first.msecsTo(motion) / 1000.0, 5.0, 1.0);
    // Its name and its stated start are that picture's time, to the second.
    const QDateTime named =
        QDateTime::fromString(QFileInfo(file).fileName().left(15), "yyyyMMdd HHmmss");
    EXPECT_EQ(named.toMSecsSinceEpoch(), p.start.toMSecsSinceEpoch());
    EXPECT_NEAR(named.msecsTo(first) / 1000.0, 0.5, 1.0);
    EXPECT_EQ(Recordings().size(), 1);
    // Waiting for the next motion, the camera keeps its last seconds again.
    EXPECT_TRUE(cam->recorder->holding());
}
