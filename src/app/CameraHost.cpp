#include "app/CameraHost.h"

#include "capture/Usbcamera.h"

namespace trelvix {

bool HandleCameraMessage(UsbCamera* camera, QEvent* event) {
    const int type = int(event->type());
    if (type < CAM_MSG_GRAPH_EVENT || type > CAM_MSG_MOTION_RECORD) return false;
    // A cell without a camera ignores every camera message.
    if (!camera) return true;
    if (type == CAM_MSG_GRAPH_EVENT) camera->HandleGraphEvents();
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
