#include "capture/CameraRecordSource.h"

#include "capture/Usbcamera.h"

namespace trelvix {

bool CameraRecordSource::Delivering() const {
    return camera_.HasGraph();
}

RecordFrameSource::Got CameraRecordSource::TakeNewest(RecordFrame* frame) {
    switch (camera_.callback.TakeLatestRawFrame(frame)) {
        case CSampleGrabberCB::RawFrame::kNew:
            return Got::kNew;
        case CSampleGrabberCB::RawFrame::kSame:
            return Got::kSame;
        case CSampleGrabberCB::RawFrame::kNone:
            break;
    }
    return Got::kNone;
}

void CameraRecordSource::Stamp(RecordFrame& frame, bool isNew) {
    if (isNew)
        camera_.callback.ProcessRecordFrame(frame);
    else
        camera_.callback.RestampRecordTime(frame);
}

void CameraRecordSource::WantFrames(bool wanted) {
    camera_.callback.SetRawFrameWanted(wanted);
}

}  // namespace trelvix
