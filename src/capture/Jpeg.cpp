#include "capture/Jpeg.h"

#include <turbojpeg.h>

#include <climits>

#include "capture/Frame.h"
#include "common/Files.h"

namespace trelvix {

QByteArray EncodeJpeg(const uint8_t* frame, int width, int height, int stride, int code,
                      int quality) {
    int format;
    if (code == kPixelRGB24)
        format = TJPF_BGR;
    else if (code == kPixelRGB32)
        format = TJPF_BGRX;
    else
        return QByteArray();
    if (!frame || width <= 0 || height <= 0) return QByteArray();
    tjhandle handle = tjInitCompress();
    if (!handle) return QByteArray();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    QByteArray result;
    if (tjCompress2(handle, frame, width, stride, height, format, &out, &size, TJSAMP_420, quality,
                    TJFLAG_FASTDCT) == 0)
        result = QByteArray(reinterpret_cast<const char*>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(handle);
    return result;
}

JpegDecoder::JpegDecoder() : handle_(tjInitDecompress()) {}

JpegDecoder::~JpegDecoder() {
    if (handle_) tjDestroy(handle_);
}

bool JpegDecoder::ReadSize(const uint8_t* data, size_t size, int* width, int* height) {
    int subsampling = 0, colourspace = 0;
    if (!handle_ || !data || size == 0 || size > ULONG_MAX ||
        tjDecompressHeader3(handle_, data, static_cast<unsigned long>(size), width, height,
                            &subsampling, &colourspace) != 0)
        return false;
    return *width > 0 && *height > 0 && *width <= kMaxJpegSide && *height <= kMaxJpegSide;
}

bool JpegDecoder::DecodeBGR(const uint8_t* data, size_t size, uint8_t* frame, int width, int height,
                            int stride) {
    if (!handle_ || !data || !frame || size == 0 || size > ULONG_MAX) return false;
    // Chroma repeated, not interpolated: a sixth less work for no difference a camera shows.
    if (tjDecompress2(handle_, data, static_cast<unsigned long>(size), frame, width, stride, height,
                      TJPF_BGR, TJFLAG_FASTDCT | TJFLAG_FASTUPSAMPLE) == 0)
        return true;
    return tjGetErrorCode(handle_) == TJERR_WARNING;
}

bool WriteJpegFile(const QString& path, const uint8_t* frame, int width, int height, int stride,
                   int code) {
    const QByteArray jpeg = EncodeJpeg(frame, width, height, stride, code);
    return !jpeg.isEmpty() && WriteFileAtomically(path, jpeg, false);
}

}  // namespace trelvix
