// The program-wide settings: the INI file's "Settings" section and the password file
// "config.bin", and the start-with-session entry they control.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>

namespace trelvix {

class GlobalSettings {
public:
    // Reads nothing yet; the user folder is the INI file's folder.
    explicit GlobalSettings(const QString& iniPath);

    bool LoadSettings();
    bool SaveSettings();
    void SelectSystemLanguage();
    // Creates or removes the session's autostart entry as `startWithComputer` says.
    bool UpdateStartupShortcut();
    QString startupShortcutPath() const;
    bool GridChanged() const { return requestedRows != gridRows || requestedCols != gridCols; }
    int cellCount() const { return gridRows * gridCols; }
    QString userFolder() const { return userFolder_; }

    // The access password's two entries are accepted when equal and not blank; the password is
    // then the first as typed.
    static bool PasswordEntriesAccepted(const QString& first, const QString& second);

    // Scheduled power-off: whether the time has come, and the system's shutdown.
    bool IsPowerOffTime() const;
    void RunShutdownCommand() const;

    // The 108-byte image of "config.bin", and its reader (false, nothing changed, when short).
    QByteArray ConfigBlock() const;
    bool ReadConfigBlock(const QByteArray& block);

    static constexpr int kConfigBinSize = 108;
    // More cells a side than a screen can show are a damaged file, not a wish.
    static constexpr int kMaxGridSide = 8;
    static constexpr int kPasswordUnits = 20;

    // Members, in the order of the settings table. Switches are read once from their
    // "True"/"False" texts; a text that is no boolean counts as missing.
    int languageIndex = 9999;
    QString iniPath;
    QString mediaFolder;
    bool topWindow = false;
    bool startWithComputer = true;
    bool minimizeToTray = false;
    bool applyToAll = false;
    bool powerOff = false;
    bool powerOffDaily = false;
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

protected:
    QString userFolder_;
};

}  // namespace trelvix
