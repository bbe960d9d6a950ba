// N loopback RTSP H.264 cameras for the side-by-side benchmark. One clip, encoded once, is sent
// in a loop at its frame rate from rtsp://127.0.0.1:PORT/cam1 … /camN, so the cameras cost the
// feeder only their sending, as real cameras cost the recorder nothing to encode. With SUB, a
// second, smaller clip is each camera's detection stream at /cam1_sub … /camN_sub.
// Usage: rtsp_cameras CLIP.mp4 N PORT [SUB.mp4]   (prints "READY" once it listens)
#include <gst/app/gstappsink.h>
#include <gst/app/gstappsrc.h>
#include <gst/gst.h>
#include <gst/rtsp-server/rtsp-server.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Clip {
    GstCaps* caps = nullptr;
    std::vector<GstBuffer*> units;  // access units, in order
    GstClockTime frame = GST_SECOND / 30;
};

// The clip's access units as a camera would packetise them (AVC, whole pictures).
bool ReadClip(const char* path, Clip* clip) {
    GError* error = nullptr;
    const std::string launch = std::string("filesrc location=\"") + path +
                               "\" ! qtdemux ! h264parse ! "
                               "video/x-h264,stream-format=avc,alignment=au ! appsink name=out "
                               "sync=false";
    GstElement* p = gst_parse_launch(launch.c_str(), &error);
    if (!p) {
        std::fprintf(stderr, "rtsp_cameras: %s\n", error ? error->message : "no pipeline");
        return false;
    }
    GstElement* sink = gst_bin_get_by_name(GST_BIN(p), "out");
    gst_element_set_state(p, GST_STATE_PLAYING);
    while (GstSample* s = gst_app_sink_pull_sample(GST_APP_SINK(sink))) {
        if (!clip->caps) clip->caps = gst_caps_copy(gst_sample_get_caps(s));
        clip->units.push_back(gst_buffer_copy(gst_sample_get_buffer(s)));
        gst_sample_unref(s);
    }
    gst_element_set_state(p, GST_STATE_NULL);
    gst_object_unref(sink);
    gst_object_unref(p);
    int num = 0, den = 0;
    const GstStructure* st = clip->caps ? gst_caps_get_structure(clip->caps, 0) : nullptr;
    if (st && gst_structure_get_fraction(st, "framerate", &num, &den) && num > 0)
        clip->frame = gst_util_uint64_scale(GST_SECOND, guint64(den), guint64(num));
    return !clip->units.empty();
}

struct Sending {
    const Clip* clip;
    guint64 sent = 0;
};

void NeedData(GstElement* src, guint, gpointer data) {
    auto* s = static_cast<Sending*>(data);
    const Clip& c = *s->clip;
    GstBuffer* b = gst_buffer_copy(c.units[s->sent % c.units.size()]);
    GST_BUFFER_PTS(b) = GST_BUFFER_DTS(b) = s->sent * c.frame;
    GST_BUFFER_DURATION(b) = c.frame;
    ++s->sent;
    GstFlowReturn ret;
    g_signal_emit_by_name(src, "push-buffer", b, &ret);
    gst_buffer_unref(b);
}

void Configure(GstRTSPMediaFactory*, GstRTSPMedia* media, gpointer data) {
    const Clip* clip = static_cast<const Clip*>(data);
    GstElement* bin = gst_rtsp_media_get_element(media);
    GstElement* src = gst_bin_get_by_name_recurse_up(GST_BIN(bin), "src");
    g_object_set(src, "caps", clip->caps, "format", GST_FORMAT_TIME, nullptr);
    auto* sending = new Sending{clip};
    g_object_set_data_full(G_OBJECT(media), "sending", sending,
                           [](gpointer p) { delete static_cast<Sending*>(p); });
    g_signal_connect(src, "need-data", G_CALLBACK(NeedData), sending);
    gst_object_unref(src);
    gst_object_unref(bin);
}

}  // namespace

int main(int argc, char** argv) {
    gst_init(&argc, &argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: rtsp_cameras CLIP.mp4 N PORT [SUB.mp4]\n");
        return 2;
    }
    Clip clips[2];
    const int kinds = argc > 4 ? 2 : 1;
    for (int k = 0; k < kinds; ++k) {
        const char* path = argv[k == 0 ? 1 : 4];
        if (!ReadClip(path, &clips[k])) {
            std::fprintf(stderr, "rtsp_cameras: no H.264 pictures in %s\n", path);
            return 1;
        }
    }
    GstRTSPServer* server = gst_rtsp_server_new();
    gst_rtsp_server_set_address(server, "127.0.0.1");
    gst_rtsp_server_set_service(server, argv[3]);
    GstRTSPMountPoints* mounts = gst_rtsp_server_get_mount_points(server);
    for (int i = 1; i <= std::atoi(argv[2]); ++i) {
        for (int k = 0; k < kinds; ++k) {
            GstRTSPMediaFactory* f = gst_rtsp_media_factory_new();
            gst_rtsp_media_factory_set_launch(f,
                                              "( appsrc name=src is-live=true do-timestamp=false ! "
                                              "rtph264pay name=pay0 pt=96 config-interval=-1 )");
            gst_rtsp_media_factory_set_shared(f, TRUE);
            g_signal_connect(f, "media-configure", G_CALLBACK(Configure), &clips[k]);
            const std::string path = "/cam" + std::to_string(i) + (k ? "_sub" : "");
            gst_rtsp_mount_points_add_factory(mounts, path.c_str(), f);
        }
    }
    g_object_unref(mounts);
    if (gst_rtsp_server_attach(server, nullptr) == 0) {
        std::fprintf(stderr, "rtsp_cameras: cannot listen on port %s\n", argv[3]);
        return 1;
    }
    std::printf("READY\n");
    std::fflush(stdout);
    g_main_loop_run(g_main_loop_new(nullptr, FALSE));
    return 0;
}
