// Frames as the capture engine hands them around, and the surfaces that show them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace trelvix {

// Pixel-format codes of the overlay writers and the snapshot bitmap.
enum PixelFormatCode : int32_t {
    kPixelUnknown = 1,
    kPixelRGB8 = 3,
    kPixelRGB555 = 4,
    kPixelRGB565 = 5,
    kPixelRGB24 = 6,
    kPixelRGB32 = 7,
};

// Rows a frame of `width` packed 24-bit pixels takes: width × 3 rounded up to a multiple of 4.
inline int FrameStride(int width) {
    return (width * 3 + 3) & ~3;
}

// A packed 24-bit BGR picture, rows top-down.
struct VideoFrame {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<uint8_t> data;

    void Resize(int w, int h) {
        width = w;
        height = h;
        stride = FrameStride(w);
        data.resize(size_t(stride) * size_t(h));
    }
    uint8_t* Row(int y) { return data.data() + size_t(stride) * size_t(y); }
    const uint8_t* Row(int y) const { return data.data() + size_t(stride) * size_t(y); }
};

using FramePtr = std::shared_ptr<const VideoFrame>;

// Where a camera's processed frames are shown: the panel's video area, a settings page's
// preview, or the headless stand-in. PresentFrame is called on the streaming thread.
class VideoSurface {
public:
    virtual ~VideoSurface() = default;
    virtual void PresentFrame(FramePtr frame) = 0;
    // The camera has no picture any more (its graph was torn down).
    virtual void ClearFrame() = 0;
    virtual void SetFullScreen(bool on) = 0;
    virtual bool IsFullScreen() const = 0;
    // Fits the picture to the surface's current size.
    virtual void FitVideo() = 0;
};

}  // namespace trelvix
