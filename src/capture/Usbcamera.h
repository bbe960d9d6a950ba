// One camera of the grid: its settings record, its capture pipeline and the frame callback
// every frame passes through. Windows and the host use the few calls below and the parts by
// job (capture/CameraParts.h); the pipeline and the callback stay inside.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "capture/CameraControls.h"
#include "capture/CameraParts.h"
#include "capture/NetSource.h"
#include "capture/SampleGrabberCB.h"
#include "config/Cdataclass.h"
#include "config/NetCams.h"
#include "notify/Notice.h"
#include "record/Unit_xvid.h"

class QTimer;
typedef struct _GstElement GstElement;

namespace trelvix {

class AudioCapture;
class NetCamList;
class RecordClass_FTP;
class RecordFrameSource;
struct RecordingKind;
namespace test {
struct CameraInternals;
}

class UsbCamera final : private CameraRecordingControl,
                        private CameraBroadcastControl,
                        private CameraNetworkLink,
                        private CameraView,
                        private CameraDevice,
                        private CameraUpload {
public:
    // Loads the camera's record, stores its device, names an unnamed camera "N#" and starts it.
    UsbCamera(QObject* owner, QObject* panelWindow, VideoSurface* videoPanel,
              const QString& deviceId, int cameraId);
    ~UsbCamera();
    UsbCamera(const UsbCamera&) = delete;
    UsbCamera& operator=(const UsbCamera&) = delete;

    int cameraId() const { return callback.cameraId; }
    CameraState state() const { return callback.state; }
    bool IsStopped() const { return callback.stopped; }
    bool HasGraph() const { return graph != nullptr; }
    void StopCamera();
    void RestartCamera();
    int HandleGraphEvents();
    // Taken from the next frame; any thread.
    void RequestSnapshot(int kind) { callback.RequestSnapshot(kind); }
    // Tells the notification engine (if one runs) about this camera; returns at once.
    void PostCameraNotice(NoticeKind kind, bool on = true) const;

    CameraRecordingControl& recording() { return *this; }
    CameraBroadcastControl& broadcast() { return *this; }
    CameraNetworkLink& network() { return *this; }
    CameraView& view() { return *this; }
    CameraDevice& device() { return *this; }
    CameraUpload& upload() { return *this; }

    std::unique_ptr<CDataClass> settings;

private:
    friend class CameraRecordSource;
    friend struct test::CameraInternals;

    // Recording (UI thread).
    void StartRecording() override;
    void StopRecording() override;
    void StartMotionRecording() override;
    void StopMotionRecording() override;
    bool IsRecording() const override { return callback.state == CameraState::Recording; }
    bool IsMotionRecording() const override {
        return callback.state == CameraState::MotionRecording;
    }
    void UpdateRecordingRoot() override;
    xvid& recorder() const override { return *recorder_; }
    // Opens the recording and runs its thread on this camera's frames.
    void StartRecorder();
    // While the camera waits for motion to record, its last seconds are kept for the motion
    // recording's start; otherwise nothing is held.
    void UpdatePreMotion();
    // The writer's new files, full disk and failures become log lines and notices.
    void ConnectWriterReports();
    void BeginRecording(const RecordingKind& kind);
    void EndRecording(const RecordingKind& kind);

    // Live broadcast (UI thread).
    bool StartBroadcast(bool keepFile) override;
    void StopBroadcast(bool rebuildPreview) override;
    bool IsBroadcasting() const override { return broadcasting_; }
    void ComputePublicUrl(std::function<void()> done) override;
    const BroadcastEngine& broadcastEngine() const override { return *broadcast_; }
    QString broadcastFile() const override { return broadcastFile_; }
    QString privateUrl() const override { return privateUrl_; }
    QString publicUrl() const override { return publicUrl_; }
    bool BuildBroadcastGraph(bool keepFile, QString* why);
    BroadcastParams BroadcastSettings() const;
    // Runs the broadcast's sound when the camera wants it; false without, with the reason when
    // it was wanted.
    bool StartBroadcastSound(QString* whyNot);
    QSize WaitForFrameSize(int timeoutMs) const;
    // Ends the recording that runs beside a broadcast, with its stop line.
    void EndRecordingBesideBroadcast();
    // Stops the encoder and the server, removes the file unless kept, logs the stop. False
    // when nothing was broadcasting.
    bool EndBroadcast();

    // Network cameras: the source bin, the loss and return of the stream and the attempts.
    bool IsNetworkCamera() const override;
    bool IsReconnecting() const override { return reconnecting_; }
    bool PollsPictures() const override;
    int reconnectDelayMs() const override { return nextDelayMs_; }
    void SimulateDeviceLost() override;
    GstElement* MakeNetworkSource();
    // The name the user gave the camera; its address without the password otherwise.
    QString NetworkCameraName() const;
    void StreamLost(const QString& why);
    void StreamBack();
    void Reconnect();
    void HandleNetworkEvents(bool error, bool ended, const QString& why);
    void ExpectFirstPicture();
    void WatchStream();
    void CheckStall();
    void ShowReconnectingPicture();

    // The picture.
    void ToggleFullScreen() override;
    bool IsFullScreen() const override { return fullScreen_; }
    void FitVideoWindow() override;
    void DetachPanel() override;
    void SetPreviewTarget(VideoSurface* previewWindow, QObject* previewNotifyWindow) override;
    void ClearPreviewTarget() override;
    QObject* previewNotifyWindow() const override { return callback.previewNotifyWindow(); }
    QSize FrameSize() const override { return {callback.frameWidth, callback.frameHeight}; }
    uint64_t framesDelivered() const override { return callback.framesDelivered; }
    FramePtr NewestFrame() const override { return callback.LastShownFrame(); }
    QSize CaptionSize() const override;
    QSize TimeSize() const override;
    void RefreshCaption() override { callback.RefreshCaption(); }
    void RefreshCaptionFont(Colour3 rgb) override;
    void RefreshTimeFont(Colour3 rgb) override;
    void SetRegionTestMode(bool on) override { callback.regionTestMode = on; }
    bool regionTestMode() const override { return callback.regionTestMode; }
    QString newestSnapshotPath() const override { return callback.snapshots.newestPath.get(); }
    QString snapshotPath() const override { return callback.snapshots.snapshotPath.get(); }

    // The device and its image parameters.
    CameraControls* Controls() const override { return controls_.get(); }
    void ApplyImageParameters() override;
    // Unset percentages from the device, then the stored ones onto it (every pipeline start).
    void ReadImageParameters();
    // Finds the device of `deviceId` (the friendly name is refreshed); false when it is absent.
    bool FindCaptureDevice();

    // FTP upload (UI thread).
    void StartUpload() override;
    void StopUpload() override;
    RecordClass_FTP* uploadRecord() const override { return uploadRecord_.get(); }

    // The pipeline.
    bool StartPreview(QObject* mainWindow, QObject* panelWindow, VideoSurface* videoPanel);
    // 0 when the pipeline runs, negative on failure.
    int BuildPreviewGraph(VideoSurface* videoPanel);
    void TearDownGraph();
    // The message of a pipeline that could not be built, where the camera's kind wants it.
    void ReportBuildFailure(const QString& text) const;
    // Removes the pipeline only: recording wishes, overlays, broadcast and state stay.
    void DropPipeline();
    void SendEventRecord(int kind, int sourceText, int descriptionText,
                         const QString& filePath = QString());

    QObject* panelWindow() const { return callback.panelWindow(); }
    VideoSurface* videoPanel() const { return callback.videoPanel(); }

    QObject* owner = nullptr;
    QObject* mainWindow_ = nullptr;
    GstElement* graph = nullptr;
    GstElement* captureFilter = nullptr;
    GstElement* grabber = nullptr;
    CSampleGrabberCB callback;
    std::unique_ptr<xvid> recorder_;
    std::unique_ptr<RecordClass_FTP> uploadRecord_;  // while upload runs
    bool fullScreen_ = false;
    bool keepBroadcastFile_ = false;
    QString broadcastFile_;
    QString privateUrl_;
    QString publicUrl_;
    QString sourceDescription_;
    std::unique_ptr<CameraControls> controls_;
    std::unique_ptr<BroadcastEngine> broadcast_;
    std::unique_ptr<AudioCapture> broadcastSound_;
    bool broadcasting_ = false;
    std::unique_ptr<NetSource> netSource_;
    std::unique_ptr<QTimer> reconnectTimer_;
    std::unique_ptr<QTimer> stallTimer_;
    uint64_t lastSeenFrames_ = 0;
    int quietChecks_ = 0;
    bool reconnecting_ = false;
    bool lossLogged_ = false;
    bool pollPictures_ = false;     // the address answered with one picture
    bool resumeRecording_ = false;  // a recording was cut by the loss
    int nextDelayMs_ = 0;
    uint64_t framesAtBuild_ = 0;
    // Owns the address look-ups, so none answers a camera that is gone.
    std::unique_ptr<QObject> lookups_;
    std::unique_ptr<RecordFrameSource> recordSource_;

    // A network camera whose own stream is recorded ("record=copy", UsbcameraCopy.cpp).
    NetSourceCopy CopyWiring();
    bool CopiesStream() const { return copyWanted_ && !copyRefused_; }
    void OnCopyPacket(const CopyStreamInfo& info, const CopyPacket& packet);
    void CopyRefused();
    void StartCopyRecorder();
    // The caption and date-time of a copied recording's text track.
    TimedText CopyText() const;
    // Whether anything uses decoded pictures of a copied camera.
    bool PicturesWanted() const;
    void WatchDecodeNeed();
    void UpdateDecodeGate();
    // Frames decoded plus packets copied: what shows that the stream runs.
    uint64_t StreamActivity() const { return callback.framesDelivered + packetsSeen_; }
    std::atomic<uint64_t> packetsSeen_{0};
    bool copyWanted_ = false;   // the camera's entry asks for it
    bool copyRefused_ = false;  // its stream turned out not to be H.264/H.265
    std::unique_ptr<QTimer> decodeTimer_;
    std::unique_ptr<QObject> copyCalls_;  // streaming threads reach the UI thread through it
};

// Whether a file name is that of a broadcast's local copy that was not to be kept.
bool IsUnkeptBroadcastCopy(const QString& fileName);

// The host's list of network cameras (their names and options); none until it sets one.
void SetNetworkCameraList(const NetCamList* list);
// The entry of the list that has `address`.
std::optional<NetCamEntry> KnownNetworkCamera(const QString& address);
// Pauses between attempts to reach a lost stream: 1, 2, 4 … 30 s; tests shorten them (0
// restores).
int NextReconnectDelay(int previousMs);
void SetReconnectDelaysForTesting(int firstMs, int maxMs);
// A stream that stays silent this long without an error counts as lost (10 s; 0 restores).
void SetStallLimitForTesting(int ms);

// The GStreamer description of a device's source (a synthetic one's as --demo runs it).
QString SourceDescription(const QString& deviceId);

// Shows a failure of a capture pipeline ("Error!" message box in the windowed program);
// replaceable so the engine never depends on windows.
using ErrorMessageHandler = std::function<void(const QString& text)>;
void SetErrorMessageHandler(ErrorMessageHandler handler);
void ShowErrorMessage(const QString& text);

}  // namespace trelvix
