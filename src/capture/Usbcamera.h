// One camera of the grid: its settings record, its capture pipeline and the frame callback
// every frame passes through.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "broadcast/Broadcast.h"
#include "notify/Notice.h"
#include "capture/Cautofont.h"
#include "capture/CameraControls.h"
#include "common/Frame.h"
#include "capture/Motion.h"
#include "capture/Snapshot.h"
#include "record/Unit_xvid.h"
#include "config/Cdataclass.h"
#include "upload/UploadQueue.h"

class QTimer;
typedef struct _GstElement GstElement;
typedef struct _GstSample GstSample;
typedef struct _GstBuffer GstBuffer;
typedef struct _GstBus GstBus;

namespace trelvix {

class AudioCapture;
class JpegDecoder;
class NetSource;
class RecordClass_FTP;
class RecordFrameSource;
class UsbCamera;
struct RecordingKind;

// The camera's activity.
enum class CameraState : int32_t {
    Idle = -1,
    Previewing = 99,
    Recording = 0,
    MotionRecording = 2,
    Broadcasting = 3,
};

// The frame callback: the live path on the streaming thread, the recording path on the
// recording thread.
class CSampleGrabberCB {
public:
    CSampleGrabberCB();
    ~CSampleGrabberCB();

    // The appsink's entry: copies the delivered frame, runs the live path, shows the result.
    void OnSample(GstSample* sample);
    // -1 (no buffer) or 0; the live path on a frame of `length` bytes.
    int BufferCB(double sampleTime, uint8_t* buffer, size_t length);
    void ProcessLiveFrame(uint8_t* buffer, size_t length);
    void ProcessRecordFrame(uint8_t* buffer, size_t length);
    // The same on whatever the recording thread took; planes that need an orientation or guide
    // lines become BGR first.
    void ProcessRecordFrame(RecordFrame& frame);
    // The connected format: overlays get the code's writer and the frame geometry.
    void SetUpFormat(int width, int height, int code);

    // Overlay switches.
    void CreateOverlays();
    void DestroyOverlays();
    void RefreshOverlays();
    void RefreshCaption();
    void HideCaption();
    void ShowTime();
    void HideTime();

    // Motion (live path step 6) and the region marking of the settings page's test (step 7).
    void CheckMotion(uint8_t* frame, size_t length);
    void MarkRegion(uint8_t* frame, size_t length);
    // Snapshots: requested from any thread, taken from the next frame (step 5).
    void RequestSnapshot(int kind) { snapshots.Request(kind); }
    // A motion picture of an object mode check gets the object framed.
    void TakeSnapshot(uint8_t* frame, size_t length, int kind, const MotionRegion& object = {});
    void SendEventRecord(int kind, int sourceText, int descriptionText, const QString& filePath);
    // The same with a description that is not one fixed text.
    void SendEventText(int kind, int sourceText, const QString& description);

    // Whether the newest frame as the device delivered it is kept for the recording thread
    // (only while wanted); false when there is none since the graph was built.
    bool HasLatestRawFrame();
    // For the recording thread: hands over the newest raw frame by exchanging it with `frame`,
    // without a copy. kSame: none newer since the last hand-over, `frame` still holds that one.
    enum class RawFrame { kNone, kNew, kSame };
    RawFrame TakeLatestRawFrame(RecordFrame* frame);
    // The recording path on a frame handed over again: only the time is stamped anew.
    void RestampRecordTime(uint8_t* buffer);
    void RestampRecordTime(RecordFrame& frame);
    void SetRawFrameWanted(bool wanted);
    bool rawFrameWanted() const { return rawFrameWanted_; }
    // The graph is gone: its last frame must never be recorded as a new one.
    void ForgetRawFrame();
    // The last frame shown on the panel; none once the camera stopped.
    FramePtr LastShownFrame() const;
    void ForgetLastShownFrame();

    // Exchanges rows (1) or columns (2) of a top-down frame in place.
    static void Orient(uint8_t* buffer, int width, int height, int stride, int orientation);

    // Where messages go and frames are shown; none once the panel is going away.
    void SetPanel(QObject* window, VideoSurface* video);
    QObject* panelWindow() const;
    VideoSurface* videoPanel() const;
    // The settings page's live picture; cleared before the page goes away.
    void SetPreview(VideoSurface* preview, QObject* notify);
    QObject* previewNotifyWindow() const;

    // Identity and state.
    std::atomic<int32_t> cameraId{0};
    std::atomic<int32_t> frameWidth{0};
    std::atomic<int32_t> frameHeight{0};
    std::atomic<CameraState> state{CameraState::Idle};
    std::atomic<bool> stopped{false};
    std::atomic<int32_t> pixelFormatCode{kPixelUnknown};
    CDataClass* settings = nullptr;
    std::unique_ptr<COverlayController> captionOverlay;
    std::unique_ptr<COverlayController> timeOverlay;
    std::unique_ptr<COverlayController> recordTimeOverlay;

    UploadQueue uploadList;
    MotionDetector motion;
    SnapshotTaker snapshots;
    std::atomic<bool> regionTestMode{false};
    // When the last motion that asked for a motion recording was seen (ms since the epoch):
    // the recording's seconds before the motion count back from it.
    std::atomic<qint64> motionSeenMs{0};
    std::atomic<uint64_t> framesDelivered{0};
    // Set while a network stream is (re)connecting: the next frame tells the panel, so the
    // camera learns on the UI thread that the stream runs.
    std::atomic<bool> reportNextFrame{false};
    // Where the processed frames also go while the camera broadcasts; none otherwise.
    std::atomic<BroadcastEngine*> broadcastSink{nullptr};

private:
    std::shared_ptr<VideoFrame> AcquireFrame(int width, int height);
    std::shared_ptr<VideoFrame> CopySample(GstSample* sample);
    // A JPEG picture decoded straight into a frame of the pool; null when it is damaged.
    std::shared_ptr<VideoFrame> DecodeSample(GstBuffer* buffer);
    void NoteFrameSize(int width, int height);
    // Keeps the frame (or the planes it was decoded from) for the recording thread.
    void KeepRawFrame(const VideoFrame& frame);
    // With markRegion, the preview gets its own copy with the test region tinted.
    void ShowPreview(const uint8_t* buffer, int stride, bool markRegion);
    void FlashPreview();
    void PostMotionNotice();
    void PostToPanel(int code, intptr_t wParam);

    std::vector<uint8_t> objectUnder_;  // the pixels under a motion picture's object frame
    std::vector<std::shared_ptr<VideoFrame>> pool_;
    std::unique_ptr<JpegDecoder> jpeg_;    // made with the first JPEG picture
    std::shared_ptr<VideoFrame> current_;  // the frame the live path is working on
    mutable std::mutex panelMutex_;
    QObject* panelWindow_ = nullptr;
    VideoSurface* videoPanel_ = nullptr;
    FramePtr lastShown_;
    mutable std::mutex previewMutex_;
    VideoSurface* previewWindow_ = nullptr;
    QObject* previewNotifyWindow_ = nullptr;
    std::mutex rawMutex_;
    RecordFrame raw_;
    // A JPEG camera's picture as decoded, while someone records: the recording thread gets the
    // planes by exchange, and the live frame is made from them.
    PlanarFrame decodedPlanes_;
    bool planesDecoded_ = false;
    std::unique_ptr<JpegDecoder> recordJpeg_;  // the recording thread's own
    bool rawValid_ = false;
    bool rawFresh_ = false;  // not handed over yet
    std::atomic<bool> rawFrameWanted_{false};
    int lastCapsWidth_ = 0, lastCapsHeight_ = 0;
};

class UsbCamera {
public:
    // Loads the camera's record, stores its device, names an unnamed camera "N#" and starts it.
    UsbCamera(QObject* owner, QObject* panelWindow, VideoSurface* videoPanel,
              const QString& deviceId, int cameraId);
    ~UsbCamera();
    UsbCamera(const UsbCamera&) = delete;
    UsbCamera& operator=(const UsbCamera&) = delete;

    bool StartPreview(QObject* mainWindow, QObject* panelWindow, VideoSurface* videoPanel);
    // 0 when the pipeline runs, negative on failure.
    int BuildPreviewGraph(VideoSurface* videoPanel);
    void TearDownGraph();
    void StopCamera();
    void RestartCamera();
    void RequestSnapshot(int kind) { callback.RequestSnapshot(kind); }
    bool IsStopped() const { return callback.stopped; }
    bool IsMotionRecording() const { return callback.state == CameraState::MotionRecording; }
    bool IsRecording() const { return callback.state == CameraState::Recording; }

    // Recording (UI thread).
    void StartRecording();
    void StopRecording();
    void StartMotionRecording();
    void StopMotionRecording();
    // Later segment files go into the video folder of the current day.
    void UpdateRecordingRoot();
    // Live broadcast (UI thread). The capture pipeline keeps running underneath: the processed
    // frames are what viewers see. Start: false when it could not start; the reason was shown
    // and logged, and the preview and recording go on as before.
    bool StartBroadcast(bool keepFile);
    // With rebuildPreview false (the camera is stopping) the pipeline is torn down as well.
    void StopBroadcast(bool rebuildPreview);
    // Stays true while a motion recording runs beside the broadcast, so it can still be stopped.
    bool IsBroadcasting() const { return broadcasting_; }
    // Whether a file name is that of a broadcast's local copy that was not to be kept.
    static bool IsUnkeptBroadcastCopy(const QString& fileName);
    // Asks the address service without waiting; `done` runs on the UI thread once publicUrl is
    // set (empty when the address is not known), never after the camera is gone.
    void ComputePublicUrl(std::function<void()> done = {});
    const BroadcastEngine& broadcastEngine() const { return *broadcast_; }
    bool HasGraph() const { return graph != nullptr; }
    int HandleGraphEvents();
    void ToggleFullScreen();
    void FitVideoWindow();
    // The camera's panel is going away: nothing is shown or posted to it any more.
    void DetachPanel();
    void SetPreviewTarget(VideoSurface* previewWindow, QObject* previewNotifyWindow);
    void ClearPreviewTarget();
    // Tells the notification engine (if one runs) about this camera; returns at once.
    void PostCameraNotice(NoticeKind kind, bool on = true) const;
    void SendEventRecord(int kind, int sourceText, int descriptionText,
                         const QString& filePath = QString());
    void SendEventText(int kind, int sourceText, const QString& description) {
        callback.SendEventText(kind, sourceText, description);
    }
    // Finds the device of `deviceId` (the friendly name is refreshed); false when it is absent.
    bool FindCaptureDevice();

    // The running source's controls; none without a pipeline.
    CameraControls* Controls() const { return controls_.get(); }
    // Unset percentages from the device, then the stored ones onto it (every pipeline start).
    void ReadImageParameters();
    // The record's percentages onto the device, e.g. while the operator moves a bar.
    void ApplyImageParameters();

    // Makes the source report a lost device, as an unplugged camera would.
    void SimulateDeviceLost();

    // Network cameras ("rtsp://", "rtsps://", "http://", "https://" identifiers).
    bool IsNetworkCamera() const;
    // The stream was lost (or never came): the last picture shows greyed while attempts
    // follow with growing pauses.
    bool IsReconnecting() const { return reconnecting_; }
    // Whether an HTTP address turned out to give single pictures, now polled.
    bool PollsPictures() const;
    // Pauses between attempts: 1, 2, 4 … 30 s; tests shorten them (0 restores).
    static int NextReconnectDelay(int previousMs);
    static void SetReconnectDelaysForTesting(int firstMs, int maxMs);
    // A stream that stays silent this long without an error counts as lost (10 s; 0 restores).
    static void SetStallLimitForTesting(int ms);
    // The pause before the pending attempt; 0 while the stream runs.
    int reconnectDelayMs() const { return nextDelayMs_; }

    // FTP upload (UI thread). Start: with ftpEnabled, (re)starts both threads with the record's
    // current server settings. Stop: ends both threads and deletes the client.
    void StartUpload();
    void StopUpload();

    int cameraId() const { return callback.cameraId; }
    QObject* panelWindow() const { return callback.panelWindow(); }
    VideoSurface* videoPanel() const { return callback.videoPanel(); }
    // The newest delivered frame, for the recording thread; false when none came yet.
    bool HasLatestRawFrame() { return callback.HasLatestRawFrame(); }

    std::unique_ptr<CDataClass> settings;
    std::unique_ptr<xvid> recorder;
    QObject* owner = nullptr;
    bool fullScreen = false;
    bool keepBroadcastFile = false;
    QString broadcastFile;
    QString privateUrl;
    QString publicUrl;
    GstElement* graph = nullptr;
    GstElement* captureFilter = nullptr;
    GstElement* grabber = nullptr;
    CSampleGrabberCB callback;
    std::unique_ptr<RecordClass_FTP> uploadRecord;  // while upload runs

private:
    // Opens the recording and runs its thread on this camera's frames.
    void StartRecorder();
    // While the camera waits for motion to record, its last seconds are kept for the motion
    // recording's start; otherwise nothing is held.
    void UpdatePreMotion();
    // The writer's new files, full disk and failures become log lines and notices.
    void ConnectWriterReports();
    void BeginRecording(const RecordingKind& kind);
    void EndRecording(const RecordingKind& kind);
    bool BuildBroadcastGraph(bool keepFile, QString* why);
    BroadcastParams BroadcastSettings() const;
    // Runs the broadcast's sound when the camera wants it; false without, with the reason when
    // it was wanted.
    bool StartBroadcastSound(QString* whyNot);
    QSize WaitForFrameSize(int timeoutMs) const;
    // Network cameras: the source bin, the loss and return of the stream and the attempts.
    GstElement* MakeNetworkSource();
    // The message of a pipeline that could not be built, where the camera's kind wants it.
    void ReportBuildFailure(const QString& text) const;
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
    // Removes the pipeline only: recording wishes, overlays, broadcast and state stay.
    void DropPipeline();
    // Ends the recording that runs beside a broadcast, with its stop line.
    void EndRecordingBesideBroadcast();
    // Stops the encoder and the server, removes the file unless kept, logs the stop. False
    // when nothing was broadcasting.
    bool EndBroadcast();

    QObject* mainWindow_ = nullptr;
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
};

// The GStreamer description of a device's source (a synthetic one's as --demo runs it).
QString SourceDescription(const QString& deviceId);

// Shows a failure of a capture pipeline ("Error!" message box in the windowed program);
// replaceable so the engine never depends on windows.
using ErrorMessageHandler = std::function<void(const QString& text)>;
void SetErrorMessageHandler(ErrorMessageHandler handler);
void ShowErrorMessage(const QString& text);

}  // namespace trelvix
