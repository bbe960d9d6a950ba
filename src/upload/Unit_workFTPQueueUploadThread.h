// The upload thread of a camera: at a fixed period takes a batch of pictures off the camera's
// queue and stores them on the server.
#pragma once

#include <QString>
#include <atomic>
#include <chrono>
#include <thread>

#include "upload/Unit_workthreadFTP.h"

namespace trelvix {

class CDataClass;
class RecordClass_FTP;
class TIndyFTPCore;
class UploadQueue;

class FTPQueueUploadThread {
public:
    // Takes the client, the queue, the settings and the period from the record now.
    explicit FTPQueueUploadThread(RecordClass_FTP* owner);
    ~FTPQueueUploadThread();  // Terminate()
    FTPQueueUploadThread(const FTPQueueUploadThread&) = delete;
    FTPQueueUploadThread& operator=(const FTPQueueUploadThread&) = delete;

    void Resume();
    // Asks the thread to stop, makes a batch in progress give up, and returns once the thread
    // has ended: afterwards nothing of it uses the client, the queue or the settings.
    void Terminate();
    // Batches taken off the queue and handed to the client so far.
    int batchesSent() const { return batchesSent_; }

    // One period's work: takes up to ftpBatchSize paths (they leave the queue whatever
    // happens), connects, stores them and disconnects. False when the queue was empty.
    static bool UploadBatch(TIndyFTPCore& ftp, UploadQueue& queue, const CDataClass& settings);
    // The name of the folder that holds `path` ("" with fewer than two separators).
    static QString SubFolderOf(const QString& path);

    TIndyFTPCore* const ftp;
    UploadQueue& queue;
    const CDataClass& settings;

private:
    void Execute();

    const std::chrono::milliseconds period_;
    StoppableWorker worker_;
    std::atomic<int> batchesSent_{0};
};

}  // namespace trelvix
