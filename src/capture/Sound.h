// The shutter and motion sounds: looked up on any thread, played on the UI thread.
#pragma once

#include <QString>
#include <functional>

namespace trelvix {

class GlobalSettings;

// The settings whose media folder holds the sounds; the user folder's own until the host sets
// them.
void SetSoundSettings(const GlobalSettings* settings);
// The file a sound name stands for: a name without a folder lies in the sound folder.
QString SoundFilePath(const QString& name);
// Plays the file without waiting; false for an empty name or a missing file.
bool PlaySoundFile(const QString& name);
// Tests see what would be played instead of hearing it; empty restores the player.
void SetSoundPlayerForTesting(std::function<void(const QString& path)> player);

}  // namespace trelvix
