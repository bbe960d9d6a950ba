// `trelvix --export CAMERA FROM TO FILE`: a clip of a camera's recordings, for scripts.
#pragma once

#include <QStringList>

namespace trelvix {

// Runs the export with the user folder's settings; returns the exit status (0 written,
// 1 nothing recorded or not written, 2 unusable arguments). Messages go to stderr.
int RunExportCommand(const QStringList& args);

}  // namespace trelvix
