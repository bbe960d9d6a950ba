#include "config/BroadcastAccess.h"

#include <atomic>

#include "common/TextConv.h"
#include "config/Cdataclass.h"
#include "config/Folders.h"
#include "config/GlobalSettings.h"
#include "config/IniFile.h"

namespace trelvix {

namespace {
const QString kSection = QStringLiteral("Broadcast");

QString Key(const char* name, int camera) {
    return QLatin1String(name) + QString::number(camera);
}

std::atomic<const GlobalSettings*> accessSettings{nullptr};
}  // namespace

void SetBroadcastAccessSettings(const GlobalSettings* settings) {
    accessSettings = settings;
}

QString BroadcastAccessIniPath() {
    const GlobalSettings* settings = accessSettings;
    return settings ? settings->iniPath : UserFolder() + QStringLiteral("kvCamera.ini");
}

void LoadBroadcastAccess(CDataClass& record) {
    IniFile ini;
    ini.Load(BroadcastAccessIniPath());
    const int camera = record.cameraId;
    record.broadcastPassword.set(ini.Value(kSection, Key("Password", camera)).value_or(QString()));
    const auto local =
        TextToBool(ini.Value(kSection, Key("LocalOnly", camera)).value_or(QString()));
    StoreLive(record.broadcastLocalOnly, uint8_t(local.value_or(false) ? 1 : 0));
}

bool SaveBroadcastAccess(const CDataClass& record) {
    const QString path = BroadcastAccessIniPath();
    IniFile ini;
    // An unreadable file is not replaced by one that holds only these keys.
    if (!ini.Load(path)) return false;
    const int camera = record.cameraId;
    const QString password = record.broadcastPassword.get();
    const bool local = Live(record.broadcastLocalOnly) != 0;
    const QString storedLocal = ini.Value(kSection, Key("LocalOnly", camera)).value_or(QString());
    // An open broadcast on every address leaves a file without the keys as it is.
    if (ini.Value(kSection, Key("Password", camera)).value_or(QString()) == password &&
        TextToBool(storedLocal).value_or(false) == local)
        return true;
    // Quoted, so spaces at its ends survive the reading, which trims values.
    ini.SetValue(kSection, Key("Password", camera),
                 password.isEmpty() ? password : QLatin1Char('"') + password + QLatin1Char('"'));
    ini.SetValue(kSection, Key("LocalOnly", camera), BoolToText(local));
    return ini.Save(path);
}

}  // namespace trelvix
