// A synthetic busy day of four cameras (288 five-minute segments each, 20,000 pictures, 30,000
// log rows), made without waiting, then the four figures of reviewing it: opening the
// timeline, a redraw while dragging, a click to the first shown frame, a ten-minute export.
// Only camera 0's 10:00–10:15 segments hold real pictures; the others are short real files
// whose times say five minutes, as a recording made in real time leaves them.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QVideoFrame>
#include <QVideoSink>
#include <cstdio>

#include "config/Folders.h"
#include "config/Option.h"
#include "history/ClipExport.h"
#include "views/Timeline.h"
#include "views/Unit_log.h"
#include "../tests/support/SyntheticRecordings.h"

using namespace trelvix;

namespace {

constexpr int kCameras = 4, kSegments = 288, kPictures = 20000, kRows = 30000;

void SetFileTime(const QString& path, const QDateTime& t) {
    QFile f(path);
    if (f.open(QIODevice::ReadWrite)) f.setFileTime(t, QFileDevice::FileModificationTime);
}

bool Recording(int cam, int minute) {
    if (cam == 1) return minute >= 6 * 60 && minute < 22 * 60;   // day time only
    if (cam == 3) return minute < 16 * 60 || minute >= 17 * 60;  // stopped for an hour
    return true;
}

// The day's files and log; returns camera 0's real segments.
QStringList MakeDay(const QString& log, const QString& root, const QDate& day) {
    const QDateTime midnight(day, QTime(0, 0));
    const QStringList real =
        test::RecordSynthetic(90, root + "real/", midnight.addSecs(10 * 3600), 15 * 60, 5);
    const QStringList tiny = test::RecordSynthetic(91, root + "tiny/", midnight, 1, 5);
    QFile out(LogFileName(log, day));
    out.open(QIODevice::WriteOnly);
    const auto line = [&](int kind, const QDateTime& t, int cam, const QString& what,
                          const QString& file) {
        out.write(QStringLiteral("%1|Src|%2|%3|Cam %4|%5|%4|%6|\r\n")
                      .arg(kind)
                      .arg(t.toString("yyyy-MM-dd"), t.toString("hh:mm:ss"))
                      .arg(cam)
                      .arg(what, file)
                      .toUtf8());
    };
    const DayTexts texts = CurrentDayTexts();
    int rows = 0;
    for (int cam = 0; cam < kCameras; ++cam) {
        const QString folder = root + QStringLiteral("%1/").arg(cam);
        QDir().mkpath(folder);
        for (int s = 0; s < kSegments; ++s, ++rows) {
            const QDateTime start = midnight.addSecs(s * 300);
            const bool motion = cam == 2 && s >= 156 && s < 180;  // 13:00 to 15:00
            if (motion && s == 156) line(2, start, cam, texts.motionRecordingStarted, "");
            if (cam == 2 && s == 180) line(2, start, cam, texts.motionRecordingStopped, "");
            if (cam == 3 && s == 192) line(3, start, cam, texts.gaps.value(0), "");
            if (!Recording(cam, s * 5)) continue;
            const QString name = folder + start.toString("yyyyMMdd HHmmss") + ".mp4";
            const int r = s - 120;  // 10:00 is the 120th segment
            QFile::copy(cam == 0 && r >= 0 && r < real.size() ? real[r] : tiny[0], name);
            SetFileTime(name, start.addSecs(299));
            line(1, start, cam, "Recording started", name);
        }
    }
    // Bursts of ten pictures two seconds apart, each camera in turn.
    const QString picture = root + "picture.jpg";
    QImage(320, 240, QImage::Format_RGB32).save(picture);
    for (int i = 0; i < kPictures; ++i, ++rows) {
        const int burst = i / 10, cam = burst % kCameras;
        const QDateTime t =
            midnight.addSecs(qint64(burst) * 86000 / (kPictures / 10) + (i % 10) * 2);
        if (Recording(cam, t.time().msecsSinceStartOfDay() / 60000))
            line(2, t, cam, "Picture taken", picture);
        else
            line(3, t, -1, "x", "");
    }
    for (; rows < kRows; ++rows) line(3, midnight.addSecs(rows % 86400), -1, "x", "");
    return real;
}

}  // namespace

// With --show LANGUAGE MINUTES the window stays open on the day, in that language module
// (0 English, 11 Arabic), the timeline showing MINUTES around 10:07, for looking at it.
int main(int argc, char** argv) {
    const bool show = argc == 4 && QByteArray(argv[1]) == "--show";
    if (!show) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    EnsureUserFolder();
    QFile ini(home.path() + "/kvCamera.ini");
    if (show && ini.open(QIODevice::WriteOnly)) {
        ini.write("[Settings]\nLang=" + QByteArray(argv[2]) + "\n");
        ini.close();
    }
    Option option(ini.fileName());
    const QDate day = QDate::currentDate();
    QElapsedTimer t;
    t.start();
    MakeDay(option.LogPath, home.path() + "/v/", day);
    std::printf("synthetic day made in %.1f s\n", t.elapsed() / 1000.0);

    // The index from the log and the files, cold, and its first paint.
    t.restart();
    TimelineView alone;
    alone.resize(1000, 300);
    alone.SetIndex(std::make_shared<const DayIndex>(
        BuildDayIndex(option.LogPath, day, {}, CurrentDayTexts())));
    QPixmap canvas(alone.size());
    alone.render(&canvas);
    std::printf("timeline open (index + first paint): %lld ms\n", t.elapsed());
    t.restart();
    {
        LogDayModel m;
        LoadLogDay(&m, option.LogPath, kLogAll, day);
        std::printf("  log read: %lld ms\n", t.elapsed());
        t.restart();
        GroupMotionEvents(m.rows, 30);
        std::printf("  grouping: %lld ms\n", t.elapsed());
        t.restart();
        BuildDayIndex(option.LogPath, day, {}, CurrentDayTexts());
        std::printf("  index again: %lld ms\n", t.elapsed());
    }

    t.restart();
    TFrmLog viewer(nullptr, 3);
    viewer.resize(1024, 768);
    viewer.show();
    viewer.Tabs->setCurrentWidget(viewer.TimelinePage);
    app.processEvents();
    std::printf("whole viewer open (list of %d rows and the timeline): %lld ms\n", kRows,
                t.elapsed());
    if (show) {
        const qint64 span = QByteArray(argv[3]).toLongLong() * 60'000;
        viewer.Timeline->SetView(QTime(10, 7).msecsSinceStartOfDay() - span / 2, span);
        viewer.Timeline->SetSelection(0, QDateTime(day, QTime(10, 2, 30)),
                                      QDateTime(day, QTime(10, 12, 30)));
        viewer.PlayMoment(0, QDateTime(day, QTime(10, 7)));
        return app.exec();
    }
    alone.SetView(9 * 3600 * 1000, 2 * 3600 * 1000);
    t.restart();
    const int frames = 200;
    for (int i = 0; i < frames; ++i) {
        alone.SetView(alone.ViewStart() + 20'000, alone.ViewSpan());
        alone.render(&canvas);
    }
    std::printf("redraw while dragging: %.2f ms\n", double(t.nsecsElapsed()) / 1e6 / frames);

    const QDateTime moment(day, QTime(10, 7, 0));
    t.restart();
    viewer.PlayMoment(0, moment);
    const auto shown = [&] {
        QVideoSink* s = viewer.Player() ? viewer.Player()->player->videoSink() : nullptr;
        return s && viewer.PlayMomentNow().isValid() &&
               test::ReadTimeCode(s->videoFrame().toImage(), 160) >=
                   QTime(10, 7, 0).msecsSinceStartOfDay() / 1000;
    };
    while (!shown() && t.elapsed() < 10000) app.processEvents(QEventLoop::AllEvents, 1);
    std::printf("click to first shown frame: %lld ms%s\n", t.elapsed(),
                shown() ? "" : " (none shown)");

    const QDateTime later(day, QTime(10, 8, 30));
    t.restart();
    viewer.PlayMoment(0, later);
    const auto shownLater = [&] {
        QVideoSink* s = viewer.Player()->player->videoSink();
        const int code = test::ReadTimeCode(s->videoFrame().toImage(), 160);
        return std::abs(code - QTime(10, 8, 30).msecsSinceStartOfDay() / 1000) <= 1;
    };
    while (!shownLater() && t.elapsed() < 10000) app.processEvents(QEventLoop::AllEvents, 1);
    std::printf("click to first shown frame, in the file playing: %lld ms\n", t.elapsed());

    const auto segments = viewer.Timeline->Index()->Camera(0)->segments;
    t.restart();
    const ExportSummary sum =
        ExportClip(segments, QDateTime(day, QTime(10, 2, 30)), QDateTime(day, QTime(10, 12, 30)),
                   home.path() + "/clip.mp4");
    std::printf("export of 10 min across %d segments: %lld ms (%.1f s written)\n", sum.segments,
                t.elapsed(), sum.durationMs / 1000.0);
    return sum.result == ExportResult::kOk ? 0 : 1;
}
