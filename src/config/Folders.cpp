#include "config/Folders.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

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

bool UsableLogFolder(const QString& folder) {
    if (folder.trimmed().isEmpty()) return false;
    // Retention deletes inside the log folder: never let that be the whole file system.
    if (QDir(folder).isRoot() || QDir::cleanPath(folder) == QStringLiteral("/")) return false;
    if (!QDir().mkpath(folder)) return false;
    QTemporaryFile probe(WithSlash(folder) + QStringLiteral(".trelvix-XXXXXX"));
    return probe.open();
}

QString MediaFolder() {
    return WithSlash(ProgramDataPath(QStringLiteral("media")));
}

}  // namespace trelvix
