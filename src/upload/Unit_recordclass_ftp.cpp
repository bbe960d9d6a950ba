#include "upload/Unit_recordclass_ftp.h"

#include "config/Cdataclass.h"
#include "upload/Indyftpcore.h"
#include "upload/Unit_workFTPQueueUploadThread.h"
#include "upload/Unit_workthreadFTP.h"

namespace trelvix {

RecordClass_FTP::RecordClass_FTP(UploadQueue& queue_, VideoSurface* owner, CDataClass& settings_)
    : ownerControl(owner),
      queue(queue_),
      ftp(std::make_unique<TIndyFTPCore>()),
      settings(settings_) {
    ApplyServerSettings();
}

RecordClass_FTP::~RecordClass_FTP() {
    StopTimedSnapshots();
    StopUploadThread();
    ftp.reset();
}

void RecordClass_FTP::ApplyServerSettings() {
    ftp->SetServer(settings.ftpHost, settings.ftpPort, settings.ftpFolder, settings.ftpPassword,
                   settings.ftpUser);
}

void RecordClass_FTP::StartTimedSnapshots() {
    if (timedThread) return;
    timedThread = std::make_unique<Work_FTP>(this);
    timedThread->Resume();
}

void RecordClass_FTP::StopTimedSnapshots() {
    if (!timedThread) return;
    timedThread->Terminate();
    timedThread.reset();
}

void RecordClass_FTP::StartUploadThread() {
    if (uploadThread) return;
    uploadThread = std::make_unique<FTPQueueUploadThread>(this);
    uploadThread->Resume();
}

void RecordClass_FTP::StopUploadThread() {
    if (!uploadThread) return;
    uploadThread->Terminate();
    uploadThread.reset();
}

}  // namespace trelvix
