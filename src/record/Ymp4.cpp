#include "record/Ymp4.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include "common/Frame.h"
#include "common/Clock.h"
#include "common/Files.h"
#include "common/FreeSpace.h"
#include "record/Mp4Segment.h"
#include "record/PacketRing.h"
#include "record/SegmentFiles.h"
#include "record/VideoEncoder.h"
#include "record/Ymp4Files.h"

namespace trelvix {

namespace {

using ymp4::kClockBackMs;
using ymp4::kFullBelowBytes;
using ymp4::kRetryMs;
using ymp4::kStartNeedsBytes;

bool DiskFull(const QString& folder, qint64 below) {
    qint64 free = 0;
    return FreeBytes(folder, &free) && free < below;
}

std::mutex clockMutex;
std::function<QDateTime()> testClock;

QDateTime ClockNow() {
    {
        std::lock_guard lock(clockMutex);
        if (testClock) return testClock();
    }
    return Now();
}

struct Writer {
    std::mutex mutex;
    NewMP4FileCallback callback;
    DiskFullCallback diskCallback;
    WriteFailureCallback failureCallback;
    bool released = false;
    bool opened = false;
    EncoderParams params;
    VideoCodec codec = VideoCodec::kMpeg4;  // for the next open
    QString folder;                         // absolute, ends in "/"
    int minutes = 30;
    std::unique_ptr<VideoEncoder> encoder;  // from the first frame of an open to its close
    std::unique_ptr<Mp4Segment> segment;
    PacketRing ring;          // while held
    bool holding = false;     // frames go into the ring, not into a file
    qint64 releaseFrom = -1;  // a hold just ended: the next file begins with the ring from here
    bool cutWanted = false;   // the segment ends at the next key frame
    bool keyWanted = false;   // a file waits for a key frame to begin with
    qint64 heldKeyMs = 0;     // the last key frame asked for while held
    QDateTime failedAt;       // the last file that could not be created or written
    bool announced = false;   // the segment was reported as a new file
    bool diskFull = false;    // paused for want of space, and reported so
    bool failing = false;     // a file failed for another reason, and that was reported

    void FinishSegment() {
        if (!segment) return;
        segment->Finish();
        // A file without a single frame is no recording: nothing would play it.
        if (!segment->HoldsFrames()) QFile::remove(segment->path);
        segment.reset();
        cutWanted = false;
    }
    // The recording ends: the pictures the encoder still holds go into the file first.
    void Finish() {
        if (encoder && segment && !holding) {
            std::vector<EncodedPacket> rest;
            encoder->Flush(&rest);
            for (const EncodedPacket& p : rest)
                if (!segment->Write(p)) break;
        }
        FinishSegment();
        encoder.reset();
        ring.Clear();
        holding = false;
        releaseFrom = -1;
        keyWanted = false;
    }
};

std::mutex tableMutex;
std::map<int, std::shared_ptr<Writer>> table;

std::shared_ptr<Writer> Find(int handle) {
    std::lock_guard lock(tableMutex);
    auto it = table.find(handle);
    return it == table.end() ? nullptr : it->second;
}

bool SegmentOver(const Writer& w, const QDateTime& now) {
    const qint64 elapsed = w.segment->start.msecsTo(now);
    return elapsed >= qint64(w.minutes) * 60000 || elapsed <= -kClockBackMs;
}

}  // namespace

bool yXvidInit(int agreed, int /*cameraCount*/, int /*reserved*/) {
    // x264 reports its settings and statistics for every file at the default level: not for
    // the journal. Warnings still show.
    if (av_log_get_level() == AV_LOG_INFO) av_log_set_level(AV_LOG_WARNING);
    return agreed == kYmp4Agreed && VideoEncoder::Available(VideoCodec::kMpeg4);
}

void yXvidUnInt() {
    std::map<int, std::shared_ptr<Writer>> all;
    {
        std::lock_guard lock(tableMutex);
        all.swap(table);
    }
    for (auto& [handle, w] : all) {
        std::lock_guard lock(w->mutex);
        w->released = true;
        w->Finish();
    }
}

bool yMP4CNew(int handle, int agreed) {
    if (agreed != kYmp4Agreed) return false;
    std::lock_guard lock(tableMutex);
    auto& slot = table[handle];
    if (!slot) slot = std::make_shared<Writer>();
    return true;
}

void yMP4CDelete(int handle) {
    std::shared_ptr<Writer> w;
    {
        std::lock_guard lock(tableMutex);
        auto it = table.find(handle);
        if (it == table.end()) return;
        w = std::move(it->second);
        table.erase(it);
    }
    std::lock_guard lock(w->mutex);
    w->released = true;
    w->Finish();
}

void yMP4CSetNewMP4FileCallBackFunc(int handle, NewMP4FileCallback cb) {
    if (auto w = Find(handle)) {
        std::lock_guard lock(w->mutex);
        w->callback = std::move(cb);
    }
}

void yMP4CSetDiskFullCallBackFunc(int handle, DiskFullCallback cb) {
    if (auto w = Find(handle)) {
        std::lock_guard lock(w->mutex);
        w->diskCallback = std::move(cb);
    }
}

void yMP4CSetWriteFailureCallBackFunc(int handle, WriteFailureCallback cb) {
    if (auto w = Find(handle)) {
        std::lock_guard lock(w->mutex);
        w->failureCallback = std::move(cb);
    }
}

bool yMP4COpen(int handle, int frameRate, int width, int height, int quantizer, int compression,
               const QString& folder, int segmentMinutes) {
    auto w = Find(handle);
    if (!w) return false;
    std::lock_guard lock(w->mutex);
    if (w->released) return false;
    w->Finish();
    w->opened = false;
    // MPEG-4 Visual sizes are 13-bit.
    if (frameRate < 1 || frameRate > 60 || width < 2 || height < 2 || width > 8190 || height > 8190)
        return false;
    const QString path = PrepareFolder(folder);
    if (path.isEmpty()) return false;
    w->params = EncoderParams{w->codec,
                              frameRate,
                              width,
                              height,
                              std::clamp(quantizer, 0, 31),
                              std::clamp(compression, 0, 15)};
    w->folder = path;
    w->minutes = std::max(1, segmentMinutes);
    w->failedAt = QDateTime();
    w->opened = true;
    return true;
}

namespace {

// What a write has to report once the handle's lock is released.
struct WriteReport {
    QString newFile;
    NewMP4FileCallback fileCallback;
    DiskFullCallback diskCallback;
    int disk = 0;  // 1: the disk became full, -1: writing works again
    WriteFailureCallback failureCallback;
    int failure = 0;  // the same for other failures
    QString folder;
};

// A file that could not be begun or written: on a full disk the pause is reported once.
void NoteFailure(Writer& w, const QDateTime& now, qint64 fullBelow, WriteReport* report) {
    w.failedAt = now;
    report->folder = w.folder;
    if (DiskFull(w.folder, fullBelow)) {
        if (w.diskFull) return;
        w.diskFull = true;
        report->disk = 1;
        report->diskCallback = w.diskCallback;
    } else if (!w.diskFull && !w.failing) {
        w.failing = true;
        report->failure = 1;
        report->failureCallback = w.failureCallback;
    }
}

// Whether a file may begin now: not while a failed one waits for its retry, nor on a disk too
// full for it.
bool MayBeginFile(Writer& w, const QDateTime& now, WriteReport* report) {
    if (w.failedAt.isValid() && qAbs(w.failedAt.msecsTo(now)) < kRetryMs) return false;
    if (DiskFull(w.folder, kStartNeedsBytes)) {
        NoteFailure(w, now, kStartNeedsBytes, report);
        return false;
    }
    return true;
}

// Begins a file with `first`, a key frame; the file is named by its picture's time.
bool BeginSegment(Writer& w, const EncodedPacket& first, const QDateTime& now,
                  WriteReport* report) {
    RemoveEmptyRecordings(w.folder);
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(first.wallMs);
    const QString path = ReserveFileName(w.folder, start);
    if (!path.isEmpty())
        w.segment = Mp4Segment::Create(w.encoder->parameters(), w.encoder->timeBase(),
                                       w.params.rate, w.folder, path, start);
    if (!w.segment) {
        NoteFailure(w, now, kFullBelowBytes, report);
        return false;
    }
    w.announced = false;
    return true;
}

// A file whose first picture is on the disk is reported once, and ends a pause.
void Announce(Writer& w, WriteReport* report) {
    if (w.announced || !w.segment->FramesOnDisk()) return;
    w.announced = true;
    report->newFile = w.segment->path;
    report->fileCallback = w.callback;
    report->folder = w.folder;
    if (w.diskFull) {
        w.diskFull = false;
        report->disk = -1;
        report->diskCallback = w.diskCallback;
    }
    if (w.failing) {
        w.failing = false;
        report->failure = -1;
        report->failureCallback = w.failureCallback;
    }
}

// One packet to where it belongs: the ring while held, else the file, a new one beginning at
// a key frame when one is due.
bool Route(Writer& w, const EncodedPacket& p, const QDateTime& now, WriteReport* report) {
    if (w.holding) {
        w.ring.Push(p);
        return true;
    }
    if (w.segment && w.cutWanted && p.key()) w.FinishSegment();
    if (!w.segment) {
        if (!p.key()) return true;  // a picture from before the file's first key frame
        w.keyWanted = false;
        if (!BeginSegment(w, p, now, report)) return false;
    }
    if (w.segment->Write(p)) {
        Announce(w, report);
        return true;
    }
    w.FinishSegment();
    NoteFailure(w, now, kFullBelowBytes, report);
    return false;
}

// Encodes one picture and routes its packets; after a hold the ring's packets go first.
template <typename Encode>
bool WriteLocked(Writer& w, Encode encode, WriteReport* report) {
    const QDateTime now = ClockNow();
    std::vector<EncodedPacket> packets;
    if (w.releaseFrom >= 0) {
        packets = w.ring.TakeFrom(w.releaseFrom);
        w.releaseFrom = -1;
    }
    const bool fileDue = !w.holding && !w.segment;
    if (fileDue && packets.empty() && !MayBeginFile(w, now, report)) return false;
    if (!w.encoder && !(w.encoder = VideoEncoder::Create(w.params))) {
        NoteFailure(w, now, kFullBelowBytes, report);
        return false;
    }
    if (w.segment && !w.cutWanted && (w.segment->folder != w.folder || SegmentOver(w, now))) {
        w.cutWanted = true;  // at the key frame asked for now
        w.encoder->ForceKeyFrame();
    }
    // Held pictures get a key frame every second, so a released file begins within half a
    // second of the moment asked for.
    if (w.holding && qAbs(now.toMSecsSinceEpoch() - w.heldKeyMs) >= 1000) {
        w.heldKeyMs = now.toMSecsSinceEpoch();
        w.encoder->ForceKeyFrame();
    }
    if (fileDue && packets.empty() && !w.keyWanted) {
        w.keyWanted = true;
        w.encoder->ForceKeyFrame();
    }
    if (!encode(*w.encoder, now.toMSecsSinceEpoch(), &packets)) {
        w.FinishSegment();
        NoteFailure(w, now, kFullBelowBytes, report);
        return false;
    }
    for (const EncodedPacket& p : packets)
        if (!Route(w, p, now, report)) return false;
    return true;
}

// Hands one frame of width × height to the handle's encoder.
template <typename Encode>
bool WriteToHandle(int handle, int width, int height, Encode encode) {
    auto w = Find(handle);
    if (!w) return false;
    WriteReport report;
    bool written = false;
    {
        std::lock_guard lock(w->mutex);
        const EncoderParams& p = w->params;
        if (!w->opened || w->released || width != p.width || height != p.height) return false;
        written = WriteLocked(*w, encode, &report);
    }
    // Outside the lock: the callbacks may ask the library about this handle.
    const int32_t number = handle;
    if (report.disk != 0 && report.diskCallback)
        report.diskCallback(&number, report.disk > 0, report.folder);
    if (report.failure != 0 && report.failureCallback)
        report.failureCallback(&number, report.failure > 0, report.folder);
    if (!report.newFile.isEmpty() && report.fileCallback)
        report.fileCallback(&number, report.newFile);
    return written;
}

using Packets = std::vector<EncodedPacket>;

}  // namespace

bool yVideoWrite(int handle, const uint8_t* frame, size_t length) {
    auto w = Find(handle);
    if (!w || !frame) return false;
    int width, height;
    {
        std::lock_guard lock(w->mutex);
        width = w->params.width;
        height = w->params.height;
    }
    if (length != size_t(FrameStride(width)) * size_t(height)) return false;
    return WriteToHandle(handle, width, height, [frame](VideoEncoder& e, qint64 ms, Packets* out) {
        return e.Encode(frame, ms, out);
    });
}

bool yVideoWritePlanes(int handle, const PlanarFrame& frame) {
    if (frame.data.empty()) return false;
    return WriteToHandle(
        handle, frame.width, frame.height,
        [&frame](VideoEncoder& e, qint64 ms, Packets* out) { return e.Encode(frame, ms, out); });
}

bool yMP4CSetCodec(int handle, VideoCodec codec) {
    auto w = Find(handle);
    if (!w || !VideoEncoder::Available(codec)) return false;
    std::lock_guard lock(w->mutex);
    w->codec = codec;
    return true;
}

bool yMP4CHold(int handle, int seconds) {
    auto w = Find(handle);
    if (!w) return false;
    std::lock_guard lock(w->mutex);
    if (!w->opened || w->released) return false;
    w->Finish();
    w->holding = true;
    w->ring.SetSeconds(seconds);
    return true;
}

bool yMP4CRelease(int handle, const QDateTime& since) {
    auto w = Find(handle);
    if (!w) return false;
    std::lock_guard lock(w->mutex);
    if (!w->holding) return false;
    w->holding = false;
    w->releaseFrom = since.toMSecsSinceEpoch();
    return true;
}

size_t yMP4CHeldBytes(int handle) {
    auto w = Find(handle);
    if (!w) return 0;
    std::lock_guard lock(w->mutex);
    return w->ring.bytes();
}

bool yMP4CSetRootPath(int handle, const QString& folder, int segmentMinutes) {
    auto w = Find(handle);
    if (!w) return false;
    const QString path = PrepareFolder(folder);
    std::lock_guard lock(w->mutex);
    w->minutes = std::max(1, segmentMinutes);
    if (path.isEmpty()) return false;
    w->folder = path;
    return true;
}

void yMP4CClose(int handle) {
    if (auto w = Find(handle)) {
        std::lock_guard lock(w->mutex);
        w->Finish();
        w->opened = false;
    }
}

QString yMP4CCurrentFile(int handle) {
    auto w = Find(handle);
    if (!w) return {};
    std::lock_guard lock(w->mutex);
    return w->segment ? w->segment->path : QString();
}

void SetWriterClockForTesting(std::function<QDateTime()> clock) {
    std::lock_guard lock(clockMutex);
    testClock = std::move(clock);
}

}  // namespace trelvix

namespace trelvix::ymp4 {

QDateTime ClockNow() {
    return trelvix::ClockNow();
}
bool DiskFull(const QString& folder, qint64 below) {
    return trelvix::DiskFull(folder, below);
}

Reports ReportsOf(int handle) {
    auto w = Find(handle);
    if (!w) return {};
    std::lock_guard lock(w->mutex);
    return {w->callback, w->diskCallback, w->failureCallback};
}

}  // namespace trelvix::ymp4
