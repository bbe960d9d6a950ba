// What the copied recordings share with the encoded ones: the writer's clock, the disk check
// and the handle's report callbacks (folders and file names: record/SegmentFiles.h).
#pragma once

#include <QDateTime>
#include <QString>

#include "record/Ymp4.h"

namespace trelvix::ymp4 {

QDateTime ClockNow();
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
