// One MP4 file of a camera's own stream: its packets as they came, and a timed-text track of
// the caption and time, one sample a second. Fragmented like Mp4Segment, so a killed process
// leaves a file that plays up to its last whole fragment.
#pragma once

#include <QDateTime>
#include <QByteArray>
#include <QString>
#include <memory>

#include "record/FragmentedMp4.h"
#include "record/Ymp4Copy.h"

struct AVFormatContext;
struct AVPacket;
struct AVStream;

namespace trelvix {

class Mp4CopySegment {
public:
    ~Mp4CopySegment();

    // Starts the file at `path` (reserved already) for a stream whose first packet has time
    // `origin` (ns); none when it cannot be written, and then the file is gone.
    static std::unique_ptr<Mp4CopySegment> Create(const CopyStreamInfo& info, const QString& folder,
                                                  const QString& path, const QDateTime& start,
                                                  int64_t origin, TimedText text);

    bool Write(const CopyPacket& packet);
    bool FramesOnDisk() const { return file_.OnDisk(); }
    // Writes the trailer and closes the file; false when anything failed.
    bool Finish();
    bool HoldsFrames() const {
        return file_.failed ? file_.lastGood > file_.headerEnd : packets_ > 0;
    }

    QString path;
    QString folder;  // ends in "/"
    QDateTime start;
    CopyStreamInfo info;

private:
    Mp4CopySegment() = default;
    bool Open();
    bool WritePending(int64_t duration);
    bool WriteText(int64_t second);
    bool Flush();

    AVFormatContext* fmt_ = nullptr;
    AVStream* video_ = nullptr;
    AVStream* text_ = nullptr;
    AVPacket* pkt_ = nullptr;
    TimedText textOf_;
    int64_t origin_ = 0;
    int64_t lastDts_ = -1;  // the newest picture's, in the video stream's time base
    QByteArray pending_;    // the newest picture, written when the next one comes
    int64_t pendingPts_ = 0, pendingNs_ = 0, lastDuration_ = 1;
    bool pendingKey_ = false;
    int64_t nextSecond_ = 0;  // the next text sample due
    int64_t packets_ = 0;
    FragmentState file_;
};

}  // namespace trelvix
