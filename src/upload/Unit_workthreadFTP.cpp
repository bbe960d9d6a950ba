#include "upload/Unit_workthreadFTP.h"

#include <algorithm>

#include "common/Messages.h"
#include "config/Cdataclass.h"
#include "upload/Unit_recordclass_ftp.h"

namespace trelvix {

Work_FTP::Work_FTP(RecordClass_FTP* owner)
    : targetWindow(owner->targetWindow),
      cameraId_(owner->settings.cameraId),
      // At least one second: an interval of 0 would flood the camera with requests.
      interval_(owner->second * std::max(1, int(Live(owner->settings.ftpIntervalSeconds)))) {}

Work_FTP::~Work_FTP() {
    Terminate();
}

void Work_FTP::Resume() {
    worker_.Start([this] { Execute(); });
}

void Work_FTP::Terminate() {
    worker_.Stop();
}

void Work_FTP::Execute() {
    while (!worker_.StopRequested()) {
        PostMessage(targetWindow, SnapshotRequestMessage{cameraId_, kSnapshotTimed});
        ++requestsPosted_;
        if (worker_.SleepFor(interval_)) break;
    }
}

}  // namespace trelvix
