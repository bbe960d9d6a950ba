// H.264 as a copied recording holds it and as a camera sends it: NAL units from a byte stream
// or from length-prefixed packets, what a recording's streams hold, and a small encoder whose
// packets stand in for a camera's.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include "record/Ymp4Copy.h"

namespace trelvix::test {

inline int NalType(const QByteArray& nal) {
    return nal.isEmpty() ? -1 : nal[0] & 0x1F;
}
inline bool IsSlice(const QByteArray& nal) {
    return NalType(nal) == 1 || NalType(nal) == 5;
}

// The NAL units of an Annex B byte stream.
inline std::vector<QByteArray> AnnexBNals(const QByteArray& s) {
    std::vector<QByteArray> out;
    qsizetype start = -1;
    for (qsizetype i = 0; i + 2 < s.size(); ++i) {
        if (s[i] != 0 || s[i + 1] != 0 || s[i + 2] != 1) continue;
        if (start >= 0) {
            qsizetype end = i;
            while (end > start && s[end - 1] == 0) --end;  // a four-byte start code's zero
            out.push_back(s.mid(start, end - start));
        }
        start = i + 3;
        i += 2;
    }
    if (start >= 0 && start < s.size()) out.push_back(s.mid(start));
    return out;
}

// The NAL units of an AVC packet (four-byte lengths).
inline std::vector<QByteArray> LengthPrefixedNals(const uint8_t* p, size_t size) {
    std::vector<QByteArray> out;
    for (size_t i = 0; i + 4 <= size;) {
        const size_t n =
            size_t(p[i]) << 24 | size_t(p[i + 1]) << 16 | size_t(p[i + 2]) << 8 | p[i + 3];
        if (i + 4 + n > size) break;
        out.emplace_back(reinterpret_cast<const char*>(p + i + 4), qsizetype(n));
        i += 4 + n;
    }
    return out;
}

// The parameter sets of an avcC description.
inline std::vector<QByteArray> AvccParameterSets(const QByteArray& c) {
    std::vector<QByteArray> out;
    qsizetype i = 5;
    for (int list = 0; list < 2 && i < c.size(); ++list) {
        int count = uint8_t(c[i++]) & (list == 0 ? 0x1F : 0xFF);
        while (count-- > 0 && i + 2 <= c.size()) {
            const int n = uint8_t(c[i]) << 8 | uint8_t(c[i + 1]);
            out.push_back(c.mid(i + 2, n));
            i += 2 + n;
        }
    }
    return out;
}

// What a recording holds, read as a player reads it.
struct Recorded {
    AVCodecID video = AV_CODEC_ID_NONE;
    QByteArray extradata;
    std::vector<QByteArray> slices;  // in file order
    std::vector<int64_t> videoMs;    // each picture's decoding time
    int videoPackets = 0;
    bool firstIsKey = false;
    AVCodecID text = AV_CODEC_ID_NONE;
    std::vector<QString> texts;
};

inline Recorded ReadRecorded(const QString& path) {
    Recorded r;
    AVFormatContext* fmt = nullptr;
    if (avformat_open_input(&fmt, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return r;
    avformat_find_stream_info(fmt, nullptr);
    int video = -1, text = -1;
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVCodecParameters* par = fmt->streams[i]->codecpar;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO && video < 0) {
            video = int(i);
            r.video = par->codec_id;
            r.extradata =
                QByteArray(reinterpret_cast<const char*>(par->extradata), par->extradata_size);
        } else if (par->codec_type == AVMEDIA_TYPE_SUBTITLE && text < 0) {
            text = int(i);
            r.text = par->codec_id;
        }
    }
    AVPacket* pkt = av_packet_alloc();
    while (av_read_frame(fmt, pkt) >= 0) {
        if (pkt->stream_index == video) {
            if (r.videoPackets++ == 0) r.firstIsKey = pkt->flags & AV_PKT_FLAG_KEY;
            r.videoMs.push_back(
                av_rescale_q(pkt->dts, fmt->streams[video]->time_base, AVRational{1, 1000}));
            for (const QByteArray& nal : LengthPrefixedNals(pkt->data, size_t(pkt->size)))
                if (IsSlice(nal)) r.slices.push_back(nal);
        } else if (pkt->stream_index == text && pkt->size >= 2) {
            r.texts.push_back(
                QString::fromUtf8(reinterpret_cast<const char*>(pkt->data) + 2, pkt->size - 2));
        }
        av_packet_unref(pkt);
    }
    av_packet_free(&pkt);
    avformat_close_input(&fmt);
    return r;
}

// Whether `part` occurs in `whole` as one unbroken run.
inline bool RunIn(const std::vector<QByteArray>& part, const std::vector<QByteArray>& whole) {
    if (part.empty()) return false;
    for (size_t i = 0; i + part.size() <= whole.size(); ++i)
        if (std::equal(part.begin(), part.end(), whole.begin() + qsizetype(i))) return true;
    return false;
}

// Packets of a moving picture from libx264, as a camera would send them (AVC format).
struct EncodedClip {
    CopyStreamInfo info;
    std::vector<QByteArray> packets;
    std::vector<bool> keys;
};

inline QByteArray LengthPrefixed(const std::vector<QByteArray>& nals) {
    QByteArray out;
    for (const QByteArray& n : nals) {
        const uint32_t size = uint32_t(n.size());
        out += char(size >> 24);
        out += char(size >> 16);
        out += char(size >> 8);
        out += char(size);
        out += n;
    }
    return out;
}

inline EncodedClip EncodeClip(int frames, int width, int height, int gop) {
    EncodedClip clip;
    av_log_set_level(AV_LOG_ERROR);  // the encoder's statistics are no test output
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    AVCodecContext* enc = codec ? avcodec_alloc_context3(codec) : nullptr;
    if (!enc) return clip;
    enc->width = width;
    enc->height = height;
    enc->pix_fmt = AV_PIX_FMT_YUV420P;
    enc->time_base = AVRational{1, 10};
    enc->gop_size = gop;
    enc->max_b_frames = 0;
    enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* opts = nullptr;
    av_dict_set(&opts, "preset", "ultrafast", 0);
    const bool opened = avcodec_open2(enc, codec, &opts) == 0;
    av_dict_free(&opts);
    std::vector<QByteArray> sets =
        opened ? AnnexBNals(
                     QByteArray(reinterpret_cast<const char*>(enc->extradata), enc->extradata_size))
               : std::vector<QByteArray>{};
    QByteArray sps, pps;
    for (const QByteArray& n : sets) {
        if (NalType(n) == 7) sps = n;
        if (NalType(n) == 8) pps = n;
    }
    if (sps.size() >= 4 && !pps.isEmpty()) {
        QByteArray c;
        c += char(1);
        c += sps.mid(1, 3);
        c += char(0xFF);
        c += char(0xE1);
        c += char(sps.size() >> 8);
        c += char(sps.size());
        c += sps;
        c += char(1);
        c += char(pps.size() >> 8);
        c += char(pps.size());
        c += pps;
        clip.info = {CopyCodec::kH264, width, height, c};
    }
    AVFrame* pic = av_frame_alloc();
    AVPacket* pkt = av_packet_alloc();
    pic->format = AV_PIX_FMT_YUV420P;
    pic->width = width;
    pic->height = height;
    av_frame_get_buffer(pic, 0);
    auto drain = [&] {
        while (avcodec_receive_packet(enc, pkt) == 0) {
            clip.packets.push_back(LengthPrefixed(
                AnnexBNals(QByteArray(reinterpret_cast<const char*>(pkt->data), pkt->size))));
            clip.keys.push_back(pkt->flags & AV_PKT_FLAG_KEY);
            av_packet_unref(pkt);
        }
    };
    for (int k = 0; opened && k < frames; ++k) {
        av_frame_make_writable(pic);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pic->data[0][y * pic->linesize[0] + x] = uint8_t(x + y + 4 * k);
        for (int p = 1; p < 3; ++p)
            for (int y = 0; y < height / 2; ++y)
                std::fill_n(pic->data[p] + y * pic->linesize[p], width / 2, uint8_t(128));
        pic->pts = k;
        if (avcodec_send_frame(enc, pic) == 0) drain();
    }
    avcodec_send_frame(enc, nullptr);
    drain();
    av_packet_free(&pkt);
    av_frame_free(&pic);
    avcodec_free_context(&enc);
    return clip;
}

}  // namespace trelvix::test
