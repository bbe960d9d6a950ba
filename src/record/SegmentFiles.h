// The files of the segment writer: folders, names and what a killed program left behind.
#pragma once

#include <QDateTime>
#include <QString>

namespace trelvix {

// The folder as an absolute path ending in "/", created when missing; empty when it cannot be.
QString PrepareFolder(const QString& folder);

// Recordings a killed program left without a single frame: small files only are looked at.
void RemoveEmptyRecordings(const QString& folder);

// Reserves a new file named by `start` ("yyyyMMdd HHmmss.mp4"; "_2", "_3", … when taken, so
// names still sort in creation order). Never touches an existing file.
QString ReserveFileName(const QString& folder, const QDateTime& start);

}  // namespace trelvix
