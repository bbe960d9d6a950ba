// A camera's recordings: continuous and on motion, the recording thread on its frames, and
// what the writer reports about its files.
#include <algorithm>

#include "capture/CameraRecordSource.h"
#include "capture/Usbcamera.h"
#include "common/Clock.h"
#include "config/Cdataclass.h"
#include "history/LogReceiver.h"
#include "lang/TextIds.h"
#include "record/Ymp4.h"

namespace trelvix {

void UsbCamera::ConnectWriterReports() {
    // Called on the recording thread for every new segment file.
    yMP4CSetNewMP4FileCallBackFunc(cameraId(), [this](const int32_t*, const QString& path) {
        SendEventRecord(kEventRecording, text::kProgram, text::kRecordingStarted, path);
    });
    yMP4CSetDiskFullCallBackFunc(cameraId(), [this](const int32_t*, bool full, const QString& dir) {
        SendEventRecord(kEventRecording, text::kProgram,
                        full ? text::kRecordingPausedTheDiskIsFull : text::kRecordingResumed, dir);
        if (full) PostCameraNotice(NoticeKind::DiskFull);
    });
    yMP4CSetWriteFailureCallBackFunc(
        cameraId(), [this](const int32_t*, bool failed, const QString& dir) {
            SendEventRecord(
                kEventRecording, text::kProgram,
                failed ? text::kRecordingFailedTheFileCouldNot : text::kRecordingResumed, dir);
            if (failed) PostCameraNotice(NoticeKind::RecordingFailed);
        });
}

// The two kinds of recording: the state each sets and the texts of their records. A
// continuous start is logged by its first file, with the file (0: no record of its own).
struct RecordingKind {
    CameraState state;
    int recordKind, source, started, stopped;
};

namespace {
constexpr RecordingKind kContinuous{CameraState::Recording, kEventRecording, text::kProgram, 0,
                                    text::kRecordingStopped};
constexpr RecordingKind kOnMotion{CameraState::MotionRecording, kEventMotion,
                                  text::kMotionRecording, text::kMotionRecordingStarted,
                                  text::kMotionRecordingStopped};
}  // namespace

void UsbCamera::StartRecorder() {
    if (CopiesStream()) {
        StartCopyRecorder();
        return;
    }
    if (!recordSource_) recordSource_ = std::make_unique<CameraRecordSource>(*this);
    recorder_->OpenRecording(*settings);
    recorder_->StartRecordingThread(*recordSource_, Live(settings->recordFrameRate));
    recorder_->ResumeRecordingThread();
}

void UsbCamera::UpdatePreMotion() {
    const CDataClass& s = *settings;
    const bool wanted =
        graph && !callback.stopped && !recorder_->recording() && Live(s.motionEnabled) &&
        Live(s.motionRecord) && Live(s.preMotionSeconds) > 0 &&
        (callback.state == CameraState::Idle || callback.state == CameraState::Previewing);
    if (wanted == recorder_->holding()) return;
    if (!wanted) {
        recorder_->CloseRecording();
        return;
    }
    // A copied camera keeps its own packets: nothing is decoded or encoded for it.
    if (CopiesStream()) {
        recorder_->StartCopyHolding(s, CopyText());
        return;
    }
    if (!recordSource_) recordSource_ = std::make_unique<CameraRecordSource>(*this);
    recorder_->StartHolding(s, *recordSource_);
}

void UsbCamera::BeginRecording(const RecordingKind& k) {
    if (callback.state == k.state) return;
    // Motion takes over a recording that runs, in the same file: cutting it would leave a
    // short file. It does not come back as continuous when the motion recording ends.
    if (recorder_->holding()) {
        // The seconds kept while the camera waited begin a motion recording; they count back
        // from the motion, however late its message came.
        QDateTime from = Now();
        if (k.state == CameraState::MotionRecording) {
            // A motion seen long ago is not this recording's (a remote start has none).
            const QDateTime seen = QDateTime::fromMSecsSinceEpoch(callback.motionSeenMs);
            if (qAbs(seen.msecsTo(from)) < 10000) from = seen;
            from = from.addSecs(-std::clamp(Live(settings->preMotionSeconds), 0, 30));
        }
        recorder_->ReleaseHold(from);
    } else if (!recorder_->recording()) {
        StartRecorder();
    }
    callback.state = k.state;
    if (k.started) SendEventRecord(k.recordKind, k.source, k.started);
    PostCameraNotice(NoticeKind::Recording, true);
}

void UsbCamera::EndRecording(const RecordingKind& k) {
    if (callback.state != k.state) return;
    resumeRecording_ = false;
    if (recorder_->recording()) recorder_->CloseRecording();
    // A motion recording beside a broadcast hands the state back to it.
    callback.state = broadcasting_ ? CameraState::Broadcasting : CameraState::Idle;
    SendEventRecord(k.recordKind, k.source, k.stopped);
    PostCameraNotice(NoticeKind::Recording, false);
    UpdatePreMotion();
}

void UsbCamera::StartRecording() {
    BeginRecording(kContinuous);
}
void UsbCamera::StopRecording() {
    EndRecording(kContinuous);
}
void UsbCamera::StartMotionRecording() {
    BeginRecording(kOnMotion);
}
void UsbCamera::StopMotionRecording() {
    EndRecording(kOnMotion);
}

void UsbCamera::UpdateRecordingRoot() {
    try {
        recorder_->SetRoot(settings->DayVideoFolder(Now().date()), Live(settings->segmentMinutes));
    } catch (const std::exception&) {
        // The day folder cannot be made: recording goes on where it was.
    }
}

}  // namespace trelvix
