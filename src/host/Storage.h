// What the program deletes on its own, and the rule that keeps it to its own files: the daily
// retention, the disk clean-up and the deletion of a log entry's file.
#pragma once

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <memory>
#include <vector>

namespace trelvix {

class UsbCamera;
using CameraList = std::vector<std::unique_ptr<UsbCamera>>;

class Storage {
public:
    // Works on the cameras of the grid, as the host holds them at the time of each call.
    explicit Storage(const CameraList& cameras) : cameras_(cameras) {}

    // Deletes the log files and each camera's day folders older than the history days, and
    // logs the clean-up when there is a camera.
    void DailyRetention();
    // Deletes the camera's day folders dated before `cutoff`.
    void PurgeOldDays(const UsbCamera* camera, const QDate& cutoff);
    // Deletes the files of one folder (never one being recorded) and then the folder.
    bool DeleteFolderFiles(const QString& path) const;
    // Frees space on each camera's recording drive that is below the limit, oldest first;
    // true while some drive is still below it.
    bool DiskCleanup();
    // Whether `path` lies inside one of the program's own folders (the user folder, the log
    // folder, a camera's picture or video root): only such files are deleted for a log entry.
    bool IsProgramFile(const QString& path) const;
    // Deletes the picture or video a log entry names when it is the program's own.
    bool DeleteLoggedFile(const QString& path) const;
    // A file the writer is recording into: never deleted.
    bool FileInUse(const QString& path) const;
    // Deletes the broadcast copies that were not to be kept and that no running broadcast
    // writes (a crash left them); the number deleted.
    int RemoveUnkeptBroadcastCopies() const;

    // The camera's numbered folder under its video root, ending in "/".
    static QString CameraFolder(const UsbCamera* camera);
    // The camera's day folders: names sorted as the clean-up walks them, with their dates.
    static QList<QPair<QString, QDate>> DayFolders(const QString& cameraFolder);

private:
    // Deletes today's files of one folder only until the drive has enough; true when it has.
    bool TrimToday(const QString& day, const QString& video, qint64 limitMB) const;

    const CameraList& cameras_;
};

}  // namespace trelvix
