// JPEG pictures of frames, through TurboJPEG.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace trelvix {

struct PlanarFrame;

// The library's default quality.
inline constexpr int kJpegQuality = 75;

// Encodes a top-down frame of pixel-format code 6 (BGR) or 7 (BGRX); empty on failure.
QByteArray EncodeJpeg(const uint8_t* frame, int width, int height, int stride, int pixelFormatCode,
                      int quality = kJpegQuality);

// Larger pictures are refused: a camera's header alone must not make us allocate gigabytes.
inline constexpr int kMaxJpegSide = 8192;

// Decodes JPEG pictures straight into packed BGR frames (no planar step, no second conversion);
// keeps its decompressor from one picture to the next. One thread at a time.
class JpegDecoder {
public:
    JpegDecoder();
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    // The picture's size; false when the data is no JPEG picture or a side exceeds kMaxJpegSide.
    bool ReadSize(const uint8_t* data, size_t size, int* width, int* height);
    // Decodes into a top-down BGR frame of that size. A picture cut short still decodes (its
    // missing part grey); false when it is damaged beyond that.
    bool DecodeBGR(const uint8_t* data, size_t size, uint8_t* frame, int width, int height,
                   int stride);
    // Decodes a 4:2:0 or 4:2:2 picture into its planes as they are, without a colour
    // conversion; false for any other kind (grey, 4:4:4 …) or damage beyond a cut end.
    bool DecodePlanes(const uint8_t* data, size_t size, PlanarFrame* planes);
    // The top-down BGR frame of such planes.
    bool PlanesToBGR(const PlanarFrame& planes, uint8_t* frame, int stride);

private:
    void* handle_ = nullptr;
};

// Writes the picture through a temporary file; false when it could not be written whole.
bool WriteJpegFile(const QString& path, const uint8_t* frame, int width, int height, int stride,
                   int pixelFormatCode);

}  // namespace trelvix
