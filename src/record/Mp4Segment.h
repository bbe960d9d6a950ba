// One fragmented MP4 file being written from encoded packets.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <memory>

extern "C" {
#include <libavutil/rational.h>
}

#include "record/EncodedPacket.h"
#include "record/FragmentedMp4.h"

struct AVCodecParameters;
struct AVFormatContext;
struct AVPacket;
struct AVStream;

namespace trelvix {

// Every failure leaves the file as playable as what was flushed so far.
class Mp4Segment {
public:
    ~Mp4Segment();

    // Starts the file at `path` (reserved already) for packets of a stream with `params` in
    // `timeBase` at `rate` pictures a second; none when it cannot be written, and then the
    // file is gone.
    static std::unique_ptr<Mp4Segment> Create(const AVCodecParameters* params, AVRational timeBase,
                                              int rate, const QString& folder, const QString& path,
                                              const QDateTime& start);

    // Packets in decoding order, the first a key frame; the file's time begins at it.
    bool Write(const EncodedPacket& packet);

    // Whether a picture of the file is on the disk.
    bool FramesOnDisk() const;

    // Writes the trailer and closes the file; false when anything failed.
    bool Finish();

    // Whether the finished file holds a picture a player can show.
    bool HoldsFrames() const;

    QString path;
    QString folder;  // ends in "/"
    QDateTime start;

private:
    Mp4Segment() = default;
    bool Open(const AVCodecParameters* params, int rate, const QDateTime& start);

    AVFormatContext* fmt_ = nullptr;
    AVStream* stream_ = nullptr;
    AVPacket* pkt_ = nullptr;
    AVRational timeBase_{1, 1};
    int rate_ = 10;
    int64_t origin_ = INT64_MIN;  // the first packet's time: the file's zero
    int64_t packets_ = 0;
    FragmentState file_;
};

}  // namespace trelvix
