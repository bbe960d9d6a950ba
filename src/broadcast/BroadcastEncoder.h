// The broadcast's picture arithmetic and its encoder: frames become WMV2 pictures and sound
// becomes WMA in a live ASF stream, encoded once for the local file and every viewer.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <cstdint>
#include <memory>

#include "common/Frame.h"

namespace trelvix {

// The stream's picture size for a size index (0 all, 1 three quarters, 2 half, 3 a quarter of
// the captured size, integer division), odd sides made even.
QSize BroadcastSize(int width, int height, int sizeIndex);
// Frames per second for a frame-rate index: index + 1, within 1..30.
int BroadcastFps(int fpsIndex);
// The time of one frame in 100-nanosecond units.
int64_t BroadcastFrameTime100ns(int fpsIndex);
// The stream's bit rate in bit/s: a kilobit is 1024 bits here.
int64_t BroadcastBitRate(int kbps);
// Pictures between key frames: at most `keyFrameMs` (and never more than 3 s) of frames.
int BroadcastGop(int fps, int keyFrameMs);

// The broadcast's sound: 16-bit stereo at 44.1 kHz in, WMA at about 128 kbit/s out.
inline constexpr int kBroadcastAudioRate = 44100;
inline constexpr int kBroadcastAudioChannels = 2;
inline constexpr int64_t kBroadcastAudioBitRate = 128040;

// Where a chunk of sound goes on the stream's time line, in samples since the start.
struct AudioPlacement {
    int64_t position = 0;  // of the first sample kept
    int skip = 0;          // leading samples dropped
};
// Places a chunk of `frames` samples that the wall clock says began at `wallStart`. Chunks
// follow each other without a gap while that stays within `tolerance` of the wall clock, so
// the sound keeps its pitch; beyond it the sound jumps to the wall clock (a gap after a
// dropout, or dropped samples when the device runs fast). Nothing lands before `earliest` or
// on sound placed already. `next` is where the following chunk would continue (-1 at first).
AudioPlacement PlaceAudio(int64_t* next, int64_t wallStart, int frames, int64_t tolerance,
                          int64_t earliest);

// What the encoder is set up with.
struct BroadcastFormat {
    QSize size;           // of the stream's pictures, even
    int fps = 30;         // 1..30
    int64_t bitRate = 0;  // bit/s
    int gop = 90;         // pictures between key frames
    QString filePath;     // the local copy; empty for none
    QString title;        // the stream header's title and description
    QString description;
    bool audio = false;  // a sound stream as stream 1, the pictures then stream 2
};

// Where the encoded stream goes. Called on the encoding thread.
class BroadcastOutput {
public:
    virtual ~BroadcastOutput() = default;
    // The ASF header (header object and the data object's head) that every viewer gets first.
    virtual void OnAsfHeader(const QByteArray& header) = 0;
    // One ASF data packet. When a key frame begins in it, `start` is the packet as a viewer's
    // first one (AsfPacketFromKeyFrame); otherwise it is empty.
    virtual void OnAsfPacket(const QByteArray& packet, const QByteArray& start) = 0;
    // Whether someone wants JPEG pictures of the stream now.
    virtual bool WantsJpeg() const = 0;
    virtual void OnJpeg(const QByteArray& jpeg) = 0;
    // Everything of one frame has been handed out: a good moment to send it.
    virtual void Flush() = 0;
};

// FFmpeg's "wmv2" (and "wmav2") encoder into the streaming ASF muxer (for viewers) and the ASF
// muxer (for the file, which gets its duration and index when closed). Not thread-safe: one thread
// encodes.
class BroadcastEncoder {
public:
    explicit BroadcastEncoder(BroadcastOutput* output);
    ~BroadcastEncoder();
    BroadcastEncoder(const BroadcastEncoder&) = delete;
    BroadcastEncoder& operator=(const BroadcastEncoder&) = delete;

    // Opens the encoder, the muxers and the file and hands out the stream header. False with
    // ErrorText() set when any of them fails.
    bool Open(const BroadcastFormat& format);
    // Encodes a frame of any size (it is scaled) as the picture at `tick` frame times from the
    // start; ticks must grow. A failing file is closed; the stream goes on.
    bool Encode(const VideoFrame& frame, int64_t tick);
    // Encodes interleaved 16-bit stereo samples that begin `position` samples after the start.
    // A chunk that does not continue the last one ends the sound before it with silence.
    bool EncodeAudio(const int16_t* samples, int frames, int64_t position);
    // Drains the encoder and finishes the file. Harmless when nothing is open.
    void Close();
    QString ErrorText() const { return error_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    BroadcastOutput* output_;
    QString error_;
};

}  // namespace trelvix
