// What the recording thread needs from a camera, so that it never needs the camera itself.
#pragma once

#include "common/Frame.h"

namespace trelvix {

class RecordFrameSource {
public:
    enum class Got { kNone, kNew, kSame };
    virtual ~RecordFrameSource() = default;

    // Whether frames can come at all (the camera's pipeline runs).
    virtual bool Delivering() const = 0;
    // Hands over the newest frame by exchanging it with `frame`; kSame: none newer since the
    // last hand-over, `frame` still holds that one.
    virtual Got TakeNewest(RecordFrame* frame) = 0;
    // A new frame gets the recording's overlays; one written again only its time.
    virtual void Stamp(RecordFrame& frame, bool isNew) = 0;
    // Whether every delivered frame is kept for the recording (costs a copy a frame).
    virtual void WantFrames(bool wanted) = 0;
};

}  // namespace trelvix
