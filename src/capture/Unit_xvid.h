// One camera's recording: the writer handle, the recording flag and the recording thread that
// copies the newest frame at the recording frame rate.
#pragma once

#include <QString>
#include <atomic>
#include <memory>
#include <mutex>

#include "capture/Frame.h"
#include "common/StoppableWorker.h"

namespace trelvix {

class UsbCamera;

// The recording thread: takes the newest delivered frame once per period, runs the recording
// path on it and writes it.
class xvidCaptureControlthread {
public:
    xvidCaptureControlthread(UsbCamera* camera, int frameRate);
    ~xvidCaptureControlthread();  // stops and joins

    void Resume();
    void Terminate();  // returns once the thread has ended
    uint64_t framesWritten() const { return framesWritten_; }
    // Frames the writer refused because the recording was not (or no longer) open.
    uint64_t framesRefused() const { return framesRefused_; }

    UsbCamera* camera;
    const int periodMs;

private:
    void Execute();
    // Writes the newest frame as often as the schedule asks; false when there was none.
    bool WriteDueFrames();

    const int frameRate_;
    StoppableWorker worker_;
    std::atomic<uint64_t> framesWritten_{0};
    std::atomic<uint64_t> framesRefused_{0};
    RecordFrame frameBuffer;
    // The fixed schedule: when the first frame was written, and how many are due so far.
    std::chrono::steady_clock::time_point start_{};
    int64_t due_ = 0;
};

class xvid {
public:
    explicit xvid(int handle);
    ~xvid();

    void OpenRecording(UsbCamera* camera);
    void CloseRecording();
    void StartRecordingThread(UsbCamera* camera);
    void ResumeRecordingThread();
    void StopRecordingThread();
    // Writes when recording; opens the file on the first frame (the frame size is known only
    // once frames arrive) and again when the size changes. False when not recording.
    bool WriteFrame(const RecordFrame& frame);
    void SetRoot(const QString& folder, int minutes);
    QString CurrentFile() const;

    int handle() const { return handle_; }
    bool recording() const { return recording_; }
    xvidCaptureControlthread* thread() const { return thread_.get(); }

private:
    const int handle_;
    std::atomic<bool> recording_{false};
    std::unique_ptr<xvidCaptureControlthread> thread_;
    std::mutex openMutex_;
    int rate_ = 10, quant_ = 4, compress_ = 15, minutes_ = 30;
    QString folder_;
    int openWidth_ = 0, openHeight_ = 0;
};

}  // namespace trelvix
