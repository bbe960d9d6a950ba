// The camera image dialog: six bars for the device's picture controls, changed live.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPoint>
#include <QScrollBar>
#include <QToolButton>
#include <array>

#include "capture/ImageParameters.h"

namespace trelvix {

class UsbCamera;

class TForm_capparam : public QFrame {
    Q_OBJECT
public:
    // Frameless, not modal, over the middle of the owner (of the screen when the owner is not
    // shown), named after its camera; freed when closed. The camera must outlive it (the main
    // window closes it before cameras go).
    TForm_capparam(QWidget* owner, UsbCamera* camera);

    void FormCreate();
    // Shared by all six bars.
    void ScrollBar_constrctChange();
    void SpeedButton1Click();

    std::array<QScrollBar*, kImageParameterCount> Bars() const;
    std::array<QLabel*, kImageParameterCount> ValueLabels() const;

    UsbCamera* camera;
    bool initialising = true;
    QLabel* LabelCaption;
    QLabel* LabelCamera;  // which camera the bars adjust
    QScrollBar* ScrollBar_brightness;
    QScrollBar* ScrollBar_constrct;
    QScrollBar* ScrollBar_statu;
    QScrollBar* ScrollBar_hue;
    QScrollBar* ScrollBar_Sharpness;
    QScrollBar* ScrollBar_Gamma;
    QLabel* Label_brightness;
    QLabel* Label_constract;
    QLabel* Label_statu;
    QLabel* Label_hue;
    QLabel* Label_Sharpness;
    QLabel* Label_Gamma;
    std::array<QLabel*, kImageParameterCount> names{};
    std::array<QLabel*, kImageParameterCount> images{};
    QToolButton* SpeedButton1;

protected:
    // FormMouseDown: a left press anywhere drags the window.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    // FormClose: the percentages are written with the camera's record.
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildLayout();

    bool dragging_ = false;
    QPoint dragOffset_;
};

}  // namespace trelvix
