// The INI reader and the settings read from it: any bytes load, and what is saved loads back
// to the same values.
#include "config/GlobalSettings.h"
#include "config/IniFile.h"
#include "fuzz/FuzzSupport.h"

using namespace trelvix;
using namespace trelvix::fuzz;

namespace {

bool SameValues(const GlobalSettings& a, const GlobalSettings& b) {
    return a.languageIndex == b.languageIndex && a.topWindow == b.topWindow &&
           a.startWithComputer == b.startWithComputer && a.minimizeToTray == b.minimizeToTray &&
           a.applyToAll == b.applyToAll && a.powerOff == b.powerOff &&
           a.powerOffDaily == b.powerOffDaily && a.powerOffDay == b.powerOffDay &&
           a.powerOffTime == b.powerOffTime && a.LogPath == b.LogPath && a.gridRows == b.gridRows &&
           a.gridCols == b.gridCols && a.historyDays == b.historyDays &&
           a.mediaFolder == b.mediaFolder;
}

}  // namespace

TRELVIX_FUZZ_INIT(false)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    IniFile ini;
    ini.Parse(bytes);
    const QByteArray once = ini.Serialize();
    IniFile again;
    again.Parse(once);
    FUZZ_CHECK(again.Serialize() == once);

    const QString path = Scratch() + "/ini/kvCamera.ini";
    QDir().mkpath(Scratch() + "/ini");
    QFile::remove(Scratch() + "/ini/config.bin");
    WriteFile(path, bytes);
    GlobalSettings first(path);
    first.LoadSettings();
    FUZZ_CHECK(first.gridRows >= 1 && first.gridRows <= 8 && first.historyDays >= 1);
    FUZZ_CHECK(first.SaveSettings());
    GlobalSettings second(path);
    second.LoadSettings();
    FUZZ_CHECK(SameValues(first, second));
    return 0;
}
