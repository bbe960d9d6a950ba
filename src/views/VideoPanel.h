// The black area a camera's picture is shown in: the grid's cells, the settings pages'
// previews and the network camera editor's try-out.
#pragma once

#include <QWidget>
#include <atomic>
#include <mutex>

#include "common/Frame.h"
#include "host/CameraCell.h"

namespace trelvix {

// A plain background of `colour` behind the widget's children.
void FillBackground(QWidget* w, const QColor& colour);

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
    // Shown on the screen, its window not minimised (UI thread).
    bool ShowsPictures() const override;
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
    // Back in its parent after full screen, before it is shown there again.
    void backInPlace();

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

}  // namespace trelvix
