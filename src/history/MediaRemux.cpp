#include "history/MediaRemux.h"

#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
}

namespace trelvix {

namespace {
struct Input {
    AVFormatContext* ctx = nullptr;
    ~Input() { avformat_close_input(&ctx); }
};
struct Output {
    AVFormatContext* ctx = nullptr;
    ~Output() {
        if (!ctx) return;
        if (!(ctx->oformat->flags & AVFMT_NOFILE)) avio_closep(&ctx->pb);
        avformat_free_context(ctx);
    }
};

bool OpenInput(const QString& path, Input* in) {
    if (avformat_open_input(&in->ctx, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return false;
    return avformat_find_stream_info(in->ctx, nullptr) >= 0;
}

bool CopyPackets(AVFormatContext* in, AVFormatContext* out) {
    AVPacket* pkt = av_packet_alloc();
    if (!pkt) return false;
    while (av_read_frame(in, pkt) >= 0) {
        const AVStream* from = in->streams[pkt->stream_index];
        const AVStream* to = out->streams[pkt->stream_index];
        av_packet_rescale_ts(pkt, from->time_base, to->time_base);
        pkt->pos = -1;
        if (av_interleaved_write_frame(out, pkt) < 0) {
            av_packet_free(&pkt);
            return false;
        }
    }
    av_packet_free(&pkt);
    return av_write_trailer(out) >= 0;
}
}  // namespace

qint64 ProbeDurationMs(const QString& path) {
    Input in;
    if (!OpenInput(path, &in) || in.ctx->duration <= 0) return 0;
    return in.ctx->duration / (AV_TIME_BASE / 1000);
}

bool RemuxCopy(const QString& inPath, const QString& outPath) {
    Input in;
    if (!OpenInput(inPath, &in)) return false;
    Output out;
    const QByteArray name = QFile::encodeName(outPath);
    if (avformat_alloc_output_context2(&out.ctx, nullptr, "mp4", name.constData()) < 0)
        return false;
    for (unsigned i = 0; i < in.ctx->nb_streams; ++i) {
        AVStream* s = avformat_new_stream(out.ctx, nullptr);
        if (!s || avcodec_parameters_copy(s->codecpar, in.ctx->streams[i]->codecpar) < 0)
            return false;
        s->codecpar->codec_tag = 0;
        s->time_base = in.ctx->streams[i]->time_base;
    }
    if (avio_open(&out.ctx->pb, name.constData(), AVIO_FLAG_WRITE) < 0) return false;
    if (avformat_write_header(out.ctx, nullptr) < 0) return false;
    return CopyPackets(in.ctx, out.ctx);
}

}  // namespace trelvix
