#include "record/Mp4CopySegment.h"

#include <QFile>
#include <algorithm>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/mem.h>
}

#include "record/FragmentedMp4.h"

namespace trelvix {

namespace {

constexpr int64_t kNs = 1000000000;
constexpr int kVideoRate = 90000;

// The timed-text sample description: centred at the bottom, white on nothing, one font.
const uint8_t kTextSampleEntry[] = {
    0,    0,    0,    0,                          // display flags
    1,    0xFF,                                   // centred, at the bottom
    0,    0,    0,    0,                          // no background
    0,    0,    0,    0,    0,   0,   0,   0,     // text box: the player's
    0,    0,    0,    0,    0,   1,   0,   0x12,  // style: font 1, 18 px
    0xFF, 0xFF, 0xFF, 0xFF,                       // white
    0,    0,    0,    0x12, 'f', 't', 'a', 'b',  0, 1, 0, 1, 5, 'S', 'e', 'r', 'i', 'f'};

bool CopyExtradata(AVCodecParameters* par, const uint8_t* data, size_t size) {
    par->extradata = static_cast<uint8_t*>(av_mallocz(size + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!par->extradata) return false;
    if (size) std::memcpy(par->extradata, data, size);
    par->extradata_size = int(size);
    return true;
}

}  // namespace

Mp4CopySegment::~Mp4CopySegment() {
    Finish();
}

std::unique_ptr<Mp4CopySegment> Mp4CopySegment::Create(const CopyStreamInfo& info,
                                                       const QString& folder, const QString& path,
                                                       const QDateTime& start, int64_t origin,
                                                       TimedText text) {
    std::unique_ptr<Mp4CopySegment> s(new Mp4CopySegment);
    s->path = path;
    s->folder = folder;
    s->start = start;
    s->info = info;
    s->origin_ = origin;
    s->textOf_ = std::move(text);
    if (!s->Open()) {
        s->Finish();
        QFile::remove(path);
        return nullptr;
    }
    return s;
}

bool Mp4CopySegment::Open() {
    if (avformat_alloc_output_context2(&fmt_, nullptr, "mp4", nullptr) < 0) return false;
    pkt_ = av_packet_alloc();
    video_ = avformat_new_stream(fmt_, nullptr);
    text_ = textOf_ ? avformat_new_stream(fmt_, nullptr) : nullptr;
    if (!pkt_ || !video_ || (textOf_ && !text_)) return false;

    AVCodecParameters* v = video_->codecpar;
    v->codec_type = AVMEDIA_TYPE_VIDEO;
    const bool h265 = info.codec == CopyCodec::kH265;
    v->codec_id = h265 ? AV_CODEC_ID_HEVC : AV_CODEC_ID_H264;
    // 'hvc1': parameter sets only in the description, which some players insist on.
    v->codec_tag = h265 ? MKTAG('h', 'v', 'c', '1') : 0;
    v->width = info.width;
    v->height = info.height;
    const auto* extra = reinterpret_cast<const uint8_t*>(info.extradata.constData());
    if (!CopyExtradata(v, extra, size_t(info.extradata.size()))) return false;
    video_->time_base = AVRational{1, kVideoRate};

    if (text_) {
        AVCodecParameters* t = text_->codecpar;
        t->codec_type = AVMEDIA_TYPE_SUBTITLE;
        t->codec_id = AV_CODEC_ID_MOV_TEXT;
        t->width = info.width;
        t->height = info.height;
        if (!CopyExtradata(t, kTextSampleEntry, sizeof kTextSampleEntry)) return false;
        text_->time_base = AVRational{1, 1000};
        text_->disposition = AV_DISPOSITION_DEFAULT;  // shown without being asked for
    }
    return BeginFragmentedFile(fmt_, path, start, &file_);
}

bool Mp4CopySegment::Write(const CopyPacket& p) {
    if (file_.failed || !fmt_) return false;
    const int64_t t = (p.dts >= 0 ? p.dts : p.pts) - origin_;
    int64_t dts = av_rescale(t, kVideoRate, kNs);
    if (dts <= lastDts_) dts = lastDts_ + 1;  // the muxer needs rising times
    int64_t pts = av_rescale(p.pts - origin_, kVideoRate, kNs);
    if (pts < dts) pts = dts;
    // A picture is written once the next one came: then its duration is known, and the muxer
    // never has to guess it when it cuts a fragment.
    if (!pending_.isEmpty() && !WritePending(dts - lastDts_)) return false;
    lastDts_ = dts;
    pending_ = QByteArray(reinterpret_cast<const char*>(p.data), qsizetype(p.size));
    pendingPts_ = pts;
    pendingKey_ = p.key;
    pendingNs_ = t;
    ++packets_;
    return true;
}

bool Mp4CopySegment::WritePending(int64_t duration) {
    av_packet_unref(pkt_);
    pkt_->data = reinterpret_cast<uint8_t*>(pending_.data());
    pkt_->size = int(pending_.size());
    pkt_->stream_index = video_->index;
    pkt_->pts = pendingPts_;
    pkt_->dts = lastDts_;
    pkt_->duration = std::max<int64_t>(1, duration);
    pkt_->flags = pendingKey_ ? AV_PKT_FLAG_KEY : 0;
    const int w = av_write_frame(fmt_, pkt_);
    pkt_->data = nullptr;
    pkt_->size = 0;
    pending_.clear();
    lastDuration_ = duration;
    if (w < 0) return file_.Fail();
    if (text_) {
        // After a gap only the current second is told, not every one missed.
        if (pendingNs_ / kNs > nextSecond_ + 2) nextSecond_ = pendingNs_ / kNs;
        while (nextSecond_ * kNs <= pendingNs_)
            if (!WriteText(nextSecond_++)) return false;
    }
    return Flush();
}

bool Mp4CopySegment::WriteText(int64_t second) {
    const QByteArray text = textOf_(start.addSecs(second)).toUtf8().left(0xFFFF);
    QByteArray sample(2, '\0');
    sample[0] = char(text.size() >> 8);
    sample[1] = char(text.size() & 0xFF);
    sample += text;
    av_packet_unref(pkt_);
    pkt_->data = reinterpret_cast<uint8_t*>(sample.data());
    pkt_->size = int(sample.size());
    pkt_->stream_index = text_->index;
    pkt_->pts = pkt_->dts = second * 1000;
    pkt_->duration = 1000;
    pkt_->flags = AV_PKT_FLAG_KEY;
    const int w = av_write_frame(fmt_, pkt_);
    pkt_->data = nullptr;
    pkt_->size = 0;
    return w >= 0 || file_.Fail();
}

bool Mp4CopySegment::Flush() {
    return FlushFragment(fmt_, &file_);
}

bool Mp4CopySegment::Finish() {
    // The last picture lasts as long as the one before it.
    if (fmt_ && file_.headerWritten && !file_.failed && !pending_.isEmpty())
        WritePending(lastDuration_);
    const bool whole = EndFragmentedFile(&fmt_, path, &file_);
    av_packet_free(&pkt_);
    return whole;
}

}  // namespace trelvix
