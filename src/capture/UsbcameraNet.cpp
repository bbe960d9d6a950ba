// Network cameras: their source, the loss of the stream and the attempts to get it back.
#include <gst/gst.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cstdio>

#include "common/Logging.h"
#include "capture/NetSource.h"
#include "capture/Usbcamera.h"
#include "config/Language.h"
#include "config/NetCams.h"
#include "history/LogReceiver.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

std::atomic<const NetCamList*> knownNetCams{nullptr};

constexpr int kFirstDelayMs = 1000, kMaxDelayMs = 30000;
std::atomic<int> firstDelayMs{kFirstDelayMs};
std::atomic<int> maxDelayMs{kMaxDelayMs};
constexpr int kStallLimitMs = 10000;
std::atomic<int> stallLimitMs{kStallLimitMs};

// The last picture in grey, darkened so the words stand out; a dark frame when there was none.
FramePtr ReconnectingPicture(const FramePtr& last, int width, int height) {
    const int w = last ? last->width : std::max(width, 320);
    const int h = last ? last->height : std::max(height, 240);
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uint8_t* in = last ? last->Row(y) : nullptr;
        for (int x = 0; x < w; ++x) {
            int grey = 40;
            if (in) grey = 30 + ((in[3 * x] * 29 + in[3 * x + 1] * 150 + in[3 * x + 2] * 77) >> 9);
            out[x] = qRgb(grey, grey, grey);
        }
    }
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(std::max(12, h / 12));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, LanguageText(text::kReconnecting));
    painter.end();
    auto frame = std::make_shared<VideoFrame>();
    frame->Resize(w, h);
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uint8_t* out = frame->Row(y);
        for (int x = 0; x < w; ++x) {
            out[3 * x] = uint8_t(qBlue(in[x]));
            out[3 * x + 1] = uint8_t(qGreen(in[x]));
            out[3 * x + 2] = uint8_t(qRed(in[x]));
        }
    }
    return frame;
}

}  // namespace

void SetReconnectDelaysForTesting(int firstMs, int maxMs) {
    firstDelayMs = firstMs > 0 ? firstMs : kFirstDelayMs;
    maxDelayMs = maxMs > 0 ? maxMs : kMaxDelayMs;
}

void SetStallLimitForTesting(int ms) {
    stallLimitMs = ms > 0 ? ms : kStallLimitMs;
}

int NextReconnectDelay(int previousMs) {
    return previousMs <= 0 ? firstDelayMs.load() : std::min(2 * previousMs, maxDelayMs.load());
}

bool UsbCamera::IsNetworkCamera() const {
    return IsNetworkCameraAddress(settings->deviceId);
}

void UsbCamera::ReportBuildFailure(const QString& text) const {
    // A network camera tries again and again: its failures go to the log, never into boxes.
    if (IsNetworkCamera())
        qCWarning(lcNetcam, "camera %d: %s", cameraId(), qPrintable(text));
    else
        ShowErrorMessage(text);
}

void SetNetworkCameraList(const NetCamList* list) {
    knownNetCams = list;
}

std::optional<NetCamEntry> KnownNetworkCamera(const QString& address) {
    if (const NetCamList* list = knownNetCams)
        for (const NetCamEntry& cam : list->cams)
            if (cam.address == address) return cam;
    return std::nullopt;
}

QString UsbCamera::NetworkCameraName() const {
    const QString id = settings->deviceId;
    if (const auto cam = KnownNetworkCamera(id)) return cam->name;
    return MaskCredentials(id);
}

bool UsbCamera::PollsPictures() const {
    return pollPictures_;
}

GstElement* UsbCamera::MakeNetworkSource() {
    const QString address = settings->deviceId;
    const auto entry = KnownNetworkCamera(address);
    const bool udp = entry && entry->udp;
    const NetSourceKind kind =
        pollPictures_ ? NetSourceKind::kHttpPictures : NetSource::KindOf(address);
    QString why;
    netSource_ =
        NetSource::Make(address, kind, udp, Live(settings->recordFrameRate), &why, CopyWiring());
    if (!netSource_) {
        qCWarning(lcNetcam, "camera %d: %s", cameraId(), why.toUtf8().constData());
        return nullptr;
    }
    return netSource_->bin();
}

void UsbCamera::ExpectFirstPicture() {
    // Counted before the pipeline runs, so a lone picture is never missed.
    framesAtBuild_ = lastSeenFrames_ = StreamActivity();
    callback.reportNextFrame = true;
}

void UsbCamera::WatchStream() {
    quietChecks_ = 0;
    netSource_->Start();
    if (!stallTimer_) {
        stallTimer_ = std::make_unique<QTimer>();
        QObject::connect(stallTimer_.get(), &QTimer::timeout, [this] { CheckStall(); });
    }
    // Two quiet checks in a row: a stream may pause for up to half the limit between them.
    stallTimer_->start(stallLimitMs / 2);
    WatchDecodeNeed();
}

void UsbCamera::CheckStall() {
    if (!graph) return;
    const uint64_t frames = StreamActivity();
    quietChecks_ = frames == lastSeenFrames_ ? quietChecks_ + 1 : 0;
    lastSeenFrames_ = frames;
    // A connection that stays open but carries nothing reports no error by itself.
    if (quietChecks_ >= 2)
        StreamLost(QStringLiteral("no pictures for %1 s").arg(stallLimitMs / 1000.0));
}

void UsbCamera::HandleNetworkEvents(bool error, bool ended, const QString& why) {
    // An address that answered with one picture and ended is polled from now on.
    if (!error && ended && netSource_ && netSource_->AnsweredOnePicture() &&
        StreamActivity() > framesAtBuild_) {
        pollPictures_ = true;
        DropPipeline();
        if (BuildPreviewGraph(callback.videoPanel()) < 0)
            StreamLost(QStringLiteral("the source could not be built"));
        return;
    }
    if (error || ended) {
        StreamLost(error ? why : QStringLiteral("the stream ended"));
        return;
    }
    if (StreamActivity() > framesAtBuild_) StreamBack();
}

void UsbCamera::StreamLost(const QString& why) {
    // The segment ends with the stream; the next begins when pictures come again.
    if (recorder_->recording()) {
        resumeRecording_ = true;
        recorder_->CloseRecording();
    }
    DropPipeline();
    reconnecting_ = true;
    ShowReconnectingPicture();
    if (!lossLogged_) {
        lossLogged_ = true;
        qCWarning(lcNetcam, "camera %d (%s): stream lost: %s", cameraId(),
                  MaskCredentials(settings->deviceId).toUtf8().constData(),
                  why.toUtf8().constData());
        SendEventRecord(kEventProgram, text::kNetworkCamera, text::kStreamLostReconnecting);
        PostCameraNotice(NoticeKind::CameraLost);
    }
    nextDelayMs_ = NextReconnectDelay(nextDelayMs_);
    reconnectTimer_->start(nextDelayMs_);
}

void UsbCamera::Reconnect() {
    if (callback.stopped || graph || !reconnecting_) return;
    if (BuildPreviewGraph(callback.videoPanel()) < 0)
        StreamLost(QStringLiteral("the source could not be built"));
}

void UsbCamera::StreamBack() {
    nextDelayMs_ = 0;
    if (!reconnecting_) return;
    reconnecting_ = false;
    if (lossLogged_) {
        lossLogged_ = false;
        qCInfo(lcNetcam, "camera %d: stream back", cameraId());
        SendEventRecord(kEventProgram, text::kNetworkCamera, text::kStreamBack);
    }
    const bool wanted = callback.state == CameraState::Recording ||
                        callback.state == CameraState::MotionRecording ||
                        (broadcasting_ && resumeRecording_);
    resumeRecording_ = false;
    if (wanted && !recorder_->recording()) {
        StartRecorder();
    }
}

void UsbCamera::ShowReconnectingPicture() {
    const FramePtr picture =
        ReconnectingPicture(callback.LastShownFrame(), callback.frameWidth, callback.frameHeight);
    if (BroadcastEngine* b = callback.broadcastSink.load()) b->PushFrame(picture);
    if (VideoSurface* video = callback.videoPanel()) video->PresentFrame(picture);
}

}  // namespace trelvix
