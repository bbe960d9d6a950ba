#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "common/Frame.h"
#include "record/Ymp4.h"
#include "record/Ymp4Copy.h"
#include "support/H264Nals.h"
#include "support/FileSizeLimit.h"
#include "support/MediaProbe.h"
#include "support/TestFiles.h"

using namespace trelvix;
using trelvix::test::Probe;
using trelvix::test::ProbeFile;

namespace {

const QDateTime kStart(QDate(2024, 5, 6), QTime(7, 8, 9));

// Blue above, red below, a white square moving across the middle band.
VideoFrame Pattern(int w, int h, int k) {
    VideoFrame f;
    f.Resize(w, h);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = f.Row(y);
        for (int x = 0; x < w; ++x) {
            const bool top = y < h / 2;
            row[3 * x] = top ? 200 : 40;      // B
            row[3 * x + 1] = uint8_t(x / 8);  // G
            row[3 * x + 2] = top ? 40 : 200;  // R
        }
    }
    const int sx = (k * 8) % (w - 32), sy = h / 2 - 16;
    for (int y = sy; y < sy + 32; ++y) std::memset(f.Row(y) + 3 * sx, 255, 3 * 32);
    return f;
}

// Pictures that hardly compress, so files grow fast.
VideoFrame Noise(int w, int h, uint32_t seed) {
    VideoFrame f;
    f.Resize(w, h);
    for (uint8_t& b : f.data) b = uint8_t((seed = seed * 1664525u + 1013904223u) >> 24);
    return f;
}

QStringList Mp4Files(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.mp4")}, QDir::Files, QDir::Name);
}

class Writer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(yXvidInit(kYmp4Agreed, 4, 0));
        ASSERT_TRUE(yMP4CNew(kHandle, kYmp4Agreed));
        yMP4CSetNewMP4FileCallBackFunc(kHandle, [this](const int32_t* h, const QString& path) {
            reported.push_back({*h, path});
        });
        SetWriterClockForTesting([this] { return now; });
    }
    void TearDown() override {
        yXvidUnInt();
        SetWriterClockForTesting({});
    }

    QString Folder(const QString& name) const { return dir.path() + "/" + name + "/"; }
    bool Open(const QString& folder, int minutes = 30, int w = 320, int h = 240) {
        width = w;
        height = h;
        return yMP4COpen(kHandle, 10, w, h, 4, 15, folder, minutes);
    }
    // Frames at 10 per second of the fake clock.
    void Write(int n) {
        for (int i = 0; i < n; ++i) {
            const VideoFrame f = Pattern(width, height, frameNo++);
            ASSERT_TRUE(yVideoWrite(kHandle, f.data.data(), f.data.size()));
            now = now.addMSecs(100);
        }
    }

    static constexpr int kHandle = 3;
    QTemporaryDir dir;
    QDateTime now = kStart;
    int width = 320, height = 240, frameNo = 0;
    std::vector<std::pair<int32_t, QString>> reported;
};

TEST_F(Writer, WritesAPlayableMpeg4FileAtTheOpenedRate) {
    const QString folder = Folder("cam");
    ASSERT_TRUE(Open(dir.path() + "/cam"));           // the missing "/" is added
    EXPECT_EQ(yMP4CCurrentFile(kHandle), QString());  // the file starts with the first frame
    Write(25);
    const QString path = folder + "20240506 070809.mp4";
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].first, kHandle);
    EXPECT_EQ(reported[0].second, path);
    EXPECT_EQ(yMP4CCurrentFile(kHandle), path);
    yMP4CClose(kHandle);
    EXPECT_EQ(yMP4CCurrentFile(kHandle), QString());
    EXPECT_EQ(reported.size(), 1u);

    const Probe p = ProbeFile(path);
    ASSERT_TRUE(p.opened);
    EXPECT_EQ(p.codec, AV_CODEC_ID_MPEG4);
    EXPECT_EQ(p.tag, MKTAG('m', 'p', '4', 'v'));
    EXPECT_EQ(p.width, 320);
    EXPECT_EQ(p.height, 240);
    EXPECT_EQ(av_cmp_q(p.rate, AVRational{10, 1}), 0);
    EXPECT_EQ(p.frames, 25);
    EXPECT_NEAR(p.seconds, 2.5, 0.05);
    // BGR order and top-down rows: blue (high U) above, red (high V) below.
    EXPECT_GT(p.topU, 170);
    EXPECT_LT(p.topV, 140);
    EXPECT_GT(p.bottomV, 170);
    EXPECT_LT(p.bottomU, 140);
}

TEST_F(Writer, AReleasedHoldBeginsItsFileWithTheKeptSecondsAndIsNamedByTheirFirstPicture) {
    const QString folder = Folder("cam");
    ASSERT_TRUE(yMP4CSetCodec(kHandle, VideoCodec::kH264));
    ASSERT_TRUE(Open(folder));
    ASSERT_TRUE(yMP4CHold(kHandle, 5));
    Write(200);  // 20 s held: kept in memory only
    EXPECT_TRUE(reported.empty());
    EXPECT_TRUE(Mp4Files(folder).isEmpty());
    EXPECT_GT(yMP4CHeldBytes(kHandle), 0u);
    const QDateTime motion = now;
    ASSERT_TRUE(yMP4CRelease(kHandle, motion.addSecs(-5)));
    EXPECT_FALSE(yMP4CRelease(kHandle, motion));  // not held any more
    Write(30);
    yMP4CClose(kHandle);
    ASSERT_EQ(reported.size(), 1u);
    // Held pictures get a key frame every second: the file begins at the one asked for.
    EXPECT_EQ(reported[0].second, folder + motion.addSecs(-5).toString("yyyyMMdd HHmmss") + ".mp4");
    const Probe p = ProbeFile(reported[0].second);
    EXPECT_EQ(p.codec, AV_CODEC_ID_H264);
    EXPECT_EQ(p.frames, 80);  // 5 s before the motion and the 3 s after
}

// A copied camera's own packets are held the same way, from its own key frames.
TEST_F(Writer, AReleasedCopyHoldBeginsAtTheCamerasKeyFrameOfTheSecondsAsked) {
    const QString folder = Folder("cam");
    const test::EncodedClip clip = test::EncodeClip(230, 320, 240, 10);
    ASSERT_EQ(clip.packets.size(), 230u);
    ASSERT_TRUE(
        yMP4COpenCopy(kHandle, folder, 30, [](const QDateTime& t) { return t.toString(); }));
    ASSERT_TRUE(yMP4CHoldCopy(kHandle, 5));
    auto send = [&](size_t from, size_t to) {
        for (size_t k = from; k < to; ++k) {
            const QByteArray& p = clip.packets[k];
            const int64_t t = int64_t(k) * 100000000;
            ASSERT_TRUE(yMP4CWritePacket(kHandle, clip.info,
                                         {reinterpret_cast<const uint8_t*>(p.constData()),
                                          size_t(p.size()), t, t, clip.keys[k]}));
            now = now.addMSecs(100);
        }
    };
    send(0, 200);  // 20 s held: kept in memory only
    EXPECT_TRUE(Mp4Files(folder).isEmpty());
    EXPECT_GT(yMP4CHeldCopyBytes(kHandle), 0u);
    const QDateTime motion = now;
    ASSERT_TRUE(yMP4CReleaseCopy(kHandle, motion.addSecs(-5)));
    EXPECT_FALSE(yMP4CReleaseCopy(kHandle, motion));  // not held any more
    send(200, 230);
    yMP4CCloseCopy(kHandle);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].second, folder + motion.addSecs(-5).toString("yyyyMMdd HHmmss") + ".mp4");
    const test::Recorded r = test::ReadRecorded(reported[0].second);
    EXPECT_TRUE(r.firstIsKey);
    EXPECT_EQ(r.videoPackets, 80);  // 5 s before the motion and the 3 s after
}

TEST_F(Writer, RefusesWhatItCannotWriteAndCloseIsAlwaysHarmless) {
    const QString folder = Folder("cam");
    EXPECT_FALSE(yXvidInit(kYmp4Agreed + 1, 4, 0));
    EXPECT_FALSE(yMP4CNew(9, kYmp4Agreed + 1));
    EXPECT_FALSE(yMP4COpen(9, 10, 320, 240, 4, 15, folder, 30));  // no such handle
    EXPECT_FALSE(yMP4COpen(kHandle, 61, 320, 240, 4, 15, folder, 30));
    EXPECT_FALSE(yMP4COpen(kHandle, 10, 0, 240, 4, 15, folder, 30));
    EXPECT_FALSE(yMP4COpen(kHandle, 10, 320, 240, 4, 15, QString(), 30));
    const QString blocker = test::WriteFile(dir.path() + "/file");
    EXPECT_FALSE(yMP4COpen(kHandle, 10, 320, 240, 4, 15, blocker + "/sub", 30));

    const VideoFrame f = Pattern(322, 240, 0);  // 966 bytes of pixels, 968 with padding
    EXPECT_FALSE(yVideoWrite(kHandle, f.data.data(), f.data.size()));  // nothing open
    ASSERT_TRUE(yMP4COpen(kHandle, 10, 322, 240, 99, -5, folder, 0));  // clamped
    EXPECT_FALSE(yVideoWrite(kHandle, f.data.data(), size_t(966 * 240)));
    EXPECT_FALSE(yVideoWrite(kHandle, f.data.data(), f.data.size() - 1));
    EXPECT_FALSE(yVideoWrite(9, f.data.data(), f.data.size()));
    EXPECT_TRUE(Mp4Files(folder).isEmpty());
    EXPECT_TRUE(reported.empty());

    yMP4CClose(9);
    yMP4CClose(kHandle);
    yMP4CClose(kHandle);
    yMP4CDelete(9);
    EXPECT_EQ(yMP4CCurrentFile(9), QString());
    EXPECT_FALSE(yVideoWrite(kHandle, f.data.data(), f.data.size()));  // closed

    // Odd sizes are recorded without their last column and row.
    ASSERT_TRUE(Open(folder, 30, 321, 241));
    Write(3);
    yMP4CDelete(kHandle);  // finishes the file
    ASSERT_EQ(reported.size(), 1u);
    const Probe p = ProbeFile(reported[0].second);
    EXPECT_EQ(p.width, 320);
    EXPECT_EQ(p.height, 240);
    EXPECT_EQ(p.frames, 3);
}

TEST_F(Writer, CutsSegmentsByRecordedTimeAndNeverOverwrites) {
    const QString folder = Folder("cam");
    ASSERT_TRUE(Open(folder, 1));
    // A file already named by the second segment's start time stays untouched.
    const QString taken = test::WriteFile(folder + "20240506 070910.mp4", "keep");

    Write(5);
    now = kStart.addSecs(61);
    Write(3);
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[0].second, folder + "20240506 070809.mp4");
    EXPECT_EQ(reported[1].second, folder + "20240506 070910_2.mp4");
    EXPECT_EQ(reported[1].first, kHandle);
    EXPECT_EQ(yMP4CCurrentFile(kHandle), reported[1].second);

    // A new recording in the same second gets its own name too.
    now = kStart.addSecs(61);
    ASSERT_TRUE(Open(folder, 1));
    Write(2);
    // A clock set back starts a file named by the new time.
    now = kStart.addSecs(-120);
    Write(1);
    yMP4CClose(kHandle);
    ASSERT_EQ(reported.size(), 4u);
    EXPECT_EQ(reported[2].second, folder + "20240506 070910_3.mp4");
    EXPECT_EQ(reported[3].second, folder + "20240506 070609.mp4");
    // Names sort by time, and within a second in the order the files were made.
    EXPECT_EQ(Mp4Files(folder),
              QStringList({"20240506 070609.mp4", "20240506 070809.mp4", "20240506 070910.mp4",
                           "20240506 070910_2.mp4", "20240506 070910_3.mp4"}));

    EXPECT_EQ(test::ReadFile(taken), QByteArray("keep"));
    const int expected[] = {5, 3, 2, 1};
    for (int i = 0; i < 4; ++i) {
        const Probe p = ProbeFile(reported[size_t(i)].second);
        EXPECT_EQ(p.frames, expected[i]) << i;
        EXPECT_NEAR(p.seconds, expected[i] / 10.0, 0.05) << i;
    }
}

TEST_F(Writer, SetRootPathMovesLaterFilesToTheNewFolder) {
    ASSERT_TRUE(Open(Folder("day1"), 30));
    Write(4);
    EXPECT_TRUE(yMP4CSetRootPath(kHandle, dir.path() + "/day1", 30));  // the same folder
    Write(1);
    EXPECT_EQ(reported.size(), 1u);

    EXPECT_TRUE(yMP4CSetRootPath(kHandle, Folder("day2"), 1));
    EXPECT_TRUE(QDir(Folder("day2")).exists());
    EXPECT_TRUE(yMP4CCurrentFile(kHandle).startsWith(Folder("day1")));  // until the next frame
    Write(3);
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_TRUE(reported[1].second.startsWith(Folder("day2")));

    // A folder that cannot be made keeps the recording where it is; the minutes still apply.
    EXPECT_FALSE(yMP4CSetRootPath(kHandle, test::WriteFile(dir.path() + "/file") + "/day3", 1));
    now = now.addSecs(60);
    Write(2);
    yMP4CClose(kHandle);
    ASSERT_EQ(reported.size(), 3u);
    EXPECT_TRUE(reported[2].second.startsWith(Folder("day2")));
    EXPECT_EQ(ProbeFile(reported[0].second).frames, 5);
    EXPECT_EQ(ProbeFile(reported[1].second).frames, 3);
    EXPECT_EQ(ProbeFile(reported[2].second).frames, 2);
}

// The child process records and dies; the parent finds what it left. The test program has a
// single thread here, so the child may allocate and use the library freely.
template <typename Child>
int RunChild(Child child) {
    const pid_t pid = fork();
    if (pid == 0) _exit(child());
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// In a child: writer 0 open on `folder` at 10 pictures a second, its clock at `now`.
bool OpenInChild(const QString& folder, QDateTime* now) {
    SetWriterClockForTesting([now] { return *now; });
    return yXvidInit(kYmp4Agreed, 1, 0) && yMP4CNew(0, kYmp4Agreed) &&
           yMP4COpen(0, 10, 320, 240, 4, 15, folder, 30);
}

// Encoded frames in either format and a camera's own packets alike: what a kill leaves plays
// up to its last whole fragment.
struct KilledCase {
    bool copied;
    VideoCodec codec;
    AVCodecID id;
    int mayLose;  // pictures
};

class WriterKilled : public ::testing::TestWithParam<KilledCase> {};

// 35 pictures at 10 a second, a key frame every 10.
int RecordAndDie(const KilledCase& c, const QString& folder) {
    const test::EncodedClip clip =
        c.copied ? test::EncodeClip(35, 320, 240, 10) : test::EncodedClip{};
    if (c.copied && clip.packets.size() != 35) return 4;
    return RunChild([&] {
        if (c.copied) {
            if (!yMP4COpenCopy(0, folder, 30, [](const QDateTime& t) { return t.toString(); }))
                return 1;
            for (size_t k = 0; k < clip.packets.size(); ++k) {
                const QByteArray& p = clip.packets[k];
                const int64_t t = int64_t(k) * 100000000;
                if (!yMP4CWritePacket(0, clip.info,
                                      {reinterpret_cast<const uint8_t*>(p.constData()),
                                       size_t(p.size()), t, t, clip.keys[k]}))
                    return 2;
            }
        } else {
            if (!yXvidInit(kYmp4Agreed, 1, 0) || !yMP4CNew(0, kYmp4Agreed) ||
                !yMP4CSetCodec(0, c.codec) || !yMP4COpen(0, 10, 320, 240, 4, 15, folder, 30))
                return 1;
            for (int k = 0; k < 35; ++k) {
                const VideoFrame f = Pattern(320, 240, k);
                if (!yVideoWrite(0, f.data.data(), f.data.size())) return 2;
            }
        }
        raise(SIGKILL);
        return 3;
    });
}

TEST_P(WriterKilled, AKilledRecordingIsPlayableUpToItsLastWholeFragment) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/cam/";
    const int status = RecordAndDie(GetParam(), folder);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    const QStringList files = Mp4Files(folder);
    ASSERT_EQ(files.size(), 1);
    const Probe p = ProbeFile(folder + files[0]);
    ASSERT_TRUE(p.opened);
    EXPECT_EQ(p.codec, GetParam().id);
    EXPECT_GE(p.frames, 35 - GetParam().mayLose);
    EXPECT_LE(p.frames, 35);
    if (GetParam().copied) {
        const test::Recorded r = test::ReadRecorded(folder + files[0]);
        EXPECT_GE(r.texts.size(), 2u) << "the time track";
        // The pictures keep the times they were sent at, beside the time track too.
        for (size_t k = 0; k < r.videoMs.size(); ++k) EXPECT_EQ(r.videoMs[k], 100 * int64_t(k));
    }
}

// At most a second's fragment and a picture are lost; H.264 also the pictures its encoder held
// back for its B-frames.
INSTANTIATE_TEST_SUITE_P(
    Writers, WriterKilled,
    ::testing::Values(KilledCase{false, VideoCodec::kMpeg4, AV_CODEC_ID_MPEG4, 11},
                      KilledCase{false, VideoCodec::kH264, AV_CODEC_ID_H264, 15},
                      KilledCase{true, VideoCodec::kH264, AV_CODEC_ID_H264, 11}),
    [](const auto& info) {
        return std::string(info.param.copied ? "copied" : avcodec_get_name(info.param.id));
    });

TEST(WriterCrash, AFailedWriteFinishesTheFileAndRetriesLater) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/cam/";
    const int status = RunChild([&] {
        QDateTime now = kStart;
        int created = 0;
        if (!OpenInChild(folder, &now)) return 1;
        yMP4CSetNewMP4FileCallBackFunc(0, [&](const int32_t*, const QString&) { ++created; });
        int failed = 0, resumed = 0;
        yMP4CSetWriteFailureCallBackFunc(
            0, [&](const int32_t*, bool f, const QString&) { ++(f ? failed : resumed); });
        // Writing past this size fails with EFBIG as on a full disk, but the disk has room:
        // the failure is reported once, as one, and so is the recovery.
        const test::FileSizeLimit full(1500000);
        int written = 0;
        for (; written < 200; ++written, now = now.addMSecs(100)) {
            const VideoFrame f = Noise(320, 240, uint32_t(written));
            if (!yVideoWrite(0, f.data.data(), f.data.size())) break;
        }
        if (written < 10 || written == 200) return 2;
        if (!yMP4CCurrentFile(0).isEmpty()) return 3;
        const VideoFrame f = Pattern(320, 240, 0);
        if (yVideoWrite(0, f.data.data(), f.data.size())) return 4;  // too soon
        if (failed != 1 || resumed != 0) return 6;
        now = now.addSecs(6);
        if (!yVideoWrite(0, f.data.data(), f.data.size()) || created != 2) return 5;
        if (failed != 1 || resumed != 1) return 7;
        yMP4CClose(0);
        return 0;
    });
    ASSERT_TRUE(WIFEXITED(status)) << status;
    ASSERT_EQ(WEXITSTATUS(status), 0);
    const QStringList files = Mp4Files(folder);
    ASSERT_EQ(files.size(), 2);
    const Probe first = ProbeFile(folder + files[0]);
    EXPECT_EQ(first.codec, AV_CODEC_ID_MPEG4);
    EXPECT_GE(first.frames, 10);
    EXPECT_EQ(ProbeFile(folder + files[1]).frames, 1);
}

TEST(WriterCrash, AFileWhoseFirstFrameCouldNotBeWrittenIsNeverReported) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/cam/";
    const int status = RunChild([&] {
        QDateTime now = kStart;
        int reported = 0;
        if (!OpenInChild(folder, &now)) return 1;
        yMP4CSetNewMP4FileCallBackFunc(0, [&](const int32_t*, const QString&) { ++reported; });
        // Room for a file's header, none for a picture: a disk that has just filled up.
        const test::FileSizeLimit full(4096);
        for (int i = 0; i < 3; ++i, now = now.addSecs(6)) {
            const VideoFrame f = Noise(320, 240, uint32_t(i));
            if (yVideoWrite(0, f.data.data(), f.data.size())) return 2;
        }
        yMP4CClose(0);
        return reported == 0 ? 0 : 10 + reported;
    });
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "files reported that were never written";
    EXPECT_TRUE(Mp4Files(folder).isEmpty());
}

QString RecordOneSecond(const QString& folder, int handle) {
    QDateTime now = kStart;
    SetWriterClockForTesting([&] { return now; });
    EXPECT_TRUE(yMP4CNew(handle, kYmp4Agreed));
    EXPECT_TRUE(yMP4COpen(handle, 10, 160, 120, 4, 15, folder, 30));
    for (int i = 0; i < 10; ++i, now = now.addMSecs(100)) {
        const VideoFrame f = Pattern(160, 120, i);
        EXPECT_TRUE(yVideoWrite(handle, f.data.data(), f.data.size()));
    }
    const QString file = yMP4CCurrentFile(handle);
    yMP4CClose(handle);
    yMP4CDelete(handle);
    SetWriterClockForTesting(nullptr);
    return file;
}

}  // namespace

TEST(WriterLeftovers, FilesWithoutAFrameGoWhenTheNextRecordingStarts) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/cam/";
    const QString real = RecordOneSecond(folder, 40);
    ASSERT_GE(ProbeFile(real).frames, 10);
    // What a program killed in a recording's first second leaves: nothing, or a header.
    const QString empty = test::WriteFile(folder + "20240101 000000.mp4");
    const QString header = folder + "20240101 000100.mp4";
    ASSERT_TRUE(QFile::copy(real, header));
    QFile(header).resize(600);
    ASSERT_EQ(ProbeFile(header).frames, 0);

    const QString next = RecordOneSecond(folder, 41);
    EXPECT_FALSE(QFile::exists(empty));
    EXPECT_FALSE(QFile::exists(header));
    EXPECT_TRUE(QFile::exists(real));
    EXPECT_TRUE(QFile::exists(next));
}

// Whether the file is a sequence of whole top-level boxes, as a writer that stopped cleanly
// leaves it.
bool WholeBoxes(const QString& path) {
    const QByteArray b = test::ReadFile(path);
    qint64 at = 0;
    while (at + 8 <= b.size()) {
        const auto* p = reinterpret_cast<const uint8_t*>(b.constData() + at);
        const qint64 size = (qint64(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
        if (size < 8) return false;
        at += size;
    }
    return at == b.size();
}

TEST(WriterCrash, AFullDiskEndsTheFileWithItsLastWholeFragment) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/cam/";
    const int status = RunChild([&] {
        QDateTime now = kStart;
        if (!OpenInChild(folder, &now)) return 1;
        const test::FileSizeLimit full(400000);
        for (int i = 0; i < 100; ++i, now = now.addMSecs(100)) {
            const VideoFrame f = Noise(320, 240, uint32_t(i));
            if (!yVideoWrite(0, f.data.data(), f.data.size())) break;
        }
        yMP4CClose(0);
        return 0;
    });
    ASSERT_TRUE(WIFEXITED(status)) << status;
    ASSERT_EQ(WEXITSTATUS(status), 0);
    const QStringList files = Mp4Files(folder);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& f : files) {
        EXPECT_TRUE(WholeBoxes(folder + f)) << f.toStdString();
        EXPECT_GT(ProbeFile(folder + f).frames, 0) << f.toStdString();
    }
}
