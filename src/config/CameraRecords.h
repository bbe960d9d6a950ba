// The camera records (N.bin in the user folder) follow their device, not the grid slot.
#pragma once

#include <QStringList>

namespace trelvix {

// Renames the records so that record i is the one whose stored device identifier is
// deviceIds[i]. A device without a record finds no file (defaults); a record with no identifier
// stays in its slot when that slot's device has none of its own; every other record (an
// excluded or absent device's) moves to a number past the grid, kept for when it comes back.
// The records' contents are never changed.
void AssignCameraRecords(const QStringList& deviceIds);

}  // namespace trelvix
