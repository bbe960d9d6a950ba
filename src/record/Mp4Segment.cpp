#include "record/Mp4Segment.h"

#include <QFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
}

namespace trelvix {

Mp4Segment::~Mp4Segment() {
    Finish();
}

std::unique_ptr<Mp4Segment> Mp4Segment::Create(const AVCodecParameters* params, AVRational timeBase,
                                               int rate, const QString& folder, const QString& path,
                                               const QDateTime& start) {
    std::unique_ptr<Mp4Segment> s(new Mp4Segment);
    s->path = path;
    s->folder = folder;
    s->start = start;
    s->timeBase_ = timeBase;
    s->rate_ = rate;
    if (!s->Open(params, rate, start)) {
        s->Finish();
        QFile::remove(path);
        return nullptr;
    }
    return s;
}

bool Mp4Segment::Write(const EncodedPacket& packet) {
    if (failed_ || !packet.packet) return false;
    if (av_packet_ref(pkt_, packet.packet.get()) < 0) return Fail();
    if (origin_ == INT64_MIN) origin_ = pkt_->dts != AV_NOPTS_VALUE ? pkt_->dts : pkt_->pts;
    if (pkt_->pts != AV_NOPTS_VALUE) pkt_->pts -= origin_;
    if (pkt_->dts != AV_NOPTS_VALUE) pkt_->dts -= origin_;
    // Set before rescaling, or the last picture's time is lost.
    if (pkt_->duration <= 0) pkt_->duration = av_rescale_q(1, AVRational{1, rate_}, timeBase_);
    pkt_->stream_index = stream_->index;
    av_packet_rescale_ts(pkt_, timeBase_, stream_->time_base);
    const int w = av_write_frame(fmt_, pkt_);
    av_packet_unref(pkt_);
    if (w < 0) return Fail();
    // The first picture goes to the disk at once, so a file is reported only once it plays.
    if (packets_++ == 0 && av_write_frame(fmt_, nullptr) < 0) return Fail();
    avio_flush(fmt_->pb);
    if (fmt_->pb->error < 0) return Fail();
    lastGood_ = avio_tell(fmt_->pb);
    return true;
}

bool Mp4Segment::FramesOnDisk() const {
    return !failed_ && lastGood_ > headerEnd_;
}

bool Mp4Segment::Finish() {
    if (fmt_) {
        if (headerWritten_ && !failed_ && av_write_trailer(fmt_) < 0) failed_ = true;
        if (fmt_->pb && fmt_->pb->error < 0) failed_ = true;
        avio_closep(&fmt_->pb);
        avformat_free_context(fmt_);
        fmt_ = nullptr;
        // A write that failed (a full disk) may have left half a fragment: the file ends
        // with the last whole one instead, and plays.
        if (failed_ && headerWritten_) QFile::resize(path, lastGood_);
    }
    av_packet_free(&pkt_);
    return !failed_;
}

bool Mp4Segment::HoldsFrames() const {
    return failed_ ? lastGood_ > headerEnd_ : packets_ > 0;
}

bool Mp4Segment::Open(const AVCodecParameters* params, int rate, const QDateTime& start) {
    pkt_ = av_packet_alloc();
    if (!pkt_ || avformat_alloc_output_context2(&fmt_, nullptr, "mp4", nullptr) < 0) return false;
    stream_ = avformat_new_stream(fmt_, nullptr);
    if (!stream_ || avcodec_parameters_copy(stream_->codecpar, params) < 0) return false;
    stream_->codecpar->codec_tag = 0;  // the muxer's own: 'mp4v', 'avc1'
    stream_->time_base = timeBase_;
    stream_->avg_frame_rate = AVRational{rate, 1};
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

bool Mp4Segment::Fail() {
    failed_ = true;
    return false;
}

}  // namespace trelvix
