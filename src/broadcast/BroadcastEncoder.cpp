#include "broadcast/BroadcastEncoder.h"

#include <QFile>
#include <algorithm>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include "broadcast/AsfStream.h"
#include "common/Jpeg.h"

namespace trelvix {

QSize BroadcastSize(int width, int height, int sizeIndex) {
    int w = width, h = height;
    switch (sizeIndex) {
        case 1:
            w = width * 3 / 4;
            h = height * 3 / 4;
            break;
        case 2:
            w = width / 2;
            h = height / 2;
            break;
        case 3:
            w = width / 4;
            h = height / 4;
            break;
        default:
            break;
    }
    return QSize(w - (w & 1), h - (h & 1));
}

int BroadcastFps(int fpsIndex) {
    return std::clamp(fpsIndex + 1, 1, 30);
}

int64_t BroadcastFrameTime100ns(int fpsIndex) {
    return 10000000 / BroadcastFps(fpsIndex);
}

int64_t BroadcastBitRate(int kbps) {
    return int64_t(kbps) * 1024;
}

int BroadcastGop(int fps, int keyFrameMs) {
    const int ms = std::clamp(keyFrameMs, 1, 3000);
    return std::max(1, int(int64_t(fps) * ms / 1000));
}

AudioPlacement PlaceAudio(int64_t* next, int64_t wallStart, int frames, int64_t tolerance,
                          int64_t earliest) {
    const int64_t last = *next;
    int64_t position = last < 0 ? wallStart : last;
    if (position - wallStart > tolerance || wallStart - position > tolerance) position = wallStart;
    int64_t skip = std::max<int64_t>(0, earliest - position);
    if (last >= 0) skip = std::max(skip, last - position);
    skip = std::clamp<int64_t>(skip, 0, std::max(frames, 0));
    *next = std::max(last, position + std::max(frames, 0));
    return AudioPlacement{position + skip, int(skip)};
}

namespace {

// Sound and pictures wait this long at most for each other in the muxer, so a sound device
// that stops holds the pictures back by no more than this.
constexpr int64_t kMaxInterleaveMicroseconds = 300000;

constexpr int kIoBufferSize = 64 * 1024;  // holds the whole header, which the muxer patches

// Small packets when frames are small, so that a picture does not wait long in a half-filled
// packet: the muxer sends a packet only when it is full.
int AsfPacketSize(int64_t bitRate, int fps) {
    const int64_t perFrame = bitRate / 8 / std::max(1, fps);
    return int(std::clamp<int64_t>(perFrame, 800, 3200));
}

// What the muxer hands to a custom writer; FFmpeg 6.1 made it const.
#if LIBAVFORMAT_VERSION_MAJOR >= 61
using AvioBuffer = const uint8_t*;
#else
using AvioBuffer = uint8_t*;
#endif

}  // namespace

struct BroadcastEncoder::Impl {
    BroadcastOutput* output = nullptr;
    BroadcastFormat format;
    AVCodecContext* enc = nullptr;
    AVCodecContext* audioEnc = nullptr;
    AVFrame* picture = nullptr;
    AVFrame* sound = nullptr;
    AVAudioFifo* fifo = nullptr;  // samples short of a whole encoder frame
    int64_t fifoPosition = 0;     // of the fifo's first sample
    std::vector<int16_t> scratch;
    int videoIndex = 0;  // the muxers' streams: sound first when there is sound
    int audioIndex = -1;
    AVPacket* packet = nullptr;
    SwsContext* toYuv = nullptr;
    SwsContext* toJpeg = nullptr;
    VideoFrame jpegFrame;
    AVFormatContext* live = nullptr;
    AVFormatContext* file = nullptr;
    AsfChunkReader chunks;
    bool fileCreated = false;
    int64_t lastKeyTick = INT64_MIN / 2;

    ~Impl() { Free(); }

    bool OpenEncoder() {
        const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMV2);
        if (!codec) return false;
        enc = avcodec_alloc_context3(codec);
        picture = av_frame_alloc();
        packet = av_packet_alloc();
        if (!enc || !picture || !packet) return false;
        enc->width = format.size.width();
        enc->height = format.size.height();
        enc->pix_fmt = AV_PIX_FMT_YUV420P;
        enc->time_base = AVRational{1, format.fps};
        enc->framerate = AVRational{format.fps, 1};
        enc->sample_aspect_ratio = AVRational{1, 1};
        enc->bit_rate = format.bitRate;
        enc->gop_size = format.gop;
        enc->max_b_frames = 0;
        enc->thread_count = 1;
        enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if (avcodec_open2(enc, codec, nullptr) < 0) return false;
        picture->format = enc->pix_fmt;
        picture->width = enc->width;
        picture->height = enc->height;
        return av_frame_get_buffer(picture, 0) >= 0;
    }

    bool OpenAudio() {
        const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
        if (!codec) return false;
        audioEnc = avcodec_alloc_context3(codec);
        sound = av_frame_alloc();
        if (!audioEnc || !sound) return false;
        audioEnc->sample_fmt = AV_SAMPLE_FMT_FLTP;
        audioEnc->sample_rate = kBroadcastAudioRate;
        av_channel_layout_default(&audioEnc->ch_layout, kBroadcastAudioChannels);
        audioEnc->bit_rate = kBroadcastAudioBitRate;
        audioEnc->time_base = AVRational{1, kBroadcastAudioRate};
        audioEnc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if (avcodec_open2(audioEnc, codec, nullptr) < 0 || audioEnc->frame_size <= 0) return false;
        sound->format = audioEnc->sample_fmt;
        sound->nb_samples = audioEnc->frame_size;
        sound->sample_rate = audioEnc->sample_rate;
        if (av_channel_layout_copy(&sound->ch_layout, &audioEnc->ch_layout) < 0) return false;
        fifo = av_audio_fifo_alloc(AV_SAMPLE_FMT_S16, kBroadcastAudioChannels,
                                   4 * audioEnc->frame_size);
        audioIndex = 0;
        videoIndex = 1;
        return fifo && av_frame_get_buffer(sound, 0) >= 0;
    }

    static bool AddStream(AVFormatContext* fmt, const AVCodecContext* from) {
        AVStream* st = avformat_new_stream(fmt, nullptr);
        if (!st || avcodec_parameters_from_context(st->codecpar, from) < 0) return false;
        st->time_base = from->time_base;
        if (from->codec_type == AVMEDIA_TYPE_VIDEO) st->avg_frame_rate = from->framerate;
        return true;
    }

    // A muxer with the streams and the header's title and description.
    AVFormatContext* NewMuxer(const char* name) {
        AVFormatContext* fmt = nullptr;
        if (avformat_alloc_output_context2(&fmt, nullptr, name, nullptr) < 0) return nullptr;
        if ((audioEnc && !AddStream(fmt, audioEnc)) || !AddStream(fmt, enc)) {
            avformat_free_context(fmt);
            return nullptr;
        }
        av_dict_set(&fmt->metadata, "title", format.title.toUtf8().constData(), 0);
        av_dict_set(&fmt->metadata, "comment", format.description.toUtf8().constData(), 0);
        const int64_t bitRate = format.bitRate + (audioEnc ? kBroadcastAudioBitRate : 0);
        av_opt_set_int(fmt->priv_data, "packet_size", AsfPacketSize(bitRate, format.fps), 0);
        return fmt;
    }

    static int WriteLive(void* opaque, AvioBuffer data, int size) {
        auto* self = static_cast<Impl*>(opaque);
        self->chunks.Append(data, size_t(size));
        AsfChunk chunk;
        while (self->chunks.Next(&chunk)) {
            const auto* p = reinterpret_cast<const uint8_t*>(chunk.payload.constData());
            if (chunk.type == kAsfChunkHeader)
                self->output->OnAsfHeader(chunk.payload);
            else if (chunk.type == kAsfChunkData)
                self->output->OnAsfPacket(
                    chunk.payload,
                    AsfPacketFromKeyFrame(p, size_t(chunk.payload.size()), self->videoIndex + 1));
        }
        return self->chunks.Failed() ? AVERROR(EIO) : size;
    }

    bool OpenLive() {
        live = NewMuxer("asf_stream");
        if (!live) return false;
        auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
        if (!buffer) return false;
        live->pb = avio_alloc_context(buffer, kIoBufferSize, 1, this, nullptr, WriteLive, nullptr);
        if (!live->pb) {
            av_free(buffer);
            return false;
        }
        if (avformat_write_header(live, nullptr) < 0) return false;
        live->max_interleave_delta = kMaxInterleaveMicroseconds;  // the muxer clears it
        avio_flush(live->pb);
        return live->pb->error >= 0;
    }

    bool OpenFile() {
        file = NewMuxer("asf");
        if (!file) return false;
        const QByteArray url = "file:" + QFile::encodeName(format.filePath);
        if (avio_open(&file->pb, url.constData(), AVIO_FLAG_WRITE) < 0) return false;
        fileCreated = true;
        if (avformat_write_header(file, nullptr) < 0) return false;
        file->max_interleave_delta = kMaxInterleaveMicroseconds;
        return true;
    }

    // Every packet goes to both muxers, each in its own time base, in time order with the
    // other stream's.
    void Mux(AVPacket* pkt, const AVCodecContext* from, int index) {
        if (pkt->duration == 0) pkt->duration = 1;
        if (index == videoIndex && (pkt->flags & AV_PKT_FLAG_KEY)) lastKeyTick = pkt->pts;
        for (AVFormatContext* fmt : {live, file}) {
            if (!fmt) continue;
            AVPacket* copy = av_packet_clone(pkt);
            if (!copy) continue;
            copy->stream_index = index;
            av_packet_rescale_ts(copy, from->time_base, fmt->streams[index]->time_base);
            av_interleaved_write_frame(fmt, copy);
            av_packet_free(&copy);
        }
        avio_flush(live->pb);
        if (file && file->pb->error < 0) CloseFile();  // a full disk ends the copy, not the stream
    }

    bool Drain(AVCodecContext* from, int index) {
        for (;;) {
            const int r = avcodec_receive_packet(from, packet);
            if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
            if (r < 0) return false;
            Mux(packet, from, index);
            av_packet_unref(packet);
        }
    }

    bool EncodeAudio(const int16_t* samples, int frames, int64_t position) {
        if (!audioEnc || !samples || frames <= 0 || position < 0) return false;
        // The encoder's packets are stamped this much before their samples; none may fall
        // before the pictures' start.
        const int64_t lead = audioEnc->initial_padding;
        if (position < lead) {
            const int64_t skip = std::min<int64_t>(frames, lead - position);
            samples += 2 * skip;
            frames -= int(skip);
            position += skip;
            if (frames == 0) return true;
        }
        const int queued = av_audio_fifo_size(fifo);
        if (queued > 0 && position != fifoPosition + queued && !EncodeSound(true)) return false;
        if (av_audio_fifo_size(fifo) == 0) fifoPosition = position;
        void* planes[1] = {const_cast<int16_t*>(samples)};
        if (av_audio_fifo_write(fifo, planes, frames) < frames || !EncodeSound(false)) return false;
        output->Flush();
        return true;
    }

    // Encodes the whole frames in the fifo; `finish` first fills the last one with silence.
    bool EncodeSound(bool finish) {
        const int n = audioEnc->frame_size;
        if (const int part = av_audio_fifo_size(fifo) % n; finish && part > 0) {
            scratch.assign(size_t(2 * (n - part)), 0);
            void* planes[1] = {scratch.data()};
            if (av_audio_fifo_write(fifo, planes, n - part) < n - part) return false;
        }
        scratch.resize(size_t(2 * n));
        while (av_audio_fifo_size(fifo) >= n) {
            void* planes[1] = {scratch.data()};
            if (av_audio_fifo_read(fifo, planes, n) < n || av_frame_make_writable(sound) < 0)
                return false;
            auto* left = reinterpret_cast<float*>(sound->data[0]);
            auto* right = reinterpret_cast<float*>(sound->data[1]);
            for (int i = 0; i < n; ++i) {
                left[i] = float(scratch[size_t(2 * i)]) / 32768.0f;
                right[i] = float(scratch[size_t(2 * i + 1)]) / 32768.0f;
            }
            sound->pts = fifoPosition;
            fifoPosition += n;
            if (avcodec_send_frame(audioEnc, sound) < 0 || !Drain(audioEnc, audioIndex))
                return false;
        }
        return true;
    }

    bool Encode(const VideoFrame& frame, int64_t tick) {
        if (frame.width <= 0 || frame.height <= 0 || frame.stride < frame.width * 3 ||
            frame.data.size() < size_t(frame.stride) * size_t(frame.height))
            return false;
        toYuv = sws_getCachedContext(toYuv, frame.width, frame.height, AV_PIX_FMT_BGR24, enc->width,
                                     enc->height, AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr,
                                     nullptr, nullptr);
        // The encoder may still hold the last picture.
        if (!toYuv || av_frame_make_writable(picture) < 0) return false;
        const uint8_t* src[4] = {frame.data.data(), nullptr, nullptr, nullptr};
        const int srcStride[4] = {frame.stride, 0, 0, 0};
        sws_scale(toYuv, src, srcStride, 0, frame.height, picture->data, picture->linesize);
        picture->pts = tick;
        picture->pict_type =
            tick - lastKeyTick >= format.gop ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
        if (avcodec_send_frame(enc, picture) < 0 || !Drain(enc, videoIndex)) return false;
        if (output->WantsJpeg()) SendJpeg(frame);
        output->Flush();
        return true;
    }

    void SendJpeg(const VideoFrame& frame) {
        const VideoFrame* src = &frame;
        if (frame.width != enc->width || frame.height != enc->height) {
            toJpeg = sws_getCachedContext(toJpeg, frame.width, frame.height, AV_PIX_FMT_BGR24,
                                          enc->width, enc->height, AV_PIX_FMT_BGR24, SWS_BILINEAR,
                                          nullptr, nullptr, nullptr);
            if (!toJpeg) return;
            jpegFrame.Resize(enc->width, enc->height);
            const uint8_t* in[4] = {frame.data.data(), nullptr, nullptr, nullptr};
            const int inStride[4] = {frame.stride, 0, 0, 0};
            uint8_t* out[4] = {jpegFrame.data.data(), nullptr, nullptr, nullptr};
            const int outStride[4] = {jpegFrame.stride, 0, 0, 0};
            sws_scale(toJpeg, in, inStride, 0, frame.height, out, outStride);
            src = &jpegFrame;
        }
        const QByteArray jpeg =
            EncodeJpeg(src->data.data(), src->width, src->height, src->stride, kPixelRGB24);
        if (!jpeg.isEmpty()) output->OnJpeg(jpeg);
    }

    void CloseFile() {
        if (!file) return;
        if (file->pb && file->pb->error >= 0) av_write_trailer(file);
        avio_closep(&file->pb);
        avformat_free_context(file);
        file = nullptr;
    }

    // Drains the encoders into both muxers and ends them.
    void Finish() {
        if (audioEnc && live && EncodeSound(true) && avcodec_send_frame(audioEnc, nullptr) >= 0)
            Drain(audioEnc, audioIndex);
        if (enc && live && avcodec_send_frame(enc, nullptr) >= 0) Drain(enc, videoIndex);
        if (live && live->pb) {
            av_write_trailer(live);
            avio_flush(live->pb);
            output->Flush();
        }
        CloseFile();
    }

    void Free() {
        CloseFile();
        if (live) {
            if (live->pb) {
                av_freep(&live->pb->buffer);
                avio_context_free(&live->pb);
            }
            avformat_free_context(live);
            live = nullptr;
        }
        avcodec_free_context(&enc);
        avcodec_free_context(&audioEnc);
        av_frame_free(&sound);
        if (fifo) av_audio_fifo_free(fifo);
        fifo = nullptr;
        av_frame_free(&picture);
        av_packet_free(&packet);
        sws_freeContext(toYuv);
        sws_freeContext(toJpeg);
        toYuv = toJpeg = nullptr;
    }
};

BroadcastEncoder::BroadcastEncoder(BroadcastOutput* output) : output_(output) {}

BroadcastEncoder::~BroadcastEncoder() {
    Close();
}

bool BroadcastEncoder::Open(const BroadcastFormat& format) {
    Close();
    error_.clear();
    if (format.size.width() < 2 || format.size.height() < 2 || format.fps < 1 ||
        format.bitRate <= 0) {
        error_ = QStringLiteral("The broadcast picture size, frame rate or bit rate is unusable.");
        return false;
    }
    impl_ = std::make_unique<Impl>();
    impl_->output = output_;
    impl_->format = format;
    if (!impl_->OpenEncoder())
        error_ = QStringLiteral("The WMV2 encoder could not be opened.");
    else if (format.audio && !impl_->OpenAudio())
        error_ = QStringLiteral("The WMA encoder could not be opened.");
    else if (!impl_->OpenLive())
        error_ = QStringLiteral("The ASF stream could not be started.");
    else if (!format.filePath.isEmpty() && !impl_->OpenFile())
        error_ =
            QStringLiteral("The broadcast file \"%1\" could not be created.").arg(format.filePath);
    if (error_.isEmpty()) return true;
    const bool created = impl_->fileCreated;
    impl_.reset();
    if (created) QFile::remove(format.filePath);
    return false;
}

bool BroadcastEncoder::Encode(const VideoFrame& frame, int64_t tick) {
    return impl_ && impl_->Encode(frame, tick);
}

bool BroadcastEncoder::EncodeAudio(const int16_t* samples, int frames, int64_t position) {
    return impl_ && impl_->EncodeAudio(samples, frames, position);
}

void BroadcastEncoder::Close() {
    if (!impl_) return;
    impl_->Finish();
    impl_.reset();
}

}  // namespace trelvix
