#include "config/Option.h"

#include <QGuiApplication>
#include <mutex>

#include "common/Process.h"

namespace trelvix {

Option* gOption = nullptr;

namespace {
std::mutex promptMutex;
Option::PasswordPrompt passwordPrompt;
}  // namespace

Option::Option(const QString& path)
    : GlobalSettings(path),
      DeviceList(userFolder_),
      languageModule(std::make_unique<LanguageModule>()) {
    LoadSettings();
    LoadLanguageModule(languageIndex);
    LoadExcludedDevices();
    netCams.Load();
    BuildDeviceList();
}

Option::~Option() {
    SaveExcludedDevices();
    SaveSettings();
}

bool Option::LoadLanguageModule(int index) {
    const bool loaded = languageModule->Load(index);
    // Windows take the application's direction; Qt does not take it from a translator that is
    // read directly instead of installed.
    if (qGuiApp) QGuiApplication::setLayoutDirection(languageModule->Direction());
    return loaded;
}

QString Option::LanguageText(int id) const {
    return languageModule->Text(id);
}

bool Option::CheckAccess(QObject* owner) const {
    if (passwordOn == 0) return true;
    PasswordPrompt prompt;
    {
        std::lock_guard lock(promptMutex);
        prompt = passwordPrompt;
    }
    return prompt ? prompt(owner, password) : false;
}

void Option::SetCommandRunner(CommandRunner r) {
    SetProgramRunner(std::move(r));
}

void Option::SetPasswordPrompt(PasswordPrompt p) {
    std::lock_guard lock(promptMutex);
    passwordPrompt = std::move(p);
}

}  // namespace trelvix
