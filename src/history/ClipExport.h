// One MP4 file of a span of a camera's recordings, its packets copied, never encoded again.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

#include "history/DayIndex.h"

namespace trelvix {

enum class ExportResult { kOk, kNothingRecorded, kCannotRead, kCannotWrite };

struct ExportSummary {
    ExportResult result = ExportResult::kNothingRecorded;
    int segments = 0;       // files the clip was taken from
    qint64 packets = 0;     // packets copied
    qint64 durationMs = 0;  // of the written clip
};

// Writes `out` from the segments (in time order) that overlap [from, to]: it starts at the
// key frame at or before `from` and ends before the first key frame at or after `to`, so the
// clip holds the whole span. Nothing is left at `out` unless the result is kOk.
ExportSummary ExportClip(const std::vector<Segment>& segments, const QDateTime& from,
                         const QDateTime& to, const QString& out);

// The segments of `camera` over the days from..to touches, from each day's index.
std::vector<Segment> SegmentsBetween(const QString& logPath, int camera, const QDateTime& from,
                                     const QDateTime& to,
                                     const std::function<QString(const QDate&)>& videoFolder,
                                     const DayTexts& texts);

}  // namespace trelvix
