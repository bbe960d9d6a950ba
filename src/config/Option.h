// The one global settings object: the INI file, "config.bin", "device.bin", the device lists,
// the camera array and the language module.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "config/Language.h"
#include "history/EventLog.h"

namespace trelvix {

class UsbCamera;

class Option {
public:
    // Lists the capture devices: identifiers and friendly names, in the same order.
    using DeviceEnumerator = std::function<void(QStringList* ids, QStringList* names)>;
    // Starts a program without a shell; tests replace it so nothing is really shut down.
    using CommandRunner = std::function<bool(const QString& program, const QStringList& args)>;
    // Shows the password prompt; true when the entry matched `password`.
    using PasswordPrompt = std::function<bool(QObject* owner, const QString& password)>;

    explicit Option(const QString& iniPath);
    ~Option();
    Option(const Option&) = delete;
    Option& operator=(const Option&) = delete;

    bool LoadSettings();
    bool SaveSettings();
    void LoadExcludedDevices();
    bool SaveExcludedDevices();
    void BuildDeviceList();
    void SelectSystemLanguage();
    bool UpdateStartupShortcut();
    UsbCamera* FindCameraByDeviceId(const QString& id) const;
    bool GridChanged() const { return requestedRows != gridRows || requestedCols != gridCols; }

    bool LoadLanguageModule(int index);
    QString LanguageText(int id) const;

    // Event log (appends run on the UI thread only).
    bool AppendLogRecord(const EventLogRecord& record) const;
    QString LogFileName(const QDate& date) const;
    void LoadLogDay(LogDayModel* view, int filter, const QDate& date) const;
    QString SelectedLogFile(const LogDayModel& view) const;
    QString LogFileOfRow(const LogDayModel& view, int index) const;

    // Housekeeping.
    bool IsPowerOffTime() const;
    void RunShutdownCommand() const;
    void DailyRetention();
    // Deletes the camera's day folders dated before `cutoff`.
    void PurgeOldDays(UsbCamera* camera, const QDate& cutoff);
    // Deletes the files of one folder (never one being recorded) and then the folder.
    bool DeleteFolderFiles(const QString& path);
    // Frees space on each camera's recording drive that is below the limit, oldest first;
    // true while some drive is still below it.
    bool DiskCleanup();
    // Whether `path` lies inside one of the program's own folders (the user folder, the log
    // folder, a camera's picture or video root): only such files are deleted for a log entry.
    bool IsProgramFile(const QString& path) const;
    // Deletes the file a log entry names when it exists and is the program's own.
    bool DeleteLoggedFile(const QString& path) const;
    // A file the writer is recording into: never deleted.
    bool FileInUse(const QString& path) const;
    // The camera's numbered folder under its video root, ending in "/".
    static QString CameraFolder(const UsbCamera* camera);
    // The camera's day folders: names sorted as the clean-up walks them, with their dates.
    static QList<QPair<QString, QDate>> DayFolders(const QString& cameraFolder);

    // Access password: true when the operator may go on (no prompt while protection is off).
    bool CheckAccess(QObject* owner) const;

    int cellCount() const { return gridRows * gridCols; }
    UsbCamera* camera(int cell) const;
    QString userFolder() const { return userFolder_; }
    QString startupShortcutPath() const;

    static void SetDeviceEnumerator(DeviceEnumerator enumerator);
    static void SetCommandRunner(CommandRunner runner);
    static void SetPasswordPrompt(PasswordPrompt prompt);

    // Members, in the order of the settings table.
    std::unique_ptr<LanguageModule> languageModule;
    int languageIndex = 9999;
    QString iniPath;
    QString mediaFolder;
    QStringList excludedDevices;
    QStringList allDeviceIds;
    QStringList allDeviceNames;
    QStringList deviceIds;
    QStringList deviceNames;
    int deviceCount = 0;
    std::vector<std::unique_ptr<UsbCamera>> cameras;
    QString topWindow = QStringLiteral("False");
    QString startWithComputer = QStringLiteral("True");
    bool minimizeToTray = false;
    QString applyToAll = QStringLiteral("False");
    QString powerOff = QStringLiteral("False");
    QString powerOffDaily = QStringLiteral("False");
    QString powerOffDay;
    QString powerOffTime = QStringLiteral("00:00:00");
    uint8_t passwordOn = 0;
    uint8_t configPad = 0;  // the byte after passwordOn, written back as read
    QString password;
    std::array<uint8_t, 66> configReserved{};
    QString LogPath;
    int gridRows = 1;
    int gridCols = 1;
    int requestedRows = 1;
    int requestedCols = 1;
    int diskSpaceLimitMB = 500;
    int historyDays = 7;
    QDateTime lastCleanupDate;
    bool deviceListChanged = false;

    static constexpr int kConfigBinSize = 108;
    static constexpr int kPasswordUnits = 20;

    // The 108-byte image of "config.bin", and its reader (false, nothing changed, when short).
    QByteArray ConfigBlock() const;
    bool ReadConfigBlock(const QByteArray& block);

private:
    QString userFolder_;
};

// The program's one settings object; null before start-up and after exit.
extern Option* gOption;

// LanguageText of the global settings; empty when there are none.
QString LanguageText(int id);

}  // namespace trelvix
