// Settings read as the program's start-up reads them: published until the window or host that
// takes them over publishes them itself.
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

#include "config/Option.h"
#include "host/SettingsInForce.h"

namespace trelvix::test {

// The grid a start-up reads from `ini`.
inline void WriteGrid(const QString& ini, int rows, int cols) {
    QSettings s(ini, QSettings::IniFormat);
    s.setValue("Settings/CameraRows", QString::number(rows));
    s.setValue("Settings/CameraCols", QString::number(cols));
}

class StartupSettings {
public:
    ~StartupSettings() { Drop(); }
    Option& Load(const QString& ini) {
        Drop();
        option_ = std::make_unique<Option>(ini);
        PublishSettings(option_.get());
        return *option_;
    }
    // A start-up that finds the devices `ids`, each named as its identifier.
    Option& LoadWithDevices(const QString& ini, const QStringList& ids) {
        Option::SetDeviceEnumerator([ids](QStringList* i, QStringList* n) { *i = *n = ids; });
        Option& loaded = Load(ini);
        Option::SetDeviceEnumerator(nullptr);
        return loaded;
    }
    std::unique_ptr<Option> Take() { return std::move(option_); }
    // Saves and withdraws them; harmless once taken.
    void Drop() {
        if (!option_) return;
        PublishSettings(nullptr);
        option_.reset();
    }

private:
    std::unique_ptr<Option> option_;
};

}  // namespace trelvix::test
