#include "capture/AudioCapture.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

#include <chrono>
#include <memory>

#include "broadcast/BroadcastEncoder.h"
#include "capture/Devices.h"

namespace trelvix {

namespace {

std::mutex chooserMutex;
std::function<AudioSource(const QString&)> testChooser;

// A monitor replays what the machine plays; it is nobody's microphone.
bool IsMonitor(GstDevice* device) {
    GstStructure* props = gst_device_get_properties(device);
    if (!props) return false;
    const gchar* kind = gst_structure_get_string(props, "device.class");
    const bool monitor = kind && g_strcmp0(kind, "monitor") == 0;
    gst_structure_free(props);
    return monitor;
}

}  // namespace

AudioSource AudioSourceFromDescription(const QString& description, const QString& name) {
    AudioSource s;
    s.name = name;
    s.create = [text = description.toUtf8()]() -> GstElement* {
        EnsureGStreamer();
        GError* error = nullptr;
        GstElement* bin = gst_parse_bin_from_description(text.constData(), TRUE, &error);
        if (error) {
            g_error_free(error);
            if (bin) gst_object_unref(bin);
            return nullptr;
        }
        return bin;
    };
    return s;
}

AudioSource FirstAudioInputDevice() {
    EnsureGStreamer();
    AudioSource s;
    GstDeviceMonitor* monitor = gst_device_monitor_new();
    gst_device_monitor_add_filter(monitor, "Audio/Source", nullptr);
    if (!gst_device_monitor_start(monitor)) {
        gst_object_unref(monitor);
        return s;
    }
    GList* devices = gst_device_monitor_get_devices(monitor);
    for (GList* d = devices; d; d = d->next) {
        auto* device = GST_DEVICE(d->data);
        if (IsMonitor(device)) continue;
        gchar* name = gst_device_get_display_name(device);
        s.name = QString::fromUtf8(name);
        g_free(name);
        std::shared_ptr<GstDevice> kept(GST_DEVICE(gst_object_ref(device)),
                                        [](GstDevice* p) { gst_object_unref(p); });
        s.create = [kept] { return gst_device_create_element(kept.get(), nullptr); };
        break;
    }
    g_list_free_full(devices, gst_object_unref);
    gst_device_monitor_stop(monitor);
    gst_object_unref(monitor);
    return s;
}

AudioSource BroadcastAudioSourceFor(const QString& deviceId) {
    {
        std::lock_guard lock(chooserMutex);
        if (testChooser) return testChooser(deviceId);
    }
    if (IsSyntheticId(deviceId))
        return AudioSourceFromDescription(
            QStringLiteral("audiotestsrc is-live=true wave=sine freq=440 volume=0.3"),
            QStringLiteral("Test tone"));
    return FirstAudioInputDevice();
}

void SetBroadcastAudioSourceForTesting(std::function<AudioSource(const QString&)> chooser) {
    std::lock_guard lock(chooserMutex);
    testChooser = std::move(chooser);
}

struct AudioCaptureCallbacks {
    static GstFlowReturn OnSample(GstAppSink* sink, gpointer data) {
        GstSample* sample = gst_app_sink_pull_sample(sink);
        if (!sample) return GST_FLOW_EOS;
        GstMapInfo map;
        GstBuffer* buffer = gst_sample_get_buffer(sample);
        if (buffer && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            const int bytesPerFrame = 2 * kBroadcastAudioChannels;
            static_cast<AudioCapture*>(data)->Deliver(reinterpret_cast<const int16_t*>(map.data),
                                                      int(map.size / bytesPerFrame));
            gst_buffer_unmap(buffer, &map);
        }
        gst_sample_unref(sample);
        return GST_FLOW_OK;
    }

    static GstBusSyncReply OnBusMessage(GstBus*, GstMessage* message, gpointer data) {
        auto* self = static_cast<AudioCapture*>(data);
        if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
            GError* error = nullptr;
            gst_message_parse_error(message, &error, nullptr);
            self->Report(error ? QString::fromUtf8(error->message)
                               : QStringLiteral("The sound device failed."));
            if (error) g_error_free(error);
        } else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
            self->Report(QStringLiteral("The sound device stopped delivering."));
        }
        return GST_BUS_PASS;
    }
};

AudioCapture::~AudioCapture() {
    Stop();
}

bool AudioCapture::Fail(const QString& why) {
    Stop();
    error_ = why;
    return false;
}

bool AudioCapture::Start(const AudioSource& source, SamplesHandler samples, FailureHandler failed,
                         int waitMs) {
    Stop();
    EnsureGStreamer();
    error_.clear();
    GstElement* src = source.create ? source.create() : nullptr;
    if (!src) return Fail(QStringLiteral("No sound input device was found."));
    samples_ = std::move(samples);
    failed_ = std::move(failed);
    pipeline_ = gst_pipeline_new("broadcast-sound");
    GstElement* convert = gst_element_factory_make("audioconvert", nullptr);
    GstElement* resample = gst_element_factory_make("audioresample", nullptr);
    GstElement* format = gst_element_factory_make("capsfilter", nullptr);
    GstElement* sink = gst_element_factory_make("appsink", nullptr);
    for (GstElement* e : {src, convert, resample, format, sink})
        if (e) gst_bin_add(GST_BIN(pipeline_), e);
    if (!convert || !resample || !format || !sink)
        return Fail(QStringLiteral("The sound conversion elements are missing."));
    GstCaps* caps =
        gst_caps_new_simple("audio/x-raw", "format", G_TYPE_STRING, "S16LE", "layout",
                            G_TYPE_STRING, "interleaved", "rate", G_TYPE_INT, kBroadcastAudioRate,
                            "channels", G_TYPE_INT, kBroadcastAudioChannels, nullptr);
    g_object_set(format, "caps", caps, nullptr);
    gst_caps_unref(caps);
    if (!gst_element_link_many(src, convert, resample, format, sink, nullptr))
        return Fail(QStringLiteral("The sound device offers no usable format."));
    // The source is live: a late encoder drops old sound rather than holding up the device.
    g_object_set(sink, "sync", FALSE, "max-buffers", 64, "drop", TRUE, "emit-signals", FALSE,
                 nullptr);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = AudioCaptureCallbacks::OnSample;
    gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, this, nullptr);
    GstBus* bus = gst_element_get_bus(pipeline_);
    gst_bus_set_sync_handler(bus, AudioCaptureCallbacks::OnBusMessage, this, nullptr);
    gst_object_unref(bus);

    const bool changed =
        gst_element_set_state(pipeline_, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
    std::unique_lock lock(mutex_);
    if (changed)
        changed_.wait_for(lock, std::chrono::milliseconds(waitMs),
                          [this] { return delivered_ || !failure_.isEmpty(); });
    if (delivered_ && failure_.isEmpty()) {
        started_ = true;
        return true;
    }
    const QString why =
        !failure_.isEmpty() ? failure_ : QStringLiteral("The sound device delivers nothing.");
    lock.unlock();
    return Fail(why);
}

void AudioCapture::Stop() {
    if (pipeline_) {
        // Joins GStreamer's threads: no handler runs after this.
        gst_element_set_state(pipeline_, GST_STATE_NULL);
        GstBus* bus = gst_element_get_bus(pipeline_);
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        gst_object_unref(pipeline_);
        pipeline_ = nullptr;
    }
    std::lock_guard lock(mutex_);
    samples_ = nullptr;
    failed_ = nullptr;
    delivered_ = started_ = false;
    failure_.clear();
}

void AudioCapture::Deliver(const int16_t* samples, int frames) {
    if (frames <= 0) return;
    if (samples_) samples_(samples, frames);
    std::lock_guard lock(mutex_);
    if (!delivered_) {
        delivered_ = true;
        changed_.notify_all();
    }
}

void AudioCapture::Report(const QString& why) {
    FailureHandler tell;
    {
        std::lock_guard lock(mutex_);
        if (!failure_.isEmpty()) return;
        failure_ = why;
        if (started_) tell = failed_;
        changed_.notify_all();
    }
    if (tell) tell(why);
}

}  // namespace trelvix
