// One camera of the grid: its settings record and, with the capture engine, its graph.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "config/Cdataclass.h"

namespace trelvix {

class UsbCamera {
public:
    // Loads the camera's record, stores its device and names an unnamed camera "N#".
    UsbCamera(QObject* owner, QObject* panelWindow, QObject* videoPanel, const QString& deviceId,
              int cameraId);
    // Saves the record.
    ~UsbCamera();
    UsbCamera(const UsbCamera&) = delete;
    UsbCamera& operator=(const UsbCamera&) = delete;

    int cameraId() const { return settings->cameraId; }
    bool IsStopped() const { return stopped; }
    bool IsBroadcasting() const { return state == 3; }

    std::unique_ptr<CDataClass> settings;
    QObject* owner = nullptr;
    QObject* panelWindow = nullptr;
    QObject* videoPanel = nullptr;
    bool stopped = true;
    // -1 idle, 99 previewing, 0 recording, 2 motion recording, 3 broadcasting.
    int state = -1;
};

}  // namespace trelvix
