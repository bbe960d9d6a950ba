// One grid cell: a frame whose colour marks the selection, around the camera's video area.
#pragma once

#include <QFrame>
#include <QWidget>

namespace trelvix {

class TForm1;
class UsbCamera;

// The black area the camera's picture is shown in.
class TVideoPanel : public QWidget {
    Q_OBJECT
public:
    explicit TVideoPanel(QWidget* parent);

signals:
    void clicked();
    void doubleClicked();
    void resized();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
};

class TFrameCameraPanel : public QFrame {
    Q_OBJECT
public:
    TFrameCameraPanel(QWidget* container, int cell, UsbCamera* camera, TForm1* owner);

    void AttachCamera(UsbCamera* camera);
    UsbCamera* Camera() const { return camera; }
    void SetFrameColour(const QColor& colour);
    QColor FrameColour() const;

    void FrameResize();
    void VideoPanelClick();

    TVideoPanel* VideoPanel;
    TForm1* owner;
    UsbCamera* camera = nullptr;
    int cell;

protected:
    void resizeEvent(QResizeEvent* e) override;
};

}  // namespace trelvix
