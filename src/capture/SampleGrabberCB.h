// The frame callback every frame of a camera passes through: the live path on the streaming
// thread, the recording path on the recording thread. Only the camera and its parts in this
// folder reach it.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "broadcast/Broadcast.h"
#include "capture/Cautofont.h"
#include "capture/Motion.h"
#include "capture/Snapshot.h"
#include "common/Frame.h"
#include "config/Cdataclass.h"
#include "upload/UploadQueue.h"

typedef struct _GstSample GstSample;
typedef struct _GstBuffer GstBuffer;

namespace trelvix {

class JpegDecoder;

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
    template <typename Payload>
    void PostToPanel(Payload payload) {
        std::lock_guard lock(panelMutex_);
        PostMessage(panelWindow_, std::move(payload));
    }

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

}  // namespace trelvix
