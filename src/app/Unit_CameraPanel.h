// One grid cell: a frame whose colour marks the selection, around the camera's video area.
#pragma once

#include <QFrame>
#include <QWidget>
#include <atomic>
#include <mutex>

#include "common/Frame.h"
#include "host/CameraCell.h"
#include "views/VideoPanel.h"

namespace trelvix {

class TForm1;
class UsbCamera;

class TFrameCameraPanel : public QFrame, public CameraCell {
    Q_OBJECT
public:
    TFrameCameraPanel(QWidget* container, int cell, UsbCamera* camera, TForm1* owner);

    QObject* MessageTarget() override { return this; }
    VideoSurface* VideoArea() override;
    void AttachCamera(UsbCamera* camera) override;
    UsbCamera* Camera() const { return camera; }
    void SetFrameColour(const QColor& colour);
    QColor FrameColour() const;

    void FrameResize();
    void VideoPanelClick();
    void VideoPanelDblClick();
    void VideoPanelResize();

    TVideoPanel* VideoPanel;
    TForm1* owner;
    UsbCamera* camera = nullptr;
    int cell;

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;
};

}  // namespace trelvix
