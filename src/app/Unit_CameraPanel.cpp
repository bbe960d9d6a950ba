#include "app/Unit_CameraPanel.h"

#include <QMouseEvent>
#include <QVBoxLayout>

#include "host/CameraCell.h"
#include "app/Unit1.h"
#include "capture/Usbcamera.h"
#include "views/Unit2.h"

#include <QImage>
#include <QKeyEvent>
#include <QMetaObject>
#include <QPainter>
#include <algorithm>

namespace trelvix {

TFrameCameraPanel::TFrameCameraPanel(QWidget* container, int cell_, UsbCamera* cam, TForm1* owner_)
    : QFrame(container), owner(owner_), cell(cell_) {
    setObjectName(QStringLiteral("TFrameCameraPanel%1").arg(cell_));
    container->raise();
    FillBackground(container, QColor(0xC0, 0xC0, 0xC0));
    FillBackground(this, QColor(0xC0, 0xC0, 0xC0));
    setFrameShape(QFrame::NoFrame);
    VideoPanel = new TVideoPanel(this);
    connect(VideoPanel, &TVideoPanel::clicked, this, &TFrameCameraPanel::VideoPanelClick);
    connect(VideoPanel, &TVideoPanel::doubleClicked, this, &TFrameCameraPanel::VideoPanelDblClick);
    connect(VideoPanel, &TVideoPanel::resized, this, &TFrameCameraPanel::VideoPanelResize);
    connect(VideoPanel, &TVideoPanel::backInPlace, this, &TFrameCameraPanel::FrameResize);
    // The frame fills its container.
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
    show();
    AttachCamera(cam);
}

VideoSurface* TFrameCameraPanel::VideoArea() {
    return VideoPanel;
}

void TFrameCameraPanel::AttachCamera(UsbCamera* cam) {
    camera = cam;
    update();
}

void TFrameCameraPanel::SetFrameColour(const QColor& colour) {
    FillBackground(this, colour);
    update();
}

QColor TFrameCameraPanel::FrameColour() const {
    return palette().color(QPalette::Window);
}

void TFrameCameraPanel::VideoPanelDblClick() {
    if (camera) camera->view().ToggleFullScreen();
}

void TFrameCameraPanel::VideoPanelResize() {
    if (camera) camera->view().FitVideoWindow();
}

bool TFrameCameraPanel::event(QEvent* e) {
    if (HandleCameraMessage(camera, e,
                            [this](const QString& path) { TForm2::ShowSnapshot(owner, path); }))
        return true;
    return QFrame::event(e);
}

void TFrameCameraPanel::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    FrameResize();
}

void TFrameCameraPanel::FrameResize() {
    // One pixel of the frame's colour shows on the left and top edges.
    if (VideoPanel->IsFullScreen()) return;
    VideoPanel->setGeometry(1, 1, std::max(0, width() - 1), std::max(0, height() - 1));
}

void TFrameCameraPanel::VideoPanelClick() {
    if (owner) owner->SelectCell(cell);
}

}  // namespace trelvix
