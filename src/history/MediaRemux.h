// A recording the player cannot see whole: one still being written, or one whose writer was
// killed, has no index at its end. A copy with an index plays to its last frame.
#pragma once

#include <QString>

namespace trelvix {

// The duration libavformat finds in the file, in milliseconds; 0 when it cannot tell.
qint64 ProbeDurationMs(const QString& path);
// Copies the streams of `in` into a new MP4 file `out` without encoding again.
bool RemuxCopy(const QString& in, const QString& out);

}  // namespace trelvix
