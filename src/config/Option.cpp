#include "config/Option.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <cstring>
#include <mutex>

#include "app/Messages.h"
#include "capture/Usbcamera.h"
#include "capture/Ymp4.h"
#include "common/FreeSpace.h"
#include "common/Clock.h"
#include "common/Files.h"
#include "common/Process.h"
#include "common/TextConv.h"
#include "config/Folders.h"

namespace trelvix {

Option* gOption = nullptr;

namespace {

std::mutex hooksMutex;
Option::DeviceEnumerator deviceEnumerator;
Option::PasswordPrompt passwordPrompt;

// A settings file far beyond any real one is not read whole.
constexpr qint64 kMaxDeviceFileBytes = 1024 * 1024;

const QString kSection = QStringLiteral("Settings/");

QString ReadText(QSettings& ini, const char* key, const QString& def) {
    const QVariant v = ini.value(kSection + QLatin1String(key));
    if (!v.isValid()) return def;
    // A value with commas comes back as a list; it was one text when written.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

int ReadInt(QSettings& ini, const char* key, int def) {
    return TextToInt(ReadText(ini, key, QString())).value_or(def);
}

}  // namespace

Option::Option(const QString& path) : languageModule(std::make_unique<LanguageModule>()) {
    iniPath = path;
    userFolder_ = WithSlash(QFileInfo(path).absolutePath());
    mediaFolder = MediaFolder();
    historyDays = 7;
    lastCleanupDate = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    LoadSettings();
    LoadLanguageModule(languageIndex);
    deviceCount = 0;
    cameras.resize(size_t(cellCount()));
    LoadExcludedDevices();
    BuildDeviceList();
    yXvidInit(kYmp4Agreed, deviceCount, 0);
    if (!gOption) gOption = this;
}

Option::~Option() {
    SaveExcludedDevices();
    SaveSettings();
    // Each camera saves its own record as it goes.
    for (auto& camera : cameras) camera.reset();
    cameras.clear();
    yXvidUnInt();
    if (gOption == this) gOption = nullptr;
}

bool Option::LoadSettings() {
    QSettings ini(iniPath, QSettings::IniFormat);
    startWithComputer = ReadText(ini, "start_powon", QStringLiteral("True"));
    topWindow = ReadText(ini, "TopWindow", QStringLiteral("False"));
    minimizeToTray = TextToBool(ReadText(ini, "systray", QStringLiteral("False"))).value_or(false);
    applyToAll = ReadText(ini, "AppToAll", QStringLiteral("False"));
    powerOff = ReadText(ini, "PowerOff", QStringLiteral("False"));
    powerOffDaily = ReadText(ini, "PowerOff_daily", QStringLiteral("False"));
    powerOffDay = ReadText(ini, "PowerOff_day", DateToShortText(Now().date()));
    powerOffTime = ReadText(ini, "PowerOff_time", QStringLiteral("00:00:00"));

    QByteArray block;
    if (ReadFileLimited(userFolder_ + QStringLiteral("config.bin"), kConfigBinSize, &block))
        ReadConfigBlock(block);

    LogPath = ReadText(ini, "LogPath", userFolder_ + QStringLiteral("log/"));
    if (LogPath.isEmpty() || !QDir(LogPath).exists()) LogPath = userFolder_;
    LogPath = WithSlash(LogPath);
    if (!QDir(LogPath).exists()) QDir().mkdir(LogPath);

    historyDays = ReadInt(ini, "historyDays", 7);
    gridRows = std::max(1, ReadInt(ini, "CameraRows", 1));
    gridCols = std::max(1, ReadInt(ini, "CameraCols", 1));
    requestedRows = gridRows;
    requestedCols = gridCols;
    diskSpaceLimitMB = ReadInt(ini, "diskspaceLimited", 500);
    languageIndex = ReadInt(ini, "Lang", 9999);
    if (languageIndex == 9999) SelectSystemLanguage();
    return ini.status() == QSettings::NoError;
}

bool Option::ReadConfigBlock(const QByteArray& block) {
    if (block.size() < kConfigBinSize) return false;
    const auto* b = reinterpret_cast<const uint8_t*>(block.constData());
    passwordOn = b[0];
    configPad = b[1];
    char16_t units[kPasswordUnits];
    std::memcpy(units, b + 2, sizeof units);
    int n = 0;
    while (n < kPasswordUnits - 1 && units[n] != 0) ++n;
    password = QString::fromUtf16(units, n);
    std::memcpy(configReserved.data(), b + 42, configReserved.size());
    return true;
}

QByteArray Option::ConfigBlock() const {
    QByteArray block(kConfigBinSize, '\0');
    auto* b = reinterpret_cast<uint8_t*>(block.data());
    b[0] = passwordOn;
    b[1] = configPad;
    const QString pw = password.left(kPasswordUnits - 1);
    std::memcpy(b + 2, pw.utf16(), size_t(pw.size()) * 2);
    std::memcpy(b + 42, configReserved.data(), configReserved.size());
    return block;
}

bool Option::SaveSettings() {
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.setValue(kSection + "TopWindow", topWindow);
    ini.setValue(kSection + "start_powon", startWithComputer);
    ini.setValue(kSection + "AppToAll", applyToAll);
    UpdateStartupShortcut();
    ini.setValue(kSection + "PowerOff", powerOff);
    ini.setValue(kSection + "PowerOff_daily", powerOffDaily);
    ini.setValue(kSection + "PowerOff_day", powerOffDay);
    ini.setValue(kSection + "PowerOff_time", powerOffTime);
    ini.setValue(kSection + "systray", BoolToText(minimizeToTray));
    ini.setValue(kSection + "LogPath", LogPath);
    ini.setValue(kSection + "historyDays", QString::number(historyDays));
    const bool configOk =
        WriteFileAtomically(userFolder_ + QStringLiteral("config.bin"), ConfigBlock(), true);
    ini.setValue(kSection + "CameraRows", QString::number(requestedRows));
    ini.setValue(kSection + "CameraCols", QString::number(requestedCols));
    ini.setValue(kSection + "diskspaceLimited", QString::number(diskSpaceLimitMB));
    ini.setValue(kSection + "Lang", QString::number(languageIndex));
    ini.sync();
    return configOk && ini.status() == QSettings::NoError;
}

void Option::LoadExcludedDevices() {
    excludedDevices.clear();
    QByteArray bytes;
    if (!ReadFileLimited(userFolder_ + QStringLiteral("device.bin"), kMaxDeviceFileBytes, &bytes))
        return;
    QString text = QString::fromUtf8(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    excludedDevices = text.split(QLatin1Char('\n'));
    if (!excludedDevices.isEmpty() && excludedDevices.last().isEmpty())
        excludedDevices.removeLast();
}

bool Option::SaveExcludedDevices() {
    QByteArray bytes;
    for (const QString& id : excludedDevices) bytes += id.toUtf8() + '\n';
    return WriteFileAtomically(userFolder_ + QStringLiteral("device.bin"), bytes, false);
}

void Option::BuildDeviceList() {
    allDeviceIds.clear();
    allDeviceNames.clear();
    deviceIds.clear();
    deviceNames.clear();
    deviceCount = 0;
    {
        std::lock_guard lock(hooksMutex);
        if (deviceEnumerator) deviceEnumerator(&allDeviceIds, &allDeviceNames);
    }
    for (qsizetype i = 0; i < allDeviceIds.size() && deviceCount < cellCount(); ++i) {
        if (excludedDevices.contains(allDeviceIds[i])) continue;
        ++deviceCount;
        deviceIds.append(allDeviceIds[i]);
        deviceNames.append(i < allDeviceNames.size() ? allDeviceNames[i] : QString());
    }
}

void Option::SelectSystemLanguage() {
    const QLocale system = QLocale::system();
    languageIndex =
        LanguageIndexForLangId(WindowsLanguageId(system.language(), system.territory()));
}

QString Option::startupShortcutPath() const {
    return WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) +
           QStringLiteral("autostart/Trelvix.desktop");
}

bool Option::UpdateStartupShortcut() {
    const QString path = startupShortcutPath();
    if (startWithComputer == QLatin1String("True")) {
        if (QFile::exists(path)) return true;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QString exe = QCoreApplication::applicationFilePath();
        exe.replace(QLatin1String("\\"), QLatin1String("\\\\"))
            .replace(QLatin1String("\""), QLatin1String("\\\""));
        const QString entry = QStringLiteral(
                                  "[Desktop Entry]\nType=Application\nName=Trelvix\n"
                                  "Comment=Start the camera surveillance with the session\n"
                                  "Exec=\"%1\"\nTerminal=false\nX-GNOME-Autostart-enabled=true\n")
                                  .arg(exe);
        return WriteFileAtomically(path, entry.toUtf8(), false);
    }
    if (QFile::exists(path)) return QFile::remove(path);
    return true;
}

UsbCamera* Option::camera(int cell) const {
    if (cell < 0 || size_t(cell) >= cameras.size()) return nullptr;
    return cameras[size_t(cell)].get();
}

UsbCamera* Option::FindCameraByDeviceId(const QString& id) const {
    for (int i = 0; i < cellCount(); ++i) {
        UsbCamera* cam = camera(i);
        if (cam && cam->settings->deviceId.get() == id) return cam;
    }
    return nullptr;
}

bool Option::LoadLanguageModule(int index) {
    return languageModule->Load(index);
}

QString Option::LanguageText(int id) const {
    return languageModule->Text(id);
}

bool Option::AppendLogRecord(const EventLogRecord& record) const {
    return trelvix::AppendLogRecord(LogPath, record);
}

QString Option::LogFileName(const QDate& date) const {
    return trelvix::LogFileName(LogPath, date);
}

void Option::LoadLogDay(LogDayModel* view, int filter, const QDate& date) const {
    trelvix::LoadLogDay(view, LogPath, filter, date);
}

QString Option::SelectedLogFile(const LogDayModel& view) const {
    return trelvix::SelectedLogFile(view);
}

QString Option::LogFileOfRow(const LogDayModel& view, int index) const {
    return trelvix::LogFileOfRow(view, index);
}

bool Option::IsPowerOffTime() const {
    if (!TextToBool(powerOff).value_or(false)) return false;
    const QDateTime now = Now();
    const auto daily = TextToBool(powerOffDaily);
    if (!daily) return false;
    if (!*daily && ShortTextToDate(powerOffDay) != now.date()) return false;
    const QTime at = LongTextToTime(powerOffTime);
    if (!at.isValid()) return false;
    const int nowMs = now.time().msecsSinceStartOfDay();
    const int atMs = at.msecsSinceStartOfDay();
    return nowMs <= atMs && atMs <= nowMs + 60 * 1000;
}

void Option::RunShutdownCommand() const {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("shutdown"));
    if (program.isEmpty()) return;
    const QStringList args = {QStringLiteral("-P"), QStringLiteral("+1"),
                              QStringLiteral("监控程序退出，并在60秒后执行关机。")};
    StartProgram(program, args);
}

void Option::DailyRetention() {
    const QDate today = Now().date();
    const QDate cutoff = today.addDays(-historyDays);
    DeleteOldLogFiles(LogPath, cutoff);
    bool anyCamera = false;
    for (int i = 0; i < cellCount(); ++i) {
        if (UsbCamera* cam = camera(i)) {
            anyCamera = true;
            PurgeOldDays(cam, cutoff);
        }
    }
    if (anyCamera) {
        const QString description = LanguageText(9001) + QLatin1Char(' ') +
                                    DateToShortText(cutoff) + QLatin1Char(' ') + LanguageText(9002);
        PostEventRecord(
            MakeEventRecord(0, LanguageText(3), QString(), description, -1, QString(), Now()));
    }
    lastCleanupDate = QDateTime(today, QTime(0, 0));
}

QString Option::CameraFolder(const UsbCamera* camera) {
    return WithSlash(camera->settings->videoFolder) +
           QString::asprintf("%02d/", camera->cameraId());
}

QList<QPair<QString, QDate>> Option::DayFolders(const QString& cameraFolder) {
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

void Option::PurgeOldDays(UsbCamera* camera, const QDate& cutoff) {
    const QString folder = CameraFolder(camera);
    for (const auto& [name, date] : DayFolders(folder)) {
        if (date >= cutoff) break;
        DeleteFolderFiles(folder + name);
    }
}

bool Option::IsProgramFile(const QString& path) const {
    const QFileInfo info(path);
    // The real place of the file: links and ".." cannot lead out of the folders.
    const QString file = info.canonicalFilePath();
    if (file.isEmpty() || !info.isFile()) return false;
    QStringList roots = {userFolder_, LogPath};
    for (int i = 0; i < cellCount(); ++i) {
        if (UsbCamera* cam = camera(i)) {
            roots << cam->settings->imageFolder.get() << cam->settings->videoFolder.get();
        }
    }
    for (const QString& root : roots) {
        const QString dir = QFileInfo(root).canonicalFilePath();
        if (!dir.isEmpty() && file.startsWith(WithSlash(dir))) return true;
    }
    return false;
}

bool Option::DeleteLoggedFile(const QString& path) const {
    if (path.isEmpty() || !IsProgramFile(path) || FileInUse(path)) return false;
    return QFile::remove(path);
}

bool Option::FileInUse(const QString& path) const {
    const QString canonical = QFileInfo(path).absoluteFilePath();
    for (int i = 0; i < cellCount(); ++i) {
        UsbCamera* cam = camera(i);
        if (!cam) continue;
        const QString current = yMP4CCurrentFile(cam->cameraId());
        if (!current.isEmpty() && QFileInfo(current).absoluteFilePath() == canonical) return true;
    }
    return false;
}

bool Option::DeleteFolderFiles(const QString& path) {
    if (path.isEmpty() || path == QLatin1String("0")) return false;
    QDir dir(WithSlash(path));
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString file = dir.filePath(name);
        if (!FileInUse(file)) QFile::remove(file);
    }
    return QDir().rmdir(dir.absolutePath());
}

bool Option::DiskCleanup() {
    const QDate today = Now().date();
    auto freeMB = [](const QString& path, qint64* mb) {
        qint64 bytes = 0;
        if (!FreeBytes(path, &bytes)) return false;
        *mb = bytes / 1024 / 1024;
        return true;
    };
    const qint64 limit = diskSpaceLimitMB;
    for (int i = 0; i < cellCount(); ++i) {
        UsbCamera* cam = camera(i);
        if (!cam) continue;
        const QString video = cam->settings->videoFolder;
        qint64 mb = 0;
        if (!freeMB(video, &mb) || mb >= limit) continue;
        const QString folder = CameraFolder(cam);
        bool done = false;
        for (const auto& [name, date] : DayFolders(folder)) {
            if (done) break;
            const QString day = folder + name;
            if (date < today) {
                DeleteFolderFiles(day);
                const QString log = LogFileName(date);
                if (QFile::exists(log)) QFile::remove(log);
                if (!freeMB(video, &mb)) continue;
                if (mb >= limit) done = true;
            } else {
                // Today's recordings go one file at a time, and only as far as needed.
                QDir dir(day);
                for (const QString& file :
                     dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort)) {
                    const QString path = dir.filePath(file);
                    if (FileInUse(path)) continue;
                    QFile::remove(path);
                    if (freeMB(video, &mb) && mb >= limit) {
                        // Enough: later folders keep all their files.
                        done = true;
                        break;
                    }
                }
            }
        }
    }
    for (int i = 0; i < cellCount(); ++i) {
        UsbCamera* cam = camera(i);
        qint64 mb = 0;
        if (cam && freeMB(cam->settings->videoFolder, &mb) && mb < limit) return true;
    }
    return false;
}

bool Option::CheckAccess(QObject* owner) const {
    if (passwordOn == 0) return true;
    PasswordPrompt prompt;
    {
        std::lock_guard lock(hooksMutex);
        prompt = passwordPrompt;
    }
    return prompt ? prompt(owner, password) : false;
}

void Option::SetDeviceEnumerator(DeviceEnumerator e) {
    std::lock_guard lock(hooksMutex);
    deviceEnumerator = std::move(e);
}

void Option::SetCommandRunner(CommandRunner r) {
    SetProgramRunner(std::move(r));
}

void Option::SetPasswordPrompt(PasswordPrompt p) {
    std::lock_guard lock(hooksMutex);
    passwordPrompt = std::move(p);
}

QString LanguageText(int id) {
    return gOption ? gOption->LanguageText(id) : QString();
}

}  // namespace trelvix
