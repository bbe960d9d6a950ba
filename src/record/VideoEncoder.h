// A recording's video encoder: pictures in, encoded packets with their pictures' times out.
// It lives as long as the recording (or the hold before it), across its segment files.
#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "record/EncodedPacket.h"
#include "record/Ymp4.h"

struct AVCodecContext;
struct AVCodecParameters;
struct AVFrame;
struct AVPacket;
struct AVRational;
struct SwsContext;

namespace trelvix {

struct PlanarFrame;

struct EncoderParams {
    VideoCodec codec = VideoCodec::kMpeg4;
    int rate = 10;
    int width = 0;  // of the frames handed in
    int height = 0;
    int quantizer = 4;
    int compression = 15;
};

// H.264's speed preset, its constant rate factor at the default quality (quantiser 4) and
// x264 options on top of the preset ("key=value:…").
struct H264Tuning {
    QString preset;
    int crfAtDefault;
    QString params;
};
H264Tuning DefaultH264Tuning();
// Replaces the tuning of encoders made from now on (the storage benchmark tries several).
void SetH264TuningForBench(const H264Tuning& tuning);
// The quality bar's quantiser (0..31, lower is better) as H.264's constant rate factor.
int H264Crf(int quantizer, int crfAtDefault);

class VideoEncoder {
public:
    ~VideoEncoder();
    // None when the codec's encoder is missing or refuses the parameters.
    static std::unique_ptr<VideoEncoder> Create(const EncoderParams& p);
    static bool Available(VideoCodec codec);

    // One picture taken at `wallMs`: packed BGR as yVideoWrite takes it, or a JPEG camera's
    // planes. Appends the packets that are ready (an encoder may hold a few pictures back).
    bool Encode(const uint8_t* bgr, qint64 wallMs, std::vector<EncodedPacket>* out);
    bool Encode(const PlanarFrame& frame, qint64 wallMs, std::vector<EncodedPacket>* out);
    // The pictures held back, at the recording's end.
    bool Flush(std::vector<EncodedPacket>* out);
    // The next picture handed in becomes a key frame.
    void ForceKeyFrame() { forceKey_ = true; }

    const AVCodecParameters* parameters() const { return par_; }
    AVRational timeBase() const;
    int rate() const { return rate_; }

private:
    VideoEncoder() = default;
    bool Open(const EncoderParams& p);
    AVFrame* WritablePicture();
    bool Send(AVFrame* pic, qint64 wallMs, std::vector<EncodedPacket>* out);
    bool Receive(std::vector<EncodedPacket>* out);

    AVCodecContext* enc_ = nullptr;
    AVCodecParameters* par_ = nullptr;
    SwsContext* sws_ = nullptr;
    AVPacket* pkt_ = nullptr;
    std::vector<AVFrame*> pictures_;
    std::map<int64_t, qint64> wallByPts_;  // pictures not out yet
    int frameStride_ = 0;
    int rate_ = 10;
    int64_t nextPts_ = 0;
    bool forceKey_ = false;
};

}  // namespace trelvix
