// One grid cell: a frame whose colour marks the selection, around the camera's video area.
#pragma once

#include <QFrame>
#include <QWidget>
#include <atomic>
#include <mutex>

#include "common/Frame.h"
#include "host/CameraCell.h"

namespace trelvix {

class TForm1;
class UsbCamera;

// The black area the camera's picture is shown in, scaled to fit with its proportions kept.
class TVideoPanel : public QWidget, public VideoSurface {
    Q_OBJECT
public:
    explicit TVideoPanel(QWidget* parent);

    void PresentFrame(FramePtr frame) override;  // any thread
    void ClearFrame() override;                  // any thread
    void SetFullScreen(bool on) override;
    bool IsFullScreen() const override { return fullScreen_; }
    void FitVideo() override { update(); }
    FramePtr LatestFrame() const;
    // Where a picture of `size` is drawn: as large as fits, centred, black bars around it.
    QRect PictureRect(const QSize& size) const;
    // A point of the panel as it would lie on the picture stretched over the whole panel, so
    // positions read the same whatever the bars.
    QPoint ToStretched(const QPointF& at) const;

signals:
    void clicked();
    void doubleClicked();
    void resized();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void RequestRepaint();

    mutable std::mutex mutex_;
    FramePtr latest_;
    std::atomic<bool> repaintPending_{false};
    bool fullScreen_ = false;
    QWidget* homeParent_ = nullptr;
};

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
