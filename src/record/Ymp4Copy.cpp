#include "record/Ymp4Copy.h"

#include <QFile>
#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

extern "C" {
#include <libavcodec/packet.h>
}

#include "record/Mp4CopySegment.h"
#include "record/PacketRing.h"
#include "record/SegmentFiles.h"
#include "record/Ymp4Files.h"

namespace trelvix {

namespace {

using ymp4::kClockBackMs;
using ymp4::kFullBelowBytes;
using ymp4::kRetryMs;
using ymp4::kStartNeedsBytes;

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
    bool held = false;
    PacketRing ring;
    CopyStreamInfo heldInfo;  // of the packets in the ring

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

// The ring keeps its own copy: the camera's buffer goes once the call returns.
void Hold(CopyWriter& w, const CopyStreamInfo& info, const CopyPacket& p) {
    if (info != w.heldInfo) w.ring.Clear();  // a new description begins with its key frame
    w.heldInfo = info;
    AVPacket* pkt = av_packet_alloc();
    if (!pkt || av_new_packet(pkt, int(p.size)) < 0) {
        av_packet_free(&pkt);
        return;
    }
    std::copy_n(p.data, p.size, pkt->data);
    pkt->pts = p.pts;
    pkt->dts = p.dts;
    if (p.key) pkt->flags |= AV_PKT_FLAG_KEY;
    EncodedPacket e;
    e.packet.reset(pkt, [](AVPacket* q) { av_packet_free(&q); });
    e.wallMs = p.wallMs ? p.wallMs : ymp4::ClockNow().toMSecsSinceEpoch();
    w.ring.Push(std::move(e));
}

bool WriteLocked(CopyWriter& w, const CopyStreamInfo& info, const CopyPacket& p, Report* r) {
    if (!w.opened) return false;
    if (w.held) {
        Hold(w, info, p);
        return true;
    }
    const QDateTime now = p.wallMs ? QDateTime::fromMSecsSinceEpoch(p.wallMs) : ymp4::ClockNow();
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

namespace {
// Outside the lock: the callbacks may ask the library about this handle.
void Announce(int handle, Report& r) {
    if (!r.disk && !r.failure && r.newFile.isEmpty()) return;
    r.to = ymp4::ReportsOf(handle);
    const int32_t number = handle;
    if (r.disk && r.to.diskFull) r.to.diskFull(&number, r.disk > 0, r.folder);
    if (r.failure && r.to.failure) r.to.failure(&number, r.failure > 0, r.folder);
    if (!r.newFile.isEmpty() && r.to.newFile) r.to.newFile(&number, r.newFile);
}
}  // namespace

bool yMP4CWritePacket(int handle, const CopyStreamInfo& info, const CopyPacket& packet) {
    auto w = Find(handle);
    if (!w || !packet.data || !packet.size) return false;
    Report r;
    bool written;
    {
        std::lock_guard lock(w->mutex);
        written = WriteLocked(*w, info, packet, &r);
    }
    Announce(handle, r);
    return written;
}

bool yMP4CHoldCopy(int handle, int seconds) {
    auto w = Find(handle);
    if (!w) return false;
    std::lock_guard lock(w->mutex);
    if (!w->opened) return false;
    w->Finish();
    w->held = true;
    w->ring.Clear();
    w->ring.SetSeconds(std::clamp(seconds, 0, 30));
    return true;
}

bool yMP4CReleaseCopy(int handle, const QDateTime& since) {
    auto w = Find(handle);
    if (!w) return false;
    Report r;
    {
        std::lock_guard lock(w->mutex);
        if (!w->opened || !w->held) return false;
        w->held = false;
        for (const EncodedPacket& e : w->ring.TakeFrom(since.toMSecsSinceEpoch())) {
            const AVPacket* p = e.packet.get();
            WriteLocked(*w, w->heldInfo,
                        {p->data, size_t(p->size), p->pts, p->dts, e.key(), e.wallMs}, &r);
        }
    }
    Announce(handle, r);
    return true;
}

size_t yMP4CHeldCopyBytes(int handle) {
    auto w = Find(handle);
    if (!w) return 0;
    std::lock_guard lock(w->mutex);
    return w->held ? w->ring.bytes() : 0;
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
        w->held = false;
        w->ring.Clear();
    }
}

QString yMP4CCopyCurrentFile(int handle) {
    auto w = Find(handle);
    if (!w) return {};
    std::lock_guard lock(w->mutex);
    return w->segment ? w->segment->path : QString();
}

}  // namespace trelvix
