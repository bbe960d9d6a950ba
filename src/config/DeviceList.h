// The capture devices the grid is built from: every device found, then the user's network
// cameras, minus the ones the user excluded in "device.bin".
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "config/NetCams.h"

namespace trelvix {

class DeviceList {
public:
    // Lists the capture devices: identifiers and friendly names, in the same order.
    using DeviceEnumerator = std::function<void(QStringList* ids, QStringList* names)>;

    explicit DeviceList(const QString& userFolder)
        : netCams(userFolder), deviceFolder_(userFolder) {}

    void LoadExcludedDevices();
    bool SaveExcludedDevices();
    // Lists the devices, then the network cameras, and keeps at most `cells` that are not
    // excluded, in order.
    void BuildDeviceList(int cells);
    // Stores a new list of network cameras and lists them in place of the old ones (the
    // kept devices change only when the list is built again). False when it was not stored.
    bool ReplaceNetCams(const std::vector<NetCamEntry>& cams);
    // Whether `id` is on the excluded list; letter case does not count.
    bool IsExcluded(const QString& id) const;
    // The device page's marks: `excluded[i]` for device i of `allDeviceIds`. Stored identifiers
    // of devices not present now are kept. Returns whether a present device's mark changed; the
    // list is replaced only then.
    bool ApplyExclusionMarks(const QList<bool>& excluded);

    static void SetDeviceEnumerator(DeviceEnumerator enumerator);

    NetCamList netCams;
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
