#pragma once

#include <QDir>
#include <QString>

namespace trelvix::test {

// Points HOME, the XDG folders and the runtime folder at `home`, so the documents and
// autostart folders lie inside it.
inline void SetHome(const QString& home) {
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (home + "/.local/share").toUtf8());
    const QString runtime = home + "/run";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
}

}  // namespace trelvix::test
