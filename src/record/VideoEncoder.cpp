#include "record/VideoEncoder.h"

#include <algorithm>
#include <cmath>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/dict.h>
#include <libswscale/swscale.h>
}

#include "common/Frame.h"
#include "common/PlaneRange.h"

namespace trelvix {

namespace {

// Chosen from bench/storage: see DefaultH264Tuning.
std::mutex tuningMutex;
H264Tuning tuning = DefaultH264Tuning();

// Encoder effort for a compression level 0..15: no motion search at 0, then finer sub-pixel
// refinement and predictors from the last frame. The search keeps the small diamond and one
// vector per block: between camera frames things move little, and larger diamonds or four
// vectors cost up to a third more time for files at most 0.6 % smaller. Block decisions by bit
// count or rate-distortion are left out: on camera pictures they saved 1 to 2 % for 50 to 80 %
// more time.
void AddMpeg4Options(int c, AVDictionary** opts) {
    av_dict_set(opts, "motion_est", c == 0 ? "zero" : "epzs", 0);
    av_dict_set_int(opts, "subq", std::min(8, c / 2 + 1), 0);
    av_dict_set_int(opts, "dia_size", 1, 0);
    av_dict_set_int(opts, "last_pred", c >= 5 ? 2 : 0, 0);
    av_dict_set(opts, "mbd", "simple", 0);
}

void AddH264Options(int quantizer, AVDictionary** opts) {
    H264Tuning t;
    {
        std::lock_guard lock(tuningMutex);
        t = tuning;
    }
    av_dict_set(opts, "preset", t.preset.toLatin1().constData(), 0);
    av_dict_set_int(opts, "crf", H264Crf(quantizer, t.crfAtDefault), 0);
    // Main or High whatever the preset: CABAC is what Main adds, and every player has it.
    const QString params =
        QStringLiteral("cabac=1") + (t.params.isEmpty() ? QString() : QLatin1Char(':') + t.params);
    av_dict_set(opts, "x264-params", params.toLatin1().constData(), 0);
    // A forced key frame (a segment's first) must be one a file can begin with.
    av_dict_set_int(opts, "forced-idr", 1, 0);
}

}  // namespace

// From bench/storage (the real scene, key frames every 2 s): superfast is the fastest preset
// whose files are smaller than MPEG-4's at its SSIM; its macroblock tree over a 10-picture
// look-ahead makes them a fifth smaller again for no measurable CPU (veryfast's size at
// superfast's cost). CRF 26 is the highest that keeps MPEG-4's SSIM; 27 falls below it.
H264Tuning DefaultH264Tuning() {
    return {QStringLiteral("superfast"), 26, QStringLiteral("mbtree=1:rc-lookahead=10")};
}

void SetH264TuningForBench(const H264Tuning& t) {
    std::lock_guard lock(tuningMutex);
    tuning = t;
}

// Doubling MPEG-4's quantiser roughly halves the file, as six steps of CRF do; so the bar keeps
// its meaning in both formats: CRF = crfAtDefault + 6·log2(q / 4), q the quantiser (0 counts
// as 2, the writer's best), clamped to 0..51. At crfAtDefault 26: q 2 → 20, 4 → 26, 8 → 32,
// 16 → 38, 31 → 44.
int H264Crf(int quantizer, int crfAtDefault) {
    const int q = quantizer <= 0 ? 2 : std::min(quantizer, 31);
    const double crf = crfAtDefault + 6.0 * std::log2(q / 4.0);
    return std::clamp(int(std::lround(crf)), 0, 51);
}

VideoEncoder::~VideoEncoder() {
    avcodec_free_context(&enc_);
    avcodec_parameters_free(&par_);
    for (AVFrame*& f : pictures_) av_frame_free(&f);
    av_packet_free(&pkt_);
    sws_freeContext(sws_);
}

bool VideoEncoder::Available(VideoCodec codec) {
    return codec == VideoCodec::kH264 ? avcodec_find_encoder_by_name("libx264") != nullptr
                                      : avcodec_find_encoder(AV_CODEC_ID_MPEG4) != nullptr;
}

std::unique_ptr<VideoEncoder> VideoEncoder::Create(const EncoderParams& p) {
    std::unique_ptr<VideoEncoder> e(new VideoEncoder);
    if (!e->Open(p)) return nullptr;
    return e;
}

AVRational VideoEncoder::timeBase() const {
    return enc_->time_base;
}

bool VideoEncoder::Open(const EncoderParams& p) {
    const bool h264 = p.codec == VideoCodec::kH264;
    const AVCodec* codec =
        h264 ? avcodec_find_encoder_by_name("libx264") : avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    if (!codec) return false;
    enc_ = avcodec_alloc_context3(codec);
    pkt_ = av_packet_alloc();
    par_ = avcodec_parameters_alloc();
    if (!enc_ || !pkt_ || !par_) return false;
    rate_ = p.rate;
    frameStride_ = FrameStride(p.width);
    // 4:2:0 needs even sizes: an odd last row or column is left out.
    enc_->width = p.width & ~1;
    enc_->height = p.height & ~1;
    enc_->pix_fmt = AV_PIX_FMT_YUV420P;
    enc_->time_base = AVRational{1, p.rate};
    enc_->framerate = AVRational{p.rate, 1};
    enc_->sample_aspect_ratio = AVRational{1, 1};
    // A key frame at least every 2 s: segments are cut, and a hold begins, at key frames.
    enc_->gop_size = p.rate * (p.compression == 0 && !h264 ? 1 : 2);
    // One core per camera, and no pictures held back for other threads.
    enc_->thread_count = 1;
    enc_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* opts = nullptr;
    if (h264) {
        AddH264Options(p.quantizer, &opts);
    } else {
        enc_->max_b_frames = 0;
        enc_->flags |= AV_CODEC_FLAG_QSCALE;
        enc_->global_quality = (p.quantizer == 0 ? 2 : p.quantizer) * FF_QP2LAMBDA;
        AddMpeg4Options(p.compression, &opts);
    }
    const int opened = avcodec_open2(enc_, codec, &opts);
    av_dict_free(&opts);
    if (opened < 0 || avcodec_parameters_from_context(par_, enc_) < 0) return false;
    sws_ = sws_getContext(enc_->width, enc_->height, AV_PIX_FMT_BGR24, enc_->width, enc_->height,
                          AV_PIX_FMT_YUV420P, SWS_FAST_BILINEAR, nullptr, nullptr, nullptr);
    return sws_ != nullptr;
}

bool VideoEncoder::Encode(const uint8_t* bgr, qint64 wallMs, std::vector<EncodedPacket>* out) {
    AVFrame* pic = WritablePicture();
    if (!pic) return false;
    const uint8_t* src[4] = {bgr, nullptr, nullptr, nullptr};
    const int srcStride[4] = {frameStride_, 0, 0, 0};
    sws_scale(sws_, src, srcStride, 0, enc_->height, pic->data, pic->linesize);
    return Send(pic, wallMs, out);
}

bool VideoEncoder::Encode(const PlanarFrame& frame, qint64 wallMs,
                          std::vector<EncodedPacket>* out) {
    AVFrame* pic = WritablePicture();
    if (!pic) return false;
    ToLimitedRange420(frame, pic->data, pic->linesize);
    return Send(pic, wallMs, out);
}

bool VideoEncoder::Flush(std::vector<EncodedPacket>* out) {
    return avcodec_send_frame(enc_, nullptr) >= 0 && Receive(out);
}

bool VideoEncoder::Send(AVFrame* pic, qint64 wallMs, std::vector<EncodedPacket>* out) {
    pic->pts = nextPts_++;
    pic->quality = enc_->global_quality;
    pic->pict_type = forceKey_ ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    forceKey_ = false;
    wallByPts_[pic->pts] = wallMs;
    if (avcodec_send_frame(enc_, pic) < 0) return false;
    return Receive(out);
}

bool VideoEncoder::Receive(std::vector<EncodedPacket>* out) {
    for (;;) {
        const int r = avcodec_receive_packet(enc_, pkt_);
        if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
        if (r < 0) return false;
        if (pkt_->duration <= 0) pkt_->duration = 1;
        qint64 wall = 0;
        if (auto it = wallByPts_.find(pkt_->pts); it != wallByPts_.end()) {
            wall = it->second;
            wallByPts_.erase(it);
        }
        EncodedPacket p = EncodedPacket::Reference(pkt_, wall);
        av_packet_unref(pkt_);
        if (!p.packet) return false;
        out->push_back(std::move(p));
    }
}

AVFrame* VideoEncoder::WritablePicture() {
    // The encoder may keep a reference to recent pictures; never write into a shared one.
    for (AVFrame* f : pictures_)
        if (av_frame_is_writable(f)) return f;
    if (pictures_.size() >= 64) return nullptr;
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

}  // namespace trelvix
