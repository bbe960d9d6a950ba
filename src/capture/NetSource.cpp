#include "capture/NetSource.h"

#include <curl/curl.h>
#include <gst/app/gstappsink.h>
#include <gst/app/gstappsrc.h>
#include <gst/gst.h>

#include <QUrl>
#include <algorithm>
#include <cstring>
#include <mutex>

#include "config/NetCams.h"

namespace trelvix {

namespace {

constexpr int kRtspTcp = 4, kRtspUdp = 1;  // GstRTSPLowerTrans flags
constexpr long kConnectTimeoutSeconds = 5;
constexpr long kPictureTimeoutSeconds = 10;
constexpr size_t kMaxPictureBytes = 32 * 1024 * 1024;

struct Credentials {
    QByteArray location, user, password;
};

// The password goes to the element as a property, never as part of an address that might
// be printed.
Credentials Split(const QString& address) {
    const QUrl url(address);
    return {url.toString(QUrl::RemoveUserInfo).toUtf8(), url.userName(QUrl::FullyDecoded).toUtf8(),
            url.password(QUrl::FullyDecoded).toUtf8()};
}

bool IsJpeg(const GstCaps* caps) {
    return caps && gst_caps_get_size(caps) > 0 &&
           gst_structure_has_name(gst_caps_get_structure(caps, 0), "image/jpeg");
}

// JPEG pictures go out as they came: the frame path decodes them straight into its frames.
gboolean KeepJpeg(GstElement*, GstPad*, GstCaps* caps, gpointer) {
    return !IsJpeg(caps);
}

void LinkVideoPad(GstElement*, GstPad* pad, gpointer bin) {
    GstCaps* caps = gst_pad_get_current_caps(pad);
    if (!caps) caps = gst_pad_query_caps(pad, nullptr);
    const bool jpeg = IsJpeg(caps);
    const bool video =
        jpeg ||
        (caps && gst_caps_get_size(caps) > 0 &&
         g_str_has_prefix(gst_structure_get_name(gst_caps_get_structure(caps, 0)), "video/"));
    if (caps) gst_caps_unref(caps);
    GstElement* tail = gst_bin_get_by_name(GST_BIN(bin), "tail");
    GstPad* tailSink = gst_element_get_static_pad(tail, "sink");
    if (video && !gst_pad_is_linked(tailSink)) {
        if (jpeg) {
            gst_pad_link(pad, tailSink);
        } else if (GstElement* convert = gst_element_factory_make("videoconvert", nullptr)) {
            // Only other video is converted here; JPEG pictures pass no converter.
            gst_bin_add(GST_BIN(bin), convert);
            gst_element_link(convert, tail);
            gst_element_sync_state_with_parent(convert);
            GstPad* convertSink = gst_element_get_static_pad(convert, "sink");
            gst_pad_link(pad, convertSink);
            gst_object_unref(convertSink);
        }
    }
    gst_object_unref(tailSink);
    gst_object_unref(tail);
}

// A camera's sound arrives on its own pad: only the picture goes on to the decoder.
void LinkRtpVideoPad(GstElement*, GstPad* pad, gpointer decode) {
    GstCaps* caps = gst_pad_query_caps(pad, nullptr);
    const GstStructure* st =
        caps && gst_caps_get_size(caps) ? gst_caps_get_structure(caps, 0) : nullptr;
    const char* media = st ? gst_structure_get_string(st, "media") : nullptr;
    GstPad* sink = gst_element_get_static_pad(GST_ELEMENT(decode), "sink");
    if (media && g_str_equal(media, "video") && !gst_pad_is_linked(sink)) gst_pad_link(pad, sink);
    gst_object_unref(sink);
    if (caps) gst_caps_unref(caps);
}

// A multipart stream carries one kind of picture: said at once, decodebin shows the stream
// on the first picture instead of waiting for its queues to fill.
void OneStream(GstBin*, GstElement* element, gpointer) {
    GstElementFactory* f = gst_element_get_factory(element);
    if (f && g_str_equal(GST_OBJECT_NAME(f), "multipartdemux"))
        g_object_set(element, "single-stream", TRUE, nullptr);
}

GstElement* Make(const char* factory, QString* why) {
    GstElement* e = gst_element_factory_make(factory, nullptr);
    if (!e && why) *why = QStringLiteral("GStreamer element \"%1\" is missing").arg(factory);
    return e;
}

size_t Collect(char* data, size_t size, size_t count, void* out) {
    auto* body = static_cast<QByteArray*>(out);
    if (size_t(body->size()) + size * count > kMaxPictureBytes) return 0;
    body->append(data, qsizetype(size * count));
    return size * count;
}

int Abort(void* worker, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<StoppableWorker*>(worker)->StopRequested() ? 1 : 0;
}

}  // namespace

// A copied camera: its RTP video is depayloaded and parsed once; the packets go to the sink as
// they came, and the decoder gets them too unless a detection stream gives the pictures.
struct CopyChain {
    static void LinkPad(GstElement*, GstPad* pad, gpointer self) {
        auto* s = static_cast<NetSource*>(self);
        GstCaps* caps = gst_pad_query_caps(pad, nullptr);
        const GstStructure* st =
            caps && gst_caps_get_size(caps) ? gst_caps_get_structure(caps, 0) : nullptr;
        const char* media = st ? gst_structure_get_string(st, "media") : nullptr;
        const char* enc = st ? gst_structure_get_string(st, "encoding-name") : nullptr;
        const bool video = media && g_str_equal(media, "video");
        const bool h264 = enc && g_ascii_strcasecmp(enc, "H264") == 0;
        const bool h265 = enc && g_ascii_strcasecmp(enc, "H265") == 0;
        if (video && (h264 || h265)) {
            Build(s, pad, h265);
        } else if (video) {
            if (s->copy_.cannot) s->copy_.cannot();
            if (s->copy_.detect.isEmpty()) LinkRtpVideoPad(nullptr, pad, s->decode_);
        }
        if (caps) gst_caps_unref(caps);
    }

    static void Build(NetSource* s, GstPad* pad, bool h265) {
        GstElement* depay =
            gst_element_factory_make(h265 ? "rtph265depay" : "rtph264depay", nullptr);
        GstElement* parse = gst_element_factory_make(h265 ? "h265parse" : "h264parse", nullptr);
        GstElement* filter = gst_element_factory_make("capsfilter", nullptr);
        GstElement* tee = gst_element_factory_make("tee", nullptr);
        GstElement* toSink = gst_element_factory_make("queue", nullptr);
        GstElement* sink = gst_element_factory_make("appsink", nullptr);
        const bool decodeHere = s->copy_.detect.isEmpty();
        GstElement* toDecode = decodeHere ? gst_element_factory_make("queue", nullptr) : nullptr;
        if (!depay || !parse || !filter || !tee || !toSink || !sink || (decodeHere && !toDecode)) {
            for (GstElement* e : {depay, parse, filter, tee, toSink, sink, toDecode})
                if (e) gst_object_unref(gst_object_ref_sink(e));
            GST_ELEMENT_ERROR(s->bin_, CORE, MISSING_PLUGIN, ("a parser is missing"), (nullptr));
            return;
        }
        GstCaps* caps = gst_caps_from_string(h265 ? "video/x-h265,stream-format=hvc1,alignment=au"
                                                  : "video/x-h264,stream-format=avc,alignment=au");
        g_object_set(filter, "caps", caps, nullptr);
        gst_caps_unref(caps);
        // A stalled disk drops the oldest packets rather than stopping the pictures.
        g_object_set(toSink, "leaky", 2, "max-size-buffers", 0u, "max-size-bytes", 0u,
                     "max-size-time", guint64(3 * GST_SECOND), nullptr);
        g_object_set(sink, "sync", FALSE, "emit-signals", FALSE, nullptr);
        GstAppSinkCallbacks callbacks{};
        callbacks.new_sample = OnPacket;
        gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, s, nullptr);
        gst_bin_add_many(GST_BIN(s->bin_), depay, parse, filter, tee, toSink, sink, nullptr);
        gst_element_link_many(depay, parse, filter, tee, nullptr);
        gst_element_link_many(tee, toSink, sink, nullptr);
        if (toDecode) {
            // Closed already before the queue: while nobody wants pictures, the decoder's side
            // costs nothing at all.
            GstPad* in = gst_element_get_static_pad(toDecode, "sink");
            gst_pad_add_probe(in, GST_PAD_PROBE_TYPE_BUFFER, Gate, s, nullptr);
            gst_object_unref(in);
            gst_bin_add(GST_BIN(s->bin_), toDecode);
            gst_element_link_many(tee, toDecode, s->decode_, nullptr);
        }
        for (GstElement* e : {sink, toSink, toDecode, tee, filter, parse, depay})
            if (e) gst_element_sync_state_with_parent(e);
        GstPad* in = gst_element_get_static_pad(depay, "sink");
        gst_pad_link(pad, in);
        gst_object_unref(in);
    }

    static GstFlowReturn OnPacket(GstAppSink* sink, gpointer self) {
        auto* s = static_cast<NetSource*>(self);
        GstSample* sample = gst_app_sink_pull_sample(sink);
        if (!sample) return GST_FLOW_EOS;
        GstCaps* caps = gst_sample_get_caps(sample);
        if (caps != s->lastCaps_) {
            gst_caps_replace(&s->lastCaps_, caps);
            s->info_ = InfoOf(caps);
        }
        GstBuffer* buffer = gst_sample_get_buffer(sample);
        GstMapInfo map;
        if (buffer && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            ++s->packets_;
            const auto time = [](GstClockTime t) {
                return GST_CLOCK_TIME_IS_VALID(t) ? int64_t(t) : int64_t(-1);
            };
            CopyPacket p{map.data, map.size, time(GST_BUFFER_PTS(buffer)),
                         time(GST_BUFFER_DTS(buffer)),
                         !GST_BUFFER_FLAG_IS_SET(buffer, GST_BUFFER_FLAG_DELTA_UNIT)};
            if (p.pts < 0) p.pts = p.dts;
            if (p.pts >= 0) s->copy_.packets(s->info_, p);
            gst_buffer_unmap(buffer, &map);
        }
        gst_sample_unref(sample);
        return GST_FLOW_OK;
    }

    static CopyStreamInfo InfoOf(const GstCaps* caps) {
        CopyStreamInfo info;
        const GstStructure* st =
            caps && gst_caps_get_size(caps) ? gst_caps_get_structure(caps, 0) : nullptr;
        if (!st) return info;
        info.codec =
            gst_structure_has_name(st, "video/x-h265") ? CopyCodec::kH265 : CopyCodec::kH264;
        gst_structure_get_int(st, "width", &info.width);
        gst_structure_get_int(st, "height", &info.height);
        const GValue* data = gst_structure_get_value(st, "codec_data");
        GstBuffer* buffer =
            data && GST_VALUE_HOLDS_BUFFER(data) ? gst_value_get_buffer(data) : nullptr;
        GstMapInfo map;
        if (buffer && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
            info.extradata =
                QByteArray(reinterpret_cast<const char*>(map.data), qsizetype(map.size));
            gst_buffer_unmap(buffer, &map);
        }
        return info;
    }

    // Decoders get nothing while no picture is wanted, then start again at a key frame.
    static void WatchDecoder(GstBin*, GstElement* element, gpointer self) {
        GstElementFactory* f = gst_element_get_factory(element);
        const char* klass =
            f ? gst_element_factory_get_metadata(f, GST_ELEMENT_METADATA_KLASS) : nullptr;
        if (!klass || !strstr(klass, "Decoder")) return;
        GstPad* in = gst_element_get_static_pad(element, "sink");
        if (!in) return;
        gst_pad_add_probe(in, GST_PAD_PROBE_TYPE_BUFFER, Gate, self, nullptr);
        gst_object_unref(in);
    }

    static GstPadProbeReturn Gate(GstPad*, GstPadProbeInfo* info, gpointer self) {
        auto* s = static_cast<NetSource*>(self);
        if (!s->decodeWanted_) {
            s->waitKey_ = true;
            return GST_PAD_PROBE_DROP;
        }
        if (s->waitKey_) {
            GstBuffer* b = GST_PAD_PROBE_INFO_BUFFER(info);
            if (b && GST_BUFFER_FLAG_IS_SET(b, GST_BUFFER_FLAG_DELTA_UNIT))
                return GST_PAD_PROBE_DROP;
            s->waitKey_ = false;
        }
        return GST_PAD_PROBE_OK;
    }
};

NetSourceKind NetSource::KindOf(const QString& address) {
    return IsRtspAddress(address) ? NetSourceKind::kRtsp : NetSourceKind::kHttpStream;
}

std::unique_ptr<NetSource> NetSource::Make(const QString& address, NetSourceKind kind, bool udp,
                                           int picturesPerSecond, QString* why,
                                           NetSourceCopy copy) {
    std::unique_ptr<NetSource> s(new NetSource);
    if (kind == NetSourceKind::kRtsp) s->copy_ = std::move(copy);
    // A copied camera decodes nothing until the camera says pictures are used.
    s->decodeWanted_ = !s->copies();
    s->kind_ = kind;
    s->address_ = address;
    s->periodMs_ = 1000 / std::clamp(picturesPerSecond, 1, 30);
    const Credentials c = Split(address);
    GstElement* src = nullptr;
    switch (kind) {
        case NetSourceKind::kRtsp:
            if ((src = trelvix::Make("rtspsrc", why)))
                g_object_set(src, "location", c.location.constData(), "protocols",
                             udp ? kRtspUdp : kRtspTcp, "latency", 200u, nullptr);
            break;
        case NetSourceKind::kHttpStream:
            // No retries of its own: the camera's back-off decides when to try again.
            if ((src = trelvix::Make("souphttpsrc", why)))
                g_object_set(src, "location", c.location.constData(), "is-live", TRUE,
                             "do-timestamp", TRUE, "timeout", 10u, "retries", 0, nullptr);
            break;
        case NetSourceKind::kHttpPictures:
            if ((src = trelvix::Make("appsrc", why))) {
                GstCaps* caps = gst_caps_from_string("image/jpeg");
                g_object_set(src, "is-live", TRUE, "do-timestamp", TRUE, "format", GST_FORMAT_TIME,
                             "caps", caps, "max-bytes", guint64(8 << 20), nullptr);
                gst_caps_unref(caps);
                s->appsrc_ = GST_ELEMENT(gst_object_ref(src));
            }
            break;
    }
    if (src && kind != NetSourceKind::kHttpPictures && !c.user.isEmpty())
        g_object_set(src, "user-id", c.user.constData(), "user-pw", c.password.constData(),
                     nullptr);
    GstElement* decode = trelvix::Make("decodebin", why);
    GstElement* tail = trelvix::Make("identity", why);
    if (!src || !decode || !tail) {
        for (GstElement* e : {src, decode, tail})
            if (e) gst_object_unref(gst_object_ref_sink(e));
        return nullptr;
    }
    gst_object_set_name(GST_OBJECT(tail), "tail");
    s->bin_ = gst_bin_new(nullptr);
    gst_bin_add_many(GST_BIN(s->bin_), src, decode, tail, nullptr);
    // Decoders appear once the answer's type is known; hardware ones when GStreamer has them.
    g_signal_connect(decode, "autoplug-continue", G_CALLBACK(KeepJpeg), nullptr);
    g_signal_connect(decode, "pad-added", G_CALLBACK(LinkVideoPad), s->bin_);
    g_signal_connect(decode, "element-added", G_CALLBACK(OneStream), nullptr);
    s->decode_ = decode;
    if (s->copies()) {
        g_signal_connect(src, "pad-added", G_CALLBACK(CopyChain::LinkPad), s.get());
        g_signal_connect(decode, "element-added", G_CALLBACK(CopyChain::WatchDecoder), s.get());
        if (!s->copy_.detect.isEmpty() && !s->AddDetectSource(udp, why)) {
            gst_object_unref(gst_object_ref_sink(s->bin_));
            return nullptr;
        }
    } else if (kind == NetSourceKind::kRtsp) {
        g_signal_connect(src, "pad-added", G_CALLBACK(LinkRtpVideoPad), decode);
    } else {
        gst_element_link(src, decode);
    }
    GstPad* out = gst_element_get_static_pad(tail, "src");
    gst_element_add_pad(s->bin_, gst_ghost_pad_new("src", out));
    gst_object_unref(out);
    return s;
}

NetSource::~NetSource() {
    Stop();
    if (appsrc_) gst_object_unref(appsrc_);
    gst_caps_replace(&lastCaps_, nullptr);
}

bool NetSource::AddDetectSource(bool udp, QString* why) {
    const QString& address = copy_.detect;
    GstElement* src = nullptr;
    if (IsRtspAddress(address)) {
        if ((src = trelvix::Make("rtspsrc", why))) {
            g_object_set(src, "protocols", udp ? kRtspUdp : kRtspTcp, "latency", 200u, nullptr);
            g_signal_connect(src, "pad-added", G_CALLBACK(LinkRtpVideoPad), decode_);
        }
    } else if ((src = trelvix::Make("souphttpsrc", why))) {
        g_object_set(src, "is-live", TRUE, "do-timestamp", TRUE, "timeout", 10u, "retries", 0,
                     nullptr);
    }
    if (!src) return false;
    const Credentials c = Split(address);
    g_object_set(src, "location", c.location.constData(), nullptr);
    if (!c.user.isEmpty())
        g_object_set(src, "user-id", c.user.constData(), "user-pw", c.password.constData(),
                     nullptr);
    gst_bin_add(GST_BIN(bin_), src);
    if (!IsRtspAddress(address)) gst_element_link(src, decode_);
    return true;
}

void NetSource::Start() {
    if (appsrc_) poller_.Start([this] { Poll(); });
}

void NetSource::Stop() {
    poller_.Stop();
}

bool NetSource::AnsweredOnePicture() const {
    if (kind_ != NetSourceKind::kHttpStream || !bin_) return false;
    bool demuxed = false;
    GstIterator* it = gst_bin_iterate_recurse(GST_BIN(bin_));
    GValue item = G_VALUE_INIT;
    while (gst_iterator_next(it, &item) == GST_ITERATOR_OK) {
        GstElementFactory* f = gst_element_get_factory(GST_ELEMENT(g_value_get_object(&item)));
        demuxed = demuxed || (f && g_str_equal(GST_OBJECT_NAME(f), "multipartdemux"));
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(it);
    return !demuxed;
}

bool NetSource::FetchPicture(QByteArray* body, QString* why) {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    CURL* curl = curl_easy_init();
    if (!curl) {
        *why = QStringLiteral("no HTTP client");
        return false;
    }
    const Credentials c = Split(address_);
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, c.location.constData());
    if (!c.user.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, c.user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, c.password.constData());
        curl_easy_setopt(curl, CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC | CURLAUTH_DIGEST));
    }
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, kPictureTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, body);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, Abort);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &poller_);
    const CURLcode rc = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_easy_cleanup(curl);
    if (rc != CURLE_OK)
        *why = QString::fromUtf8(error[0] ? error : curl_easy_strerror(rc));
    else if (status != 200)
        *why = QStringLiteral("HTTP status %1").arg(status);
    else if (body->isEmpty())
        *why = QStringLiteral("empty picture");
    return why->isEmpty();
}

void NetSource::Poll() {
    auto next = std::chrono::steady_clock::now();
    while (!poller_.StopRequested()) {
        QByteArray body;
        QString why;
        if (!FetchPicture(&body, &why)) {
            if (poller_.StopRequested()) return;
            // Reported like any lost stream: the camera decides when to try again.
            GError* err = g_error_new(GST_RESOURCE_ERROR, GST_RESOURCE_ERROR_READ, "%s",
                                      why.toUtf8().constData());
            gst_element_post_message(appsrc_,
                                     gst_message_new_error(GST_OBJECT(appsrc_), err, nullptr));
            g_error_free(err);
            return;
        }
        ++fetched_;
        GstBuffer* buffer = gst_buffer_new_memdup(body.constData(), size_t(body.size()));
        if (gst_app_src_push_buffer(GST_APP_SRC(appsrc_), buffer) != GST_FLOW_OK) {
            // Never a silent end: the camera hears of it and tries again.
            if (!poller_.StopRequested())
                GST_ELEMENT_ERROR(appsrc_, STREAM, FAILED, ("the picture was refused"), (nullptr));
            return;
        }
        next += std::chrono::milliseconds(periodMs_);
        // A slow camera is not asked twice at once nor made up for later.
        next = std::max(next, std::chrono::steady_clock::now());
        if (poller_.SleepUntil(next)) return;
    }
}

}  // namespace trelvix
