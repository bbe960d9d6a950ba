#include "record/Mp4Segment.h"

#include <QFile>

#include "record/FragmentedMp4.h"

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
    if (file_.failed || !packet.packet) return false;
    if (av_packet_ref(pkt_, packet.packet.get()) < 0) return file_.Fail();
    if (origin_ == INT64_MIN) origin_ = pkt_->dts != AV_NOPTS_VALUE ? pkt_->dts : pkt_->pts;
    if (pkt_->pts != AV_NOPTS_VALUE) pkt_->pts -= origin_;
    if (pkt_->dts != AV_NOPTS_VALUE) pkt_->dts -= origin_;
    // Set before rescaling, or the last picture's time is lost.
    if (pkt_->duration <= 0) pkt_->duration = av_rescale_q(1, AVRational{1, rate_}, timeBase_);
    pkt_->stream_index = stream_->index;
    av_packet_rescale_ts(pkt_, timeBase_, stream_->time_base);
    const int w = av_write_frame(fmt_, pkt_);
    av_packet_unref(pkt_);
    if (w < 0) return file_.Fail();
    // The first picture goes to the disk at once, so a file is reported only once it plays.
    if (packets_++ == 0 && av_write_frame(fmt_, nullptr) < 0) return file_.Fail();
    return FlushFragment(fmt_, &file_);
}

bool Mp4Segment::FramesOnDisk() const {
    return file_.OnDisk();
}

bool Mp4Segment::Finish() {
    const bool whole = EndFragmentedFile(&fmt_, path, &file_);
    av_packet_free(&pkt_);
    return whole;
}

bool Mp4Segment::HoldsFrames() const {
    return file_.failed ? file_.lastGood > file_.headerEnd : packets_ > 0;
}

bool Mp4Segment::Open(const AVCodecParameters* params, int rate, const QDateTime& start) {
    pkt_ = av_packet_alloc();
    if (!pkt_ || avformat_alloc_output_context2(&fmt_, nullptr, "mp4", nullptr) < 0) return false;
    stream_ = avformat_new_stream(fmt_, nullptr);
    if (!stream_ || avcodec_parameters_copy(stream_->codecpar, params) < 0) return false;
    stream_->codecpar->codec_tag = 0;  // the muxer's own: 'mp4v', 'avc1'
    stream_->time_base = timeBase_;
    stream_->avg_frame_rate = AVRational{rate, 1};
    return BeginFragmentedFile(fmt_, path, start, &file_);
}

}  // namespace trelvix
