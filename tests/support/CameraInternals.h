// What only tests reach inside a camera: its frame callback and its pipeline.
#pragma once

#include "capture/Usbcamera.h"

namespace trelvix::test {

struct CameraInternals {
    static CSampleGrabberCB& Callback(UsbCamera& camera) { return camera.callback; }
    static GstElement* Pipeline(const UsbCamera& camera) { return camera.graph; }
};

inline CSampleGrabberCB& FrameCallback(UsbCamera& camera) {
    return CameraInternals::Callback(camera);
}
inline CSampleGrabberCB& FrameCallback(UsbCamera* camera) {
    return CameraInternals::Callback(*camera);
}
inline GstElement* Pipeline(const UsbCamera* camera) {
    return CameraInternals::Pipeline(*camera);
}

}  // namespace trelvix::test
