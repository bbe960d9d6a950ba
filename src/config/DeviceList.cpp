#include "config/DeviceList.h"

#include <QFileInfo>
#include <mutex>

#include "common/Files.h"

namespace trelvix {

namespace {
std::mutex enumeratorMutex;
DeviceList::DeviceEnumerator deviceEnumerator;

// A list of identifiers this long is a damaged file: it is left alone rather than cut.
constexpr qint64 kMaxDeviceFileBytes = 16 * 1024 * 1024;
}  // namespace

void DeviceList::LoadExcludedDevices() {
    excludedDevices.clear();
    const QString path = deviceFolder_ + QStringLiteral("device.bin");
    keepDeviceFile_ = QFileInfo(path).size() > kMaxDeviceFileBytes;
    if (keepDeviceFile_) {
        qWarning(
            "trelvix: %s is larger than %lld bytes; no devices are excluded and the file "
            "is kept as it is",
            qPrintable(path), kMaxDeviceFileBytes);
        return;
    }
    QByteArray bytes;
    if (!ReadFileLimited(path, kMaxDeviceFileBytes, &bytes)) return;
    // Line ends of either kind; a carriage return is never part of an identifier, so one left
    // at a line's end would not survive the next save and load.
    excludedDevices = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (QString& id : excludedDevices)
        while (id.endsWith(QLatin1Char('\r'))) id.chop(1);
    if (!excludedDevices.isEmpty() && excludedDevices.last().isEmpty())
        excludedDevices.removeLast();
}

bool DeviceList::SaveExcludedDevices() {
    if (keepDeviceFile_) return false;
    QByteArray bytes;
    bool secret = false;
    for (const QString& id : excludedDevices) {
        bytes += id.toUtf8() + '\n';
        secret = secret || MaskCredentials(id) != id;
    }
    // An excluded network camera's address may carry its password.
    return WriteFileAtomically(deviceFolder_ + QStringLiteral("device.bin"), bytes, secret);
}

void DeviceList::BuildDeviceList(int cells) {
    allDeviceIds.clear();
    allDeviceNames.clear();
    deviceIds.clear();
    deviceNames.clear();
    deviceCount = 0;
    {
        std::lock_guard lock(enumeratorMutex);
        if (deviceEnumerator) deviceEnumerator(&allDeviceIds, &allDeviceNames);
    }
    // The two lists go position by position.
    while (allDeviceNames.size() < allDeviceIds.size()) allDeviceNames.append(QString());
    for (const NetCamEntry& cam : netCams.cams) {
        allDeviceIds.append(cam.address);
        allDeviceNames.append(cam.name);
    }
    for (qsizetype i = 0; i < allDeviceIds.size() && deviceCount < cells; ++i) {
        if (IsExcluded(allDeviceIds[i])) continue;
        ++deviceCount;
        deviceIds.append(allDeviceIds[i]);
        deviceNames.append(i < allDeviceNames.size() ? allDeviceNames[i] : QString());
    }
}

bool DeviceList::ReplaceNetCams(const std::vector<NetCamEntry>& cams) {
    const std::vector<NetCamEntry> old = netCams.cams;
    netCams.cams = cams;
    if (!netCams.Save()) {
        netCams.cams = old;
        return false;
    }
    for (qsizetype i = allDeviceIds.size() - 1; i >= 0; --i) {
        if (!IsNetworkCameraAddress(allDeviceIds[i])) continue;
        allDeviceIds.removeAt(i);
        if (i < allDeviceNames.size()) allDeviceNames.removeAt(i);
    }
    for (const NetCamEntry& cam : cams) {
        allDeviceIds.append(cam.address);
        allDeviceNames.append(cam.name);
    }
    return true;
}

bool DeviceList::IsExcluded(const QString& id) const {
    return excludedDevices.contains(id, Qt::CaseInsensitive);
}

bool DeviceList::ApplyExclusionMarks(const QList<bool>& excluded) {
    bool changed = false;
    QStringList marked;
    for (qsizetype i = 0; i < allDeviceIds.size(); ++i) {
        const bool mark = i < excluded.size() && excluded[i];
        changed = changed || mark != IsExcluded(allDeviceIds[i]);
        if (mark) marked << allDeviceIds[i];
    }
    if (!changed) return false;
    // An unplugged device stays excluded for when it comes back.
    QStringList kept;
    for (const QString& id : excludedDevices)
        if (!allDeviceIds.contains(id, Qt::CaseInsensitive)) kept << id;
    excludedDevices = kept + marked;
    return true;
}

void DeviceList::SetDeviceEnumerator(DeviceEnumerator e) {
    std::lock_guard lock(enumeratorMutex);
    deviceEnumerator = std::move(e);
}

}  // namespace trelvix
