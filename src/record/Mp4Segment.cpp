#include "record/Mp4Segment.h"

#include <QFile>
#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libswscale/swscale.h>
}

#include "common/Frame.h"
#include "common/PlaneRange.h"

namespace trelvix {

namespace {

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

}  // namespace

Mp4Segment::~Mp4Segment() {
    Finish();
}

std::unique_ptr<Mp4Segment> Mp4Segment::Create(const SegmentParams& p, const QString& folder,
                                               const QString& path, const QDateTime& start) {
    std::unique_ptr<Mp4Segment> s(new Mp4Segment);
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

bool Mp4Segment::Write(const uint8_t* frame) {
    if (failed_) return false;
    AVFrame* pic = WritablePicture();
    if (!pic) return Fail();
    const uint8_t* src[4] = {frame, nullptr, nullptr, nullptr};
    const int srcStride[4] = {frameStride_, 0, 0, 0};
    sws_scale(sws_, src, srcStride, 0, enc_->height, pic->data, pic->linesize);
    return Encode(pic);
}

bool Mp4Segment::Write(const PlanarFrame& frame) {
    if (failed_) return false;
    AVFrame* pic = WritablePicture();
    if (!pic) return Fail();
    ToLimitedRange420(frame, pic->data, pic->linesize);
    return Encode(pic);
}

bool Mp4Segment::Encode(AVFrame* pic) {
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

bool Mp4Segment::FramesOnDisk() const {
    return !failed_ && lastGood_ > headerEnd_;
}

bool Mp4Segment::Finish() {
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

bool Mp4Segment::HoldsFrames() const {
    return failed_ ? lastGood_ > headerEnd_ : nextPts_ > 0;
}

bool Mp4Segment::Open(const SegmentParams& p, const QDateTime& start) {
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

    sws_ = sws_getContext(enc_->width, enc_->height, AV_PIX_FMT_BGR24, enc_->width, enc_->height,
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

AVFrame* Mp4Segment::WritablePicture() {
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

bool Mp4Segment::Drain() {
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

bool Mp4Segment::Fail() {
    failed_ = true;
    return false;
}

}  // namespace trelvix
