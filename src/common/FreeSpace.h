// Free space of a volume, replaceable in tests so a full disk can be played out.
#pragma once

#include <QString>
#include <functional>

namespace trelvix {

// Bytes available to this user on the volume holding `path`; false when it cannot be read.
bool FreeBytes(const QString& path, qint64* bytes);
// Empty restores the real query.
void SetFreeSpaceQuery(std::function<bool(const QString& path, qint64* bytes)> query);

// "剩余空间: %dM", "%dG" or "%dT" for the free bytes of a disk label.
QString DiskLabelText(qint64 freeBytes);

}  // namespace trelvix
