#include "views/VideoPanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace trelvix {

void FillBackground(QWidget* w, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

TVideoPanel::TVideoPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("VideoPanel"));
    FillBackground(this, Qt::black);
}

void TVideoPanel::RequestRepaint() {
    // One repaint in flight at a time: a slow UI thread skips frames instead of queueing them.
    if (!repaintPending_.exchange(true))
        QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
}

void TVideoPanel::PresentFrame(FramePtr frame) {
    {
        std::lock_guard lock(mutex_);
        latest_ = std::move(frame);
    }
    RequestRepaint();
}

void TVideoPanel::ClearFrame() {
    {
        std::lock_guard lock(mutex_);
        latest_.reset();
    }
    RequestRepaint();
}

FramePtr TVideoPanel::LatestFrame() const {
    std::lock_guard lock(mutex_);
    return latest_;
}

QRect TVideoPanel::PictureRect(const QSize& size) const {
    if (size.isEmpty()) return rect();
    QRect r(QPoint(), size.scaled(this->size(), Qt::KeepAspectRatio));
    r.moveCenter(rect().center());
    return r;
}

QPoint TVideoPanel::ToStretched(const QPointF& at) const {
    const FramePtr frame = LatestFrame();
    const QRect r = PictureRect(frame ? QSize(frame->width, frame->height) : QSize());
    if (r.isEmpty()) return at.toPoint();
    const double x = (at.x() - r.x()) * width() / r.width();
    const double y = (at.y() - r.y()) * height() / r.height();
    return {std::clamp(int(x), 0, std::max(0, width() - 1)),
            std::clamp(int(y), 0, std::max(0, height() - 1))};
}

void TVideoPanel::paintEvent(QPaintEvent*) {
    repaintPending_ = false;
    const FramePtr frame = LatestFrame();
    QPainter p(this);
    if (!frame || frame->width <= 0) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    // The frame's own memory, drawn scaled: the only conversion the UI thread makes.
    const QImage image(frame->data.data(), frame->width, frame->height, frame->stride,
                       QImage::Format_BGR888);
    const QRect target = PictureRect(image.size());
    if (target != rect()) p.fillRect(rect(), Qt::black);
    if (image.width() <= target.width() && image.height() <= target.height()) {
        p.drawImage(target, image);
        return;
    }
    // Shrunk, a picture keeps its one-pixel lines (the time text) only when filtered; Qt
    // filters 32-bit pictures at a fraction of the cost of 24-bit ones.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, image.convertToFormat(QImage::Format_RGB32));
}

void TVideoPanel::SetFullScreen(bool on) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    if (on) {
        homeParent_ = parentWidget();
        setParent(nullptr, Qt::Window);
        showFullScreen();
        setFocus();
    } else {
        setParent(homeParent_, Qt::Widget);
        emit backInPlace();
        show();
    }
}

void TVideoPanel::keyPressEvent(QKeyEvent* e) {
    // Escape leaves full screen as a double click does.
    if (fullScreen_ && e->key() == Qt::Key_Escape)
        emit doubleClicked();
    else
        QWidget::keyPressEvent(e);
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

bool TVideoPanel::ShowsPictures() const {
    return isVisible() && !window()->isMinimized();
}

}  // namespace trelvix
