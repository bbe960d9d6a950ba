// What a camera tells the notification engine. Producers on any thread (the frame thread among
// them) only hand a notice over; the engine sends it on threads of its own.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace trelvix {

enum class NoticeKind { Motion, CameraLost, DiskFull, RecordingFailed, Recording, Snapshot };

struct Notice {
    NoticeKind kind = NoticeKind::Motion;
    int camera = -1;
    QString caption;
    QDateTime when;
    QString picture;      // the motion picture's file; may be empty
    bool on = true;       // Recording: whether it runs
    int holdSeconds = 0;  // Motion: how long motion stays ON after the last one (0: 30 s)
};

class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    // Must return at once: it is called on the frame thread.
    virtual void Enqueue(Notice notice) = 0;
    // notify.ini changed (the settings window, UI thread).
    virtual void Reload() {}
};

// The engine that takes notices; none drops them.
void SetNoticeSink(NoticeSink* sink);
void PostNotice(Notice notice);
// The running engine (if any) reads notify.ini again; UI thread.
void ReloadNotifySettings();

// "motion", "camera_lost", … as the event objects name them.
const char* NoticeKindName(NoticeKind kind);
// ISO 8601 with the offset written out, e.g. "2026-12-10T04:55:00+01:00".
QString IsoTimeWithOffset(const QDateTime& when);
// {"kind","camera","caption","time","picture"} as compact JSON.
QByteArray EventJson(const Notice& n);

}  // namespace trelvix
