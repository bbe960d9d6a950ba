// One camera's recording: the writer handle, the recording flag and the recording thread that
// copies the newest frame at the recording frame rate.
#pragma once

#include <QDateTime>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

#include "common/Frame.h"
#include "common/StoppableWorker.h"
#include "record/RecordFrameSource.h"
#include "record/Ymp4Copy.h"

namespace trelvix {

class CDataClass;

// Frames are due on a fixed schedule: the exact rate holds over hours, and a late pass writes
// the newest frame again for every period it missed.
class RecordingSchedule {
public:
    using Time = std::chrono::steady_clock::time_point;
    explicit RecordingSchedule(int frameRate);
    // How many times the newest frame is written at `now`; the first call starts the schedule.
    int64_t Due(Time now);
    // When the next frame is due.
    Time Next() const;

private:
    const int frameRate_;
    const std::chrono::nanoseconds period_;
    Time start_{};
    int64_t due_ = 0;  // frames due so far
};

// The recording thread: takes the newest delivered frame once per period, runs the recording
// path on it and writes it.
class xvidCaptureControlthread {
public:
    using Write = std::function<bool(const RecordFrame&)>;
    using Clock = std::function<RecordingSchedule::Time()>;
    // Waits for Resume before its first pass.
    xvidCaptureControlthread(RecordFrameSource& source, Write write, int frameRate,
                             Clock clock = std::chrono::steady_clock::now);
    ~xvidCaptureControlthread();  // stops and joins

    void Resume();
    void Terminate();  // returns once the thread has ended
    // One pass: writes the newest frame as often as the schedule asks; false when there was
    // none.
    bool WriteDueFrames();
    uint64_t framesWritten() const { return framesWritten_; }
    // Frames the writer refused because the recording was not (or no longer) open.
    uint64_t framesRefused() const { return framesRefused_; }

    const int periodMs;

private:
    void Execute();

    RecordFrameSource& source_;
    const Write write_;
    const Clock clock_;
    StoppableWorker worker_;
    std::atomic<uint64_t> framesWritten_{0};
    std::atomic<uint64_t> framesRefused_{0};
    RecordFrame frameBuffer;
    RecordingSchedule schedule_;
};

class xvid {
public:
    explicit xvid(int handle);
    ~xvid();

    void OpenRecording(const CDataClass& settings);
    void CloseRecording();
    void StartRecordingThread(RecordFrameSource& source, int frameRate);
    void ResumeRecordingThread();
    void StopRecordingThread();
    // Keeps the last seconds of the source's frames, encoded, without a file, so that a
    // recording started later begins with them (a motion recording before its motion).
    void StartHolding(const CDataClass& settings, RecordFrameSource& source);
    // The recording begins with the held frames from the key frame nearest `since` on.
    void ReleaseHold(const QDateTime& since);
    // The recording threads made from now on follow `clock` (empty: the steady clock).
    static void SetThreadClockForTesting(xvidCaptureControlthread::Clock clock);
    // Writes when recording; opens the file on the first frame (the frame size is known only
    // once frames arrive) and again when the size changes. False when not recording.
    bool WriteFrame(const RecordFrame& frame);
    void SetRoot(const QString& folder, int minutes);
    QString CurrentFile() const;

    // A network camera's own stream, recorded as it came instead of frames: no thread, the
    // packets are written as they arrive; CloseRecording ends it like any recording.
    void StartCopy(const CDataClass& settings, TimedText text);
    bool WritePacket(const CopyStreamInfo& info, const CopyPacket& packet);
    // The same camera waiting for motion: its packets are held until ReleaseHold.
    void StartCopyHolding(const CDataClass& settings, TimedText text);
    bool copying() const { return copying_; }

    int handle() const { return handle_; }
    bool recording() const { return recording_; }
    bool holding() const { return holding_; }
    xvidCaptureControlthread* thread() const { return thread_.get(); }

private:
    const int handle_;
    std::atomic<bool> recording_{false};
    std::atomic<bool> copying_{false};
    std::atomic<bool> holding_{false};
    std::unique_ptr<xvidCaptureControlthread> thread_;
    std::mutex openMutex_;
    int rate_ = 10, quant_ = 4, compress_ = 15, minutes_ = 30, codec_ = 0, holdSeconds_ = 0;
    QString folder_;
    int openWidth_ = 0, openHeight_ = 0;
};

}  // namespace trelvix
