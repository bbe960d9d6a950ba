// Network cameras whose own H.264/H.265 stream is recorded as it came ("record=copy"): the
// packets go to the writer, and pictures are decoded only while something uses them.
#include <QMetaObject>
#include <QTimer>
#include <atomic>

#include "capture/Cautofont.h"
#include "capture/Usbcamera.h"
#include "common/Messages.h"
#include "common/Logging.h"
#include "config/NetCams.h"

namespace trelvix {

namespace {
// How often a copied camera looks whether its pictures are used.
constexpr int kDecodeCheckMs = 250;
}  // namespace

NetSourceCopy UsbCamera::CopyWiring() {
    copyWanted_ = false;
    QString detect;
    if (const auto cam = KnownNetworkCamera(settings->deviceId)) {
        copyWanted_ = cam->copy;
        detect = cam->detect;
    }
    // Only RTSP carries H.264/H.265 here: other cameras record as they always did.
    if (copyWanted_ && !IsRtspAddress(settings->deviceId)) CopyRefused();
    if (!CopiesStream()) return {};
    if (!copyCalls_) copyCalls_ = std::make_unique<QObject>();
    QObject* calls = copyCalls_.get();
    return {[this](const CopyStreamInfo& info, const CopyPacket& p) { OnCopyPacket(info, p); },
            detect,
            [this, calls] {
                QMetaObject::invokeMethod(
                    calls, [this] { CopyRefused(); }, Qt::QueuedConnection);
            }};
}

void UsbCamera::OnCopyPacket(const CopyStreamInfo& info, const CopyPacket& packet) {
    ++packetsSeen_;
    // Without decoded pictures the packets tell the camera that the stream runs.
    if (callback.reportNextFrame.load(std::memory_order_relaxed) &&
        callback.reportNextFrame.exchange(false))
        PostMessage(panelWindow(), GraphEventMessage{});
    recorder_->WritePacket(info, packet);
}

void UsbCamera::CopyRefused() {
    if (copyRefused_) return;
    copyRefused_ = true;
    qCInfo(lcNetcam,
           "camera %d (%s): record=copy needs an H.264 or H.265 stream over RTSP; this one is "
           "recorded re-encoded",
           cameraId(), MaskCredentials(settings->deviceId).toUtf8().constData());
    if (netSource_) netSource_->SetDecodeWanted(true);
    if (recorder_->recording() && recorder_->copying()) {
        recorder_->CloseRecording();
        StartRecorder();
    } else if (recorder_->holding() && recorder_->copying()) {
        recorder_->CloseRecording();  // holds the encoded pictures instead
        UpdatePreMotion();
    }
}

TimedText UsbCamera::CopyText() const {
    const CDataClass* s = settings.get();
    return [s](const QDateTime& when) {
        QString time = TimeText(Live(s->timeFormat), when);
        if (time.isEmpty()) time = TimeText(0, when);
        const QString caption = s->caption;
        return caption.isEmpty() ? time : caption + QStringLiteral("  ") + time;
    };
}

void UsbCamera::StartCopyRecorder() {
    recorder_->StartCopy(*settings, CopyText());
}

bool UsbCamera::PicturesWanted() const {
    if (!CopiesStream()) return true;
    const VideoSurface* video = callback.videoPanel();
    return (video && video->ShowsPictures()) || Live(settings->motionEnabled) || broadcasting_ ||
           uploadRecord_ || callback.previewNotifyWindow() || callback.regionTestMode ||
           callback.snapshots.snapshotRequested ||
           (recorder_->recording() && !recorder_->copying());
}

void UsbCamera::WatchDecodeNeed() {
    if (!netSource_ || !netSource_->copies()) return;
    UpdateDecodeGate();
    if (!decodeTimer_) {
        decodeTimer_ = std::make_unique<QTimer>();
        QObject::connect(decodeTimer_.get(), &QTimer::timeout, [this] { UpdateDecodeGate(); });
    }
    decodeTimer_->start(kDecodeCheckMs);
}

void UsbCamera::UpdateDecodeGate() {
    if (netSource_) netSource_->SetDecodeWanted(PicturesWanted());
}

}  // namespace trelvix
