#include "common/FreeSpace.h"

#include <sys/statvfs.h>

#include <QDir>
#include <QFileInfo>
#include <mutex>

namespace trelvix {

namespace {
std::mutex queryMutex;
std::function<bool(const QString&, qint64*)> testQuery;
}  // namespace

bool FreeBytes(const QString& path, qint64* bytes) {
    {
        std::lock_guard lock(queryMutex);
        if (testQuery) return testQuery(path, bytes);
    }
    // A folder not made yet is on the volume of its nearest existing parent.
    QFileInfo info(path);
    QString existing = info.absoluteFilePath();
    while (!existing.isEmpty() && !QFileInfo::exists(existing)) {
        const QString parent = QFileInfo(existing).absolutePath();
        if (parent == existing) break;
        existing = parent;
    }
    struct statvfs st {};
    if (existing.isEmpty() || statvfs(QFile::encodeName(existing).constData(), &st) != 0)
        return false;
    *bytes = qint64(st.f_bavail) * qint64(st.f_frsize);
    return true;
}

void SetFreeSpaceQuery(std::function<bool(const QString&, qint64*)> query) {
    std::lock_guard lock(queryMutex);
    testQuery = std::move(query);
}

QString DiskLabelText(qint64 freeBytes, const QString& caption) {
    const qint64 mb = freeBytes / 1024 / 1024;
    if (mb < 1024) return caption + QString::asprintf(" %dM", int(mb));
    if (mb < 1048576) return caption + QString::asprintf(" %dG", int(mb / 1024));
    return caption + QString::asprintf(" %dT", int(mb / 1048576));
}

}  // namespace trelvix
