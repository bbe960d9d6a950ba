// The shutter and motion sounds: looked up on any thread, played on the UI thread.
#pragma once

#include <QString>
#include <functional>

namespace trelvix {

// The file a sound name stands for: a name without a folder lies in the sound folder.
QString SoundFilePath(const QString& name);
// Plays the file without waiting; false for an empty name or a missing file.
bool PlaySoundFile(const QString& name);
// Tests see what would be played instead of hearing it; empty restores the player.
void SetSoundPlayerForTesting(std::function<void(const QString& path)> player);

}  // namespace trelvix
