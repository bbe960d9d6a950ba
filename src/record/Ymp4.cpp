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
#include <libswscale/swscale.h>
}

#include "common/Frame.h"
#include "common/Clock.h"
#include "common/Files.h"
#include "common/FreeSpace.h"
#include "record/Mp4Segment.h"
#include "record/Ymp4Files.h"

namespace trelvix {

namespace {

// After a file could not be created or written, frames are refused for this long before the
// next try, so a full disk does not cost an encoder start per frame.
constexpr qint64 kRetryMs = 5000;
// A clock set back by more than this starts a new file, named by the new time.
constexpr qint64 kClockBackMs = 60000;
// No new file is begun with less free space than this: it would be cut at once.
constexpr qint64 kStartNeedsBytes = 1024 * 1024;
// A file that could not be written on a drive with less than this left ran out of space.
constexpr qint64 kFullBelowBytes = 16 * 1024 * 1024;

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
    SegmentParams params;
    QString folder;  // absolute, ends in "/"
    int minutes = 30;
    std::unique_ptr<Mp4Segment> segment;
    QDateTime failedAt;      // the last file that could not be created or written
    bool announced = false;  // the segment was reported as a new file
    bool diskFull = false;   // paused for want of space, and reported so
    bool failing = false;    // a file failed for another reason, and that was reported

    void Finish() {
        if (!segment) return;
        segment->Finish();
        // A file without a single frame is no recording: nothing would play it.
        if (!segment->HoldsFrames()) QFile::remove(segment->path);
        segment.reset();
    }
};

std::mutex tableMutex;
std::map<int, std::shared_ptr<Writer>> table;

std::shared_ptr<Writer> Find(int handle) {
    std::lock_guard lock(tableMutex);
    auto it = table.find(handle);
    return it == table.end() ? nullptr : it->second;
}

// The folder as an absolute path ending in "/", created when missing; empty when it cannot be.
QString PrepareFolder(const QString& folder) {
    if (folder.trimmed().isEmpty()) return {};
    const QString path = WithSlash(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    if (!QDir().mkpath(path)) return {};
    return path;
}

// Reserves a new file named by `start` ("yyyyMMdd HHmmss.mp4"; "_2", "_3", … when taken, so
// names still sort in creation order). Never touches an existing file.
// Recordings a killed program left without a single frame: small files only are looked at.
void RemoveEmptyRecordings(const QString& folder) {
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.mp4")}, QDir::Files, QDir::Name);
    for (const QFileInfo& f : files) {
        if (f.size() > 64 * 1024) continue;
        // Only the writer's own files: empty, or an MP4 header; anything else stays.
        QFile file(f.filePath());
        if (f.size() > 0 && (!file.open(QIODevice::ReadOnly) || file.read(8).mid(4) != "ftyp"))
            continue;
        file.close();
        AVFormatContext* ctx = nullptr;
        bool frames = false;
        if (avformat_open_input(&ctx, QFile::encodeName(f.filePath()).constData(), nullptr,
                                nullptr) == 0) {
            AVPacket* pkt = av_packet_alloc();
            frames =
                pkt && avformat_find_stream_info(ctx, nullptr) >= 0 && av_read_frame(ctx, pkt) >= 0;
            av_packet_free(&pkt);
            avformat_close_input(&ctx);
        }
        if (!frames) QFile::remove(f.filePath());
    }
}

QString ReserveFileName(const QString& folder, const QDateTime& start) {
    const QString base = folder + start.toString(QStringLiteral("yyyyMMdd HHmmss"));
    for (int n = 1; n < 1000; ++n) {
        const QString path =
            n == 1 ? base + QStringLiteral(".mp4") : base + QStringLiteral("_%1.mp4").arg(n);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return path;
        if (!f.exists()) return {};  // not a name clash: the folder is unusable
    }
    return {};
}

bool SegmentOver(const Writer& w, const QDateTime& now) {
    const qint64 elapsed = w.segment->start.msecsTo(now);
    return elapsed >= qint64(w.minutes) * 60000 || elapsed <= -kClockBackMs;
}

}  // namespace

bool yXvidInit(int agreed, int /*cameraCount*/, int /*reserved*/) {
    return agreed == kYmp4Agreed && avcodec_find_encoder(AV_CODEC_ID_MPEG4) != nullptr;
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
    w->params = SegmentParams{frameRate, width, height, std::clamp(quantizer, 0, 31),
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

// Begins a file when none is open; false when none could be begun.
bool EnsureSegment(Writer& w, const QDateTime& now, WriteReport* report) {
    if (w.segment) return true;
    if (w.failedAt.isValid() && qAbs(w.failedAt.msecsTo(now)) < kRetryMs) return false;
    if (DiskFull(w.folder, kStartNeedsBytes)) {
        NoteFailure(w, now, kStartNeedsBytes, report);
        return false;
    }
    RemoveEmptyRecordings(w.folder);
    const QString path = ReserveFileName(w.folder, now);
    if (!path.isEmpty()) w.segment = Mp4Segment::Create(w.params, w.folder, path, now);
    if (!w.segment) {
        NoteFailure(w, now, kFullBelowBytes, report);
        return false;
    }
    w.announced = false;
    return true;
}

// Hands one frame of width × height to the handle's current file, starting a file first when
// none is open or the segment is over.
template <typename WriteFrame>
bool WriteToHandle(int handle, int width, int height, WriteFrame write) {
    auto w = Find(handle);
    if (!w) return false;
    WriteReport report;
    bool written = false;
    {
        std::lock_guard lock(w->mutex);
        const SegmentParams& p = w->params;
        if (!w->opened || w->released || width != p.width || height != p.height) return false;
        const QDateTime now = ClockNow();
        if (w->segment && (w->segment->folder != w->folder || SegmentOver(*w, now))) w->Finish();
        if (EnsureSegment(*w, now, &report)) {
            written = write(*w->segment);
            if (!written) {
                w->Finish();
                NoteFailure(*w, now, kFullBelowBytes, &report);
            } else if (!w->announced && w->segment->FramesOnDisk()) {
                w->announced = true;
                report.newFile = w->segment->path;
                report.fileCallback = w->callback;
                report.folder = w->folder;
                if (w->diskFull) {
                    w->diskFull = false;
                    report.disk = -1;
                    report.diskCallback = w->diskCallback;
                }
                if (w->failing) {
                    w->failing = false;
                    report.failure = -1;
                    report.failureCallback = w->failureCallback;
                }
            }
        }
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
    return WriteToHandle(handle, width, height,
                         [frame](Mp4Segment& segment) { return segment.Write(frame); });
}

bool yVideoWritePlanes(int handle, const PlanarFrame& frame) {
    if (frame.data.empty()) return false;
    return WriteToHandle(handle, frame.width, frame.height,
                         [&frame](Mp4Segment& segment) { return segment.Write(frame); });
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
QString PrepareFolder(const QString& folder) {
    return trelvix::PrepareFolder(folder);
}
QString ReserveFileName(const QString& folder, const QDateTime& start) {
    return trelvix::ReserveFileName(folder, start);
}
void RemoveEmptyRecordings(const QString& folder) {
    trelvix::RemoveEmptyRecordings(folder);
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
