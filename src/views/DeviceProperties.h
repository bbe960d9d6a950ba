// The device's own properties: one editor for every control it reports, applied at once and
// not stored in the camera's record.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "capture/CameraControls.h"

namespace trelvix {

class UsbCamera;

class TDeviceProperties : public QDialog {
    Q_OBJECT
public:
    // `controls` may be none (a stopped camera): the window then says there is nothing to set.
    TDeviceProperties(QWidget* parent, CameraControls* controls);

    // Values and enabled states read again from the device; one control may switch another
    // (an automatic mode greys its manual value).
    void Refresh();
    // Every writable control back to the device's default.
    void RestoreDefaults();

    struct Row {
        CameraControl control;
        QWidget* editor;     // slider, check box, list or button by kind
        QLabel* valueLabel;  // integers only
    };
    std::vector<Row> rows;
    QLabel* emptyLabel = nullptr;
    QPushButton* defaultsButton;
    QPushButton* closeButton;

private:
    QWidget* MakeEditor(const CameraControl& c, QLabel** valueLabel);
    void Changed(uint32_t id, int32_t value);
    void ShowValue(Row& row, int32_t value);

    CameraControls* controls_;
};

// The properties of the camera's device, modal over `parentWindow`.
void ShowDevicePropertyPages(UsbCamera* camera, QWidget* parentWindow);

}  // namespace trelvix
