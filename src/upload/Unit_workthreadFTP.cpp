#include "upload/Unit_workthreadFTP.h"

#include <algorithm>

#include "common/Messages.h"
#include "config/Cdataclass.h"
#include "upload/Unit_recordclass_ftp.h"

namespace trelvix {

void UploadStopSignal::Request() {
    {
        std::lock_guard lock(mutex_);
        requested_ = true;
    }
    wake_.notify_all();
}

bool UploadStopSignal::Requested() const {
    std::lock_guard lock(mutex_);
    return requested_;
}

bool UploadStopSignal::WaitFor(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    return wake_.wait_for(lock, duration, [this] { return requested_; });
}

Work_FTP::Work_FTP(RecordClass_FTP* owner)
    : targetWindow(owner->targetWindow),
      cameraId_(owner->settings.cameraId),
      // At least one second: an interval of 0 would flood the camera with requests.
      interval_(owner->second * std::max(1, int(owner->settings.ftpIntervalSeconds))) {}

Work_FTP::~Work_FTP() {
    Terminate();
}

void Work_FTP::Resume() {
    if (!thread_.joinable() && !stop_.Requested()) thread_ = std::thread([this] { Execute(); });
}

void Work_FTP::Terminate() {
    stop_.Request();
    if (thread_.joinable()) thread_.join();
}

void Work_FTP::Execute() {
    while (!stop_.Requested()) {
        PostCameraMessage(targetWindow, CAM_MSG_SNAPSHOT_REQUEST, cameraId_, 3);
        ++requestsPosted_;
        if (stop_.WaitFor(interval_)) break;
    }
}

}  // namespace trelvix
