#include "host/CameraCell.h"

#include "capture/Usbcamera.h"
#include "common/Messages.h"

namespace trelvix {

bool HandleCameraMessage(UsbCamera* camera, QEvent* event,
                         const std::function<void(const QString&)>& showSnapshot) {
    const auto* taken = MessageOf<SnapshotTakenMessage>(event);
    const auto* request = MessageOf<SnapshotRequestMessage>(event);
    const auto* motion = MessageOf<MotionRecordMessage>(event);
    const bool graph = MessageOf<GraphEventMessage>(event);
    if (!taken && !request && !motion && !graph) return false;
    // A cell without a camera ignores every camera message.
    if (!camera) return true;
    if (graph) camera->HandleGraphEvents();
    // A manual picture that could not be written has nothing to show.
    const QString path = taken ? camera->view().snapshotPath() : QString();
    if (taken && taken->manual && showSnapshot && !path.isEmpty()) showSnapshot(path);
    if (request) camera->RequestSnapshot(request->kind);
    // A message that arrives after the camera stopped is stale.
    if (!motion || camera->IsStopped()) return true;
    if (motion->motion && !camera->recording().IsMotionRecording())
        camera->recording().StartMotionRecording();
    else if (!motion->motion && camera->recording().IsMotionRecording())
        camera->recording().StopMotionRecording();
    return true;
}

HeadlessPanel::HeadlessPanel(int cell_, QObject* parent) : QObject(parent), cell(cell_) {}

void HeadlessPanel::PresentFrame(FramePtr frame) {
    std::lock_guard lock(mutex_);
    latest_ = std::move(frame);
    ++framesShown_;
}

void HeadlessPanel::ClearFrame() {
    std::lock_guard lock(mutex_);
    latest_.reset();
}

FramePtr HeadlessPanel::LatestFrame() const {
    std::lock_guard lock(mutex_);
    return latest_;
}

bool HeadlessPanel::event(QEvent* e) {
    if (HandleCameraMessage(camera, e)) return true;
    return QObject::event(e);
}

}  // namespace trelvix
