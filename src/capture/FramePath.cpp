// The frame callback of a camera: what every delivered frame goes through.
#include <gst/gst.h>
#include <gst/video/video.h>

#include <QFileInfo>
#include <cstring>

#include "common/Jpeg.h"
#include "capture/MotionMarks.h"
#include "capture/Orientation.h"
#include "capture/Usbcamera.h"
#include "common/Clock.h"
#include "common/Messages.h"
#include "config/Option.h"
#include "history/LogReceiver.h"

namespace trelvix {

namespace {
// Frames kept for reuse: the one being processed, the one shown, one spare and the two a
// broadcast holds (waiting and being encoded).
constexpr size_t kFramePool = 6;
}  // namespace

CSampleGrabberCB::CSampleGrabberCB() = default;

CSampleGrabberCB::~CSampleGrabberCB() = default;

void CSampleGrabberCB::CreateOverlays() {
    captionOverlay = std::make_unique<COverlayController>(settings);
    timeOverlay = std::make_unique<COverlayController>(settings);
    recordTimeOverlay = std::make_unique<COverlayController>(settings);
    // The recording thread stamps the same picture again while no newer one came.
    recordTimeOverlay->KeepUnder(true);
}

void CSampleGrabberCB::DestroyOverlays() {
    captionOverlay.reset();
    timeOverlay.reset();
    recordTimeOverlay.reset();
}

void CSampleGrabberCB::RefreshOverlays() {
    if (!captionOverlay) return;
    captionOverlay->Deactivate();
    captionOverlay->CaptionFontChanged();
    captionOverlay->RenderCaption();
    for (COverlayController* t : {timeOverlay.get(), recordTimeOverlay.get()}) {
        t->Deactivate();
        t->TimeFontChanged();
        t->Activate();
    }
    captionOverlay->RenderCaption();
}

void CSampleGrabberCB::RefreshCaption() {
    if (captionOverlay) captionOverlay->RenderCaption();
}

void CSampleGrabberCB::HideCaption() {
    if (captionOverlay) captionOverlay->Deactivate();
}

void CSampleGrabberCB::ShowTime() {
    if (timeOverlay) timeOverlay->Activate();
}

void CSampleGrabberCB::HideTime() {
    if (timeOverlay) timeOverlay->Deactivate();
}

void CSampleGrabberCB::SetUpFormat(int width, int height, int code) {
    pixelFormatCode = code;
    if (width > 0) frameWidth = width;
    if (height > 0) frameHeight = height;
    if (!captionOverlay) return;
    captionOverlay->SetCaptionFormat(code);
    timeOverlay->SetTimeFormat(code);
    recordTimeOverlay->SetTimeFormat(code);
    const int bits = code == kPixelRGB32   ? 32
                     : code == kPixelRGB24 ? 24
                     : code == kPixelRGB8  ? 8
                                           : 16;
    for (COverlayController* o : {captionOverlay.get(), timeOverlay.get(), recordTimeOverlay.get()})
        o->SetGeometry(frameWidth, frameHeight, bits, false);
}

void CSampleGrabberCB::Orient(uint8_t* buf, int width, int height, int stride, int orientation) {
    OrientFrame(buf, width, height, stride, orientation);
}

int CSampleGrabberCB::BufferCB(double, uint8_t* buffer, size_t length) {
    if (!buffer) return -1;
    ProcessLiveFrame(buffer, length);
    return 0;
}

void CSampleGrabberCB::ProcessLiveFrame(uint8_t* buffer, size_t length) {
    const int w = frameWidth, h = frameHeight;
    if (!settings || w <= 0 || h <= 0) return;
    const int stride = int(length / size_t(h));
    if (stride < w * 3) return;
    // 1. Orientation.
    Orient(buffer, w, h, stride, Live(settings->orientation));
    // 2. Guide lines.
    DrawGuideLines(buffer, w, h, stride, settings);
    // 3. Caption; 4. date and time.
    if (captionOverlay) captionOverlay->DrawCaption(buffer);
    if (timeOverlay) timeOverlay->DrawTime(buffer, Now());
    // 5. A requested snapshot (a request arriving meanwhile waits for the next frame).
    if (const auto kind = snapshots.TakeRequest()) TakeSnapshot(buffer, length, *kind);
    // 6. Motion.
    CheckMotion(buffer, length);
    // 7. The region of the settings page's test, on its preview only: the grid, the broadcast
    // and the recording show the picture as it is. 8. The settings page's preview.
    ShowPreview(buffer, stride, regionTestMode);
}

void CSampleGrabberCB::ProcessRecordFrame(uint8_t* buffer, size_t length) {
    const int w = frameWidth, h = frameHeight;
    if (!buffer || !settings || w <= 0 || h <= 0) return;
    const int stride = int(length / size_t(h));
    if (stride < w * 3) return;
    Orient(buffer, w, h, stride, Live(settings->orientation));
    DrawGuideLines(buffer, w, h, stride, settings);
    if (captionOverlay) captionOverlay->DrawCaption(buffer);
    if (recordTimeOverlay) {
        recordTimeOverlay->ForgetUnder();
        recordTimeOverlay->DrawTime(buffer, Now());
    }
}

void CSampleGrabberCB::ProcessRecordFrame(RecordFrame& f) {
    if (!settings) return;
    if (f.planar && (Live(settings->orientation) != 0 || Live(settings->rulerShow))) {
        if (!recordJpeg_) recordJpeg_ = std::make_unique<JpegDecoder>();
        f.bgr.Resize(f.planes.width, f.planes.height);
        if (!recordJpeg_->PlanesToBGR(f.planes, f.bgr.data.data(), f.bgr.stride)) return;
        f.planar = false;
    }
    if (!f.planar) return ProcessRecordFrame(f.bgr.data.data(), f.bgr.data.size());
    if (captionOverlay) captionOverlay->DrawCaption(f.planes);
    if (recordTimeOverlay) {
        recordTimeOverlay->ForgetUnder();
        recordTimeOverlay->DrawTime(f.planes, Now());
    }
}

void CSampleGrabberCB::RestampRecordTime(uint8_t* buffer) {
    if (!recordTimeOverlay || !buffer) return;
    recordTimeOverlay->RestoreUnder(buffer);
    recordTimeOverlay->DrawTime(buffer, Now());
}

void CSampleGrabberCB::RestampRecordTime(RecordFrame& f) {
    if (!f.planar) return RestampRecordTime(f.bgr.data.data());
    if (!recordTimeOverlay) return;
    recordTimeOverlay->RestoreUnder(f.planes);
    recordTimeOverlay->DrawTime(f.planes, Now());
}

void CSampleGrabberCB::ShowPreview(const uint8_t* buffer, int stride, bool markRegion) {
    std::lock_guard lock(previewMutex_);
    if (!previewWindow_) return;
    FramePtr frame = current_;
    if (!frame || frame->data.data() != buffer || markRegion) {
        auto copy = std::make_shared<VideoFrame>();
        copy->Resize(frameWidth, frameHeight);
        for (int y = 0; y < copy->height; ++y)
            std::memcpy(copy->Row(y), buffer + size_t(stride) * y, size_t(copy->width) * 3);
        if (markRegion) MarkRegion(copy->data.data(), copy->data.size());
        frame = std::move(copy);
    }
    previewWindow_->PresentFrame(std::move(frame));
}

std::shared_ptr<VideoFrame> CSampleGrabberCB::AcquireFrame(int width, int height) {
    for (auto& f : pool_) {
        // Nobody else holds it: neither the panel nor a preview.
        if (f.use_count() == 1 && f->width == width && f->height == height) return f;
    }
    auto f = std::make_shared<VideoFrame>();
    f->Resize(width, height);
    if (pool_.size() < kFramePool) {
        pool_.push_back(f);
    } else {
        for (auto& old : pool_)
            if (old.use_count() == 1) {
                old = f;
                break;
            }
    }
    return f;
}

void CSampleGrabberCB::NoteFrameSize(int width, int height) {
    if (width == lastCapsWidth_ && height == lastCapsHeight_) return;
    lastCapsWidth_ = width;
    lastCapsHeight_ = height;
    SetUpFormat(width, height, kPixelRGB24);
}

std::shared_ptr<VideoFrame> CSampleGrabberCB::DecodeSample(GstBuffer* buffer) {
    GstMapInfo map;
    if (!gst_buffer_map(buffer, &map, GST_MAP_READ)) return nullptr;
    if (!jpeg_) jpeg_ = std::make_unique<JpegDecoder>();
    std::shared_ptr<VideoFrame> frame;
    int w = 0, h = 0;
    // While someone records, the planes are kept: the encoder takes them as they are.
    planesDecoded_ = rawFrameWanted_ && jpeg_->DecodePlanes(map.data, map.size, &decodedPlanes_);
    if (planesDecoded_) {
        NoteFrameSize(decodedPlanes_.width, decodedPlanes_.height);
        frame = AcquireFrame(decodedPlanes_.width, decodedPlanes_.height);
        if (!jpeg_->PlanesToBGR(decodedPlanes_, frame->data.data(), frame->stride)) {
            frame.reset();
            planesDecoded_ = false;
        }
    } else if (jpeg_->ReadSize(map.data, map.size, &w, &h)) {
        // A damaged picture is skipped: the frame before it stays on the screen.
        NoteFrameSize(w, h);
        frame = AcquireFrame(w, h);
        if (!jpeg_->DecodeBGR(map.data, map.size, frame->data.data(), w, h, frame->stride))
            frame.reset();
    }
    gst_buffer_unmap(buffer, &map);
    return frame;
}

std::shared_ptr<VideoFrame> CSampleGrabberCB::CopySample(GstSample* sample) {
    planesDecoded_ = false;
    GstCaps* caps = gst_sample_get_caps(sample);
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    if (!caps || !buffer || gst_caps_get_size(caps) == 0) return nullptr;
    if (gst_structure_has_name(gst_caps_get_structure(caps, 0), "image/jpeg"))
        return DecodeSample(buffer);
    GstVideoInfo info;
    if (!gst_video_info_from_caps(&info, caps) ||
        GST_VIDEO_INFO_FORMAT(&info) != GST_VIDEO_FORMAT_BGR)
        return nullptr;
    const int w = GST_VIDEO_INFO_WIDTH(&info), h = GST_VIDEO_INFO_HEIGHT(&info);
    NoteFrameSize(w, h);
    GstVideoFrame vf;
    if (!gst_video_frame_map(&vf, &info, buffer, GST_MAP_READ)) return nullptr;
    const auto* src = static_cast<const uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&vf, 0));
    const int srcStride = GST_VIDEO_FRAME_PLANE_STRIDE(&vf, 0);
    std::shared_ptr<VideoFrame> frame = AcquireFrame(w, h);
    if (srcStride == frame->stride) {
        std::memcpy(frame->data.data(), src, frame->data.size());
    } else {
        for (int y = 0; y < h; ++y)
            std::memcpy(frame->Row(y), src + size_t(srcStride) * y, size_t(w) * 3);
    }
    gst_video_frame_unmap(&vf);
    return frame;
}

void CSampleGrabberCB::OnSample(GstSample* sample) {
    std::shared_ptr<VideoFrame> frame = CopySample(sample);
    if (!frame) return;
    if (rawFrameWanted_) KeepRawFrame(*frame);
    current_ = frame;
    const GstBuffer* buffer = gst_sample_get_buffer(sample);
    BufferCB(double(GST_BUFFER_PTS(buffer)) / GST_SECOND, frame->data.data(), frame->data.size());
    current_.reset();
    ++framesDelivered;
    // Finished: nothing writes into it any more, so the encoder may read it on its own thread.
    if (BroadcastEngine* b = broadcastSink.load()) b->PushFrame(FramePtr(frame));
    if (reportNextFrame.load(std::memory_order_relaxed) && reportNextFrame.exchange(false))
        PostToPanel(GraphEventMessage{});
    std::lock_guard lock(panelMutex_);
    lastShown_ = frame;
    if (videoPanel_) videoPanel_->PresentFrame(std::move(frame));
}

FramePtr CSampleGrabberCB::LastShownFrame() const {
    std::lock_guard lock(panelMutex_);
    return lastShown_;
}

void CSampleGrabberCB::ForgetLastShownFrame() {
    std::lock_guard lock(panelMutex_);
    lastShown_.reset();
}

void CSampleGrabberCB::CheckMotion(uint8_t* frame, size_t length) {
    if (!settings) return;
    const bool testing = regionTestMode;
    // Most cameras never look for motion: they pay for no clock reading either.
    if (!(Live(settings->motionEnabled) || testing) || !motion.motionReady) return;
    const bool motionRecording = state == CameraState::MotionRecording;
    switch (motion.Check(frame, length, frameWidth, frameHeight, *settings, true, motionRecording,
                         Now())) {
        case MotionVerdict::kMotion:
            if (testing) {
                FlashPreview();
                break;
            }
            TakeSnapshot(frame, length, kSnapshotMotion, motion.objectBox);
            PostMotionNotice();
            if (Live(settings->motionRecord) && !motionRecording) {
                motionSeenMs = motion.lastMotionTime.toMSecsSinceEpoch();
                PostToPanel(MotionRecordMessage{true});
            }
            break;
        case MotionVerdict::kStill:
            PostToPanel(MotionRecordMessage{false});
            break;
        case MotionVerdict::kNone:
            break;
    }
}

void CSampleGrabberCB::PostMotionNotice() {
    Notice n;
    n.camera = cameraId;
    n.caption = settings->caption.get();
    n.when = Now();
    n.picture = snapshots.newestPath.get();
    // Motion stays on while a motion recording would go on.
    if (Live(settings->motionRecord)) n.holdSeconds = Live(settings->motionRecordStopSeconds);
    PostNotice(std::move(n));
}

void CSampleGrabberCB::FlashPreview() {
    std::lock_guard lock(previewMutex_);
    if (previewWindow_) PostMessage(previewNotifyWindow_, SnapshotTakenMessage{false});
}

namespace {
constexpr Bgr kObjectColour{0, 0, 255};              // red
constexpr Bgr kBlobColour{0, 255, 255};              // yellow
constexpr Bgr kSmallestObjectColour{255, 255, 255};  // white
}  // namespace

void CSampleGrabberCB::MarkRegion(uint8_t* frame, size_t length) {
    const int w = frameWidth, h = frameHeight;
    if (!settings || !frame || w <= 0 || h <= 0) return;
    const int stride = int(length / size_t(h));
    const MotionRegion r =
        ClipRegion(Live(settings->motionLeft), Live(settings->motionTop),
                   Live(settings->motionRight), Live(settings->motionBottom), w, h);
    const int colour = Live(settings->motionMarkColour);
    const int byte = colour == 1 ? 2 : colour == 2 ? 1 : 0;
    for (int y = r.top; y < r.bottom; ++y) {
        uint8_t* p = frame + size_t(stride) * size_t(y) + size_t(r.left) * 3 + byte;
        for (int x = r.left; x < r.right; ++x, p += 3) *p = 155;
    }
    if (Live(settings->motionMode) != kMotionObject) return;
    // What the object mode sees, and the size it needs, drawn over the tint.
    for (const MotionRegion& blob : motion.objects)
        DrawOutline(frame, stride, w, h, blob, kBlobColour, 1);
    DrawOutline(frame, stride, w, h, SmallestObjectSquare(r, Live(settings->motionMinSize), w, h),
                kSmallestObjectColour, 1);
}

void CSampleGrabberCB::TakeSnapshot(uint8_t* frame, size_t length, int kind,
                                    const MotionRegion& object) {
    if (snapshots.snapshotBusy.exchange(true)) return;
    // The moving object is framed on its picture only; the live frame goes on as it came.
    const int stride = frameHeight > 0 ? int(length / size_t(frameHeight)) : 0;
    const int thickness = std::max(1, frameWidth / 320);
    if (!object.Empty())
        DrawOutline(frame, stride, frameWidth, frameHeight, object, kObjectColour, thickness,
                    &objectUnder_);
    const QString stored =
        settings ? SnapshotTaker::WritePicture(frame, length, frameWidth, frameHeight,
                                               pixelFormatCode, *settings, kind, Now())
                 : QString();
    if (!object.Empty())
        RestoreOutline(frame, stride, frameWidth, frameHeight, object, thickness, objectUnder_);
    // Only a manual picture is shown; a failed one shows nothing rather than an older one.
    if (kind == kSnapshotManual) snapshots.snapshotPath = stored;
    if (!stored.isEmpty()) snapshots.newestPath = stored;
    if (kind == kSnapshotRemote && !stored.isEmpty()) {
        Notice n{NoticeKind::Snapshot, cameraId, settings ? settings->caption.get() : QString(),
                 Now(), stored};
        PostNotice(std::move(n));
    }
    PostToPanel(SnapshotTakenMessage{kind == kSnapshotManual});
    snapshots.snapshotBusy = false;
    if (!settings) return;
    const SnapshotRecord r = SnapshotTaker::FollowUp(kind, stored, *settings, uploadList);
    if (object.Empty() || !r.descriptionText) {
        SendEventRecord(r.kind, r.sourceText, r.descriptionText, stored);
        return;
    }
    // The object's box goes with the record, for whoever reviews the day.
    const QString box = QStringLiteral(" [%1,%2 %3x%4]")
                            .arg(object.left)
                            .arg(object.top)
                            .arg(object.right - object.left)
                            .arg(object.bottom - object.top);
    const QString caption = settings->caption.get();
    PostEventRecord(MakeEventRecord(r.kind, LanguageText(r.sourceText), caption,
                                    LanguageText(r.descriptionText) + box, cameraId, stored,
                                    Now()));
}

void CSampleGrabberCB::SendEventRecord(int kind, int sourceText, int descriptionText,
                                       const QString& filePath) {
    const QString caption = settings ? settings->caption.get() : QString();
    PostEventRecord(MakeEventRecord(
        kind, sourceText ? LanguageText(sourceText) : QString(), caption,
        descriptionText ? LanguageText(descriptionText) : QString(), cameraId, filePath, Now()));
}

void CSampleGrabberCB::SendEventText(int kind, int sourceText, const QString& description) {
    const QString caption = settings ? settings->caption.get() : QString();
    PostEventRecord(MakeEventRecord(kind, sourceText ? LanguageText(sourceText) : QString(),
                                    caption, description, cameraId, QString(), Now()));
}

void CSampleGrabberCB::KeepRawFrame(const VideoFrame& frame) {
    std::lock_guard lock(rawMutex_);
    if (planesDecoded_) {
        // The planes the recording thread gave back are decoded into next time.
        std::swap(raw_.planes, decodedPlanes_);
        raw_.planar = true;
    } else {
        raw_.bgr = frame;
        raw_.planar = false;
    }
    rawValid_ = rawFresh_ = true;
}

bool CSampleGrabberCB::HasLatestRawFrame() {
    std::lock_guard lock(rawMutex_);
    return rawValid_;
}

CSampleGrabberCB::RawFrame CSampleGrabberCB::TakeLatestRawFrame(RecordFrame* frame) {
    std::lock_guard lock(rawMutex_);
    if (!rawValid_) return RawFrame::kNone;
    if (!rawFresh_) return RawFrame::kSame;
    std::swap(raw_, *frame);
    rawFresh_ = false;
    return RawFrame::kNew;
}

void CSampleGrabberCB::SetRawFrameWanted(bool wanted) {
    rawFrameWanted_ = wanted;
    if (!wanted) ForgetRawFrame();
}

void CSampleGrabberCB::ForgetRawFrame() {
    std::lock_guard lock(rawMutex_);
    rawValid_ = rawFresh_ = false;
    raw_ = RecordFrame();
}

void CSampleGrabberCB::SetPanel(QObject* window, VideoSurface* video) {
    std::lock_guard lock(panelMutex_);
    panelWindow_ = window;
    videoPanel_ = video;
}

QObject* CSampleGrabberCB::panelWindow() const {
    std::lock_guard lock(panelMutex_);
    return panelWindow_;
}

VideoSurface* CSampleGrabberCB::videoPanel() const {
    std::lock_guard lock(panelMutex_);
    return videoPanel_;
}

void CSampleGrabberCB::SetPreview(VideoSurface* preview, QObject* notify) {
    std::lock_guard lock(previewMutex_);
    previewWindow_ = preview;
    previewNotifyWindow_ = notify;
}

QObject* CSampleGrabberCB::previewNotifyWindow() const {
    std::lock_guard lock(previewMutex_);
    return previewNotifyWindow_;
}

}  // namespace trelvix
