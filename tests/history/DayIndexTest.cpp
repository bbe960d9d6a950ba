#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

extern "C" {
#include <libavformat/avformat.h>
}

#include "app/ExportCommand.h"
#include "config/Folders.h"
#include "history/ClipExport.h"
#include "history/DayIndex.h"
#include "support/SyntheticRecordings.h"
#include "support/TestFiles.h"

using namespace trelvix;

namespace {

const QDate kDay(2025, 3, 14);

QString Line(int kind, const QString& time, const QString& desc, int camera, const QString& file) {
    return QStringLiteral("%1|Src|%2|%3|Cam%4|%5|%4|%6|")
        .arg(kind)
        .arg(kDay.toString("yyyy-MM-dd"), time)
        .arg(camera)
        .arg(desc, file);
}

void WriteLog(const QString& logPath, const QStringList& lines) {
    test::AppendFile(LogFileName(logPath, kDay), test::LogText(lines));
}

// Every packet of a file: its bytes and whether it is a key frame.
std::vector<std::pair<QByteArray, bool>> Packets(const QString& path, double* seconds) {
    std::vector<std::pair<QByteArray, bool>> out;
    AVFormatContext* fmt = nullptr;
    if (avformat_open_input(&fmt, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return out;
    avformat_find_stream_info(fmt, nullptr);
    *seconds = double(fmt->duration) / AV_TIME_BASE;
    AVPacket* pkt = av_packet_alloc();
    while (av_read_frame(fmt, pkt) >= 0) {
        out.emplace_back(QByteArray(reinterpret_cast<const char*>(pkt->data), pkt->size),
                         (pkt->flags & AV_PKT_FLAG_KEY) != 0);
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    avformat_close_input(&fmt);
    return out;
}

}  // namespace

TEST(MotionEvents, PicturesAndRecordsCloserThanTheGapFormOneEvent) {
    QTemporaryDir dir;
    const QString log = dir.path() + "/";
    WriteLog(log, {
                      Line(2, "10:00:00", "Picture taken", 0, "/p/a.jpg"),      // 0: event A
                      Line(2, "10:00:20", "Motion recording started", 0, ""),   // 1: A
                      Line(2, "10:00:10", "Picture taken", 1, "/p/x.jpg"),      // 2: event B
                      Line(2, "10:00:49", "Picture taken", 0, "/p/b.jpg"),      // 3: A (29 s)
                      Line(1, "10:00:50", "Picture taken", 0, "/p/snap.jpg"),   // 4: not motion
                      Line(2, "10:01:19", "Picture taken", 0, "/p/c.jpg"),      // 5: C (30 s)
                      Line(2, "10:05:00", "Picture taken", -1, "/p/none.jpg"),  // 6: no camera
                      Line(2, "bad", "Picture taken", 0, "/p/bad.jpg"),         // 7: no time
                  });
    LogDayModel model;
    LoadLogDay(&model, log, kLogAll, kDay);
    const auto events = GroupMotionEvents(model.rows, 30);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].camera, 0);
    EXPECT_EQ(events[0].start.time(), QTime(10, 0, 0));
    EXPECT_EQ(events[0].end.time(), QTime(10, 0, 49));
    EXPECT_EQ(events[0].pictures, 2);
    EXPECT_EQ(events[0].firstPicture, "/p/a.jpg");
    EXPECT_EQ(events[0].lines, (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(events[1].camera, 1);
    EXPECT_EQ(events[1].lines, (std::vector<int>{2}));
    EXPECT_EQ(events[2].firstPicture, "/p/c.jpg");
    EXPECT_EQ(events[2].lines, (std::vector<int>{5}));
    // A longer gap joins the last one too.
    EXPECT_EQ(GroupMotionEvents(model.rows, 31).size(), 2u);
}

TEST(DayIndexTest, SegmentsMarksAndGapsFromTheLogAndTheFolder) {
    QTemporaryDir dir;
    const QString log = dir.path() + "/", video = dir.path() + "/v0/", video1 = dir.path() + "/v1/";
    const QDateTime start(kDay, QTime(9, 59, 30));
    const QStringList files = test::RecordSynthetic(70, video, start, 150);
    ASSERT_EQ(files.size(), 3);  // 09:59:30, 10:00:30 and 10:01:30: a minute each
    const QStringList other = test::RecordSynthetic(71, video1, start.addSecs(3600), 20);
    ASSERT_EQ(other.size(), 1);
    DayTexts texts{"Motion recording started", "Motion recording stopped", {"Camera stopped"}};
    // The log names the first two files; the third is only in the folder.
    WriteLog(log, {Line(1, "09:59:30", "Recording started", 0, files[0]),
                   Line(2, "10:00:00", "Motion recording started", 0, ""),
                   Line(1, "10:00:30", "Recording started", 0, files[1]),
                   Line(2, "10:00:35", "Motion recording stopped", 0, ""),
                   Line(2, "10:00:10", "Picture taken", 0, dir.path() + "/m.jpg"),
                   Line(1, "10:00:11", "Picture taken", 0, dir.path() + "/s.jpg"),
                   Line(3, "10:02:00", "Camera stopped", 0, "")});
    auto index = CachedDayIndex(log, kDay, {{0, video}, {1, video1}}, texts);
    const CameraDay* c = index->Camera(0);
    ASSERT_TRUE(c);
    ASSERT_EQ(c->segments.size(), 3u);
    EXPECT_FALSE(c->segments[0].motion);
    EXPECT_TRUE(c->segments[1].motion);
    EXPECT_EQ(c->segments[0].durationMs, 60'000);
    EXPECT_NEAR(double(c->segments[2].durationMs), 30'000.0, 1000.0);
    ASSERT_EQ(c->marks.size(), 3u);
    EXPECT_EQ(c->marks[0].kind, DayMark::kMotionPicture);
    EXPECT_EQ(c->marks[1].kind, DayMark::kSnapshot);
    EXPECT_EQ(c->marks[2].kind, DayMark::kGap);
    ASSERT_EQ(c->events.size(), 1u);
    ASSERT_TRUE(index->Camera(1));
    EXPECT_EQ(index->Camera(1)->segments.size(), 1u);

    // The moment 10:00:35 is 5 s into the second file; a gap has no moment.
    const Moment m = FindMoment(*c, QDateTime(kDay, QTime(10, 0, 35)));
    ASSERT_TRUE(m.segment);
    EXPECT_EQ(m.segment->path, files[1]);
    EXPECT_EQ(m.offsetMs, 5000);
    EXPECT_FALSE(FindMoment(*c, QDateTime(kDay, QTime(11, 0, 0))).segment);
    EXPECT_EQ(NextSegment(*c, m.segment), &c->segments[2]);

    // Asked again unchanged, the same index; a new log row builds it afresh.
    EXPECT_EQ(CachedDayIndex(log, kDay, {{0, video}, {1, video1}}, texts), index);
    WriteLog(log, {Line(2, "11:00:00", "Picture taken", 0, dir.path() + "/n.jpg")});
    const auto fresh = CachedDayIndex(log, kDay, {{0, video}, {1, video1}}, texts);
    EXPECT_NE(fresh, index);
    EXPECT_EQ(fresh->Camera(0)->events.size(), 2u);
}

// The command line and the window share ExportClip; the command line is run as a script would.
TEST(ClipExportTest, ASpanAcrossTwoSegmentsIsCopiedWholeAndNothingElse) {
    EnsureUserFolder();
    const QDateTime start(kDay, QTime(10, 0, 30));
    const QString folder = CameraVideoFolder(3, kDay);
    const QStringList files = test::RecordSynthetic(72, folder, start, 90);
    ASSERT_EQ(files.size(), 2);  // 10:00:30 and 10:01:30
    const QString out = QDir::temp().filePath("trelvix-clip-test.mp4");
    QFile::remove(out);

    // 10:01:15 to 10:01:45, 30 s across the cut, from the key frame at or before the start to
    // the one at or after the end (two-second groups): 10:01:14 to 10:01:46.
    const QString day = kDay.toString("yyyy-MM-dd ");
    EXPECT_EQ(RunExportCommand({"3", day + "10:01:15", day + "10:01:45", out}), 0);
    double seconds = 0;
    const auto clip = Packets(out, &seconds);
    EXPECT_NEAR(seconds, 30.0, 2.0 + 0.15);  // the span ± one key-frame interval
    ASSERT_FALSE(clip.empty());
    EXPECT_TRUE(clip.front().second);  // starts on a key frame

    // Every packet is a byte-for-byte copy of one of the recordings'.
    std::set<QByteArray> recorded;
    for (const QString& f : files) {
        double s = 0;
        for (const auto& [bytes, key] : Packets(f, &s)) recorded.insert(bytes);
    }
    for (const auto& [bytes, key] : clip) EXPECT_TRUE(recorded.count(bytes));

    // Nothing recorded then: status 1 and no file; unusable arguments: status 2.
    QFile::remove(out);
    EXPECT_EQ(RunExportCommand({"3", day + "11:00:00", day + "11:05:00", out}), 1);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(RunExportCommand({"3", day + "10:01:15", day + "10:00:45", out}), 2);
    EXPECT_EQ(RunExportCommand({"x", day + "10:00:45", day + "10:01:15", out}), 2);
    // An output that cannot be written leaves nothing and says so.
    EXPECT_EQ(RunExportCommand({"3", day + "10:00:45", day + "10:01:15", "/proc/no/clip.mp4"}), 1);
}
