// The name of a camera's folder of one day, without making it.
#pragma once

#include <QDate>
#include <QString>

namespace trelvix {

// root + "NN/yyyyMMdd" + word, e.g. "Video"; an empty root stands for the user folder.
QString DayFolderName(const QString& root, int cameraId, const QDate& date, const char* word);

}  // namespace trelvix
