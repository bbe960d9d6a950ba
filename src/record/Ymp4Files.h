// What the copied recordings share with the encoded ones: the writer's clock, the disk check
// and the handle's report callbacks (folders and file names: record/SegmentFiles.h).
#pragma once

#include <QDateTime>
#include <QString>

#include "record/Ymp4.h"

namespace trelvix::ymp4 {

// After a file could not be created or written, writes are refused for this long before the
// next try, so a full disk does not cost a file start per picture.
inline constexpr qint64 kRetryMs = 5000;
// A clock set back by more than this starts a new file, named by the new time.
inline constexpr qint64 kClockBackMs = 60000;
// No new file is begun with less free space than this: it would be cut at once.
inline constexpr qint64 kStartNeedsBytes = 1024 * 1024;
// A file that could not be written on a drive with less than this left ran out of space.
inline constexpr qint64 kFullBelowBytes = 16 * 1024 * 1024;

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
