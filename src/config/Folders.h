// The program's folder tree: the user folder for settings and (by default) logs and recordings.
#pragma once

#include <QString>
#include <stdexcept>

namespace trelvix {

// Raised by the folder builders; the message is the text the operator sees.
class FolderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "<Documents>/Vantiro Driving Records Files/"; the documents folder is created when missing.
QString UserFolder();
// Creates the user folder (one level) when missing; throws FolderError on failure.
void EnsureUserFolder();

// A folder the daily logs can go into: not empty, not the root folder, and one that exists
// (or can be made) and takes a new file.
bool UsableLogFolder(const QString& folder);

// The folder with the sounds named without a folder: the shipped "media/" (see ProgramDataPath).
QString MediaFolder();

}  // namespace trelvix
