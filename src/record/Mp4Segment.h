// One MP4 file being written: encoder, converter and fragmenting muxer.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

namespace trelvix {

struct PlanarFrame;

struct SegmentParams {
    int rate = 10;
    int width = 0;  // of the frames handed in
    int height = 0;
    int quantizer = 4;
    int compression = 15;
};

// One MP4 file being written: encoder, converter and muxer. Every failure leaves the file as
// playable as what was flushed so far.
class Mp4Segment {
public:
    ~Mp4Segment();

    // Starts the file at `path` (reserved already); none when it cannot be written, and then
    // the file is gone.
    static std::unique_ptr<Mp4Segment> Create(const SegmentParams& p, const QString& folder,
                                              const QString& path, const QDateTime& start);

    bool Write(const uint8_t* frame);

    // A JPEG camera's planes go in without a colour conversion: only their range changes.
    bool Write(const PlanarFrame& frame);

    // Whether a frame of the file is on the disk.
    bool FramesOnDisk() const;

    // Drains the encoder, writes the trailer and closes the file; false when anything failed.
    bool Finish();

    // Whether the finished file holds a frame a player can show.
    bool HoldsFrames() const;

    QString path;
    QString folder;  // ends in "/"
    QDateTime start;

private:
    Mp4Segment() = default;
    bool Encode(AVFrame* pic);
    bool Open(const SegmentParams& p, const QDateTime& start);

    // The encoder may keep a reference to the last picture; never write into a shared one.
    AVFrame* WritablePicture();

    bool Drain();

    bool Fail();

    AVFormatContext* fmt_ = nullptr;
    AVCodecContext* enc_ = nullptr;
    AVStream* stream_ = nullptr;
    SwsContext* sws_ = nullptr;
    AVPacket* pkt_ = nullptr;
    std::vector<AVFrame*> pictures_;
    int frameStride_ = 0;
    int64_t nextPts_ = 0;
    int64_t packets_ = 0;
    int64_t headerEnd_ = 0;  // where the file's first fragment begins
    int64_t lastGood_ = 0;   // the end of what was written whole
    bool headerWritten_ = false;
    bool firstFlushed_ = false;
    bool failed_ = false;
};

}  // namespace trelvix
