// What happened on one day, per camera: where recordings exist, the motion events, the
// pictures and the gaps, read from the day's log and the recordings' names and times.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

#include "history/EventLog.h"

namespace trelvix {

struct Segment {
    QString path;
    QDateTime start;
    qint64 durationMs = 0;
    bool motion = false;  // written while a motion recording ran
    QDateTime End() const { return start.addMSecs(durationMs); }
};

// A picture, or a moment the camera stopped recording (stopped, disk full, stream lost).
struct DayMark {
    enum Kind { kMotionPicture, kSnapshot, kGap };
    Kind kind = kSnapshot;
    qint64 wallMs = 0;  // see WallMs
    QString file;
};

// Motion pictures and records of one camera, each less than the gap after the one before.
struct MotionEvent {
    int camera = -1;
    QDateTime start;
    QDateTime end;
    int pictures = 0;
    QString firstPicture;
    std::vector<int> lines;  // the log lines it was made of, from 0
};

struct CameraDay {
    int camera = -1;
    QString name;
    std::vector<Segment> segments;  // in time order
    std::vector<DayMark> marks;     // in time order
    std::vector<MotionEvent> events;
};

struct DayIndex {
    QDate day;
    std::vector<CameraDay> cameras;  // by camera number
    const CameraDay* Camera(int number) const;
};

// Texts that mark a row as a motion recording's start or end, and as a gap. The log holds
// them in the language the program had when it wrote them; the caller gives the current ones.
struct DayTexts {
    QString motionRecordingStarted;
    QString motionRecordingStopped;
    QStringList gaps;
};

// The texts in the program's current language.
DayTexts CurrentDayTexts();

// The folder of `camera`'s recordings of `day` as its settings name it (not made when missing),
// and the same for every camera that has settings.
QString CameraVideoFolder(int camera, const QDate& day);
std::map<int, QString> CameraVideoFolders(const QDate& day);

inline constexpr int kDefaultEventGapSeconds = 30;

// Local wall time as milliseconds since the start of Julian day 0: plain arithmetic, where
// a local QDateTime costs a time-zone look-up per use, too slow for a day of 30,000 rows.
inline constexpr qint64 kDayMs = 24LL * 3600 * 1000;
inline qint64 WallMs(const QDate& date, int msOfDay) {
    return date.toJulianDay() * kDayMs + msOfDay;
}
QDateTime FromWallMs(qint64 wallMs);
// The moment of a log row; -1 (or invalid) when its date or time cannot be read.
qint64 RowWallMs(const LogRow& row);
QDateTime RowTime(const LogRow& row);
// Groups the kind-2 rows of each camera into events, in time order.
std::vector<MotionEvent> GroupMotionEvents(const std::vector<LogRow>& rows, int gapSeconds);

// "yyyyMMdd HHmmss" at the start of a recording's file name; invalid when it is not one.
QDateTime SegmentStartFromName(const QString& path);

// Builds the index of `day` from its log and, for each camera number given, the recordings
// found in its folder of the day (files the log does not name, e.g. after its rows were
// deleted). Recording lengths come from the files' own times, never from decoding them.
DayIndex BuildDayIndex(const QString& logPath, const QDate& day,
                       const std::map<int, QString>& videoFolders, const DayTexts& texts,
                       int gapSeconds = kDefaultEventGapSeconds);

// The same, kept in memory and built again only when the log or a folder changed.
std::shared_ptr<const DayIndex> CachedDayIndex(const QString& logPath, const QDate& day,
                                               const std::map<int, QString>& videoFolders,
                                               const DayTexts& texts,
                                               int gapSeconds = kDefaultEventGapSeconds);

// Where to play `camera` at `when`: the segment holding it (or the next one starting within
// `slackMs`) and the offset into it. Null when nothing was recorded there.
struct Moment {
    const Segment* segment = nullptr;
    qint64 offsetMs = 0;
};
Moment FindMoment(const CameraDay& camera, const QDateTime& when, qint64 slackMs = 0);
// The segment after `s` when it starts within a few seconds of its end, else null.
const Segment* NextSegment(const CameraDay& camera, const Segment* s);

}  // namespace trelvix
