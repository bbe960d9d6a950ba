#include "app/Unit_CameraPanel.h"

#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/Unit1.h"

namespace trelvix {

namespace {
void Fill(QWidget* w, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}
}  // namespace

TVideoPanel::TVideoPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("VideoPanel"));
    Fill(this, Qt::black);
}

void TVideoPanel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit clicked();
    QWidget::mousePressEvent(e);
}

void TVideoPanel::mouseDoubleClickEvent(QMouseEvent* e) {
    emit doubleClicked();
    QWidget::mouseDoubleClickEvent(e);
}

void TVideoPanel::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    emit resized();
}

TFrameCameraPanel::TFrameCameraPanel(QWidget* container, int cell_, UsbCamera* cam, TForm1* owner_)
    : QFrame(container), owner(owner_), cell(cell_) {
    setObjectName(QStringLiteral("TFrameCameraPanel%1").arg(cell_));
    container->raise();
    Fill(container, QColor(0xC0, 0xC0, 0xC0));
    Fill(this, QColor(0xC0, 0xC0, 0xC0));
    setFrameShape(QFrame::NoFrame);
    VideoPanel = new TVideoPanel(this);
    connect(VideoPanel, &TVideoPanel::clicked, this, &TFrameCameraPanel::VideoPanelClick);
    // The frame fills its container.
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
    show();
    AttachCamera(cam);
}

void TFrameCameraPanel::AttachCamera(UsbCamera* cam) {
    camera = cam;
    update();
}

void TFrameCameraPanel::SetFrameColour(const QColor& colour) {
    Fill(this, colour);
    update();
}

QColor TFrameCameraPanel::FrameColour() const {
    return palette().color(QPalette::Window);
}

void TFrameCameraPanel::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    FrameResize();
}

void TFrameCameraPanel::FrameResize() {
    // One pixel of the frame's colour shows on the left and top edges.
    VideoPanel->setGeometry(1, 1, std::max(0, width() - 1), std::max(0, height() - 1));
}

void TFrameCameraPanel::VideoPanelClick() {
    if (owner) owner->SelectCell(cell);
}

}  // namespace trelvix
