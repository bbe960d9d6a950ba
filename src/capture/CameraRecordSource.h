// A camera's live path as the source of its recording thread.
#pragma once

#include "record/RecordFrameSource.h"

namespace trelvix {

class UsbCamera;

class CameraRecordSource final : public RecordFrameSource {
public:
    explicit CameraRecordSource(UsbCamera& camera) : camera_(camera) {}
    bool Delivering() const override;
    Got TakeNewest(RecordFrame* frame) override;
    void Stamp(RecordFrame& frame, bool isNew) override;
    void WantFrames(bool wanted) override;

private:
    UsbCamera& camera_;
};

}  // namespace trelvix
