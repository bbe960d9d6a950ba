// Free space of a volume, replaceable in tests so a full disk can be played out.
#pragma once

#include <QString>
#include <functional>

namespace trelvix {

// Bytes available to this user on the volume holding `path`; false when it cannot be read.
bool FreeBytes(const QString& path, qint64* bytes);
// Empty restores the real query.
void SetFreeSpaceQuery(std::function<bool(const QString& path, qint64* bytes)> query);

// The caption (the translated "Free space:") and the free bytes in M, G or T, for a disk label.
QString DiskLabelText(qint64 freeBytes, const QString& caption);

}  // namespace trelvix
