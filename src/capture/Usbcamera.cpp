#include "capture/Usbcamera.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "common/Logging.h"
#include "common/Messages.h"
#include "capture/AudioCapture.h"
#include "capture/Devices.h"
#include "capture/ImageParameters.h"
#include "common/Jpeg.h"
#include "capture/NetSource.h"
#include "capture/Sound.h"
#include "record/Ymp4.h"
#include "common/Process.h"
#include "common/Clock.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/LogReceiver.h"
#include "upload/Unit_recordclass_ftp.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

std::mutex errorHandlerMutex;
ErrorMessageHandler errorHandler;

// A synthetic picture passes the elements that stand in for a device's picture controls.
QString WithBalance(const QString& description) {
    return description +
           QStringLiteral(" ! videobalance name=%1 ! gamma name=%2")
               .arg(QLatin1String(kBalanceElementName), QLatin1String(kGammaElementName));
}

GstBusSyncReply BusSyncHandler(GstBus*, GstMessage* message, gpointer data) {
    // Only what needs the UI thread's attention: errors and the end of the stream.
    const GstMessageType type = GST_MESSAGE_TYPE(message);
    if (type == GST_MESSAGE_ERROR || type == GST_MESSAGE_EOS) {
        auto* frames = static_cast<CSampleGrabberCB*>(data);
        PostMessage(frames->panelWindow(), GraphEventMessage{});
    }
    return GST_BUS_PASS;
}

GstFlowReturn OnNewSample(GstAppSink* sink, gpointer data) {
    GstSample* sample = gst_app_sink_pull_sample(sink);
    if (!sample) return GST_FLOW_EOS;
    static_cast<CSampleGrabberCB*>(data)->OnSample(sample);
    gst_sample_unref(sample);
    return GST_FLOW_OK;
}

}  // namespace

QString SourceDescription(const QString& deviceId) {
    SyntheticSource s;
    if (ParseSyntheticId(deviceId, &s)) {
        // A bin may not end in bare caps: the last one is an explicit capsfilter.
        const QString caps =
            QStringLiteral("video/x-raw,format=BGR,width=%1,height=%2,framerate=%3/1");
        if (s.pattern == QLatin1String("ball")) {
            // Drawn at an eighth of the size and enlarged, so the ball is big enough to count
            // as motion in the default region.
            return WithBalance(QStringLiteral("videotestsrc pattern=ball is-live=true ! %1 ! "
                                              "videoscale method=nearest-neighbour ! "
                                              "capsfilter caps=\"video/x-raw,width=%2,height=%3\"")
                                   .arg(caps.arg(std::max(16, s.width / 8))
                                            .arg(std::max(16, s.height / 8))
                                            .arg(s.fps))
                                   .arg(s.width)
                                   .arg(s.height));
        }
        QString props;
        if (s.pattern == QLatin1String("smpte"))
            props = QStringLiteral("pattern=smpte horizontal-speed=2");
        else if (s.pattern == QLatin1String("zone"))
            props = QStringLiteral("pattern=zone-plate kx2=20 ky2=20 kt=1");
        else
            props = QStringLiteral("pattern=") + s.pattern;
        return WithBalance(QStringLiteral("videotestsrc %1 is-live=true ! capsfilter caps=\"%2\"")
                               .arg(props, caps.arg(s.width).arg(s.height).arg(s.fps)));
    }
    QString path = deviceId;
    path.replace(QLatin1Char('"'), QString());
    return QStringLiteral("v4l2src device=\"%1\"").arg(path);
}

void SetErrorMessageHandler(ErrorMessageHandler handler) {
    std::lock_guard lock(errorHandlerMutex);
    errorHandler = std::move(handler);
}

void ShowErrorMessage(const QString& text) {
    ErrorMessageHandler h;
    {
        std::lock_guard lock(errorHandlerMutex);
        h = errorHandler;
    }
    if (h)
        h(text);
    else
        qCWarning(lcCapture, "%s", text.toUtf8().constData());
}

// ---------------------------------------------------------------------------------------------
// UsbCamera

UsbCamera::UsbCamera(QObject* owner_, QObject* panel, VideoSurface* video, const QString& deviceId,
                     int cameraId)
    : settings(std::make_unique<CDataClass>()), owner(owner_) {
    EnsureGStreamer();
    callback.cameraId = cameraId;
    callback.state = CameraState::Idle;
    settings->Load(cameraId);
    settings->deviceId = deviceId;
    if (settings->caption.get() == QLatin1String("noset"))
        settings->caption = QString::asprintf("%d#", cameraId);
    recorder_ = std::make_unique<xvid>(cameraId);
    broadcast_ = std::make_unique<BroadcastEngine>();
    lookups_ = std::make_unique<QObject>();
    reconnectTimer_ = std::make_unique<QTimer>();
    reconnectTimer_->setSingleShot(true);
    QObject::connect(reconnectTimer_.get(), &QTimer::timeout, [this] { Reconnect(); });
    yMP4CNew(cameraId, kYmp4Agreed);
    ConnectWriterReports();
    StartPreview(owner_, panel, video);
    StartUpload();
}

UsbCamera::~UsbCamera() {
    StopUpload();
    TearDownGraph();
    settings->Save();
    recorder_->CloseRecording();
    yMP4CSetNewMP4FileCallBackFunc(cameraId(), nullptr);
    yMP4CSetDiskFullCallBackFunc(cameraId(), nullptr);
    yMP4CDelete(cameraId());
}

bool UsbCamera::StartPreview(QObject* mainWindow, QObject* panel, VideoSurface* video) {
    callback.stopped = false;
    callback.settings = settings.get();
    callback.DestroyOverlays();
    callback.CreateOverlays();
    mainWindow_ = mainWindow;
    callback.SetPanel(panel, video);
    fullScreen_ = false;
    callback.state = CameraState::Idle;
    broadcastFile_.clear();
    const QString video_ = settings->videoFolder;
    if (video_.isEmpty() || !QDir(video_).exists()) settings->videoFolder = UserFolder();
    const QString image = settings->imageFolder;
    if (image.isEmpty() || !QDir(image).exists()) settings->imageFolder = UserFolder();
    if (IsNetworkStreamId(settings->deviceId)) {
        callback.stopped = true;
        return true;
    }
    if (BuildPreviewGraph(callback.videoPanel()) < 0) {
        // An unreachable network camera keeps trying; the failure is not the operator's.
        if (IsNetworkCamera()) {
            callback.RefreshOverlays();
            StreamLost(QStringLiteral("the source could not be built"));
            return true;
        }
        TearDownGraph();
        return false;
    }
    callback.RefreshOverlays();
    return true;
}

bool UsbCamera::FindCaptureDevice() {
    const QString id = settings->deviceId;
    if (id.isEmpty()) return false;
    if (IsNetworkCamera()) {
        settings->deviceFriendlyName = NetworkCameraName();
        return true;
    }
    SyntheticSource s;
    if (ParseSyntheticId(id, &s)) {
        settings->deviceFriendlyName = SyntheticFriendlyName(s);
        sourceDescription_ = SourceDescription(id);
        return true;
    }
    QStringList ids, names;
    EnumerateVideoDevices(&ids, &names);
    for (qsizetype i = 0; i < ids.size(); ++i) {
        if (ids[i] != id) continue;
        const QString name = i < names.size() ? names[i] : QString();
        settings->deviceFriendlyName = name;
        if (name == QLatin1String(kExcludedFriendlyName)) return false;
        sourceDescription_ = SourceDescription(id);
        return true;
    }
    return false;
}

int UsbCamera::BuildPreviewGraph(VideoSurface* video) {
    constexpr int kFail = -1;
    graph = gst_pipeline_new(QStringLiteral("camera%1").arg(cameraId()).toUtf8().constData());
    if (!graph) {
        ReportBuildFailure(QStringLiteral("Could not create filter graph"));
        return kFail;
    }
    if (!FindCaptureDevice()) return kFail;

    GError* error = nullptr;
    captureFilter = IsNetworkCamera() ? MakeNetworkSource()
                                      : gst_parse_bin_from_description(
                                            sourceDescription_.toUtf8().constData(), TRUE, &error);
    if (IsNetworkCamera() && !captureFilter) return kFail;
    if (error) {
        qCWarning(lcCapture, "source \"%s\": %s", sourceDescription_.toUtf8().constData(),
                  error->message);
        g_error_free(error);
    }
    if (!captureFilter || !gst_bin_add(GST_BIN(graph), captureFilter)) {
        if (captureFilter && !GST_OBJECT_PARENT(captureFilter)) gst_object_unref(captureFilter);
        captureFilter = nullptr;
        ReportBuildFailure(QStringLiteral("Could not put capture device in graph"));
        return kFail;
    }
    // A network source converts inside itself, or hands over JPEG pictures to decode.
    const bool net = netSource_ != nullptr;
    GstElement* convert = net ? nullptr : gst_element_factory_make("videoconvert", nullptr);
    GstElement* format = gst_element_factory_make("capsfilter", nullptr);
    grabber = gst_element_factory_make("appsink", "Grabber");
    if (!grabber || (!net && !convert) || !format) {
        for (GstElement* e : {grabber, convert, format})
            if (e) gst_object_unref(e);
        grabber = nullptr;
        ReportBuildFailure(
            QStringLiteral("Could not create SampleGrabber (is qedit.dll registered?)"));
        return kFail;
    }
    GstCaps* caps = gst_caps_from_string(net ? kNetSourceCaps : "video/x-raw,format=BGR");
    g_object_set(format, "caps", caps, nullptr);
    gst_caps_unref(caps);
    if (convert) gst_bin_add(GST_BIN(graph), convert);
    gst_bin_add_many(GST_BIN(graph), format, grabber, nullptr);
    const bool linked =
        convert ? gst_element_link_many(captureFilter, convert, format, grabber, nullptr)
                : gst_element_link_many(captureFilter, format, grabber, nullptr);
    if (!linked) {
        ReportBuildFailure(QStringLiteral("SetGraph failed"));
        return kFail;
    }
    g_object_set(grabber, "sync", FALSE, "max-buffers", 2, "drop", TRUE, "emit-signals", FALSE,
                 nullptr);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = OnNewSample;
    gst_app_sink_set_callbacks(GST_APP_SINK(grabber), &callbacks, &callback, nullptr);
    // Frames always arrive as packed 24-bit: the writers can be made before the first one.
    callback.SetUpFormat(0, 0, kPixelRGB24);

    GstBus* bus = gst_element_get_bus(graph);
    gst_bus_set_sync_handler(bus, BusSyncHandler, &callback, nullptr);
    gst_object_unref(bus);

    if (netSource_) ExpectFirstPicture();
    if (gst_element_set_state(graph, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        gst_element_set_state(graph, GST_STATE_NULL);
        ReportBuildFailure(QStringLiteral("Could not run graph"));
        return kFail;
    }
    callback.SetPanel(callback.panelWindow(), video);
    controls_ = MakeCameraControls(settings->deviceId, captureFilter);
    ReadImageParameters();
    ApplyImageParameters();
    FitVideoWindow();
    if (netSource_) WatchStream();
    // A stream coming back keeps the recording it had.
    if (callback.state == CameraState::Idle) callback.state = CameraState::Previewing;
    UpdatePreMotion();
    return 0;
}

void UsbCamera::TearDownGraph() {
    // The recording thread reads the grabber's frames: it ends first, and the file is closed.
    if (recorder_) recorder_->CloseRecording();
    // A stopped camera makes no more attempts and shows no greyed picture.
    const bool hadPicture = graph != nullptr || reconnecting_;
    if (reconnectTimer_) reconnectTimer_->stop();
    reconnecting_ = lossLogged_ = resumeRecording_ = false;
    nextDelayMs_ = 0;
    DropPipeline();
    EndBroadcast();
    callback.state = CameraState::Idle;
    callback.DestroyOverlays();
    callback.ForgetRawFrame();
    callback.ForgetLastShownFrame();
    if (VideoSurface* video = callback.videoPanel(); hadPicture && video) video->ClearFrame();
}

void UsbCamera::DropPipeline() {
    callback.reportNextFrame = false;
    if (stallTimer_) stallTimer_->stop();
    if (decodeTimer_) decodeTimer_->stop();
    if (netSource_) netSource_->Stop();
    if (graph) {
        if (grabber) {
            GstAppSinkCallbacks none{};
            gst_app_sink_set_callbacks(GST_APP_SINK(grabber), &none, nullptr, nullptr);
        }
        controls_.reset();
        // Joins the streaming thread: no frame routine runs after this.
        gst_element_set_state(graph, GST_STATE_NULL);
        GstBus* bus = gst_element_get_bus(graph);
        gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
        gst_object_unref(bus);
        gst_object_unref(graph);
        graph = nullptr;
        captureFilter = nullptr;
        grabber = nullptr;
    }
    netSource_.reset();
}

void UsbCamera::StopCamera() {
    StopRecording();
    StopMotionRecording();
    StopBroadcast(false);
    StopUpload();
    TearDownGraph();
    SendEventRecord(kEventProgram, text::kCameraStopped, text::kCameraStopped);
    callback.stopped = true;
}

void UsbCamera::RestartCamera() {
    SendEventRecord(kEventProgram, text::kCameraStarted, text::kCameraStarted);
    // A running pipeline still uses the renderers: it goes before they are replaced.
    if (graph) TearDownGraph();
    callback.DestroyOverlays();
    callback.CreateOverlays();
    if (BuildPreviewGraph(callback.videoPanel()) >= 0) {
        callback.RefreshOverlays();
    } else if (IsNetworkCamera()) {
        callback.RefreshOverlays();
        StreamLost(QStringLiteral("the source could not be built"));
    } else {
        TearDownGraph();
    }
    callback.stopped = false;
}

int UsbCamera::HandleGraphEvents() {
    if (!graph) return -1;
    GstBus* bus = gst_element_get_bus(graph);
    bool lost = false, ended = false;
    QString why;
    while (GstMessage* msg = gst_bus_pop(bus)) {
        // An error from the pipeline (an unplugged device among them) ends this camera only.
        if (GST_MESSAGE_TYPE(msg) == GST_MESSAGE_ERROR && !lost) {
            GError* err = nullptr;
            gst_message_parse_error(msg, &err, nullptr);
            why = err ? QString::fromUtf8(err->message) : QString();
            if (err) g_error_free(err);
            lost = true;
        }
        ended = ended || GST_MESSAGE_TYPE(msg) == GST_MESSAGE_EOS;
        gst_message_unref(msg);
    }
    gst_object_unref(bus);
    if (IsNetworkCamera())
        HandleNetworkEvents(lost, ended, why);
    else if (lost || ended)
        TearDownGraph();
    if (lost && !IsNetworkCamera()) PostCameraNotice(NoticeKind::CameraLost);
    return 0;
}

void UsbCamera::ReadImageParameters() {
    trelvix::ReadImageParameters(*settings, controls_.get());
}

void UsbCamera::ApplyImageParameters() {
    trelvix::ApplyImageParameters(*settings, controls_.get());
}

void UsbCamera::SimulateDeviceLost() {
    if (!captureFilter) return;
    GError* err =
        g_error_new_literal(GST_RESOURCE_ERROR, GST_RESOURCE_ERROR_NOT_FOUND, "Device lost");
    gst_element_post_message(
        captureFilter, gst_message_new_error(GST_OBJECT(captureFilter), err, "device unplugged"));
    g_error_free(err);
}

void UsbCamera::StartUpload() {
    if (!Live(settings->ftpEnabled)) return;
    if (uploadRecord_) {
        uploadRecord_->StopTimedSnapshots();
        uploadRecord_->StopUploadThread();
        uploadRecord_->ApplyServerSettings();
        uploadRecord_->StartUploadThread();
    } else {
        uploadRecord_ =
            std::make_unique<RecordClass_FTP>(callback.uploadList, videoPanel(), *settings);
        uploadRecord_->StartUploadThread();
        uploadRecord_->targetWindow = panelWindow();
    }
    uploadRecord_->StartTimedSnapshots();
}

void UsbCamera::StopUpload() {
    uploadRecord_.reset();
}

void UsbCamera::PostCameraNotice(NoticeKind kind, bool on) const {
    Notice n;
    n.kind = kind;
    n.camera = cameraId();
    n.caption = settings->caption.get();
    n.when = Now();
    n.on = on;
    PostNotice(std::move(n));
}

void UsbCamera::SendEventRecord(int kind, int sourceText, int descriptionText,
                                const QString& filePath) {
    callback.SendEventRecord(kind, sourceText, descriptionText, filePath);
}

}  // namespace trelvix
