// What the copied recordings share with the encoded ones: the writer's clock, folders, file
// names and the handle's report callbacks.
#pragma once

#include <QDateTime>
#include <QString>

#include "record/Ymp4.h"

namespace trelvix::ymp4 {

QDateTime ClockNow();
// Absolute, ending in "/", created when missing; empty when it cannot be.
QString PrepareFolder(const QString& folder);
// A new, empty file named by `start`; empty when the folder is unusable.
QString ReserveFileName(const QString& folder, const QDateTime& start);
void RemoveEmptyRecordings(const QString& folder);
// Whether the folder's drive has less than `below` bytes free.
bool DiskFull(const QString& folder, qint64 below);

struct Reports {
    NewMP4FileCallback newFile;
    DiskFullCallback diskFull;
    WriteFailureCallback failure;
};
// The callbacks set on the handle (none when it does not exist).
Reports ReportsOf(int handle);

}  // namespace trelvix::ymp4
