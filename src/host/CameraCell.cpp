#include "host/CameraCell.h"

#include "capture/Usbcamera.h"
#include "common/Messages.h"

namespace trelvix {

bool HandleCameraMessage(UsbCamera* camera, QEvent* event,
                         const std::function<void(const QString&)>& showSnapshot) {
    const int type = int(event->type());
    if (type < CAM_MSG_GRAPH_EVENT || type > CAM_MSG_MOTION_RECORD) return false;
    // A cell without a camera ignores every camera message.
    if (!camera) return true;
    const auto* m = static_cast<CameraMessage*>(event);
    switch (type) {
        case CAM_MSG_GRAPH_EVENT:
            camera->HandleGraphEvents();
            break;
        case CAM_MSG_SNAPSHOT_TAKEN: {
            // A manual picture that could not be written has nothing to show.
            const QString path = camera->view().snapshotPath();
            if (m->wParam != 1 && showSnapshot && !path.isEmpty()) showSnapshot(path);
            break;
        }
        case CAM_MSG_SNAPSHOT_REQUEST:
            camera->RequestSnapshot(int(m->lParam));
            break;
        case CAM_MSG_MOTION_RECORD:
            // A message that arrives after the camera stopped is stale.
            if (camera->IsStopped()) break;
            if (m->wParam == 1 && !camera->recording().IsMotionRecording())
                camera->recording().StartMotionRecording();
            else if (m->wParam == 0 && camera->recording().IsMotionRecording())
                camera->recording().StopMotionRecording();
            break;
    }
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
