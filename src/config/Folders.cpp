#include "config/Folders.h"

#include <QDir>
#include <QStandardPaths>

#include "common/Files.h"

namespace trelvix {

QString UserFolder() {
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty()) docs = QDir::homePath() + QStringLiteral("/Documents");
    QDir().mkpath(docs);
    return WithSlash(docs) + QStringLiteral("Vantiro Driving Records Files/");
}

void EnsureUserFolder() {
    const QString folder = UserFolder();
    if (QDir(folder).exists()) return;
    if (!QDir().mkdir(folder)) throw FolderError("Cannot create User folder directory.");
}

QString MediaFolder() {
    return ExecutableFolder() + QStringLiteral("media/");
}

}  // namespace trelvix
