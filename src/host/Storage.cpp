#include "host/Storage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "capture/Usbcamera.h"
#include "record/Ymp4.h"
#include "record/Ymp4Copy.h"
#include "common/Clock.h"
#include "common/Files.h"
#include "common/FreeSpace.h"
#include "common/TextConv.h"
#include "config/Option.h"
#include "history/EventLog.h"
#include "history/LogReceiver.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {
bool FreeMB(const QString& path, qint64* mb) {
    qint64 bytes = 0;
    if (!FreeBytes(path, &bytes)) return false;
    *mb = bytes / 1024 / 1024;
    return true;
}
}  // namespace

void Storage::DailyRetention() {
    if (!gOption) return;
    const QDate today = Now().date();
    // At least a day of history: today's log and pictures are never this clean-up's.
    const QDate cutoff = today.addDays(-std::max(1, gOption->historyDays));
    DeleteOldLogFiles(gOption->LogPath, cutoff);
    bool anyCamera = false;
    for (const auto& cam : cameras_) {
        if (!cam) continue;
        anyCamera = true;
        PurgeOldDays(cam.get(), cutoff);
    }
    if (anyCamera) {
        const QString description = LanguageText(text::kHistoryBefore) + QLatin1Char(' ') +
                                    DateToShortText(cutoff) + QLatin1Char(' ') +
                                    LanguageText(text::kWasDeleted);
        PostEventRecord(MakeEventRecord(kEventCleanup, LanguageText(text::kScheduler), QString(),
                                        description, -1, QString(), Now()));
    }
    gOption->lastCleanupDate = QDateTime(today, QTime(0, 0));
}

QString Storage::CameraFolder(const UsbCamera* camera) {
    return WithSlash(camera->settings->videoFolder) +
           QString::asprintf("%02d/", camera->cameraId());
}

QList<QPair<QString, QDate>> Storage::DayFolders(const QString& cameraFolder) {
    QStringList names =
        QDir(cameraFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QList<QPair<QString, QDate>> days;
    for (const QString& name : names) {
        // Only the folders the program makes: eight digits of a date, then "Image" or "Video".
        const QString rest = name.mid(8);
        if (rest.compare(QLatin1String("Image"), Qt::CaseInsensitive) != 0 &&
            rest.compare(QLatin1String("Video"), Qt::CaseInsensitive) != 0 && !rest.isEmpty())
            continue;
        bool okY = false, okM = false, okD = false;
        const QDate date(name.mid(0, 4).toInt(&okY), name.mid(4, 2).toInt(&okM),
                         name.mid(6, 2).toInt(&okD));
        const bool digits =
            std::all_of(name.begin(), name.begin() + std::min<qsizetype>(8, name.size()),
                        [](QChar c) { return c.isDigit(); });
        if (name.size() < 8 || !digits || !okY || !okM || !okD || !date.isValid()) continue;
        days.append({name, date});
    }
    return days;
}

void Storage::PurgeOldDays(const UsbCamera* camera, const QDate& cutoff) {
    const QString folder = CameraFolder(camera);
    for (const auto& [name, date] : DayFolders(folder)) {
        if (date >= cutoff) break;
        DeleteFolderFiles(folder + name);
    }
}

bool Storage::IsProgramFile(const QString& path) const {
    const QFileInfo info(path);
    // The real place of the file: links and ".." cannot lead out of the folders.
    const QString file = info.canonicalFilePath();
    if (file.isEmpty() || !info.isFile() || !gOption) return false;
    QStringList roots = {gOption->userFolder(), gOption->LogPath};
    for (const auto& cam : cameras_)
        if (cam) roots << cam->settings->imageFolder.get() << cam->settings->videoFolder.get();
    for (const QString& root : roots) {
        const QString dir = QFileInfo(root).canonicalFilePath();
        if (!dir.isEmpty() && file.startsWith(WithSlash(dir))) return true;
    }
    return false;
}

bool Storage::DeleteLoggedFile(const QString& path) const {
    // Only what the cameras make: the program's settings, modules, sounds and logs stay,
    // whatever a log line names.
    static const QStringList made = {QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                     QStringLiteral("bmp"), QStringLiteral("mp4"),
                                     QStringLiteral("wmv"), QStringLiteral("asf")};
    if (!made.contains(QFileInfo(path).suffix().toLower())) return false;
    if (path.isEmpty() || !IsProgramFile(path) || FileInUse(path)) return false;
    return QFile::remove(path);
}

int Storage::RemoveUnkeptBroadcastCopies() const {
    QStringList owned, folders;
    for (const auto& cam : cameras_) {
        if (!cam) continue;
        if (cam->broadcast().IsBroadcasting())
            owned << QFileInfo(cam->broadcast().broadcastFile()).absoluteFilePath();
        folders << WithSlash(cam->settings->videoFolder);
        for (const auto& day : DayFolders(CameraFolder(cam.get())))
            folders << CameraFolder(cam.get()) + day.first + QLatin1Char('/');
    }
    folders.removeDuplicates();
    int removed = 0;
    for (const QString& folder : folders) {
        const QFileInfoList files =
            QDir(folder).entryInfoList({QStringLiteral("*.wmv")}, QDir::Files);
        for (const QFileInfo& f : files) {
            if (!IsUnkeptBroadcastCopy(f.fileName()) || owned.contains(f.absoluteFilePath()))
                continue;
            removed += QFile::remove(f.absoluteFilePath()) ? 1 : 0;
        }
    }
    return removed;
}

bool Storage::FileInUse(const QString& path) const {
    const QString canonical = QFileInfo(path).absoluteFilePath();
    for (const auto& cam : cameras_) {
        if (!cam) continue;
        for (const QString& current :
             {yMP4CCurrentFile(cam->cameraId()), yMP4CCopyCurrentFile(cam->cameraId())})
            if (!current.isEmpty() && QFileInfo(current).absoluteFilePath() == canonical)
                return true;
    }
    return false;
}

bool Storage::DeleteFolderFiles(const QString& path) const {
    if (path.isEmpty() || path == QLatin1String("0")) return false;
    QDir dir(WithSlash(path));
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString file = dir.filePath(name);
        if (!FileInUse(file)) QFile::remove(file);
    }
    return QDir().rmdir(dir.absolutePath());
}

bool Storage::TrimToday(const QString& day, const QString& video, qint64 limitMB) const {
    QDir dir(day);
    for (const QString& file :
         dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort)) {
        const QString path = dir.filePath(file);
        if (FileInUse(path)) continue;
        QFile::remove(path);
        qint64 mb = 0;
        // Enough: later folders keep all their files.
        if (FreeMB(video, &mb) && mb >= limitMB) return true;
    }
    return false;
}

bool Storage::DiskCleanup() {
    if (!gOption) return false;
    const QDate today = Now().date();
    const qint64 limit = gOption->diskSpaceLimitMB;
    for (const auto& cam : cameras_) {
        if (!cam) continue;
        const QString video = cam->settings->videoFolder;
        qint64 mb = 0;
        if (!FreeMB(video, &mb) || mb >= limit) continue;
        const QString folder = CameraFolder(cam.get());
        for (const auto& [name, date] : DayFolders(folder)) {
            const QString day = folder + name;
            if (date >= today) {
                // Today's recordings go one file at a time, and only as far as needed.
                if (TrimToday(day, video, limit)) break;
                continue;
            }
            DeleteFolderFiles(day);
            const QString log = LogFileName(gOption->LogPath, date);
            if (QFile::exists(log)) QFile::remove(log);
            if (FreeMB(video, &mb) && mb >= limit) break;
        }
    }
    for (const auto& cam : cameras_) {
        qint64 mb = 0;
        if (cam && FreeMB(cam->settings->videoFolder, &mb) && mb < limit) return true;
    }
    return false;
}

}  // namespace trelvix
