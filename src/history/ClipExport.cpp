#include "history/ClipExport.h"

#include <QFile>
#include <algorithm>
#include <deque>

extern "C" {
#include <libavformat/avformat.h>
}

namespace trelvix {

namespace {

constexpr AVRational kMs{1, 1000};

struct Input {
    AVFormatContext* ctx = nullptr;
    int video = -1;
    ~Input() { avformat_close_input(&ctx); }
    bool Open(const QString& path) {
        if (avformat_open_input(&ctx, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
            return false;
        if (avformat_find_stream_info(ctx, nullptr) < 0) return false;
        video = av_find_best_stream(ctx, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        return video >= 0;
    }
    AVStream* Stream() const { return ctx->streams[video]; }
    int64_t StartTs() const {
        const int64_t s = Stream()->start_time;
        return s == AV_NOPTS_VALUE ? 0 : s;
    }
};

struct Output {
    AVFormatContext* ctx = nullptr;
    QString path;
    bool headerWritten = false;
    bool done = false;
    ~Output() {
        if (!ctx) return;
        if (headerWritten && !done) av_write_trailer(ctx);
        if (!(ctx->oformat->flags & AVFMT_NOFILE)) avio_closep(&ctx->pb);
        avformat_free_context(ctx);
        if (!done) QFile::remove(path);
    }
    bool Open(const QString& p, const AVStream* from) {
        path = p;
        const QByteArray name = QFile::encodeName(p);
        if (avformat_alloc_output_context2(&ctx, nullptr, "mp4", name.constData()) < 0)
            return false;
        AVStream* s = avformat_new_stream(ctx, nullptr);
        if (!s || avcodec_parameters_copy(s->codecpar, from->codecpar) < 0) return false;
        s->codecpar->codec_tag = 0;
        s->time_base = from->time_base;
        if (avio_open(&ctx->pb, name.constData(), AVIO_FLAG_WRITE) < 0) return false;
        headerWritten = avformat_write_header(ctx, nullptr) >= 0;
        return headerWritten;
    }
};

struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
using Packet = std::unique_ptr<AVPacket, PacketFree>;

// Carries the clip's clock across files: each file's packets continue where the last ended
// when the files follow each other, and keep the real pause when the camera did not record.
struct ClipClock {
    QDateTime clipStart;  // the wall time of the clip's first packet
    int64_t nextDts = 0;  // in the output's time base
    QDateTime lastEnd;
};

class SegmentCopier {
public:
    SegmentCopier(Output& out, ClipClock& clock, ExportSummary& sum)
        : out_(out), clock_(clock), sum_(sum) {}

    // Copies the packets of `in` between the key frame at or before `fromMs` and the first
    // key frame at or after `toMs` (both from the file's start). False when writing failed.
    bool Copy(Input& in, const Segment& seg, qint64 fromMs, qint64 toMs, bool* reachedEnd);

private:
    bool Write(Input& in, const Segment& seg, Packet pkt);
    bool Flush(Input& in, const Segment& seg);

    Output& out_;
    ClipClock& clock_;
    ExportSummary& sum_;
    std::deque<Packet> gop_;  // the group of pictures the span may start in
    bool started_ = false;
    int64_t offset_ = 0;  // added to this file's timestamps
    bool offsetSet_ = false;
};

bool SegmentCopier::Write(Input& in, const Segment& seg, Packet pkt) {
    const AVRational tb = in.Stream()->time_base;
    const AVRational otb = out_.ctx->streams[0]->time_base;
    const int64_t dts = pkt->dts == AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
    if (!offsetSet_) {
        const qint64 intoFile = av_rescale_q(dts - in.StartTs(), tb, kMs);
        const QDateTime wall = seg.start.addMSecs(intoFile);
        if (!clock_.clipStart.isValid()) clock_.clipStart = wall;
        const bool follows = clock_.lastEnd.isValid() && clock_.lastEnd.msecsTo(wall) <= 2000;
        const int64_t atWall = av_rescale_q(clock_.clipStart.msecsTo(wall), kMs, otb);
        const int64_t first = follows ? clock_.nextDts : std::max(atWall, clock_.nextDts);
        offset_ = first - av_rescale_q(dts, tb, otb);
        offsetSet_ = true;
    }
    av_packet_rescale_ts(pkt.get(), tb, otb);
    pkt->dts = (pkt->dts == AV_NOPTS_VALUE ? pkt->pts : pkt->dts) + offset_;
    pkt->pts = (pkt->pts == AV_NOPTS_VALUE ? pkt->dts : pkt->pts + offset_);
    pkt->stream_index = 0;
    pkt->pos = -1;
    const int64_t step = pkt->duration > 0 ? pkt->duration : 1;
    clock_.nextDts = std::max(clock_.nextDts, pkt->dts + step);
    clock_.lastEnd = clock_.clipStart.addMSecs(av_rescale_q(clock_.nextDts, otb, kMs));
    ++sum_.packets;
    return av_interleaved_write_frame(out_.ctx, pkt.get()) >= 0;
}

bool SegmentCopier::Flush(Input& in, const Segment& seg) {
    while (!gop_.empty()) {
        Packet p = std::move(gop_.front());
        gop_.pop_front();
        if (!Write(in, seg, std::move(p))) return false;
    }
    return true;
}

bool SegmentCopier::Copy(Input& in, const Segment& seg, qint64 fromMs, qint64 toMs,
                         bool* reachedEnd) {
    const AVRational tb = in.Stream()->time_base;
    if (fromMs > 0)
        av_seek_frame(in.ctx, in.video, in.StartTs() + av_rescale_q(fromMs, kMs, tb),
                      AVSEEK_FLAG_BACKWARD);
    *reachedEnd = false;
    for (;;) {
        Packet pkt(av_packet_alloc());
        if (!pkt || av_read_frame(in.ctx, pkt.get()) < 0) break;
        if (pkt->stream_index != in.video) continue;
        const int64_t ts = pkt->pts != AV_NOPTS_VALUE ? pkt->pts : pkt->dts;
        const qint64 ms = av_rescale_q(ts - in.StartTs(), tb, kMs);
        const bool key = pkt->flags & AV_PKT_FLAG_KEY;
        if (key && ms >= toMs) {
            *reachedEnd = true;
            break;
        }
        if (!started_) {
            if (key) gop_.clear();
            if (!key && gop_.empty()) continue;  // no key frame yet to start from
            gop_.push_back(std::move(pkt));
            if (ms >= fromMs) {
                started_ = true;
                if (!Flush(in, seg)) return false;
            }
            continue;
        }
        if (!Write(in, seg, std::move(pkt))) return false;
    }
    // A span that starts after the file's last key frame still shows that group.
    if (!started_ && !gop_.empty()) {
        started_ = true;
        return Flush(in, seg);
    }
    return true;
}

}  // namespace

ExportSummary ExportClip(const std::vector<Segment>& segments, const QDateTime& from,
                         const QDateTime& to, const QString& outPath) {
    ExportSummary sum;
    if (!from.isValid() || !to.isValid() || to <= from) return sum;
    Output out;
    ClipClock clock;
    for (const Segment& seg : segments) {
        if (seg.start >= to || seg.End() <= from) continue;
        Input in;
        if (!in.Open(seg.path)) {
            sum.result = ExportResult::kCannotRead;
            return sum;
        }
        if (!out.ctx && !out.Open(outPath, in.Stream())) {
            sum.result = ExportResult::kCannotWrite;
            return sum;
        }
        SegmentCopier copier(out, clock, sum);
        bool reachedEnd = false;
        const qint64 fromMs = std::max<qint64>(0, seg.start.msecsTo(from));
        if (!copier.Copy(in, seg, fromMs, seg.start.msecsTo(to), &reachedEnd)) {
            sum.result = ExportResult::kCannotWrite;
            return sum;
        }
        ++sum.segments;
        if (reachedEnd) break;
    }
    if (sum.packets == 0) return sum;  // kNothingRecorded; the output goes with `out`
    if (av_write_trailer(out.ctx) < 0) {
        sum.result = ExportResult::kCannotWrite;
        return sum;
    }
    out.done = true;
    sum.durationMs = av_rescale_q(clock.nextDts, out.ctx->streams[0]->time_base, kMs);
    sum.result = ExportResult::kOk;
    return sum;
}

std::vector<Segment> SegmentsBetween(const QString& logPath, int camera, const QDateTime& from,
                                     const QDateTime& to,
                                     const std::function<QString(const QDate&)>& videoFolder,
                                     const DayTexts& texts) {
    std::vector<Segment> all;
    // A recording started before midnight is in the day before's log.
    for (QDate d = from.date().addDays(-1); d <= to.date(); d = d.addDays(1)) {
        std::map<int, QString> folders;
        if (videoFolder) folders[camera] = videoFolder(d);
        const auto index = CachedDayIndex(logPath, d, folders, texts);
        if (const CameraDay* c = index->Camera(camera))
            all.insert(all.end(), c->segments.begin(), c->segments.end());
    }
    std::stable_sort(all.begin(), all.end(),
                     [](const Segment& a, const Segment& b) { return a.start < b.start; });
    all.erase(std::unique(all.begin(), all.end(),
                          [](const Segment& a, const Segment& b) { return a.path == b.path; }),
              all.end());
    return all;
}

}  // namespace trelvix
