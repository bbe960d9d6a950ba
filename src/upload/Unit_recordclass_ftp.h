// A camera's upload while it runs with upload on: the FTP client and the two threads that
// feed it (timed snapshots) and drain the camera's queue (uploads).
#pragma once

#include <QObject>
#include <chrono>
#include <memory>

namespace trelvix {

class CDataClass;
class FTPQueueUploadThread;
class TIndyFTPCore;
class UploadQueue;
class VideoSurface;
class Work_FTP;

class RecordClass_FTP {
public:
    // Creates the client with the record's server settings; no thread runs yet.
    RecordClass_FTP(UploadQueue& queue, VideoSurface* ownerControl, CDataClass& settings);
    // Stops both threads and waits for them before the client goes.
    ~RecordClass_FTP();
    RecordClass_FTP(const RecordClass_FTP&) = delete;
    RecordClass_FTP& operator=(const RecordClass_FTP&) = delete;

    void ApplyServerSettings();
    void StartTimedSnapshots();
    void StopTimedSnapshots();
    void StartUploadThread();
    // Returns once the upload thread has ended; a batch in progress gives up.
    void StopUploadThread();

    VideoSurface* const ownerControl;
    QObject* targetWindow = nullptr;  // receives the timed-snapshot requests
    std::unique_ptr<Work_FTP> timedThread;
    std::unique_ptr<FTPQueueUploadThread> uploadThread;
    UploadQueue& queue;
    std::unique_ptr<TIndyFTPCore> ftp;
    CDataClass& settings;
    // How long one second of the settings lasts; tests shorten it instead of waiting.
    std::chrono::milliseconds second{1000};
};

}  // namespace trelvix
