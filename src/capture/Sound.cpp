#include "capture/Sound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <atomic>
#include <mutex>

#include "config/Folders.h"
#include "config/GlobalSettings.h"

namespace trelvix {

namespace {

std::atomic<const GlobalSettings*> soundSettings{nullptr};
std::mutex playerMutex;
std::function<void(const QString&)> testPlayer;

void PlayOnUiThread(const QString& path) {
    // One effect per file, kept for the program's life: a sound may still be playing.
    static QHash<QString, QSoundEffect*> effects;
    QSoundEffect*& effect = effects[path];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play();
}

}  // namespace

void SetSoundSettings(const GlobalSettings* settings) {
    soundSettings = settings;
}

QString SoundFilePath(const QString& name) {
    if (name.contains(QLatin1Char('/'))) return name;
    const GlobalSettings* settings = soundSettings;
    const QString folder = settings ? settings->mediaFolder : MediaFolder();
    return folder + name;
}

bool PlaySoundFile(const QString& name) {
    if (name.isEmpty()) return false;
    const QString path = SoundFilePath(name);
    if (!QFileInfo(path).isFile()) return false;
    {
        std::lock_guard lock(playerMutex);
        if (testPlayer) {
            testPlayer(path);
            return true;
        }
    }
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    if (QThread::currentThread() == app->thread())
        PlayOnUiThread(path);
    else
        QMetaObject::invokeMethod(
            app, [path] { PlayOnUiThread(path); }, Qt::QueuedConnection);
    return true;
}

void SetSoundPlayerForTesting(std::function<void(const QString&)> player) {
    std::lock_guard lock(playerMutex);
    testPlayer = std::move(player);
}

}  // namespace trelvix
