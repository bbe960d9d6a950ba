// The capture devices the grid is built from: every device found, minus the ones the user
// excluded in "device.bin".
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace trelvix {

class DeviceList {
public:
    // Lists the capture devices: identifiers and friendly names, in the same order.
    using DeviceEnumerator = std::function<void(QStringList* ids, QStringList* names)>;

    explicit DeviceList(const QString& userFolder) : deviceFolder_(userFolder) {}

    void LoadExcludedDevices();
    bool SaveExcludedDevices();
    // Lists the devices and keeps at most `cells` that are not excluded, in order.
    void BuildDeviceList(int cells);

    static void SetDeviceEnumerator(DeviceEnumerator enumerator);

    QStringList excludedDevices;
    QStringList allDeviceIds;
    QStringList allDeviceNames;
    QStringList deviceIds;
    QStringList deviceNames;
    int deviceCount = 0;
    // Set by the device page to ask for a rebuild of the grid.
    bool deviceListChanged = false;

private:
    QString deviceFolder_;
    bool keepDeviceFile_ = false;  // too large to be a real list: never overwritten
};

}  // namespace trelvix
