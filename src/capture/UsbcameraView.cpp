#include <QSize>

#include "capture/Usbcamera.h"

namespace trelvix {

void UsbCamera::ToggleFullScreen() {
    VideoSurface* video = videoPanel();
    if (!graph || !video) return;
    fullScreen_ = !video->IsFullScreen();
    video->SetFullScreen(fullScreen_);
}

namespace {
QSize TextBox(const COverlayController* overlay) {
    const auto mask = overlay ? overlay->mask() : nullptr;
    return mask ? QSize(mask->width, mask->height) : QSize();
}

// A renderer takes a new font only while it is off.
void ReRender(COverlayController* overlay, bool caption) {
    overlay->Deactivate();
    if (caption) {
        overlay->CaptionFontChanged();
        overlay->RenderCaption();
    } else {
        overlay->TimeFontChanged();
        overlay->Activate();
    }
}
}  // namespace

QSize UsbCamera::CaptionSize() const {
    return TextBox(callback.captionOverlay.get());
}

QSize UsbCamera::TimeSize() const {
    return TextBox(callback.timeOverlay.get());
}

void UsbCamera::RefreshCaptionFont(Colour3 rgb) {
    COverlayController* overlay = callback.captionOverlay.get();
    if (!overlay) return;  // the colour goes with the renderer that draws it
    overlay->SetCaptionColour(rgb.c0, rgb.c1, rgb.c2);
    ReRender(overlay, true);
}

void UsbCamera::RefreshTimeFont(Colour3 rgb) {
    for (COverlayController* o : {callback.timeOverlay.get(), callback.recordTimeOverlay.get()})
        if (o) o->SetTimeColour(rgb.c0, rgb.c1, rgb.c2);
    for (COverlayController* o : {callback.timeOverlay.get(), callback.recordTimeOverlay.get()})
        if (o) ReRender(o, false);
}

void UsbCamera::FitVideoWindow() {
    if (VideoSurface* video = videoPanel(); graph && video) video->FitVideo();
}

void UsbCamera::DetachPanel() {
    StopUpload();  // its timed thread posts to the panel
    TearDownGraph();
    callback.SetPanel(nullptr, nullptr);
}

void UsbCamera::SetPreviewTarget(VideoSurface* preview, QObject* notify) {
    callback.SetPreview(preview, notify);
}

void UsbCamera::ClearPreviewTarget() {
    callback.SetPreview(nullptr, nullptr);
}

}  // namespace trelvix
