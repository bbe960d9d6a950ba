#pragma once

#include <QByteArray>
#include <QString>

namespace trelvix {

// Ends a folder path in "/" unless it already does (an empty path stays empty).
QString WithSlash(const QString& folder);

// Writes through a temporary file renamed over the old one, so a crash never leaves half a
// file. ownerOnly: 0600, for files that hold passwords.
bool WriteFileAtomically(const QString& path, const QByteArray& data, bool ownerOnly);

// Reads at most maxBytes; false when the file cannot be opened.
bool ReadFileLimited(const QString& path, qint64 maxBytes, QByteArray* data);

// The folder of the running executable, ending in "/".
QString ExecutableFolder();

// A file or folder the program ships (a language module, "media"): beside the executable in
// a build tree, otherwise in the installed data folder relative to it ("../share/trelvix/").
// The first that exists; the one beside the executable when neither does.
QString ProgramDataPath(const QString& name, const QString& executableFolder = ExecutableFolder());

}  // namespace trelvix
