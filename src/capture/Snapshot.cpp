#include "capture/Snapshot.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "common/Jpeg.h"
#include "capture/Sound.h"
#include "common/Process.h"
#include "config/Folders.h"
#include "history/EventLog.h"
#include "upload/UploadQueue.h"
#include "lang/TextIds.h"

namespace trelvix {

void SnapshotTaker::Request(int kind) {
    requestedKind_ = kind;
    snapshotRequested = true;
}

std::optional<int> SnapshotTaker::TakeRequest() {
    if (!snapshotRequested.exchange(false)) return std::nullopt;
    return requestedKind_.load();
}

QString SnapshotTaker::WritePicture(const uint8_t* frame, size_t length, int w, int h,
                                    int pixelFormat, const CDataClass& s, int kind,
                                    const QDateTime& now) {
    if (kind == kSnapshotMotion && Live(s.motionNoPicture)) return QString();
    if (h <= 0) return QString();
    try {
        const QDate day = now.date();
        const QTime t = now.time();
        const QString path =
            s.DayImageFolder(day) + QString::asprintf("%04d%02d%02d %02d%02d%02d%03d.jpg",
                                                      day.year(), day.month(), day.day(), t.hour(),
                                                      t.minute(), t.second(), t.msec());
        if (QFile::exists(path)) QFile::remove(path);
        if (WriteJpegFile(path, frame, w, h, int(length / size_t(h)), pixelFormat)) return path;
    } catch (const FolderError&) {
        // No picture today; the camera and the log go on.
    }
    return QString();
}

SnapshotRecord SnapshotTaker::FollowUp(int kind, const QString& stored, const CDataClass& s,
                                       UploadQueue& uploads) {
    switch (kind) {
        case kSnapshotMotion:
            if (!stored.isEmpty() && Live(s.ftpEnabled) && Live(s.ftpMotionPictures))
                uploads.Append(stored);
            if (Live(s.motionRunProgram)) {
                const QString program = s.motionProgramPath;
                if (!program.isEmpty() && QFileInfo(program).isFile())
                    StartProgram(program, QProcess::splitCommand(s.motionProgramParams.get()));
            }
            if (Live(s.motionSound)) PlaySoundFile(s.motionSoundFile);
            return {kEventMotion, text::kMotionDetection,
                    Live(s.motionNoPicture) ? 0 : text::kPictureTaken};
        case kSnapshotManual:
            if (Live(s.shutterSound)) PlaySoundFile(s.shutterSoundFile);
            return {kEventRecording, text::kProgram, text::kPictureTaken};
        case kSnapshotTimed:
        case kSnapshotTest:
            if (!stored.isEmpty()) uploads.Append(stored);
            return {kEventRecording, kind == kSnapshotTimed ? text::kScheduler : text::kProgram,
                    text::kPictureTakenForUpload};
        default:
            return {kEventRecording, text::kProgram, text::kPictureTaken};
    }
}

}  // namespace trelvix
