#include "notify/Notice.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <mutex>

namespace trelvix {

namespace {
std::mutex sinkMutex;
NoticeSink* sink = nullptr;
}  // namespace

void SetNoticeSink(NoticeSink* s) {
    std::lock_guard lock(sinkMutex);
    sink = s;
}

void PostNotice(Notice notice) {
    std::lock_guard lock(sinkMutex);
    if (sink) sink->Enqueue(std::move(notice));
}

void ReloadNotifySettings() {
    NoticeSink* current = nullptr;
    {
        std::lock_guard lock(sinkMutex);
        current = sink;
    }
    // Outside the lock: a new broker connection takes a moment, frames must not wait for it.
    // The sink is installed and removed on the UI thread, which this runs on.
    if (current) current->Reload();
}

const char* NoticeKindName(NoticeKind kind) {
    switch (kind) {
        case NoticeKind::Motion:
            return "motion";
        case NoticeKind::CameraLost:
            return "camera_lost";
        case NoticeKind::DiskFull:
            return "disk_full";
        case NoticeKind::RecordingFailed:
            return "recording_failed";
        case NoticeKind::Recording:
            return "recording";
        case NoticeKind::Snapshot:
            return "snapshot";
    }
    return "";
}

QString IsoTimeWithOffset(const QDateTime& when) {
    const int offset = when.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
}

QByteArray EventJson(const Notice& n) {
    QJsonObject o;
    o[QStringLiteral("kind")] = QLatin1String(NoticeKindName(n.kind));
    o[QStringLiteral("camera")] = n.camera;
    o[QStringLiteral("caption")] = n.caption;
    o[QStringLiteral("time")] = IsoTimeWithOffset(n.when);
    o[QStringLiteral("picture")] = n.picture;
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

}  // namespace trelvix
