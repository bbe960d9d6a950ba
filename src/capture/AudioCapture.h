// Sound for a camera's broadcast: where it comes from, and a small GStreamer pipeline that
// delivers it as 16-bit stereo samples at 44.1 kHz.
#pragma once

#include <QString>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

typedef struct _GstElement GstElement;

namespace trelvix {

struct AudioSource {
    QString name;  // for the log
    // Makes the source element; empty, or returning nothing, when there is no device.
    std::function<GstElement*()> create;
};

// A source from a pipeline description such as "audiotestsrc is-live=true".
AudioSource AudioSourceFromDescription(const QString& description, const QString& name);
// The first audio input device of the system (not the monitor of an output); none without.
AudioSource FirstAudioInputDevice();
// The sound of the camera with this device identifier: a tone for synthetic cameras, the first
// audio input device for every other one.
AudioSource BroadcastAudioSourceFor(const QString& deviceId);
// Replaces BroadcastAudioSourceFor's answer; empty restores it.
void SetBroadcastAudioSourceForTesting(std::function<AudioSource(const QString&)> chooser);

class AudioCapture {
public:
    using SamplesHandler = std::function<void(const int16_t* samples, int frames)>;
    using FailureHandler = std::function<void(const QString& why)>;

    AudioCapture() = default;
    ~AudioCapture();
    AudioCapture(const AudioCapture&) = delete;
    AudioCapture& operator=(const AudioCapture&) = delete;

    // Runs the source and waits up to waitMs for its first samples. Samples then go to
    // `samples` on GStreamer's thread; a later failure of the source is reported once to
    // `failed` on that thread. False with ErrorText() set when the source is missing, fails or
    // stays silent; nothing is left running then.
    bool Start(const AudioSource& source, SamplesHandler samples, FailureHandler failed = {},
               int waitMs = 3000);
    // Ends the pipeline; no handler runs afterwards. Harmless when not running.
    void Stop();
    bool IsRunning() const { return pipeline_ != nullptr; }
    QString ErrorText() const { return error_; }

private:
    friend struct AudioCaptureCallbacks;
    void Deliver(const int16_t* samples, int frames);
    void Report(const QString& why);
    bool Fail(const QString& why);

    GstElement* pipeline_ = nullptr;
    SamplesHandler samples_;
    FailureHandler failed_;
    QString error_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool delivered_ = false;
    bool started_ = false;
    QString failure_;  // the first error the pipeline reported
};

}  // namespace trelvix
