#include "config/CameraRecords.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <map>

#include "common/Files.h"
#include "config/Cdataclass.h"
#include "config/Folders.h"

namespace trelvix {

namespace {

constexpr qint64 kMaxRecordBytes = 1 << 20;

// Record number -> stored device identifier.
std::map<int, QString> StoredRecords() {
    static const QRegularExpression name(QStringLiteral("^(0|[1-9][0-9]{0,5})\\.bin$"));
    std::map<int, QString> records;
    for (const QString& file : QDir(UserFolder()).entryList(QDir::Files)) {
        const QRegularExpressionMatch m = name.match(file);
        if (!m.hasMatch()) continue;
        QByteArray bytes;
        CDataClass record;
        if (ReadFileLimited(UserFolder() + file, kMaxRecordBytes, &bytes))
            record.LoadFromBytes(bytes);
        records[m.captured(1).toInt()] = record.deviceId.get();
    }
    return records;
}

// Record number -> the slot it belongs in.
std::map<int, int> Owners(const std::map<int, QString>& records, const QStringList& deviceIds) {
    std::map<int, int> owners;
    auto taken = [&](int record) { return owners.count(record) > 0; };
    for (int slot = 0; slot < deviceIds.size(); ++slot) {
        // The lowest number wins when earlier builds left two records for one device.
        for (const auto& [number, id] : records) {
            if (taken(number) || id.compare(deviceIds[slot], Qt::CaseInsensitive) != 0) continue;
            owners[number] = slot;
            break;
        }
    }
    for (int slot = 0; slot < deviceIds.size(); ++slot) {
        const bool owned = std::any_of(owners.begin(), owners.end(),
                                       [slot](const auto& o) { return o.second == slot; });
        const auto here = records.find(slot);
        if (!owned && here != records.end() && here->second.isEmpty() && !taken(slot))
            owners[slot] = slot;
    }
    return owners;
}

bool Rename(int from, int to) {
    return QFile::rename(CameraSettingsPath(from), CameraSettingsPath(to));
}

}  // namespace

void AssignCameraRecords(const QStringList& deviceIds) {
    const std::map<int, QString> records = StoredRecords();
    const std::map<int, int> owners = Owners(records, deviceIds);
    const int gridSize = int(deviceIds.size());
    int spare = std::max(gridSize, records.empty() ? 0 : records.rbegin()->first + 1);
    // First every record that moves goes to a fresh number, then the owned ones to their slots:
    // a crash between any two renames leaves only whole records under record names.
    std::map<int, int> parked;  // fresh number -> slot, for the owned ones
    for (const auto& [number, id] : records) {
        const auto owner = owners.find(number);
        const bool stays = owner != owners.end() ? owner->second == number : number >= gridSize;
        if (stays) continue;
        if (!Rename(number, spare)) continue;
        if (owner != owners.end()) parked[spare] = owner->second;
        ++spare;
    }
    for (const auto& [number, slot] : parked) Rename(number, slot);
}

}  // namespace trelvix
