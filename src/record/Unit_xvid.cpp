#include "record/Unit_xvid.h"

#include <algorithm>
#include <chrono>

#include "config/Cdataclass.h"
#include "record/Ymp4.h"
#include "common/Clock.h"

namespace trelvix {

namespace {
std::mutex threadClockMutex;
xvidCaptureControlthread::Clock threadClock;

// Whatever a camera file holds, recording runs at a rate the writer and the schedule can keep.
int AllowedFrameRate(int rate) {
    return std::clamp(rate, 5, 30);
}
}  // namespace

RecordingSchedule::RecordingSchedule(int frameRate)
    : frameRate_(frameRate), period_(1'000'000'000LL / frameRate) {}

int64_t RecordingSchedule::Due(Time now) {
    if (due_ == 0) start_ = now;
    const int64_t elapsed = (now - start_) / period_;
    // Never more than a second of repeats, should the machine have stalled.
    const int64_t repeats = std::clamp<int64_t>(elapsed + 1 - due_, 0, frameRate_);
    due_ += repeats;
    if (elapsed + 1 - due_ > frameRate_) due_ = elapsed + 1;  // give up on what is long past
    return repeats;
}

RecordingSchedule::Time RecordingSchedule::Next() const {
    return start_ + period_ * due_;
}

xvidCaptureControlthread::xvidCaptureControlthread(RecordFrameSource& source, Write write,
                                                   int frameRate, Clock clock)
    : periodMs(1000 / AllowedFrameRate(frameRate)),
      source_(source),
      write_(std::move(write)),
      clock_(std::move(clock)),
      schedule_(AllowedFrameRate(frameRate)) {
    source_.WantFrames(true);
    worker_.Start([this] { Execute(); });
}

xvidCaptureControlthread::~xvidCaptureControlthread() {
    Terminate();
    // Nobody records: the live path stops keeping a copy of every frame.
    source_.WantFrames(false);
}

void xvidCaptureControlthread::Resume() {
    worker_.Wake();
}

void xvidCaptureControlthread::Terminate() {
    worker_.Stop();
}

void xvidCaptureControlthread::Execute() {
    if (worker_.WaitForWake()) return;
    while (!worker_.StopRequested()) {
        const bool wrote = WriteDueFrames();
        // The wait is measured on the thread's own clock, which a test may run fast.
        const auto wait = wrote ? schedule_.Next() - clock_() : std::chrono::milliseconds(10);
        if (worker_.SleepFor(std::max<std::chrono::nanoseconds>(wait, {}))) break;
    }
    frameBuffer = RecordFrame();
}

bool xvidCaptureControlthread::WriteDueFrames() {
    if (!source_.Delivering()) return false;
    // The newest frame is handed over, not copied: the overlays go straight onto it. The same
    // frame again only has its time stamped anew.
    const auto got = source_.TakeNewest(&frameBuffer);
    if (got == RecordFrameSource::Got::kNone || frameBuffer.empty()) return false;
    source_.Stamp(frameBuffer, got == RecordFrameSource::Got::kNew);
    for (int64_t i = schedule_.Due(clock_()); i > 0; --i) {
        if (write_(frameBuffer))
            ++framesWritten_;
        else
            ++framesRefused_;
    }
    return true;
}

xvid::xvid(int handle) : handle_(handle) {}

xvid::~xvid() {
    CloseRecording();
}

void xvid::OpenRecording(const CDataClass& s) {
    CloseRecording();
    QString folder;
    try {
        folder = s.DayVideoFolder(Now().date());
    } catch (const std::exception&) {
        folder = s.videoFolder;  // the writer reports the failure by writing nothing
    }
    std::lock_guard lock(openMutex_);
    rate_ = AllowedFrameRate(Live(s.recordFrameRate));
    quant_ = Live(s.xvidQuant);
    compress_ = Live(s.xvidCompress);
    minutes_ = Live(s.segmentMinutes);
    codec_ = Live(s.recordCodec);
    holdSeconds_ = 0;
    folder_ = folder;
    openWidth_ = openHeight_ = 0;
}

void xvid::StopRecordingThread() {
    thread_.reset();
    recording_ = false;
    holding_ = false;
}

void xvid::StartHolding(const CDataClass& settings, RecordFrameSource& source) {
    OpenRecording(settings);
    {
        std::lock_guard lock(openMutex_);
        holdSeconds_ = std::clamp(Live(settings.preMotionSeconds), 0, 30);
    }
    StartRecordingThread(source, Live(settings.recordFrameRate));
    holding_ = true;
    thread_->Resume();
}

void xvid::ReleaseHold(const QDateTime& since) {
    std::lock_guard lock(openMutex_);
    if (!holding_) return;
    holding_ = false;
    recording_ = true;
    if (copying_) {
        yMP4CReleaseCopy(handle_, since);
        return;
    }
    // Nothing held yet: the first frame opens the recording as usual.
    if (openWidth_ > 0) yMP4CRelease(handle_, since);
}

void xvid::SetThreadClockForTesting(xvidCaptureControlthread::Clock clock) {
    std::lock_guard lock(threadClockMutex);
    threadClock = std::move(clock);
}

void xvid::CloseRecording() {
    StopRecordingThread();
    copying_ = false;
    yMP4CClose(handle_);
    yMP4CCloseCopy(handle_);
    std::lock_guard lock(openMutex_);
    openWidth_ = openHeight_ = 0;
}

void xvid::StartRecordingThread(RecordFrameSource& source, int frameRate) {
    thread_.reset();
    xvidCaptureControlthread::Clock clock = std::chrono::steady_clock::now;
    {
        std::lock_guard lock(threadClockMutex);
        if (threadClock) clock = threadClock;
    }
    thread_ = std::make_unique<xvidCaptureControlthread>(
        source, [this](const RecordFrame& f) { return WriteFrame(f); }, frameRate, clock);
}

void xvid::ResumeRecordingThread() {
    // Open before the thread wakes: its first frame is written, never refused.
    recording_ = true;
    if (thread_) thread_->Resume();
}

bool xvid::WriteFrame(const RecordFrame& frame) {
    if (!recording_ && !holding_) return false;
    {
        std::lock_guard lock(openMutex_);
        if (frame.width() != openWidth_ || frame.height() != openHeight_) {
            // A format this library cannot encode leaves the one before (MPEG-4 at first).
            yMP4CSetCodec(handle_, VideoCodec(codec_));
            yMP4COpen(handle_, rate_, frame.width(), frame.height(), quant_, compress_, folder_,
                      minutes_);
            if (holding_) yMP4CHold(handle_, holdSeconds_);
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
    if (copying_) yMP4CSetCopyRootPath(handle_, folder, minutes);
}

QString xvid::CurrentFile() const {
    return copying_ ? yMP4CCopyCurrentFile(handle_) : yMP4CCurrentFile(handle_);
}

void xvid::StartCopy(const CDataClass& s, TimedText text) {
    OpenRecording(s);
    {
        std::lock_guard lock(openMutex_);
        yMP4COpenCopy(handle_, folder_, minutes_, std::move(text));
    }
    copying_ = true;
    recording_ = true;
}

void xvid::StartCopyHolding(const CDataClass& s, TimedText text) {
    OpenRecording(s);
    {
        std::lock_guard lock(openMutex_);
        yMP4COpenCopy(handle_, folder_, minutes_, std::move(text));
        yMP4CHoldCopy(handle_, std::clamp(Live(s.preMotionSeconds), 0, 30));
    }
    copying_ = true;
    holding_ = true;
}

bool xvid::WritePacket(const CopyStreamInfo& info, const CopyPacket& packet) {
    // The writer keeps what comes while held.
    if (!copying_ || (!recording_ && !holding_)) return false;
    return yMP4CWritePacket(handle_, info, packet);
}

}  // namespace trelvix
