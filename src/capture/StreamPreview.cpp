#include "capture/StreamPreview.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>

#include "capture/Devices.h"
#include "capture/NetSource.h"
#include "capture/Usbcamera.h"

namespace trelvix {

namespace {
constexpr int kPicturesPerSecond = 2;

GstFlowReturn OnSample(GstAppSink* sink, gpointer grabber) {
    GstSample* sample = gst_app_sink_pull_sample(sink);
    if (!sample) return GST_FLOW_EOS;
    // Without a settings record the frame path only copies and shows the picture.
    static_cast<CSampleGrabberCB*>(grabber)->OnSample(sample);
    gst_sample_unref(sample);
    return GST_FLOW_OK;
}
}  // namespace

StreamPreview::StreamPreview(const QString& address, bool udp, VideoSurface* surface)
    : address_(address), udp_(udp), surface_(surface) {
    EnsureGStreamer();
    if (!Build(false)) status_ = Status::kFailed;
}

StreamPreview::~StreamPreview() {
    Drop();
}

bool StreamPreview::Build(bool pictures) {
    grabber_ = std::make_unique<CSampleGrabberCB>();
    grabber_->SetPanel(nullptr, surface_);
    const NetSourceKind kind =
        pictures ? NetSourceKind::kHttpPictures : NetSource::KindOf(address_);
    source_ = NetSource::Make(address_, kind, udp_, kPicturesPerSecond, nullptr);
    if (!source_) return false;
    pipeline_ = gst_pipeline_new(nullptr);
    GstElement* format = gst_element_factory_make("capsfilter", nullptr);
    GstElement* sink = gst_element_factory_make("appsink", nullptr);
    if (!format || !sink) {
        for (GstElement* e : {format, sink})
            if (e) gst_object_unref(gst_object_ref_sink(e));
        return false;
    }
    GstCaps* caps = gst_caps_from_string(kNetSourceCaps);
    g_object_set(format, "caps", caps, nullptr);
    gst_caps_unref(caps);
    g_object_set(sink, "sync", FALSE, "max-buffers", 2, "drop", TRUE, nullptr);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = OnSample;
    gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, grabber_.get(), nullptr);
    gst_bin_add_many(GST_BIN(pipeline_), source_->bin(), format, sink, nullptr);
    if (!gst_element_link_many(source_->bin(), format, sink, nullptr) ||
        gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE)
        return false;
    source_->Start();
    return true;
}

void StreamPreview::Drop() {
    if (source_) source_->Stop();
    if (pipeline_) {
        gst_element_set_state(pipeline_, GST_STATE_NULL);
        gst_object_unref(pipeline_);
        pipeline_ = nullptr;
    }
    source_.reset();
}

StreamPreview::Status StreamPreview::Poll() {
    if (status_ == Status::kFailed || !pipeline_) return status_ = Status::kFailed;
    GstBus* bus = gst_element_get_bus(pipeline_);
    bool error = false, ended = false;
    while (GstMessage* msg = gst_bus_pop(bus)) {
        error = error || GST_MESSAGE_TYPE(msg) == GST_MESSAGE_ERROR;
        ended = ended || GST_MESSAGE_TYPE(msg) == GST_MESSAGE_EOS;
        gst_message_unref(msg);
    }
    gst_object_unref(bus);
    // A single picture: asked again at a steady pace, as the camera would be.
    if (!error && ended && source_->AnsweredOnePicture() && framesShown() > 0) {
        Drop();
        if (!Build(true)) return status_ = Status::kFailed;
        return status_ = Status::kRunning;
    }
    if (error || ended) {
        Drop();
        return status_ = Status::kFailed;
    }
    if (framesShown() > 0) status_ = Status::kRunning;
    return status_;
}

uint64_t StreamPreview::framesShown() const {
    return grabber_ ? grabber_->framesDelivered.load() : 0;
}

}  // namespace trelvix
