// The one global settings object: the program-wide settings, the device list and the
// language module, reached through one global pointer.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "config/DeviceList.h"
#include "config/GlobalSettings.h"
#include "config/Language.h"

namespace trelvix {

class Option : public GlobalSettings, public DeviceList {
public:
    // Starts a program without a shell; tests replace it so nothing is really shut down.
    using CommandRunner = std::function<bool(const QString& program, const QStringList& args)>;
    // Shows the password prompt; true when the entry matched `password`.
    using PasswordPrompt = std::function<bool(QObject* owner, const QString& password)>;

    // Reads the settings, loads the language module and builds the device list.
    explicit Option(const QString& iniPath);
    // Saves the settings and the exclusions.
    ~Option();
    Option(const Option&) = delete;
    Option& operator=(const Option&) = delete;

    void BuildDeviceList() { DeviceList::BuildDeviceList(cellCount()); }
    bool LoadLanguageModule(int index);
    QString LanguageText(int id) const;
    // Access password: true when the operator may go on (no prompt while protection is off).
    bool CheckAccess(QObject* owner) const;

    static void SetCommandRunner(CommandRunner runner);
    static void SetPasswordPrompt(PasswordPrompt prompt);

    std::unique_ptr<LanguageModule> languageModule;
};

// The settings the windows read: the camera host's, published by PublishSettings (host/); null
// before start-up and after exit. The engine below the host never reads it.
extern Option* gOption;

}  // namespace trelvix
