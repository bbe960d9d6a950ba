#include "upload/Unit_workFTPQueueUploadThread.h"

#include <algorithm>

#include "upload/UploadQueue.h"
#include "config/Cdataclass.h"
#include "upload/Indyftpcore.h"
#include "upload/Unit_recordclass_ftp.h"

namespace trelvix {

FTPQueueUploadThread::FTPQueueUploadThread(RecordClass_FTP* owner)
    : ftp(owner->ftp.get()),
      queue(owner->queue),
      settings(owner->settings),
      // At least one second: a period of 0 would spin.
      period_(owner->second * std::max(1, int(Live(owner->settings.ftpUploadSeconds)))) {}

FTPQueueUploadThread::~FTPQueueUploadThread() {
    Terminate();
}

void FTPQueueUploadThread::Resume() {
    worker_.Start([this] { Execute(); });
}

void FTPQueueUploadThread::Terminate() {
    worker_.RequestStop();
    if (!worker_.Running()) return;
    ftp->Abort();
    worker_.Join();
    ftp->ClearAbort();
}

void FTPQueueUploadThread::Execute() {
    while (!worker_.StopRequested()) {
        if (UploadBatch(*ftp, queue, settings)) ++batchesSent_;
        if (worker_.SleepFor(period_)) break;
    }
}

bool FTPQueueUploadThread::UploadBatch(TIndyFTPCore& ftp, UploadQueue& queue,
                                       const CDataClass& settings) {
    // A stopping thread leaves the queue alone: the pictures wait for the next start.
    if (ftp.Aborted() || queue.Count() == 0) return false;
    const QStringList batch = queue.TakeBatch(std::max(1, int(Live(settings.ftpBatchSize))));
    if (batch.isEmpty()) return false;
    const bool dateFolders = Live(settings.ftpDateFolders) != 0;
    const QString fixedName =
        Live(settings.ftpUseFixedName) ? settings.ftpFixedFileName.get() : QString();
    if (ftp.Connect())
        ftp.UploadFiles(batch, dateFolders ? SubFolderOf(batch.first()) : QString(), fixedName);
    ftp.Disconnect();
    return true;
}

QString FTPQueueUploadThread::SubFolderOf(const QString& path) {
    // The last character never counts as a separator.
    const qsizetype last =
        path.size() >= 2 ? path.lastIndexOf(QLatin1Char('/'), path.size() - 2) : -1;
    if (last <= 0) return QString();
    const qsizetype previous = path.lastIndexOf(QLatin1Char('/'), last - 1);
    if (previous < 0) return QString();
    return path.mid(previous + 1, last - previous - 1);
}

}  // namespace trelvix
