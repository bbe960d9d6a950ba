// What kind of media a file name stands for, from its extension alone.
#pragma once

#include <QString>

namespace trelvix {

class CFileFilter {
public:
    enum Kind {
        kImage = 0,
        kAudio = 1,
        kVideo = 2,
        kFlash = 3,
        kDocument = 4,
        kProgram = 5,
        kOther = 6,
        kNone = 7
    };
    // The kind of `fileName` (a full path or a bare name); it never opens the file.
    int Classify(const QString& fileName) const;
};

}  // namespace trelvix
