#include "history/DayIndex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <mutex>
#include <set>

#include "common/TextConv.h"
#include "config/Cdataclass.h"
#include "config/DayFolders.h"
#include "config/GlobalSettings.h"
#include "config/Option.h"
#include "history/Cfilefilter.h"
#include "history/MediaRemux.h"
#include "lang/TextIds.h"

namespace trelvix {

const CameraDay* DayIndex::Camera(int number) const {
    for (const CameraDay& c : cameras)
        if (c.camera == number) return &c;
    return nullptr;
}

DayTexts CurrentDayTexts() {
    return {LanguageText(text::kMotionRecordingStarted),
            LanguageText(text::kMotionRecordingStopped),
            QStringList{LanguageText(text::kCameraStopped),
                        LanguageText(text::kRecordingPausedTheDiskIsFull),
                        LanguageText(text::kStreamLostReconnecting)}};
}

QString CameraVideoFolder(int camera, const QDate& day) {
    CDataClass record;
    record.Load(camera);
    return DayFolderName(record.videoFolder.get(), camera, day, "Video") + QLatin1Char('/');
}

std::map<int, QString> CameraVideoFolders(const QDate& day) {
    std::map<int, QString> folders;
    constexpr int kMostCameras = GlobalSettings::kMaxGridSide * GlobalSettings::kMaxGridSide;
    for (int camera = 0; camera < kMostCameras; ++camera)
        if (QFile::exists(CameraSettingsPath(camera)))
            folders[camera] = CameraVideoFolder(camera, day);
    return folders;
}

namespace {
// Digits at `at` as a number; -1 when one is not a digit. Faster than a format for 30,000 rows.
int Digits(const QString& text, int at, int count) {
    int value = 0;
    for (int i = at; i < at + count; ++i) {
        if (!text[i].isDigit()) return -1;
        value = value * 10 + text[i].digitValue();
    }
    return value;
}
}  // namespace

qint64 RowWallMs(const LogRow& row) {
    const QString &d = row.fields[2], &t = row.fields[3];
    if (d.size() != 10 || t.size() != 8 || d[4] != u'-' || d[7] != u'-' || t[2] != u':' ||
        t[5] != u':')
        return -1;
    const QDate date(Digits(d, 0, 4), Digits(d, 5, 2), Digits(d, 8, 2));
    const QTime time(Digits(t, 0, 2), Digits(t, 3, 2), Digits(t, 6, 2));
    return date.isValid() && time.isValid() ? WallMs(date, time.msecsSinceStartOfDay()) : -1;
}

QDateTime FromWallMs(qint64 wallMs) {
    if (wallMs < 0) return {};
    return QDateTime(QDate::fromJulianDay(wallMs / kDayMs),
                     QTime::fromMSecsSinceStartOfDay(int(wallMs % kDayMs)));
}

QDateTime RowTime(const LogRow& row) {
    return FromWallMs(RowWallMs(row));
}

QDateTime SegmentStartFromName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (!name.endsWith(QLatin1String(".mp4"), Qt::CaseInsensitive)) return {};
    return QDateTime::fromString(name.left(15), QStringLiteral("yyyyMMdd HHmmss"));
}

namespace {

int RowCamera(const LogRow& row) {
    return TextToInt(row.fields[6]).value_or(-1);
}
int RowKind(const LogRow& row) {
    return TextToInt(row.fields[0]).value_or(-1);
}
bool IsPicture(const QString& file) {
    return !file.isEmpty() && CFileFilter().Classify(file) == CFileFilter::kImage;
}

struct TimedRow {
    qint64 wall;
    const LogRow* row;
};

}  // namespace

std::vector<MotionEvent> GroupMotionEvents(const std::vector<LogRow>& rows, int gapSeconds) {
    std::map<int, std::vector<TimedRow>> byCamera;
    for (const LogRow& r : rows) {
        const qint64 wall = RowWallMs(r);
        if (RowKind(r) == kEventMotion && RowCamera(r) >= 0 && wall >= 0)
            byCamera[RowCamera(r)].push_back({wall, &r});
    }
    std::vector<MotionEvent> events;
    for (auto& [camera, list] : byCamera) {
        std::stable_sort(list.begin(), list.end(),
                         [](const TimedRow& a, const TimedRow& b) { return a.wall < b.wall; });
        qint64 start = -1, end = -1;
        auto close = [&] {
            if (start < 0) return;
            events.back().start = FromWallMs(start);
            events.back().end = FromWallMs(end);
        };
        for (const TimedRow& t : list) {
            if (start < 0 || t.wall - end >= qint64(gapSeconds) * 1000) {
                close();
                events.push_back({camera, {}, {}, 0, {}, {}});
                start = t.wall;
            }
            end = t.wall;
            MotionEvent& e = events.back();
            e.lines.push_back(t.row->line);
            if (IsPicture(t.row->fields[7])) {
                if (e.pictures++ == 0) e.firstPicture = t.row->fields[7];
            }
        }
        close();
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const MotionEvent& a, const MotionEvent& b) { return a.start < b.start; });
    return events;
}

namespace {

CameraDay& CameraOf(std::map<int, CameraDay>& cams, int number) {
    CameraDay& c = cams[number];
    c.camera = number;
    return c;
}

void AddLogRows(const std::vector<LogRow>& rows, const DayTexts& texts,
                std::map<int, CameraDay>& cams, std::set<QString>& known) {
    std::map<int, bool> motionOn;
    for (const LogRow& r : rows) {
        const int cam = RowCamera(r);
        const qint64 when = RowWallMs(r);
        if (cam < 0 || when < 0) continue;
        CameraDay& c = CameraOf(cams, cam);
        if (c.name.isEmpty()) c.name = r.fields[4];
        const QString& file = r.fields[7];
        const QString& what = r.fields[5];
        if (RowKind(r) == kEventMotion && what == texts.motionRecordingStarted)
            motionOn[cam] = true;
        if (RowKind(r) == kEventMotion && what == texts.motionRecordingStopped)
            motionOn[cam] = false;
        if (SegmentStartFromName(file).isValid()) {
            if (known.insert(file).second)
                c.segments.push_back({file, SegmentStartFromName(file), 0, motionOn[cam]});
        } else if (IsPicture(file)) {
            c.marks.push_back(
                {RowKind(r) == kEventMotion ? DayMark::kMotionPicture : DayMark::kSnapshot, when,
                 file});
        } else if (!what.isEmpty() && texts.gaps.contains(what)) {
            c.marks.push_back({DayMark::kGap, when, QString()});
        }
    }
}

void AddFolderFiles(const std::map<int, QString>& folders, std::map<int, CameraDay>& cams,
                    std::set<QString>& known) {
    for (const auto& [cam, folder] : folders) {
        const QDir dir(folder);
        for (const QString& name :
             dir.entryList({QStringLiteral("*.mp4")}, QDir::Files, QDir::Name)) {
            const QString path = dir.filePath(name);
            const QDateTime start = SegmentStartFromName(path);
            if (start.isValid() && known.insert(path).second)
                CameraOf(cams, cam).segments.push_back({path, start, 0, false});
        }
    }
}

// A segment lasts from the time in its name to its last write, and never into the next one.
void SetLengths(CameraDay& c) {
    auto& s = c.segments;
    std::stable_sort(s.begin(), s.end(),
                     [](const Segment& a, const Segment& b) { return a.start < b.start; });
    std::vector<QDateTime> written;  // each file's last write; invalid when it is gone
    for (const Segment& x : s) {
        const QFileInfo f(x.path);
        written.push_back(f.exists() ? f.lastModified() : QDateTime());
    }
    std::vector<Segment> kept;
    for (size_t i = 0; i < s.size(); ++i) {
        if (!written[i].isValid()) continue;
        const bool last = i + 1 == s.size();
        const QDateTime limit = last ? s[i].start.addSecs(6 * 3600) : s[i + 1].start;
        QDateTime end = written[i];
        // A copied or touched file: only then is the file itself asked.
        if (end <= s[i].start || end > limit.addSecs(60))
            end = s[i].start.addMSecs(ProbeDurationMs(s[i].path));
        if (!last && end > limit) end = limit;
        s[i].durationMs = std::max<qint64>(0, s[i].start.msecsTo(end));
        kept.push_back(std::move(s[i]));
    }
    s = std::move(kept);
    std::stable_sort(c.marks.begin(), c.marks.end(),
                     [](const DayMark& a, const DayMark& b) { return a.wallMs < b.wallMs; });
}

}  // namespace

DayIndex BuildDayIndex(const QString& logPath, const QDate& day,
                       const std::map<int, QString>& videoFolders, const DayTexts& texts,
                       int gapSeconds) {
    LogDayModel model;
    LoadLogDay(&model, logPath, kLogAll, day);
    std::map<int, CameraDay> cams;
    std::set<QString> known;
    AddLogRows(model.rows, texts, cams, known);
    AddFolderFiles(videoFolders, cams, known);
    for (MotionEvent& e : GroupMotionEvents(model.rows, gapSeconds))
        CameraOf(cams, e.camera).events.push_back(std::move(e));
    DayIndex index;
    index.day = day;
    for (auto& [number, c] : cams) {
        SetLengths(c);
        index.cameras.push_back(std::move(c));
    }
    return index;
}

namespace {

// What the index was built from: when any of it changed, the index is built again.
QStringList Stamp(const QString& logPath, const QDate& day, const std::map<int, QString>& folders,
                  const DayIndex* index) {
    QStringList stamp;
    auto add = [&stamp](const QString& path) {
        const QFileInfo f(path);
        stamp << path + QString::number(f.size()) +
                     QString::number(f.lastModified().toMSecsSinceEpoch());
    };
    add(LogFileName(logPath, day));
    for (const auto& [cam, folder] : folders) add(folder);
    // The file being written grows without changing its folder.
    if (index)
        for (const CameraDay& c : index->cameras)
            if (!c.segments.empty()) add(c.segments.back().path);
    return stamp;
}

struct CacheEntry {
    QString key;
    QStringList stamp;
    std::shared_ptr<const DayIndex> index;
};

}  // namespace

std::shared_ptr<const DayIndex> CachedDayIndex(const QString& logPath, const QDate& day,
                                               const std::map<int, QString>& videoFolders,
                                               const DayTexts& texts, int gapSeconds) {
    static std::mutex mutex;
    static std::vector<CacheEntry> cache;  // the last few days asked for
    QString key = logPath + day.toString(Qt::ISODate) + QString::number(gapSeconds);
    key += texts.motionRecordingStarted + texts.gaps.join(QLatin1Char('|'));
    for (const auto& [cam, folder] : videoFolders) key += QString::number(cam) + folder;
    std::lock_guard lock(mutex);
    for (CacheEntry& e : cache)
        if (e.key == key && e.stamp == Stamp(logPath, day, videoFolders, e.index.get()))
            return e.index;
    auto index = std::make_shared<const DayIndex>(
        BuildDayIndex(logPath, day, videoFolders, texts, gapSeconds));
    std::erase_if(cache, [&key](const CacheEntry& e) { return e.key == key; });
    if (cache.size() >= 4) cache.erase(cache.begin());
    cache.push_back({key, Stamp(logPath, day, videoFolders, index.get()), index});
    return index;
}

Moment FindMoment(const CameraDay& camera, const QDateTime& when, qint64 slackMs) {
    for (const Segment& s : camera.segments) {
        const qint64 at = s.start.msecsTo(when);
        if (at >= 0 && at < std::max<qint64>(s.durationMs, 1)) return {&s, at};
        if (at < 0 && -at <= slackMs) return {&s, 0};
    }
    return {};
}

const Segment* NextSegment(const CameraDay& camera, const Segment* s) {
    for (size_t i = 0; i + 1 < camera.segments.size(); ++i)
        if (&camera.segments[i] == s) {
            const Segment& next = camera.segments[i + 1];
            return s->End().msecsTo(next.start) <= 5000 ? &next : nullptr;
        }
    return nullptr;
}

}  // namespace trelvix
