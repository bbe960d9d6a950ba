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
#include "common/PlaneRange.h"
#include "common/Clock.h"
#include "common/Files.h"
#include "common/FreeSpace.h"

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

struct Params {
    int rate = 10;
    int width = 0;  // of the frames handed in
    int height = 0;
    int quantizer = 4;
    int compression = 15;
};

// Encoder effort for a compression level 0..15: no motion search at 0, then finer sub-pixel
// refinement and predictors from the last frame. The search keeps the small diamond and one
// vector per block: between camera frames things move little, and larger diamonds or four
// vectors cost up to a third more time for files at most 0.6 % smaller. Block decisions by bit
// count or rate-distortion are left out: on camera pictures they saved 1 to 2 % for 50 to 80 %
// more time.
void AddEffortOptions(int c, AVDictionary** opts) {
    av_dict_set(opts, "motion_est", c == 0 ? "zero" : "epzs", 0);
    av_dict_set_int(opts, "subq", std::min(8, c / 2 + 1), 0);
    av_dict_set_int(opts, "dia_size", 1, 0);
    av_dict_set_int(opts, "last_pred", c >= 5 ? 2 : 0, 0);
    av_dict_set(opts, "mbd", "simple", 0);
}

// One MP4 file being written: encoder, converter and muxer. Every failure leaves the file as
// playable as what was flushed so far.
class Segment {
public:
    ~Segment() { Finish(); }

    static std::unique_ptr<Segment> Create(const Params& p, const QString& folder,
                                           const QString& path, const QDateTime& start) {
        std::unique_ptr<Segment> s(new Segment);
        s->path = path;
        s->folder = folder;
        s->start = start;
        s->frameStride_ = FrameStride(p.width);
        if (!s->Open(p, start)) {
            s->Finish();
            QFile::remove(path);
            return nullptr;
        }
        return s;
    }

    bool Write(const uint8_t* frame) {
        if (failed_) return false;
        AVFrame* pic = WritablePicture();
        if (!pic) return Fail();
        const uint8_t* src[4] = {frame, nullptr, nullptr, nullptr};
        const int srcStride[4] = {frameStride_, 0, 0, 0};
        sws_scale(sws_, src, srcStride, 0, enc_->height, pic->data, pic->linesize);
        return Encode(pic);
    }

    // A JPEG camera's planes go in without a colour conversion: only their range changes.
    bool Write(const PlanarFrame& frame) {
        if (failed_) return false;
        AVFrame* pic = WritablePicture();
        if (!pic) return Fail();
        ToLimitedRange420(frame, pic->data, pic->linesize);
        return Encode(pic);
    }

    bool Encode(AVFrame* pic) {
        pic->pts = nextPts_++;
        pic->quality = enc_->global_quality;
        pic->pict_type = AV_PICTURE_TYPE_NONE;
        if (avcodec_send_frame(enc_, pic) < 0) return Fail();
        if (!Drain()) return false;
        // The first frame goes to the disk at once, so a file is reported only once it plays.
        if (!firstFlushed_ && packets_ > 0) {
            firstFlushed_ = true;
            if (av_write_frame(fmt_, nullptr) < 0) return Fail();
            avio_flush(fmt_->pb);
            if (fmt_->pb->error < 0) return Fail();
            lastGood_ = avio_tell(fmt_->pb);
        }
        return true;
    }

    // Whether a frame of the file is on the disk.
    bool FramesOnDisk() const { return !failed_ && lastGood_ > headerEnd_; }

    // Drains the encoder, writes the trailer and closes the file; false when anything failed.
    bool Finish() {
        if (fmt_) {
            if (headerWritten_ && !failed_) {
                if (avcodec_send_frame(enc_, nullptr) < 0 || !Drain()) failed_ = true;
            }
            if (headerWritten_ && !failed_ && av_write_trailer(fmt_) < 0) failed_ = true;
            if (fmt_->pb && fmt_->pb->error < 0) failed_ = true;
            if (!(fmt_->oformat->flags & AVFMT_NOFILE)) avio_closep(&fmt_->pb);
            avformat_free_context(fmt_);
            fmt_ = nullptr;
            // A write that failed (a full disk) may have left half a fragment: the file ends
            // with the last whole one instead, and plays.
            if (failed_ && headerWritten_) QFile::resize(path, lastGood_);
        }
        avcodec_free_context(&enc_);
        for (AVFrame*& f : pictures_) av_frame_free(&f);
        pictures_.clear();
        av_packet_free(&pkt_);
        sws_freeContext(sws_);
        sws_ = nullptr;
        return !failed_;
    }

    // Whether the finished file holds a frame a player can show.
    bool HoldsFrames() const { return failed_ ? lastGood_ > headerEnd_ : nextPts_ > 0; }

    QString path;
    QString folder;  // ends in "/"
    QDateTime start;

private:
    Segment() = default;

    bool Open(const Params& p, const QDateTime& start) {
        const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
        if (!codec) return false;
        if (avformat_alloc_output_context2(&fmt_, nullptr, "mp4", nullptr) < 0) return false;
        enc_ = avcodec_alloc_context3(codec);
        pkt_ = av_packet_alloc();
        if (!enc_ || !pkt_) return false;

        // 4:2:0 needs even sizes: an odd last row or column is left out.
        enc_->width = p.width & ~1;
        enc_->height = p.height & ~1;
        enc_->pix_fmt = AV_PIX_FMT_YUV420P;
        enc_->time_base = AVRational{1, p.rate};
        enc_->framerate = AVRational{p.rate, 1};
        enc_->sample_aspect_ratio = AVRational{1, 1};
        enc_->gop_size = p.rate * (p.compression == 0 ? 1 : 2);
        enc_->max_b_frames = 0;
        enc_->thread_count = 1;
        enc_->flags |= AV_CODEC_FLAG_QSCALE | AV_CODEC_FLAG_GLOBAL_HEADER;
        const int q = p.quantizer == 0 ? 2 : p.quantizer;
        enc_->global_quality = q * FF_QP2LAMBDA;
        AVDictionary* codecOpts = nullptr;
        AddEffortOptions(p.compression, &codecOpts);
        const int opened = avcodec_open2(enc_, codec, &codecOpts);
        av_dict_free(&codecOpts);
        if (opened < 0) return false;

        sws_ =
            sws_getContext(enc_->width, enc_->height, AV_PIX_FMT_BGR24, enc_->width, enc_->height,
                           AV_PIX_FMT_YUV420P, SWS_FAST_BILINEAR, nullptr, nullptr, nullptr);
        if (!sws_) return false;

        stream_ = avformat_new_stream(fmt_, nullptr);
        if (!stream_ || avcodec_parameters_from_context(stream_->codecpar, enc_) < 0) return false;
        stream_->codecpar->codec_tag = 0;  // the muxer's 'mp4v'
        stream_->time_base = enc_->time_base;
        stream_->avg_frame_rate = enc_->framerate;
        av_dict_set(&fmt_->metadata, "creation_time",
                    start.toUTC().toString(Qt::ISODateWithMs).toUtf8().constData(), 0);

        const QByteArray url = "file:" + QFile::encodeName(path);
        if (avio_open(&fmt_->pb, url.constData(), AVIO_FLAG_WRITE) < 0) return false;
        // Fragments of at most a second, each flushed to the file at once: a killed process
        // loses only the last second.
        AVDictionary* muxOpts = nullptr;
        av_dict_set(&muxOpts, "movflags", "frag_keyframe+empty_moov+default_base_moof", 0);
        av_dict_set_int(&muxOpts, "frag_duration", 1000000, 0);
        const int header = avformat_write_header(fmt_, &muxOpts);
        av_dict_free(&muxOpts);
        if (header < 0) return false;
        headerWritten_ = true;
        avio_flush(fmt_->pb);
        headerEnd_ = lastGood_ = avio_tell(fmt_->pb);
        return fmt_->pb->error >= 0;
    }

    // The encoder may keep a reference to the last picture; never write into a shared one.
    AVFrame* WritablePicture() {
        for (AVFrame* f : pictures_)
            if (av_frame_is_writable(f)) return f;
        if (pictures_.size() >= 4) return nullptr;
        AVFrame* f = av_frame_alloc();
        if (!f) return nullptr;
        f->format = enc_->pix_fmt;
        f->width = enc_->width;
        f->height = enc_->height;
        if (av_frame_get_buffer(f, 0) < 0) {
            av_frame_free(&f);
            return nullptr;
        }
        pictures_.push_back(f);
        return f;
    }

    bool Drain() {
        for (;;) {
            const int r = avcodec_receive_packet(enc_, pkt_);
            if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) break;
            if (r < 0) return Fail();
            pkt_->stream_index = stream_->index;
            if (pkt_->duration <= 0) pkt_->duration = 1;
            av_packet_rescale_ts(pkt_, enc_->time_base, stream_->time_base);
            const int w = av_write_frame(fmt_, pkt_);
            av_packet_unref(pkt_);
            if (w < 0) return Fail();
            ++packets_;
        }
        avio_flush(fmt_->pb);
        if (fmt_->pb->error < 0) return Fail();
        lastGood_ = avio_tell(fmt_->pb);
        return true;
    }

    bool Fail() {
        failed_ = true;
        return false;
    }

    AVFormatContext* fmt_ = nullptr;
    AVCodecContext* enc_ = nullptr;
    AVStream* stream_ = nullptr;
    SwsContext* sws_ = nullptr;
    AVPacket* pkt_ = nullptr;
    std::vector<AVFrame*> pictures_;
    int frameStride_ = 0;
    int64_t nextPts_ = 0;
    int64_t packets_ = 0;
    int64_t headerEnd_ = 0;  // where the file's first fragment begins
    int64_t lastGood_ = 0;   // the end of what was written whole
    bool headerWritten_ = false;
    bool firstFlushed_ = false;
    bool failed_ = false;
};

struct Writer {
    std::mutex mutex;
    NewMP4FileCallback callback;
    DiskFullCallback diskCallback;
    bool released = false;
    bool opened = false;
    Params params;
    QString folder;  // absolute, ends in "/"
    int minutes = 30;
    std::unique_ptr<Segment> segment;
    QDateTime failedAt;      // the last file that could not be created or written
    bool announced = false;  // the segment was reported as a new file
    bool diskFull = false;   // paused for want of space, and reported so

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
    w->params = Params{frameRate, width, height, std::clamp(quantizer, 0, 31),
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
    QString folder;
};

// A file that could not be begun or written: on a full disk the pause is reported once.
void NoteFailure(Writer& w, const QDateTime& now, qint64 fullBelow, WriteReport* report) {
    w.failedAt = now;
    if (w.diskFull || !DiskFull(w.folder, fullBelow)) return;
    w.diskFull = true;
    report->disk = 1;
    report->diskCallback = w.diskCallback;
    report->folder = w.folder;
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
    if (!path.isEmpty()) w.segment = Segment::Create(w.params, w.folder, path, now);
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
        const Params& p = w->params;
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
                if (w->diskFull) {
                    w->diskFull = false;
                    report.disk = -1;
                    report.diskCallback = w->diskCallback;
                    report.folder = w->folder;
                }
            }
        }
    }
    // Outside the lock: the callbacks may ask the library about this handle.
    const int32_t number = handle;
    if (report.disk != 0 && report.diskCallback)
        report.diskCallback(&number, report.disk > 0, report.folder);
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
                         [frame](Segment& segment) { return segment.Write(frame); });
}

bool yVideoWritePlanes(int handle, const PlanarFrame& frame) {
    if (frame.data.empty()) return false;
    return WriteToHandle(handle, frame.width, frame.height,
                         [&frame](Segment& segment) { return segment.Write(frame); });
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
