#include "config/GlobalSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstring>

#include "common/Clock.h"
#include "common/Files.h"
#include "common/Process.h"
#include "common/TextConv.h"
#include "config/Folders.h"
#include "config/IniFile.h"
#include "config/Language.h"
#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

const QString kSection = QStringLiteral("Settings");

QString ReadText(const IniFile& ini, const char* key, const QString& def) {
    return ini.Value(kSection, QLatin1String(key)).value_or(def);
}

int ReadInt(const IniFile& ini, const char* key, int def) {
    return TextToInt(ReadText(ini, key, QString())).value_or(def);
}

bool ReadBool(const IniFile& ini, const char* key, bool def) {
    return TextToBool(ReadText(ini, key, QString())).value_or(def);
}

void Write(IniFile& ini, const char* key, const QString& value) {
    ini.SetValue(kSection, QLatin1String(key), value);
}

}  // namespace

GlobalSettings::GlobalSettings(const QString& path)
    : iniPath(path), userFolder_(WithSlash(QFileInfo(path).absolutePath())) {
    mediaFolder = MediaFolder();
    lastCleanupDate = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
}

bool GlobalSettings::LoadSettings() {
    IniFile ini;
    const bool readable = ini.Load(iniPath);
    startWithComputer = ReadBool(ini, "start_powon", true);
    topWindow = ReadBool(ini, "TopWindow", false);
    minimizeToTray = ReadBool(ini, "systray", false);
    applyToAll = ReadBool(ini, "AppToAll", false);
    powerOff = ReadBool(ini, "PowerOff", false);
    powerOffDaily = ReadBool(ini, "PowerOff_daily", false);
    powerOffDay = ReadText(ini, "PowerOff_day", DateToShortText(Now().date()));
    powerOffTime = ReadText(ini, "PowerOff_time", QStringLiteral("00:00:00"));

    QByteArray block;
    if (ReadFileLimited(userFolder_ + QStringLiteral("config.bin"), kConfigBinSize, &block))
        ReadConfigBlock(block);

    LogPath = ReadText(ini, "LogPath", userFolder_ + QStringLiteral("log/"));
    if (LogPath.isEmpty() || !QDir(LogPath).exists()) LogPath = userFolder_;
    LogPath = WithSlash(LogPath);
    if (!QDir(LogPath).exists()) QDir().mkdir(LogPath);

    // Fewer than one day would delete today's log and pictures.
    historyDays = std::max(1, ReadInt(ini, "historyDays", 7));
    gridRows = std::clamp(ReadInt(ini, "CameraRows", 1), 1, kMaxGridSide);
    gridCols = std::clamp(ReadInt(ini, "CameraCols", 1), 1, kMaxGridSide);
    requestedRows = gridRows;
    requestedCols = gridCols;
    diskSpaceLimitMB = ReadInt(ini, "diskspaceLimited", 500);
    languageIndex = ReadInt(ini, "Lang", 9999);
    if (languageIndex == 9999) SelectSystemLanguage();
    return readable;
}

bool GlobalSettings::ReadConfigBlock(const QByteArray& block) {
    if (block.size() < kConfigBinSize) return false;
    const auto* b = reinterpret_cast<const uint8_t*>(block.constData());
    passwordOn = b[0];
    configPad = b[1];
    char16_t units[kPasswordUnits];
    std::memcpy(units, b + 2, sizeof units);
    int n = 0;
    while (n < kPasswordUnits - 1 && units[n] != 0) ++n;
    // Taken unit by unit: a decoder would read a leading byte-order mark as one and drop or
    // swap it, and the password saved back would differ.
    password = QString(reinterpret_cast<const QChar*>(units), n);
    std::memcpy(configReserved.data(), b + 42, configReserved.size());
    return true;
}

QByteArray GlobalSettings::ConfigBlock() const {
    QByteArray block(kConfigBinSize, '\0');
    auto* b = reinterpret_cast<uint8_t*>(block.data());
    b[0] = passwordOn;
    b[1] = configPad;
    const QString pw = password.left(kPasswordUnits - 1);
    std::memcpy(b + 2, pw.utf16(), size_t(pw.size()) * 2);
    std::memcpy(b + 42, configReserved.data(), configReserved.size());
    return block;
}

bool GlobalSettings::SaveSettings() {
    // Lines the program does not know stay; an unreadable file is not replaced by a new one.
    IniFile ini;
    if (!ini.Load(iniPath)) return false;
    Write(ini, "TopWindow", BoolToText(topWindow));
    Write(ini, "start_powon", BoolToText(startWithComputer));
    Write(ini, "AppToAll", BoolToText(applyToAll));
    UpdateStartupShortcut();
    Write(ini, "PowerOff", BoolToText(powerOff));
    Write(ini, "PowerOff_daily", BoolToText(powerOffDaily));
    Write(ini, "PowerOff_day", powerOffDay);
    Write(ini, "PowerOff_time", powerOffTime);
    Write(ini, "systray", BoolToText(minimizeToTray));
    Write(ini, "LogPath", LogPath);
    Write(ini, "historyDays", QString::number(historyDays));
    const bool configOk =
        WriteFileAtomically(userFolder_ + QStringLiteral("config.bin"), ConfigBlock(), true);
    Write(ini, "CameraRows", QString::number(requestedRows));
    Write(ini, "CameraCols", QString::number(requestedCols));
    Write(ini, "diskspaceLimited", QString::number(diskSpaceLimitMB));
    Write(ini, "Lang", QString::number(languageIndex));
    return ini.Save(iniPath) && configOk;
}

void GlobalSettings::SelectSystemLanguage() {
    const QLocale system = QLocale::system();
    languageIndex =
        LanguageIndexForLangId(WindowsLanguageId(system.language(), system.territory()));
}

QString GlobalSettings::startupShortcutPath() const {
    return WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) +
           QStringLiteral("autostart/Trelvix.desktop");
}

namespace {
// The program an autostart entry starts, as its Exec line names it; empty when it names none.
QString AutostartProgram(const QString& path) {
    QByteArray data;
    if (!ReadFileLimited(path, 64 * 1024, &data)) return QString();
    for (const QString& line : QString::fromUtf8(data).split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("Exec="))) continue;
        const QStringList args = QProcess::splitCommand(line.mid(5).trimmed());
        return args.isEmpty() ? QString() : args.first();
    }
    return QString();
}

// An entry left behind by a program that moved or was removed starts nothing; one the user
// edited to start something that exists stays as it is.
bool AutostartEntryIsStale(const QString& path) {
    const QString program = AutostartProgram(path);
    return QFileInfo(program).isAbsolute() && !QFileInfo(program).isExecutable();
}
}  // namespace

bool GlobalSettings::UpdateStartupShortcut() {
    const QString path = startupShortcutPath();
    if (!startWithComputer) return QFile::exists(path) ? QFile::remove(path) : true;
    if (QFile::exists(path) && !AutostartEntryIsStale(path)) return true;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString program = QCoreApplication::applicationFilePath();
    QString exe = program;
    exe.replace(QLatin1String("\\"), QLatin1String("\\\\"))
        .replace(QLatin1String("\""), QLatin1String("\\\""));
    // TryExec: once the program is removed, the session skips the entry instead of failing.
    const QString entry = QStringLiteral(
                              "[Desktop Entry]\nType=Application\nName=Trelvix\n"
                              "Comment=Start the camera surveillance with the session\n"
                              "TryExec=%2\nExec=\"%1\"\nIcon=org.trelvix.Trelvix\n"
                              "Terminal=false\nX-GNOME-Autostart-enabled=true\n")
                              .arg(exe, program);
    return WriteFileAtomically(path, entry.toUtf8(), false);
}

bool GlobalSettings::PasswordEntriesAccepted(const QString& first, const QString& second) {
    return first == second && !first.trimmed().isEmpty();
}

bool GlobalSettings::IsPowerOffTime() const {
    if (!powerOff) return false;
    const QDateTime now = Now();
    if (!powerOffDaily && ShortTextToDate(powerOffDay) != now.date()) return false;
    const QTime at = LongTextToTime(powerOffTime);
    if (!at.isValid()) return false;
    const int nowMs = now.time().msecsSinceStartOfDay();
    const int atMs = at.msecsSinceStartOfDay();
    return nowMs <= atMs && atMs <= nowMs + 60 * 1000;
}

void GlobalSettings::RunShutdownCommand() const {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("shutdown"));
    if (program.isEmpty()) return;
    const QStringList args = {QStringLiteral("-P"), QStringLiteral("+1"),
                              LanguageText(text::kTheSurveillanceProgramHasClosedThe)};
    StartProgram(program, args);
}

}  // namespace trelvix
