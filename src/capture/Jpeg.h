// JPEG pictures of frames, through TurboJPEG.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace trelvix {

// The library's default quality.
inline constexpr int kJpegQuality = 75;

// Encodes a top-down frame of pixel-format code 6 (BGR) or 7 (BGRX); empty on failure.
QByteArray EncodeJpeg(const uint8_t* frame, int width, int height, int stride, int pixelFormatCode,
                      int quality = kJpegQuality);
// Writes the picture through a temporary file; false when it could not be written whole.
bool WriteJpegFile(const QString& path, const uint8_t* frame, int width, int height, int stride,
                   int pixelFormatCode);

}  // namespace trelvix
