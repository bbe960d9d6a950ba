// A grid cell as the camera host sees it: where its camera posts messages and shows frames.
// The main window's camera panel is one; the headless program uses a stand-in.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <mutex>

#include "common/Frame.h"

namespace trelvix {

class UsbCamera;

class CameraCell {
public:
    virtual ~CameraCell() = default;
    // Receives the camera's posted messages on the UI thread.
    virtual QObject* MessageTarget() = 0;
    virtual VideoSurface* VideoArea() = 0;
    // The cell's camera, or none; the cell forwards the camera messages to it.
    virtual void AttachCamera(UsbCamera* camera) = 0;
};

// Handles one camera message for `camera` (which may be none); true when it was one.
// `showSnapshot` opens the pop-up of a manual snapshot, where there are windows.
bool HandleCameraMessage(UsbCamera* camera, QEvent* event,
                         const std::function<void(const QString& path)>& showSnapshot = {});

// A cell of the headless program: takes the camera's messages and frames, shows nothing.
class HeadlessPanel : public QObject, public VideoSurface, public CameraCell {
    Q_OBJECT
public:
    explicit HeadlessPanel(int cell, QObject* parent = nullptr);

    QObject* MessageTarget() override { return this; }
    VideoSurface* VideoArea() override { return this; }
    void AttachCamera(UsbCamera* c) override { camera = c; }
    void PresentFrame(FramePtr frame) override;
    void ClearFrame() override;
    void SetFullScreen(bool on) override { fullScreen_ = on; }
    bool IsFullScreen() const override { return fullScreen_; }
    void FitVideo() override {}
    bool ShowsPictures() const override { return false; }

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
