// The base of every settings page: the banner with the page's title and a busy animation, the
// camera the page edits, and the three operations the settings window calls.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QTimer>

#include "views/VideoPanel.h"
#include "settings/PageDialogs.h"

namespace trelvix {

class UsbCamera;

// The 320 × 240 panel a camera paints its processed picture into while a page is shown; it
// reports the mouse in panel pixels.
class TPreviewPanel : public TVideoPanel {
    Q_OBJECT
public:
    TPreviewPanel(const QString& name, QWidget* parent);

signals:
    void mouseDown(QPoint at);
    void mouseMove(QPoint at);
    void mouseUp(QPoint at);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// A small spinning mark shown while a page waits for something.
class TBusyAnimation : public QWidget {
    Q_OBJECT
public:
    explicit TBusyAnimation(QWidget* parent);
    void Play(int frames, int repeats);
    void Stop();
    bool playing() const { return timer_.isActive(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QTimer timer_;
    int frame_ = 0;
    int frames_ = 12;
    int ticksLeft_ = 0;
};

class TFrame_PanelBase : public QFrame {
    Q_OBJECT
public:
    TFrame_PanelBase(QWidget* owner, int cameraIndex, int titleTextId);

    // Page contract: copy the controls into the camera's record, fill them from it (repairing
    // stored values out of range), and grey or enable the editing controls. A page without a
    // camera does nothing in the first two.
    virtual void SaveToCamera() {}
    virtual void LoadFromCamera() {}
    virtual void EnableControls(bool enabled) { (void)enabled; }
    // Where the camera paints while the page is shown (none: it paints nowhere), and whether it
    // then tints and tests the motion region.
    virtual TPreviewPanel* PreviewPanel() const { return nullptr; }
    virtual bool RegionTestMode() const { return false; }

    void StartBusyAnimation();
    void StopBusyAnimation();

    QLabel* Image1;
    QLabel* LabelCaption;
    TBusyAnimation* Animate2;
    UsbCamera* camera = nullptr;
    int cameraIndex;
    PageDialogs dialogs = PageDialogs::Standard();

protected:
    // The page's controls go in here, below the banner.
    QWidget* Body() const { return body_; }
    void resizeEvent(QResizeEvent* e) override;

private:
    QWidget* body_;
};

// Stands in for a page that a later version brings: its title and a line saying so.
class TFrame_PanelPending : public TFrame_PanelBase {
    Q_OBJECT
public:
    TFrame_PanelPending(QWidget* owner, int cameraIndex, int titleTextId);
    QLabel* LabelPending;
};

// A label that never cuts its text: it wraps instead.
QLabel* WrappingLabel(const QString& text, QWidget* parent);

}  // namespace trelvix
