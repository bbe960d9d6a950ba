#include "capture/Usbcamera.h"

#include <gst/app/gstappsink.h>
#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include <gst/gst.h>
#include <gst/video/video.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>
#include <cstring>

#include "common/Messages.h"
#include "capture/Devices.h"
#include "capture/Jpeg.h"
#include "capture/Sound.h"
#include "capture/Ymp4.h"
#include "common/Process.h"
#include "common/Clock.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/LogReceiver.h"
#include "upload/Unit_recordclass_ftp.h"

namespace trelvix {

namespace {

std::mutex errorHandlerMutex;
ErrorMessageHandler errorHandler;

// Frames kept for reuse: the one being processed, the one shown and one spare.
constexpr size_t kFramePool = 4;

QString SourceDescription(const QString& deviceId) {
    SyntheticSource s;
    if (ParseSyntheticId(deviceId, &s)) {
        // A bin may not end in bare caps: the last one is an explicit capsfilter.
        const QString caps =
            QStringLiteral("video/x-raw,format=BGR,width=%1,height=%2,framerate=%3/1");
        if (s.pattern == QLatin1String("ball")) {
            // Drawn at an eighth of the size and enlarged, so the ball is big enough to count
            // as motion in the default region.
            return QStringLiteral(
                       "videotestsrc pattern=ball is-live=true ! %1 ! "
                       "videoscale method=nearest-neighbour ! "
                       "capsfilter caps=\"video/x-raw,width=%2,height=%3\"")
                .arg(caps.arg(std::max(16, s.width / 8)).arg(std::max(16, s.height / 8)).arg(s.fps))
                .arg(s.width)
                .arg(s.height);
        }
        QString props;
        if (s.pattern == QLatin1String("smpte"))
            props = QStringLiteral("pattern=smpte horizontal-speed=2");
        else if (s.pattern == QLatin1String("zone"))
            props = QStringLiteral("pattern=zone-plate kx2=20 ky2=20 kt=1");
        else
            props = QStringLiteral("pattern=") + s.pattern;
        return QStringLiteral("videotestsrc %1 is-live=true ! capsfilter caps=\"%2\"")
            .arg(props, caps.arg(s.width).arg(s.height).arg(s.fps));
    }
    QString path = deviceId;
    path.replace(QLatin1Char('"'), QString());
    return QStringLiteral("v4l2src device=\"%1\"").arg(path);
}

GstBusSyncReply BusSyncHandler(GstBus*, GstMessage* message, gpointer data) {
    // Only what needs the UI thread's attention: errors and the end of the stream.
    const GstMessageType type = GST_MESSAGE_TYPE(message);
    if (type == GST_MESSAGE_ERROR || type == GST_MESSAGE_EOS) {
        auto* camera = static_cast<UsbCamera*>(data);
        PostCameraMessage(camera->panelWindow(), CAM_MSG_GRAPH_EVENT, 0,
                          reinterpret_cast<intptr_t>(camera->videoPanel()));
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
        std::fprintf(stderr, "Error! %s\n", text.toLocal8Bit().constData());
}

// ---------------------------------------------------------------------------------------------
// CSampleGrabberCB

CSampleGrabberCB::CSampleGrabberCB(UsbCamera* camera) : camera_(camera) {
    lastMotionCheck = Now();
    lastMotionTime = lastMotionCheck;
}

CSampleGrabberCB::~CSampleGrabberCB() = default;

void CSampleGrabberCB::CreateOverlays() {
    captionOverlay = std::make_unique<COverlayController>(settings);
    timeOverlay = std::make_unique<COverlayController>(settings);
    recordTimeOverlay = std::make_unique<COverlayController>(settings);
}

void CSampleGrabberCB::DestroyOverlays() {
    captionOverlay.reset();
    timeOverlay.reset();
    recordTimeOverlay.reset();
}

void CSampleGrabberCB::RefreshOverlays() {
    if (!captionOverlay) return;
    captionOverlay->Deactivate();
    captionOverlay->CaptionFontChanged();
    captionOverlay->RenderCaption();
    for (COverlayController* t : {timeOverlay.get(), recordTimeOverlay.get()}) {
        t->Deactivate();
        t->TimeFontChanged();
        t->Activate();
    }
    captionOverlay->RenderCaption();
}

void CSampleGrabberCB::RefreshCaption() {
    if (captionOverlay) captionOverlay->RenderCaption();
}

void CSampleGrabberCB::HideCaption() {
    if (captionOverlay) captionOverlay->Deactivate();
}

void CSampleGrabberCB::ShowTime() {
    if (timeOverlay) timeOverlay->Activate();
}

void CSampleGrabberCB::HideTime() {
    if (timeOverlay) timeOverlay->Deactivate();
}

void CSampleGrabberCB::SetUpFormat(int width, int height, int code) {
    pixelFormatCode = code;
    if (width > 0) frameWidth = width;
    if (height > 0) frameHeight = height;
    if (!captionOverlay) return;
    captionOverlay->SetCaptionFormat(code);
    timeOverlay->SetTimeFormat(code);
    recordTimeOverlay->SetTimeFormat(code);
    const int bits = code == kPixelRGB32   ? 32
                     : code == kPixelRGB24 ? 24
                     : code == kPixelRGB8  ? 8
                                           : 16;
    for (COverlayController* o : {captionOverlay.get(), timeOverlay.get(), recordTimeOverlay.get()})
        o->SetGeometry(frameWidth, frameHeight, bits, false);
}

namespace {

inline void SwapPixel(uint8_t* a, uint8_t* b) {
    const uint8_t b0 = a[0], b1 = a[1], b2 = a[2];
    a[0] = b[0];
    a[1] = b[1];
    a[2] = b[2];
    b[0] = b0;
    b[1] = b1;
    b[2] = b2;
}

void MirrorRowScalar(uint8_t* row, int l, int r) {
    for (; l < r; ++l, --r) SwapPixel(row + 3 * l, row + 3 * r);
}

#if defined(__x86_64__)
// Four pixels from each end at a time. Loads never overlap an earlier store (which would stall
// the store forwarding), and stores write exactly the twelve bytes of four pixels.
__attribute__((target("ssse3"))) void MirrorRowSsse3(uint8_t* row, int width) {
    // Left block: pixels in bytes 0..11 of the load; right block: in bytes 4..15.
    const __m128i reverseLeft = _mm_setr_epi8(9, 10, 11, 6, 7, 8, 3, 4, 5, 0, 1, 2, -1, -1, -1, -1);
    const __m128i reverseRight =
        _mm_setr_epi8(13, 14, 15, 10, 11, 12, 7, 8, 9, 4, 5, 6, -1, -1, -1, -1);
    int l = 0, r = width - 1;
    while (l + 10 <= r) {
        uint8_t* left = row + 3 * l;
        uint8_t* right = row + 3 * (r - 3);
        const __m128i a =
            _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(left)), reverseLeft);
        const __m128i b = _mm_shuffle_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(right - 4)), reverseRight);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(left), b);
        const uint32_t bHigh = uint32_t(_mm_cvtsi128_si32(_mm_srli_si128(b, 8)));
        std::memcpy(left + 8, &bHigh, 4);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(right), a);
        const uint32_t aHigh = uint32_t(_mm_cvtsi128_si32(_mm_srli_si128(a, 8)));
        std::memcpy(right + 8, &aHigh, 4);
        l += 4;
        r -= 4;
    }
    MirrorRowScalar(row, l, r);
}
#endif

}  // namespace

void CSampleGrabberCB::Orient(uint8_t* buf, int width, int height, int stride, int orientation) {
    if (orientation == 1) {
        std::vector<uint8_t> temp(static_cast<size_t>(stride));
        for (int i = 0; i < height / 2; ++i) {
            uint8_t* a = buf + size_t(stride) * size_t(i);
            uint8_t* b = buf + size_t(stride) * size_t(height - 1 - i);
            std::memcpy(temp.data(), a, size_t(stride));
            std::memcpy(a, b, size_t(stride));
            std::memcpy(b, temp.data(), size_t(stride));
        }
    } else if (orientation == 2) {
#if defined(__x86_64__)
        static const bool ssse3 = __builtin_cpu_supports("ssse3");
        if (ssse3) {
            for (int y = 0; y < height; ++y)
                MirrorRowSsse3(buf + size_t(stride) * size_t(y), width);
            return;
        }
#endif
        for (int y = 0; y < height; ++y)
            MirrorRowScalar(buf + size_t(stride) * size_t(y), 0, width - 1);
    }
}

int CSampleGrabberCB::BufferCB(double, uint8_t* buffer, size_t length) {
    if (!buffer) return -1;
    ProcessLiveFrame(buffer, length);
    return 0;
}

void CSampleGrabberCB::ProcessLiveFrame(uint8_t* buffer, size_t length) {
    const int w = frameWidth, h = frameHeight;
    if (!settings || w <= 0 || h <= 0) return;
    const int stride = h > 0 ? int(length / size_t(h)) : 0;
    if (stride < w * 3) return;
    // 1. Orientation.
    Orient(buffer, w, h, stride, settings->orientation);
    // 2. Guide lines.
    DrawGuideLines(buffer, w, h, stride, settings);
    // 3. Caption; 4. date and time.
    if (captionOverlay) captionOverlay->DrawCaption(buffer);
    if (timeOverlay) timeOverlay->DrawTime(buffer, Now());
    // 5. A requested snapshot (a request arriving meanwhile waits for the next frame).
    if (snapshotRequested.exchange(false)) TakeSnapshot(buffer, length);
    // 6. Motion; 7. the region of the settings page's test.
    CheckMotion(buffer, length);
    if (regionTestMode) MarkRegion(buffer, length);
    // 8. The settings page's preview.
    std::lock_guard lock(previewMutex_);
    if (previewWindow_) {
        FramePtr frame = current_;
        if (!frame || frame->data.data() != buffer) {
            auto copy = std::make_shared<VideoFrame>();
            copy->Resize(w, h);
            for (int y = 0; y < h; ++y)
                std::memcpy(copy->Row(y), buffer + size_t(stride) * y, size_t(w) * 3);
            frame = std::move(copy);
        }
        previewWindow_->PresentFrame(std::move(frame));
    }
}

void CSampleGrabberCB::ProcessRecordFrame(uint8_t* buffer, size_t length) {
    const int w = frameWidth, h = frameHeight;
    if (!buffer || !settings || w <= 0 || h <= 0) return;
    const int stride = int(length / size_t(h));
    if (stride < w * 3) return;
    Orient(buffer, w, h, stride, settings->orientation);
    DrawGuideLines(buffer, w, h, stride, settings);
    if (captionOverlay) captionOverlay->DrawCaption(buffer);
    if (recordTimeOverlay) recordTimeOverlay->DrawTime(buffer, Now());
}

std::shared_ptr<VideoFrame> CSampleGrabberCB::AcquireFrame(int width, int height) {
    for (auto& f : pool_) {
        // Nobody else holds it: neither the panel nor a preview.
        if (f.use_count() == 1 && f->width == width && f->height == height) return f;
    }
    auto f = std::make_shared<VideoFrame>();
    f->Resize(width, height);
    if (pool_.size() < kFramePool) {
        pool_.push_back(f);
    } else {
        for (auto& old : pool_)
            if (old.use_count() == 1) {
                old = f;
                break;
            }
    }
    return f;
}

void CSampleGrabberCB::OnSample(GstSample* sample) {
    GstCaps* caps = gst_sample_get_caps(sample);
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    if (!caps || !buffer) return;
    GstVideoInfo info;
    if (!gst_video_info_from_caps(&info, caps) ||
        GST_VIDEO_INFO_FORMAT(&info) != GST_VIDEO_FORMAT_BGR)
        return;
    const int w = GST_VIDEO_INFO_WIDTH(&info), h = GST_VIDEO_INFO_HEIGHT(&info);
    if (w != lastCapsWidth_ || h != lastCapsHeight_) {
        lastCapsWidth_ = w;
        lastCapsHeight_ = h;
        SetUpFormat(w, h, kPixelRGB24);
    }
    GstVideoFrame vf;
    if (!gst_video_frame_map(&vf, &info, buffer, GST_MAP_READ)) return;
    const auto* src = static_cast<const uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&vf, 0));
    const int srcStride = GST_VIDEO_FRAME_PLANE_STRIDE(&vf, 0);
    std::shared_ptr<VideoFrame> frame = AcquireFrame(w, h);
    if (srcStride == frame->stride) {
        std::memcpy(frame->data.data(), src, frame->data.size());
    } else {
        for (int y = 0; y < h; ++y)
            std::memcpy(frame->Row(y), src + size_t(srcStride) * y, size_t(w) * 3);
    }
    gst_video_frame_unmap(&vf);
    if (rawFrameWanted) {
        std::lock_guard lock(rawMutex_);
        raw_ = *frame;
        rawValid_ = true;
    }
    current_ = frame;
    BufferCB(double(GST_BUFFER_PTS(buffer)) / GST_SECOND, frame->data.data(), frame->data.size());
    current_.reset();
    ++framesDelivered;
    if (VideoSurface* surface = videoPanel) surface->PresentFrame(std::move(frame));
}

namespace {
int WholeSeconds(const QDateTime& a, const QDateTime& b) {
    return int(std::abs(a.msecsTo(b)) / 1000);
}
}  // namespace

void CSampleGrabberCB::CheckMotion(uint8_t* frame, size_t length) {
    if (!settings || !motionReady || !(settings->motionEnabled || regionTestMode)) return;
    const QDateTime now = Now();
    if (WholeSeconds(lastMotionCheck, now) < settings->motionIntervalSeconds) return;
    lastMotionCheck = now;
    motionReady = false;
    if (previousFrame.empty()) {
        // The first check only keeps the frame.
        CompareWithPreviousFrame(frame, length);
    } else if (CompareWithPreviousFrame(frame, length)) {
        lastMotionTime = now;
        if (regionTestMode) {
            std::lock_guard lock(previewMutex_);
            if (previewWindow_)
                PostCameraMessage(previewNotifyWindow_, CAM_MSG_SNAPSHOT_TAKEN, 1,
                                  reinterpret_cast<intptr_t>(previewWindow_));
        } else {
            snapshotKind = 0;
            TakeSnapshot(frame, length);
            if (settings->motionRecord && state != 2)
                PostCameraMessage(panelWindow, CAM_MSG_MOTION_RECORD, 1,
                                  reinterpret_cast<intptr_t>(videoPanel));
        }
    } else if (state == 2 && settings->motionRecord &&
               WholeSeconds(lastMotionTime, now) >= settings->motionRecordStopSeconds) {
        PostCameraMessage(panelWindow, CAM_MSG_MOTION_RECORD, 0,
                          reinterpret_cast<intptr_t>(videoPanel));
    }
    motionReady = true;
}

bool CSampleGrabberCB::CompareWithPreviousFrame(uint8_t* frame, size_t length) {
    const int w = frameWidth, h = frameHeight;
    if (!settings || !frame || w <= 0 || h <= 0) return false;
    const int stride = int(length / size_t(h));
    if (stride < 3 * w) return false;
    const MotionRegion region = ClipRegion(settings->motionLeft, settings->motionTop,
                                           settings->motionRight, settings->motionBottom, w, h);
    // Only the region is ever compared, so only the region is kept. A new size or a moved
    // region has nothing to compare with yet.
    const bool comparable = previousFrame.size() == length && previousRegion == region;
    if (previousFrame.size() != length) previousFrame.assign(length, 0);
    const int changed = CompareAndKeepRegion(previousFrame.data(), frame, stride, region,
                                             settings->motionSensitivity);
    previousRegion = region;
    if (!comparable || region.Empty()) return false;
    const int percentage = int(int64_t(changed) * 100 / region.Area());
    return percentage > settings->motionAreaPercent;
}

void CSampleGrabberCB::MarkRegion(uint8_t* frame, size_t length) {
    const int w = frameWidth, h = frameHeight;
    if (!settings || !frame || w <= 0 || h <= 0) return;
    const int stride = int(length / size_t(h));
    const MotionRegion r = ClipRegion(settings->motionLeft, settings->motionTop,
                                      settings->motionRight, settings->motionBottom, w, h);
    const int colour = settings->motionMarkColour;
    const int byte = colour == 1 ? 2 : colour == 2 ? 1 : 0;
    for (int y = r.top; y < r.bottom; ++y) {
        uint8_t* p = frame + size_t(stride) * size_t(y) + size_t(r.left) * 3 + byte;
        for (int x = r.left; x < r.right; ++x, p += 3) *p = 155;
    }
}

void CSampleGrabberCB::RequestSnapshot(int kind) {
    snapshotKind = kind;
    snapshotRequested = true;
}

void CSampleGrabberCB::TakeSnapshot(uint8_t* frame, size_t length) {
    if (snapshotBusy.exchange(true)) return;
    const int kind = snapshotKind;
    const QDateTime now = Now();
    QString stored;
    if (settings && (kind != 0 || !settings->motionNoPicture)) {
        const int w = frameWidth, h = frameHeight;
        try {
            const QDate day = now.date();
            const QTime t = now.time();
            const QString path =
                settings->DayImageFolder(day) +
                QString::asprintf("%04d%02d%02d %02d%02d%02d%03d.jpg", day.year(), day.month(),
                                  day.day(), t.hour(), t.minute(), t.second(), t.msec());
            snapshotPath = path;
            if (QFile::exists(path)) QFile::remove(path);
            if (h > 0 && WriteJpegFile(path, frame, w, h, int(length / size_t(h)), pixelFormatCode))
                stored = path;
        } catch (const FolderError&) {
            // No picture today; the camera and the log go on.
        }
    }
    PostCameraMessage(panelWindow, CAM_MSG_SNAPSHOT_TAKEN, kind == 2 ? 2 : 1,
                      reinterpret_cast<intptr_t>(videoPanel));
    snapshotBusy = false;
    if (!settings) return;

    int recordKind = 1, source = 1, description = 12;
    switch (kind) {
        case 0:
            recordKind = 2;
            source = 6;
            description = settings->motionNoPicture ? 0 : 12;
            if (!stored.isEmpty() && settings->ftpEnabled && settings->ftpMotionPictures)
                uploadList.Append(stored);
            if (settings->motionRunProgram) {
                const QString program = settings->motionProgramPath;
                if (!program.isEmpty() && QFileInfo(program).isFile())
                    StartProgram(program,
                                 QProcess::splitCommand(settings->motionProgramParams.get()));
            }
            if (settings->motionSound) PlaySoundFile(settings->motionSoundFile);
            break;
        case 2:
            if (settings->shutterSound) PlaySoundFile(settings->shutterSoundFile);
            break;
        case 3:
        case 4:
            source = kind == 3 ? 3 : 1;
            description = 18;
            if (!stored.isEmpty()) uploadList.Append(stored);
            break;
        default:
            break;
    }
    SendEventRecord(recordKind, source, description, stored);
    snapshotKind = 0;
}

void CSampleGrabberCB::SendEventRecord(int kind, int sourceText, int descriptionText,
                                       const QString& filePath) {
    const QString caption = settings ? settings->caption.get() : QString();
    PostEventRecord(MakeEventRecord(
        kind, sourceText ? LanguageText(sourceText) : QString(), caption,
        descriptionText ? LanguageText(descriptionText) : QString(), cameraId, filePath, Now()));
}

bool CSampleGrabberCB::CopyLatestRawFrame(VideoFrame* out) {
    std::lock_guard lock(rawMutex_);
    if (!rawValid_) return false;
    out->width = raw_.width;
    out->height = raw_.height;
    out->stride = raw_.stride;
    out->data.assign(raw_.data.begin(), raw_.data.end());
    return true;
}

void CSampleGrabberCB::SetPreview(VideoSurface* preview, QObject* notify) {
    std::lock_guard lock(previewMutex_);
    previewWindow_ = preview;
    previewNotifyWindow_ = notify;
}

QObject* CSampleGrabberCB::previewNotifyWindow() const {
    std::lock_guard lock(previewMutex_);
    return previewNotifyWindow_;
}

// ---------------------------------------------------------------------------------------------
// UsbCamera

UsbCamera::UsbCamera(QObject* owner_, QObject* panel, VideoSurface* video, const QString& deviceId,
                     int cameraId)
    : settings(std::make_unique<CDataClass>()), owner(owner_), callback(this) {
    EnsureGStreamer();
    callback.cameraId = cameraId;
    callback.state = -1;
    settings->Load(cameraId);
    settings->deviceId = deviceId;
    if (settings->caption.get() == QLatin1String("noset"))
        settings->caption = QString::asprintf("%d#", cameraId);
    recorder = std::make_unique<xvid>(cameraId);
    yMP4CNew(cameraId, kYmp4Agreed);
    // Called on the recording thread for every new segment file.
    yMP4CSetNewMP4FileCallBackFunc(
        cameraId, [this](const int32_t*, const QString& path) { SendEventRecord(1, 1, 13, path); });
    StartPreview(owner_, panel, video);
    StartUpload();
}

UsbCamera::~UsbCamera() {
    StopUpload();
    TearDownGraph();
    settings->Save();
    recorder->CloseRecording();
    yMP4CSetNewMP4FileCallBackFunc(cameraId(), nullptr);
    yMP4CDelete(cameraId());
}

bool UsbCamera::StartPreview(QObject* mainWindow, QObject* panel, VideoSurface* video) {
    callback.stopped = false;
    callback.settings = settings.get();
    callback.DestroyOverlays();
    callback.CreateOverlays();
    mainWindow_ = mainWindow;
    callback.panelWindow = panel;
    callback.videoPanel = video;
    fullScreen = false;
    callback.state = -1;
    broadcastFile.clear();
    const QString video_ = settings->videoFolder;
    if (video_.isEmpty() || !QDir(video_).exists()) settings->videoFolder = UserFolder();
    const QString image = settings->imageFolder;
    if (image.isEmpty() || !QDir(image).exists()) settings->imageFolder = UserFolder();
    if (IsNetworkStreamId(settings->deviceId)) {
        callback.stopped = true;
        return true;
    }
    if (BuildPreviewGraph(callback.videoPanel) < 0) {
        TearDownGraph();
        return false;
    }
    callback.RefreshOverlays();
    return true;
}

bool UsbCamera::FindCaptureDevice() {
    const QString id = settings->deviceId;
    if (id.isEmpty()) return false;
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
        ShowErrorMessage(QStringLiteral("Could not create filter graph"));
        return kFail;
    }
    if (!FindCaptureDevice()) return kFail;

    GError* error = nullptr;
    captureFilter =
        gst_parse_bin_from_description(sourceDescription_.toUtf8().constData(), TRUE, &error);
    if (error) {
        std::fprintf(stderr, "trelvix: source \"%s\": %s\n",
                     sourceDescription_.toUtf8().constData(), error->message);
        g_error_free(error);
    }
    if (!captureFilter || !gst_bin_add(GST_BIN(graph), captureFilter)) {
        if (captureFilter && !GST_OBJECT_PARENT(captureFilter)) gst_object_unref(captureFilter);
        captureFilter = nullptr;
        ShowErrorMessage(QStringLiteral("Could not put capture device in graph"));
        return kFail;
    }
    GstElement* convert = gst_element_factory_make("videoconvert", nullptr);
    GstElement* format = gst_element_factory_make("capsfilter", nullptr);
    grabber = gst_element_factory_make("appsink", "Grabber");
    if (!grabber || !convert || !format) {
        for (GstElement* e : {grabber, convert, format})
            if (e) gst_object_unref(e);
        grabber = nullptr;
        ShowErrorMessage(
            QStringLiteral("Could not create SampleGrabber (is qedit.dll registered?)"));
        return kFail;
    }
    GstCaps* caps = gst_caps_from_string("video/x-raw,format=BGR");
    g_object_set(format, "caps", caps, nullptr);
    gst_caps_unref(caps);
    gst_bin_add_many(GST_BIN(graph), convert, format, grabber, nullptr);
    if (!gst_element_link_many(captureFilter, convert, format, grabber, nullptr)) {
        ShowErrorMessage(QStringLiteral("SetGraph failed"));
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
    gst_bus_set_sync_handler(bus, BusSyncHandler, this, nullptr);
    gst_object_unref(bus);

    if (gst_element_set_state(graph, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        gst_element_set_state(graph, GST_STATE_NULL);
        ShowErrorMessage(QStringLiteral("Could not run graph"));
        return kFail;
    }
    callback.videoPanel = video;
    FitVideoWindow();
    callback.state = 99;
    return 0;
}

void UsbCamera::TearDownGraph() {
    // The recording thread reads the grabber's frames: it ends first, and the file is closed.
    if (recorder) recorder->CloseRecording();
    const bool hadGraph = graph != nullptr;
    if (graph) {
        if (grabber) {
            GstAppSinkCallbacks none{};
            gst_app_sink_set_callbacks(GST_APP_SINK(grabber), &none, nullptr, nullptr);
        }
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
    if (callback.state == 3 && !keepBroadcastFile && !broadcastFile.isEmpty())
        QFile::remove(broadcastFile);
    callback.state = -1;
    callback.DestroyOverlays();
    if (hadGraph && callback.videoPanel) callback.videoPanel->ClearFrame();
}

// The two kinds of recording: the state each sets and the texts of their records.
struct RecordingKind {
    int state, recordKind, source, started, stopped;
};

namespace {
constexpr RecordingKind kContinuous{0, 1, 1, 13, 14};
constexpr RecordingKind kOnMotion{2, 2, 7, 8, 9};
}  // namespace

void UsbCamera::BeginRecording(const RecordingKind& k) {
    if (callback.state == k.state) return;
    // Opening closes what was recording: motion replaces a continuous recording, which does
    // not come back when the motion recording ends.
    recorder->OpenRecording(this);
    recorder->StartRecordingThread(this);
    recorder->ResumeRecordingThread();
    callback.state = k.state;
    SendEventRecord(k.recordKind, k.source, k.started);
}

void UsbCamera::EndRecording(const RecordingKind& k) {
    if (callback.state != k.state) return;
    if (recorder->recording()) recorder->CloseRecording();
    callback.state = -1;
    SendEventRecord(k.recordKind, k.source, k.stopped);
}

void UsbCamera::StartRecording() {
    BeginRecording(kContinuous);
}
void UsbCamera::StopRecording() {
    EndRecording(kContinuous);
}
void UsbCamera::StartMotionRecording() {
    BeginRecording(kOnMotion);
}
void UsbCamera::StopMotionRecording() {
    EndRecording(kOnMotion);
}

void UsbCamera::UpdateRecordingRoot() {
    try {
        recorder->SetRoot(settings->DayVideoFolder(Now().date()), settings->segmentMinutes);
    } catch (const std::exception&) {
        // The day folder cannot be made: recording goes on where it was.
    }
}

void UsbCamera::StopCamera() {
    StopRecording();
    StopMotionRecording();
    StopUpload();
    TearDownGraph();
    SendEventRecord(3, 15, 15);
    callback.stopped = true;
}

void UsbCamera::RestartCamera() {
    SendEventRecord(3, 16, 16);
    // A running pipeline still uses the renderers: it goes before they are replaced.
    if (graph) TearDownGraph();
    callback.DestroyOverlays();
    callback.CreateOverlays();
    if (BuildPreviewGraph(callback.videoPanel) >= 0)
        callback.RefreshOverlays();
    else
        TearDownGraph();
    callback.stopped = false;
}

int UsbCamera::HandleGraphEvents() {
    if (!graph) return -1;
    GstBus* bus = gst_element_get_bus(graph);
    bool lost = false;
    while (GstMessage* msg = gst_bus_pop(bus)) {
        // An error from the pipeline (an unplugged device among them) ends this camera only.
        if (GST_MESSAGE_TYPE(msg) == GST_MESSAGE_ERROR || GST_MESSAGE_TYPE(msg) == GST_MESSAGE_EOS)
            lost = true;
        gst_message_unref(msg);
    }
    gst_object_unref(bus);
    if (lost) TearDownGraph();
    return 0;
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
    if (!settings->ftpEnabled) return;
    if (uploadRecord) {
        uploadRecord->StopTimedSnapshots();
        uploadRecord->StopUploadThread();
        uploadRecord->ApplyServerSettings();
        uploadRecord->StartUploadThread();
    } else {
        uploadRecord =
            std::make_unique<RecordClass_FTP>(callback.uploadList, videoPanel(), *settings);
        uploadRecord->StartUploadThread();
        uploadRecord->targetWindow = panelWindow();
    }
    uploadRecord->StartTimedSnapshots();
}

void UsbCamera::StopUpload() {
    uploadRecord.reset();
}

void UsbCamera::ToggleFullScreen() {
    if (!graph || !callback.videoPanel) return;
    fullScreen = !callback.videoPanel->IsFullScreen();
    callback.videoPanel->SetFullScreen(fullScreen);
}

void UsbCamera::FitVideoWindow() {
    if (graph && callback.videoPanel) callback.videoPanel->FitVideo();
}

void UsbCamera::DetachPanel() {
    StopUpload();  // its timed thread posts to the panel
    TearDownGraph();
    callback.videoPanel = nullptr;
    callback.panelWindow = nullptr;
}

void UsbCamera::SetPreviewTarget(VideoSurface* preview, QObject* notify) {
    callback.SetPreview(preview, notify);
}

void UsbCamera::ClearPreviewTarget() {
    callback.SetPreview(nullptr, nullptr);
}

void UsbCamera::SendEventRecord(int kind, int sourceText, int descriptionText,
                                const QString& filePath) {
    callback.SendEventRecord(kind, sourceText, descriptionText, filePath);
}

}  // namespace trelvix
