// What only tests reach inside a camera: its frame callback and its pipeline; and the region
// it watches for motion, set in one step.
#pragma once

#include "capture/GreyPicture.h"
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

inline void SetMotionRegion(CDataClass& s, const MotionRegion& r) {
    StoreLive(s.motionLeft, r.left);
    StoreLive(s.motionTop, r.top);
    StoreLive(s.motionRight, r.right);
    StoreLive(s.motionBottom, r.bottom);
}

}  // namespace trelvix::test
