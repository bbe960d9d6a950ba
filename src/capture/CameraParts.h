// A camera's operations by job. Windows and the host reach a camera through these and a few
// calls of its own, never through its pipeline or its frame callback.
#pragma once

#include <QObject>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>

#include "common/Frame.h"
#include "config/Cdataclass.h"

namespace trelvix {

class BroadcastEngine;
class CameraControls;
class RecordClass_FTP;
class xvid;

class CameraRecordingControl {
public:
    virtual void StartRecording() = 0;
    virtual void StopRecording() = 0;
    virtual void StartMotionRecording() = 0;
    virtual void StopMotionRecording() = 0;
    virtual bool IsRecording() const = 0;
    virtual bool IsMotionRecording() const = 0;
    // Later segment files go into the video folder of the current day.
    virtual void UpdateRecordingRoot() = 0;
    virtual xvid& recorder() const = 0;

protected:
    ~CameraRecordingControl() = default;
};

// The capture pipeline keeps running underneath a broadcast: the processed frames are what
// viewers see.
class CameraBroadcastControl {
public:
    // False when it could not start; the reason was shown and logged, and the preview and
    // recording go on as before.
    virtual bool StartBroadcast(bool keepFile) = 0;
    // With rebuildPreview false (the camera is stopping) the pipeline is torn down as well.
    virtual void StopBroadcast(bool rebuildPreview) = 0;
    // Stays true while a motion recording runs beside the broadcast, so it can still be stopped.
    virtual bool IsBroadcasting() const = 0;
    // Asks the address service without waiting; `done` runs on the UI thread once publicUrl is
    // set (empty when the address is not known), never after the camera is gone.
    virtual void ComputePublicUrl(std::function<void()> done) = 0;
    virtual const BroadcastEngine& broadcastEngine() const = 0;
    // The broadcast's local copy, and the addresses viewers reach it at.
    virtual QString broadcastFile() const = 0;
    virtual QString privateUrl() const = 0;
    virtual QString publicUrl() const = 0;

protected:
    ~CameraBroadcastControl() = default;
};

// Network cameras ("rtsp://", "rtsps://", "http://", "https://" identifiers).
class CameraNetworkLink {
public:
    virtual bool IsNetworkCamera() const = 0;
    // The stream was lost (or never came): the last picture shows greyed while attempts
    // follow with growing pauses.
    virtual bool IsReconnecting() const = 0;
    // Whether an HTTP address turned out to give single pictures, now polled.
    virtual bool PollsPictures() const = 0;
    // The pause before the pending attempt; 0 while the stream runs.
    virtual int reconnectDelayMs() const = 0;
    // Makes the source report a lost device, as an unplugged camera would.
    virtual void SimulateDeviceLost() = 0;

protected:
    ~CameraNetworkLink() = default;
};

// The camera's picture on its panel and on a settings page, and what the pages adjust on it.
class CameraView {
public:
    virtual void ToggleFullScreen() = 0;
    virtual bool IsFullScreen() const = 0;
    virtual void FitVideoWindow() = 0;
    // The camera's panel is going away: nothing is shown or posted to it any more.
    virtual void DetachPanel() = 0;
    virtual void SetPreviewTarget(VideoSurface* previewWindow, QObject* previewNotifyWindow) = 0;
    virtual void ClearPreviewTarget() = 0;
    virtual QObject* previewNotifyWindow() const = 0;
    // The size of the delivered frames; empty before the first.
    virtual QSize FrameSize() const = 0;
    virtual uint64_t framesDelivered() const = 0;
    // The last frame shown on the panel; none once the camera stopped.
    virtual FramePtr NewestFrame() const = 0;
    // The drawn caption's and time's boxes; empty while they are not drawn.
    virtual QSize CaptionSize() const = 0;
    virtual QSize TimeSize() const = 0;
    // The record's caption, font and colours drawn from the next frame on.
    virtual void RefreshCaption() = 0;
    virtual void RefreshCaptionFont(Colour3 rgb) = 0;
    virtual void RefreshTimeFont(Colour3 rgb) = 0;
    // The motion page's test: the region is tinted on the preview.
    virtual void SetRegionTestMode(bool on) = 0;
    virtual bool regionTestMode() const = 0;
    // The newest picture taken (of any kind) and the newest manual one.
    virtual QString newestSnapshotPath() const = 0;
    virtual QString snapshotPath() const = 0;

protected:
    ~CameraView() = default;
};

class CameraDevice {
public:
    // The running source's controls; none without a pipeline.
    virtual CameraControls* Controls() const = 0;
    // The record's percentages onto the device, e.g. while the operator moves a bar.
    virtual void ApplyImageParameters() = 0;

protected:
    ~CameraDevice() = default;
};

class CameraUpload {
public:
    // With ftpEnabled, (re)starts both threads with the record's current server settings.
    virtual void StartUpload() = 0;
    // Ends both threads and deletes the client.
    virtual void StopUpload() = 0;
    // While upload runs.
    virtual RecordClass_FTP* uploadRecord() const = 0;

protected:
    ~CameraUpload() = default;
};

}  // namespace trelvix
