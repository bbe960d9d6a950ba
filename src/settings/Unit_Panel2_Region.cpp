// The motion page's region editor and its motion indicator.
#include "settings/Unit_Panel2.h"

#include "capture/Usbcamera.h"
#include "common/Messages.h"
#include "settings/PageRules.h"

namespace trelvix {

bool TFrame_Panel2::event(QEvent* e) {
    const auto* taken = MessageOf<SnapshotTakenMessage>(e);
    if (!taken) return TFrame_PanelBase::event(e);
    if (!taken->manual && camera) FlashIndicator();
    return true;
}

void TFrame_Panel2::FlashIndicator() {
    Shape1->SetBrushColour(Qt::red);
    Shape1->repaint();
    // The window thread goes on meanwhile: a camera that sees motion in every frame must not
    // freeze the window with one wait per report.
    QTimer::singleShot(100, Shape1, [shape = Shape1] {
        shape->SetBrushColour(Qt::white);
        shape->repaint();
    });
}

QPoint TFrame_Panel2::ToPicture(QPoint at) const {
    const QSize picture = camera->view().FrameSize();
    return {at.x() * PanelFactor(picture.width(), Panel2->width()),
            at.y() * PanelFactor(picture.height(), Panel2->height())};
}

void TFrame_Panel2::Panel2MouseMove(QPoint at) {
    if (!camera) return;
    const QPoint p = ToPicture(at);
    const int x = p.x(), y = p.y();
    CDataClass& s = *camera->settings;
    const int w = camera->view().FrameSize().width(), h = camera->view().FrameSize().height();
    MotionRegion r = StoredRegion(s);
    if (dragging) {
        StoreRegion(s, MoveRegion(r, x - lastX, y - lastY, w, h));
        lastX = x;
        lastY = y;
        edge = kNoEdge;
        return;
    }
    if (edge == kNoEdge) {
        // Hovering: the cursor shows what a press would do, and is the editor's mode.
        if (NearEdge(x, r.left) || NearEdge(x, r.right)) {
            Panel2->setCursor(Qt::SizeHorCursor);
            dragging = false;
        } else if (NearEdge(y, r.top) || NearEdge(y, r.bottom)) {
            Panel2->setCursor(Qt::SizeVerCursor);
            dragging = false;
        } else {
            const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
            Panel2->setCursor(inside ? Qt::SizeAllCursor : Qt::ArrowCursor);
        }
        return;
    }
    const Qt::CursorShape mode = Panel2->cursor().shape();
    if (mode == Qt::SizeHorCursor && (edge == kLeftEdge || edge == kRightEdge))
        StoreRegion(s, ResizeRegion(r, edge, x - lastX, w, h));
    else if (mode == Qt::SizeVerCursor && (edge == kTopEdge || edge == kBottomEdge))
        StoreRegion(s, ResizeRegion(r, edge, y - lastY, w, h));
    // A refused step is not made up later.
    lastX = x;
    lastY = y;
}

void TFrame_Panel2::Panel2MouseDown(QPoint at) {
    if (!camera) return;
    const QPoint p = ToPicture(at);
    const Qt::CursorShape mode = Panel2->cursor().shape();
    if (mode == Qt::SizeAllCursor) {
        dragging = true;
        edge = kNoEdge;
    } else if (mode == Qt::SizeHorCursor || mode == Qt::SizeVerCursor) {
        const MotionRegion r = StoredRegion(*camera->settings);
        if (NearEdge(p.x(), r.left))
            edge = kLeftEdge;
        else if (NearEdge(p.x(), r.right))
            edge = kRightEdge;
        else if (NearEdge(p.y(), r.top))
            edge = kTopEdge;
        else if (NearEdge(p.y(), r.bottom))
            edge = kBottomEdge;
        dragging = false;
    } else {
        return;
    }
    lastX = p.x();
    lastY = p.y();
}

void TFrame_Panel2::Panel2MouseUp() {
    if (!camera) return;
    dragging = false;
    edge = kNoEdge;
}

}  // namespace trelvix
