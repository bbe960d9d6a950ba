#pragma once

#include "capture/Usbcamera.h"
#include "config/Cdataclass.h"

namespace trelvix::test {

// A frame callback without a camera, as the pipeline would set it up.
struct Callback {
    explicit Callback(int w, int h) {
        cb.settings = &settings;
        cb.CreateOverlays();
        cb.SetUpFormat(w, h, kPixelRGB24);
    }
    CDataClass settings;
    CSampleGrabberCB cb;
};

}  // namespace trelvix::test
