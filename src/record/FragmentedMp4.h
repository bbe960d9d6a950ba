// What every recording file shares, whatever fills it: a fragmented MP4 whose fragments last at
// most a second and are flushed at once, so a killed process loses only the last second, and a
// failed write is cut back to the last whole fragment.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

struct AVFormatContext;

namespace trelvix {

struct FragmentState {
    int64_t headerEnd = 0;  // where the file's first fragment begins
    int64_t lastGood = 0;   // the end of what was written whole
    bool headerWritten = false;
    bool failed = false;

    bool Fail() {
        failed = true;
        return false;
    }
    // Whether a fragment is on the disk.
    bool OnDisk() const { return !failed && lastGood > headerEnd; }
};

// Opens `path` for `fmt` (its streams made already), stamped with `start`, and writes the
// header.
bool BeginFragmentedFile(AVFormatContext* fmt, const QString& path, const QDateTime& start,
                         FragmentState* s);
// After a write: the file is whole up to where it ends now. False (and failed) on an error.
bool FlushFragment(AVFormatContext* fmt, FragmentState* s);
// Writes the trailer unless something failed, closes and frees `fmt`; after a failure the file
// ends with its last whole fragment. False when anything failed.
bool EndFragmentedFile(AVFormatContext** fmt, const QString& path, FragmentState* s);

}  // namespace trelvix
