// Settings read as the program's start-up reads them: published until the window or host that
// takes them over publishes them itself.
#pragma once

#include <QString>
#include <memory>

#include "config/Option.h"
#include "host/SettingsInForce.h"

namespace trelvix::test {

class StartupSettings {
public:
    ~StartupSettings() { Drop(); }
    Option& Load(const QString& ini) {
        Drop();
        option_ = std::make_unique<Option>(ini);
        PublishSettings(option_.get());
        return *option_;
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
