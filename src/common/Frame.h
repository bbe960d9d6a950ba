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

// A picture as a JPEG holds it: Y, Cb and Cr planes of 8 bits at full range (0..255), rows
// top-down and tightly packed, chroma at chromaWidth × chromaHeight (4:2:0 or 4:2:2).
struct PlanarFrame {
    int width = 0;
    int height = 0;
    int chromaWidth = 0;
    int chromaHeight = 0;
    std::vector<uint8_t> data;

    void Resize(int w, int h, int cw, int ch) {
        width = w;
        height = h;
        chromaWidth = cw;
        chromaHeight = ch;
        data.resize(size_t(w) * size_t(h) + 2 * size_t(cw) * size_t(ch));
    }
    int Stride(int plane) const { return plane == 0 ? width : chromaWidth; }
    size_t Offset(int plane) const {
        const size_t luma = size_t(width) * size_t(height);
        return plane == 0 ? 0 : luma + size_t(plane - 1) * size_t(chromaWidth) * chromaHeight;
    }
    uint8_t* Plane(int plane) { return data.data() + Offset(plane); }
    const uint8_t* Plane(int plane) const { return data.data() + Offset(plane); }
};

// What the recording thread takes from the live path: the newest frame before any overlay,
// as BGR, or as the planes a JPEG camera's picture was decoded to, which reach the encoder
// without a colour conversion.
struct RecordFrame {
    VideoFrame bgr;
    PlanarFrame planes;
    bool planar = false;

    int width() const { return planar ? planes.width : bgr.width; }
    int height() const { return planar ? planes.height : bgr.height; }
    bool empty() const { return planar ? planes.data.empty() : bgr.data.empty(); }
};

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
    // Whether someone can see the pictures (a stand-in without a screen cannot).
    virtual bool ShowsPictures() const { return true; }
};

}  // namespace trelvix
