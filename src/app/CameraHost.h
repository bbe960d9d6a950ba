// What the camera panels and their headless stand-ins share: the handling of the camera
// messages, and the creation of the grid's cameras.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <mutex>

#include "app/Messages.h"
#include "capture/Frame.h"

namespace trelvix {

class Option;
class UsbCamera;

// Handles one camera message for `camera` (which may be none); true when it was one.
// `showSnapshot` opens the pop-up of a manual snapshot, where there are windows.
bool HandleCameraMessage(UsbCamera* camera, QEvent* event,
                         const std::function<void(const QString& path)>& showSnapshot = {});

// A cell of the headless program: takes the camera's messages and frames, shows nothing.
class HeadlessPanel : public QObject, public VideoSurface {
    Q_OBJECT
public:
    explicit HeadlessPanel(int cell, QObject* parent = nullptr);

    void AttachCamera(UsbCamera* c) { camera = c; }
    void PresentFrame(FramePtr frame) override;
    void ClearFrame() override;
    void SetFullScreen(bool on) override { fullScreen_ = on; }
    bool IsFullScreen() const override { return fullScreen_; }
    void FitVideo() override {}

    FramePtr LatestFrame() const;
    uint64_t framesShown() const { return framesShown_; }

    UsbCamera* camera = nullptr;
    int cell;

protected:
    bool event(QEvent* e) override;

private:
    mutable std::mutex mutex_;
    FramePtr latest_;
    std::atomic<uint64_t> framesShown_{0};
    bool fullScreen_ = false;
};

}  // namespace trelvix
