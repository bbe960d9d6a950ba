// Snapshots of one camera: requests from the UI thread taken on the next frame, the JPEG file
// in the day's picture folder, and what each kind of snapshot sets off.
#pragma once

#include <QDateTime>
#include <QString>
#include <atomic>
#include <optional>

#include "common/Messages.h"
#include "config/Cdataclass.h"

namespace trelvix {

class UploadQueue;

// What the log says about a snapshot.
struct SnapshotRecord {
    int kind, sourceText, descriptionText;
};

class SnapshotTaker {
public:
    // Any thread; a second request before the next frame replaces the first.
    void Request(int kind);
    // The pending request's kind, taken off (the streaming thread, once per frame).
    std::optional<int> TakeRequest();

    // Writes the frame as "yyyymmdd hhmmsszzz.jpg" into the day's picture folder unless the
    // kind takes no picture; the file written, empty when none was.
    static QString WritePicture(const uint8_t* frame, size_t length, int width, int height,
                                int pixelFormat, const CDataClass& settings, int kind,
                                const QDateTime& now);
    // The queue, the motion program and the sounds that follow a snapshot, and its record.
    static SnapshotRecord FollowUp(int kind, const QString& stored, const CDataClass& settings,
                                   UploadQueue& uploads);

    // The last manual picture, for the pop-up; empty when it could not be written.
    SyncText snapshotPath;
    // The newest picture stored, of any kind: what the FTP page's test sends.
    SyncText newestPath;
    std::atomic<bool> snapshotBusy{false};
    std::atomic<bool> snapshotRequested{false};

private:
    std::atomic<int> requestedKind_{kSnapshotManual};
};

}  // namespace trelvix
