#include "capture/Unit_xvid.h"

#include <chrono>

#include "capture/Usbcamera.h"
#include "capture/Ymp4.h"
#include "common/Clock.h"

namespace trelvix {

namespace {
// Whatever a camera file holds, recording runs at a rate the writer and the schedule can keep.
int AllowedFrameRate(int rate) {
    return std::clamp(rate, 5, 30);
}
}  // namespace

xvidCaptureControlthread::xvidCaptureControlthread(UsbCamera* cam, int frameRate)
    : camera(cam),
      periodMs(1000 / AllowedFrameRate(frameRate)),
      frameRate_(AllowedFrameRate(frameRate)) {
    camera->callback.SetRawFrameWanted(true);
    worker_.Start([this] { Execute(); });
}

xvidCaptureControlthread::~xvidCaptureControlthread() {
    Terminate();
    // Nobody records: the live path stops keeping a copy of every frame.
    camera->callback.SetRawFrameWanted(false);
}

void xvidCaptureControlthread::Resume() {
    worker_.Wake();
}

void xvidCaptureControlthread::Terminate() {
    worker_.Stop();
}

void xvidCaptureControlthread::Execute() {
    using Clock = std::chrono::steady_clock;
    if (worker_.WaitForWake()) return;
    bool haveFrame = false;
    for (;;) {
        if (worker_.StopRequested()) break;
        if (WriteDueFrames()) haveFrame = true;
        const auto period = std::chrono::nanoseconds(1'000'000'000LL / frameRate_);
        const auto next =
            haveFrame ? start_ + period * due_ : Clock::now() + std::chrono::milliseconds(10);
        if (worker_.SleepUntil(next)) break;
    }
    frameBuffer = RecordFrame();
}

bool xvidCaptureControlthread::WriteDueFrames() {
    using Clock = std::chrono::steady_clock;
    // Frames are due on a fixed schedule: the exact rate holds over hours, and a late pass
    // writes the newest frame again for every period it missed.
    if (!camera->HasGraph()) return false;
    // The newest frame is handed over, not copied: the overlays go straight onto it. The same
    // frame again only has its time stamped anew.
    const auto got = camera->callback.TakeLatestRawFrame(&frameBuffer);
    if (got == CSampleGrabberCB::RawFrame::kNone || frameBuffer.empty()) return false;
    const auto period = std::chrono::nanoseconds(1'000'000'000LL / frameRate_);
    if (due_ == 0) start_ = Clock::now();
    if (got == CSampleGrabberCB::RawFrame::kNew)
        camera->callback.ProcessRecordFrame(frameBuffer);
    else
        camera->callback.RestampRecordTime(frameBuffer);
    const int64_t elapsed = (Clock::now() - start_) / period;
    // Never more than a second of repeats, should the machine have stalled.
    const int64_t repeats = std::clamp<int64_t>(elapsed + 1 - due_, 0, frameRate_);
    for (int64_t i = 0; i < repeats; ++i) {
        if (camera->recorder->WriteFrame(frameBuffer))
            ++framesWritten_;
        else
            ++framesRefused_;
    }
    due_ += repeats;
    if (elapsed + 1 - due_ > frameRate_) due_ = elapsed + 1;  // give up on what is long past
    return true;
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
    rate_ = AllowedFrameRate(s.recordFrameRate);
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
    // Open before the thread wakes: its first frame is written, never refused.
    recording_ = true;
    if (thread_) thread_->Resume();
}

bool xvid::WriteFrame(const RecordFrame& frame) {
    if (!recording_) return false;
    {
        std::lock_guard lock(openMutex_);
        if (frame.width() != openWidth_ || frame.height() != openHeight_) {
            yMP4COpen(handle_, rate_, frame.width(), frame.height(), quant_, compress_, folder_,
                      minutes_);
            openWidth_ = frame.width();
            openHeight_ = frame.height();
        }
    }
    if (frame.planar)
        yVideoWritePlanes(handle_, frame.planes);
    else
        yVideoWrite(handle_, frame.bgr.data.data(), frame.bgr.data.size());
    return true;
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
