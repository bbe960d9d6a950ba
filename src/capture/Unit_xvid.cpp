#include "capture/Unit_xvid.h"

#include <chrono>

#include "capture/Usbcamera.h"
#include "capture/Ymp4.h"
#include "common/Clock.h"

namespace trelvix {

xvidCaptureControlthread::xvidCaptureControlthread(UsbCamera* cam, int frameRate)
    : camera(cam), periodMs(1000 / std::max(1, frameRate)), frameRate_(std::max(1, frameRate)) {
    camera->callback.rawFrameWanted = true;
    thread_ = std::thread([this] { Execute(); });
}

xvidCaptureControlthread::~xvidCaptureControlthread() {
    Terminate();
}

void xvidCaptureControlthread::Resume() {
    std::lock_guard lock(mutex_);
    started_ = true;
    wake_.notify_all();
}

void xvidCaptureControlthread::Terminate() {
    {
        std::lock_guard lock(mutex_);
        terminated_ = true;
        wake_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
}

void xvidCaptureControlthread::Execute() {
    using Clock = std::chrono::steady_clock;
    {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return started_ || terminated_; });
    }
    // Frames are due on a fixed schedule: the exact rate holds over hours, and a late pass
    // writes the newest frame again for every period it missed.
    const auto period = std::chrono::nanoseconds(1'000'000'000LL / frameRate_);
    Clock::time_point start{};
    int64_t due = 0;
    bool haveFrame = false;
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (terminated_) break;
        }
        CSampleGrabberCB& cb = camera->callback;
        if (camera->HasGraph() && cb.CopyLatestRawFrame(&frameBuffer)) {
            if (!haveFrame) {
                haveFrame = true;
                start = Clock::now();
                due = 0;
            }
            cb.ProcessRecordFrame(frameBuffer.data.data(), frameBuffer.data.size());
            const int64_t elapsed = (Clock::now() - start) / period;
            // Never more than a second of repeats, should the machine have stalled.
            const int64_t repeats = std::clamp<int64_t>(elapsed + 1 - due, 0, frameRate_);
            for (int64_t i = 0; i < repeats; ++i) {
                camera->recorder->WriteFrame(frameBuffer);
                ++framesWritten_;
            }
            due += repeats;
            if (elapsed + 1 - due > frameRate_) due = elapsed + 1;  // give up on what is long past
        }
        std::unique_lock lock(mutex_);
        const auto next =
            haveFrame ? start + period * due : Clock::now() + std::chrono::milliseconds(10);
        wake_.wait_until(lock, next, [this] { return terminated_; });
        if (terminated_) break;
    }
    frameBuffer.data.clear();
    frameBuffer.data.shrink_to_fit();
}

xvid::xvid(int handle) : handle_(handle) {}

xvid::~xvid() {
    CloseRecording();
}

void xvid::OpenRecording(UsbCamera* camera) {
    CloseRecording();
    const CDataClass& s = *camera->settings;
    QString folder;
    try {
        folder = s.DayVideoFolder(Now().date());
    } catch (const std::exception&) {
        folder = s.videoFolder;  // the writer reports the failure by writing nothing
    }
    std::lock_guard lock(openMutex_);
    rate_ = s.recordFrameRate;
    quant_ = s.xvidQuant;
    compress_ = s.xvidCompress;
    minutes_ = s.segmentMinutes;
    folder_ = folder;
    openWidth_ = openHeight_ = 0;
}

void xvid::StopRecordingThread() {
    thread_.reset();
    recording_ = false;
}

void xvid::CloseRecording() {
    StopRecordingThread();
    recording_ = false;
    yMP4CClose(handle_);
    std::lock_guard lock(openMutex_);
    openWidth_ = openHeight_ = 0;
}

void xvid::StartRecordingThread(UsbCamera* camera) {
    thread_.reset();
    thread_ = std::make_unique<xvidCaptureControlthread>(camera, camera->settings->recordFrameRate);
}

void xvid::ResumeRecordingThread() {
    if (thread_) thread_->Resume();
    recording_ = true;
}

void xvid::WriteFrame(const VideoFrame& frame) {
    if (!recording_) return;
    {
        std::lock_guard lock(openMutex_);
        if (frame.width != openWidth_ || frame.height != openHeight_) {
            yMP4COpen(handle_, rate_, frame.width, frame.height, quant_, compress_, folder_,
                      minutes_);
            openWidth_ = frame.width;
            openHeight_ = frame.height;
        }
    }
    yVideoWrite(handle_, frame.data.data(), frame.data.size());
}

void xvid::SetRoot(const QString& folder, int minutes) {
    {
        std::lock_guard lock(openMutex_);
        folder_ = folder;
        minutes_ = minutes;
    }
    yMP4CSetRootPath(handle_, folder, minutes);
}

QString xvid::CurrentFile() const {
    return yMP4CCurrentFile(handle_);
}

}  // namespace trelvix
