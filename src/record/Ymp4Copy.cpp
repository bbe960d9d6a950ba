#include "record/Ymp4Copy.h"

#include <QFile>
#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

#include "record/Mp4CopySegment.h"
#include "record/SegmentFiles.h"
#include "record/Ymp4Files.h"

namespace trelvix {

namespace {

// As for the encoded recordings: a pause after a failure, a clock set back, the space a new
// file needs and the space below which a failure counts as a full disk.
constexpr qint64 kRetryMs = 5000;
constexpr qint64 kClockBackMs = 60000;
constexpr qint64 kStartNeedsBytes = 1024 * 1024;
constexpr qint64 kFullBelowBytes = 16 * 1024 * 1024;

struct CopyWriter {
    std::mutex mutex;
    bool opened = false;
    QString folder;
    int minutes = 30;
    TimedText text;
    std::unique_ptr<Mp4CopySegment> segment;
    QDateTime failedAt;
    bool announced = false;
    bool diskFull = false;
    bool failing = false;

    void Finish() {
        if (!segment) return;
        segment->Finish();
        if (!segment->HoldsFrames()) QFile::remove(segment->path);
        segment.reset();
    }
};

std::mutex tableMutex;
std::map<int, std::shared_ptr<CopyWriter>> table;

std::shared_ptr<CopyWriter> Find(int handle, bool create = false) {
    std::lock_guard lock(tableMutex);
    auto& slot = table[handle];
    if (!slot && create) slot = std::make_shared<CopyWriter>();
    return slot;
}

// What a write reports once the lock is released: -1 back to normal, 1 started, 0 nothing.
struct Report {
    ymp4::Reports to;
    QString newFile, folder;
    int disk = 0, failure = 0;
};

void NoteFailure(CopyWriter& w, const QDateTime& now, qint64 fullBelow, Report* r) {
    w.failedAt = now;
    r->folder = w.folder;
    if (ymp4::DiskFull(w.folder, fullBelow)) {
        if (!w.diskFull) r->disk = 1;
        w.diskFull = true;
    } else if (!w.diskFull && !w.failing) {
        w.failing = true;
        r->failure = 1;
    }
}

bool SegmentOver(const CopyWriter& w, const QDateTime& now) {
    const qint64 elapsed = w.segment->start.msecsTo(now);
    return elapsed >= qint64(w.minutes) * 60000 || elapsed <= -kClockBackMs;
}

// A file begins only at a key frame.
bool EnsureSegment(CopyWriter& w, const CopyStreamInfo& info, const CopyPacket& p,
                   const QDateTime& now, Report* r) {
    if (w.segment) return true;
    if (!p.key) return false;
    if (w.failedAt.isValid() && qAbs(w.failedAt.msecsTo(now)) < kRetryMs) return false;
    if (ymp4::DiskFull(w.folder, kStartNeedsBytes)) {
        NoteFailure(w, now, kStartNeedsBytes, r);
        return false;
    }
    RemoveEmptyRecordings(w.folder);
    const QString path = ReserveFileName(w.folder, now);
    const int64_t origin = p.dts >= 0 ? p.dts : p.pts;
    if (!path.isEmpty())
        w.segment = Mp4CopySegment::Create(info, w.folder, path, now, origin, w.text);
    if (!w.segment) {
        NoteFailure(w, now, kFullBelowBytes, r);
        return false;
    }
    w.announced = false;
    return true;
}

bool WriteLocked(CopyWriter& w, const CopyStreamInfo& info, const CopyPacket& p, Report* r) {
    if (!w.opened) return false;
    const QDateTime now = ymp4::ClockNow();
    if (w.segment && p.key &&
        (w.segment->folder != w.folder || w.segment->info != info || SegmentOver(w, now)))
        w.Finish();
    if (!EnsureSegment(w, info, p, now, r)) return false;
    if (w.segment->info != info) return false;  // the new description waits for a key frame
    if (!w.segment->Write(p)) {
        w.Finish();
        NoteFailure(w, now, kFullBelowBytes, r);
        return false;
    }
    if (!w.announced && w.segment->FramesOnDisk()) {
        w.announced = true;
        r->newFile = w.segment->path;
        r->folder = w.folder;
        if (w.diskFull) r->disk = -1;
        if (w.failing) r->failure = -1;
        w.diskFull = w.failing = false;
    }
    return true;
}

}  // namespace

bool yMP4COpenCopy(int handle, const QString& folder, int segmentMinutes, TimedText text) {
    auto w = Find(handle, true);
    const QString path = PrepareFolder(folder);
    std::lock_guard lock(w->mutex);
    w->Finish();
    w->opened = !path.isEmpty();
    w->folder = path;
    w->minutes = std::max(1, segmentMinutes);
    w->text = std::move(text);
    w->failedAt = QDateTime();
    return w->opened;
}

bool yMP4CWritePacket(int handle, const CopyStreamInfo& info, const CopyPacket& packet) {
    auto w = Find(handle);
    if (!w || !packet.data || !packet.size) return false;
    Report r;
    bool written;
    {
        std::lock_guard lock(w->mutex);
        written = WriteLocked(*w, info, packet, &r);
    }
    if (!r.disk && !r.failure && r.newFile.isEmpty()) return written;
    // Outside the lock: the callbacks may ask the library about this handle.
    r.to = ymp4::ReportsOf(handle);
    const int32_t number = handle;
    if (r.disk && r.to.diskFull) r.to.diskFull(&number, r.disk > 0, r.folder);
    if (r.failure && r.to.failure) r.to.failure(&number, r.failure > 0, r.folder);
    if (!r.newFile.isEmpty() && r.to.newFile) r.to.newFile(&number, r.newFile);
    return written;
}

bool yMP4CSetCopyRootPath(int handle, const QString& folder, int segmentMinutes) {
    auto w = Find(handle);
    if (!w) return false;
    const QString path = PrepareFolder(folder);
    std::lock_guard lock(w->mutex);
    w->minutes = std::max(1, segmentMinutes);
    if (path.isEmpty()) return false;
    w->folder = path;
    return true;
}

void yMP4CCloseCopy(int handle) {
    if (auto w = Find(handle)) {
        std::lock_guard lock(w->mutex);
        w->Finish();
        w->opened = false;
    }
}

QString yMP4CCopyCurrentFile(int handle) {
    auto w = Find(handle);
    if (!w) return {};
    std::lock_guard lock(w->mutex);
    return w->segment ? w->segment->path : QString();
}

}  // namespace trelvix
