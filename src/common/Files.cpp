#include "common/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <unistd.h>

namespace trelvix {

QString WithSlash(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) return folder;
    return folder + QLatin1Char('/');
}

bool WriteFileAtomically(const QString& path, const QByteArray& data, bool ownerOnly) {
    QSaveFile file(path);
    // Unbuffered: a short write (a full disk) shows here, not in a flush whose failure the
    // commit would not notice.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (ownerOnly) file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const bool written = file.write(data) == data.size() && file.error() == QFileDevice::NoError &&
                         ::fsync(file.handle()) == 0;
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool ReadFileLimited(const QString& path, qint64 maxBytes, QByteArray* data) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    *data = file.read(maxBytes);
    return true;
}

QString ExecutableFolder() {
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty()) dir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    return WithSlash(dir);
}

QString ProgramDataPath(const QString& name, const QString& executableFolder) {
    const QString beside = WithSlash(executableFolder) + name;
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = QDir::cleanPath(WithSlash(executableFolder) +
                                              QStringLiteral(TRELVIX_DATA_FROM_BIN "/") + name);
    return QFileInfo::exists(installed) ? installed : beside;
}

}  // namespace trelvix
