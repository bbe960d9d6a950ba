// Recordings opened and decoded as a player would, for tests that look at what was written.
#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace trelvix::test {

struct Probe {
    bool opened = false;
    AVCodecID codec = AV_CODEC_ID_NONE;
    uint32_t tag = 0;
    int width = 0, height = 0;
    int format = -1, profile = -1;
    AVRational rate{0, 1};
    double seconds = 0;  // as a player shows it
    QDateTime start;     // the first picture's time, as the file states it
    int frames = 0;      // decoded
    // Chroma of the first picture near its left edge.
    int topU = 0, topV = 0, bottomU = 0, bottomV = 0;
    std::vector<uint8_t> firstLuma;  // the first picture's Y plane, width × height
};

// Opens a file or an address as a player does; reading gives up `seconds` after the open.
inline AVFormatContext* OpenMedia(const QString& where, int seconds = 20) {
    using Clock = std::chrono::steady_clock;
    AVFormatContext* fmt = avformat_alloc_context();
    fmt->interrupt_callback.callback = [](void* end) {
        return int(Clock::now().time_since_epoch().count() > reinterpret_cast<intptr_t>(end));
    };
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    fmt->interrupt_callback.opaque =
        reinterpret_cast<void*>(intptr_t(end.time_since_epoch().count()));
    const QByteArray name = QFile::encodeName(where);
    return avformat_open_input(&fmt, name.constData(), nullptr, nullptr) < 0 ? nullptr : fmt;
}

struct StreamProbe {
    bool opened = false;
    AVCodecID codec = AV_CODEC_ID_NONE;
    int width = 0, height = 0;
    QString title, comment;
    bool firstIsKey = false;
    int decoded = 0;  // pictures decoded from the first packets
};

// Opens the stream as a player would and decodes its first pictures.
inline StreamProbe ProbeStream(const QString& url, int packets = 5) {
    StreamProbe p;
    AVFormatContext* fmt = OpenMedia(url);
    if (!fmt) return p;
    const int index = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index >= 0) {
        const AVCodecParameters* par = fmt->streams[index]->codecpar;
        p.opened = true;
        p.codec = par->codec_id;
        p.width = par->width;
        p.height = par->height;
        if (auto* e = av_dict_get(fmt->metadata, "title", nullptr, 0)) p.title = e->value;
        if (auto* e = av_dict_get(fmt->metadata, "comment", nullptr, 0)) p.comment = e->value;
        AVCodecContext* dec = avcodec_alloc_context3(avcodec_find_decoder(par->codec_id));
        avcodec_parameters_to_context(dec, par);
        AVPacket* pkt = av_packet_alloc();
        AVFrame* pic = av_frame_alloc();
        for (int n = 0; avcodec_open2(dec, nullptr, nullptr) >= 0 && n < packets;) {
            if (av_read_frame(fmt, pkt) < 0) break;
            if (pkt->stream_index == index) {
                if (n++ == 0) p.firstIsKey = pkt->flags & AV_PKT_FLAG_KEY;
                if (avcodec_send_packet(dec, pkt) == 0)
                    while (avcodec_receive_frame(dec, pic) == 0) ++p.decoded;
            }
            av_packet_unref(pkt);
        }
        av_frame_free(&pic);
        av_packet_free(&pkt);
        avcodec_free_context(&dec);
    }
    avformat_close_input(&fmt);
    return p;
}

// Demuxes and decodes the whole file, as a player would.
inline Probe ProbeFile(const QString& path) {
    Probe p;
    AVFormatContext* fmt = nullptr;
    if (avformat_open_input(&fmt, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return p;
    std::unique_ptr<AVFormatContext*, void (*)(AVFormatContext**)> closeFmt(&fmt,
                                                                            avformat_close_input);
    if (avformat_find_stream_info(fmt, nullptr) < 0) return p;
    const int index = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0) return p;
    const AVStream* st = fmt->streams[index];
    p.opened = true;
    p.codec = st->codecpar->codec_id;
    p.tag = st->codecpar->codec_tag;
    p.width = st->codecpar->width;
    p.height = st->codecpar->height;
    p.format = st->codecpar->format;
    p.profile = st->codecpar->profile;
    p.rate = st->avg_frame_rate;
    if (const AVDictionaryEntry* e = av_dict_get(fmt->metadata, "creation_time", nullptr, 0))
        p.start = QDateTime::fromString(e->value, Qt::ISODateWithMs).toLocalTime();

    AVCodecContext* dec = avcodec_alloc_context3(avcodec_find_decoder(p.codec));
    std::unique_ptr<AVCodecContext*, void (*)(AVCodecContext**)> freeDec(&dec,
                                                                         avcodec_free_context);
    avcodec_parameters_to_context(dec, st->codecpar);
    if (avcodec_open2(dec, nullptr, nullptr) < 0) return p;
    AVPacket* pkt = av_packet_alloc();
    AVFrame* pic = av_frame_alloc();
    auto receive = [&] {
        while (avcodec_receive_frame(dec, pic) == 0) {
            if (p.frames++ == 0) {
                const int x = 4, top = pic->height / 8, bottom = pic->height * 7 / 8;
                p.topU = pic->data[1][top / 2 * pic->linesize[1] + x];
                p.topV = pic->data[2][top / 2 * pic->linesize[2] + x];
                p.bottomU = pic->data[1][bottom / 2 * pic->linesize[1] + x];
                p.bottomV = pic->data[2][bottom / 2 * pic->linesize[2] + x];
                for (int y = 0; y < pic->height; ++y)
                    p.firstLuma.insert(p.firstLuma.end(), pic->data[0] + y * pic->linesize[0],
                                       pic->data[0] + y * pic->linesize[0] + pic->width);
            }
        }
    };
    while (av_read_frame(fmt, pkt) >= 0) {
        if (pkt->stream_index == index) {
            if (avcodec_send_packet(dec, pkt) == 0) receive();
        }
        av_packet_unref(pkt);
    }
    avcodec_send_packet(dec, nullptr);
    receive();
    p.seconds = double(fmt->duration) / AV_TIME_BASE;
    av_frame_free(&pic);
    av_packet_free(&pkt);
    return p;
}

}  // namespace trelvix::test
