#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "capture/Usbcamera.h"
#include "host/CameraCell.h"

namespace trelvix::test {

// Cameras on headless panels, kept as the host keeps them: a panel forgets its camera before
// the camera goes, so a message still queued for the panel never reaches a freed camera.
struct HeadlessCameras {
    std::vector<std::unique_ptr<HeadlessPanel>> panels;
    std::vector<std::unique_ptr<UsbCamera>> cameras;

    ~HeadlessCameras() { Clear(); }

    // The camera reads the record saved for `cell`, if any.
    UsbCamera* Start(const QString& id, int cell) {
        panels.push_back(std::make_unique<HeadlessPanel>(cell));
        HeadlessPanel* panel = panels.back().get();
        cameras.push_back(std::make_unique<UsbCamera>(nullptr, panel, panel, id, cell));
        panel->AttachCamera(cameras.back().get());
        return cameras.back().get();
    }
    void Clear() {
        for (auto& panel : panels) panel->AttachCamera(nullptr);
        cameras.clear();
        panels.clear();
    }
};

}  // namespace trelvix::test
