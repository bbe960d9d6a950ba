#include "common/Jpeg.h"

#include <turbojpeg.h>

#include <climits>

#include "common/Frame.h"
#include "common/Files.h"

namespace trelvix {

namespace {
// A warning (a picture cut short) still leaves a picture.
bool Accept(void* handle, int result) {
    return result == 0 || tjGetErrorCode(handle) == TJERR_WARNING;
}
}  // namespace

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
    return Accept(handle_,
                  tjDecompress2(handle_, data, static_cast<unsigned long>(size), frame, width,
                                stride, height, TJPF_BGR, TJFLAG_FASTDCT | TJFLAG_FASTUPSAMPLE));
}

bool JpegDecoder::DecodePlanes(const uint8_t* data, size_t size, PlanarFrame* planes) {
    int w = 0, h = 0, subsampling = 0, colourspace = 0;
    if (!handle_ || !data || !planes || size == 0 || size > ULONG_MAX) return false;
    const auto length = static_cast<unsigned long>(size);
    if (tjDecompressHeader3(handle_, data, length, &w, &h, &subsampling, &colourspace) != 0 ||
        w <= 0 || h <= 0 || w > kMaxJpegSide || h > kMaxJpegSide)
        return false;
    if ((subsampling != TJSAMP_420 && subsampling != TJSAMP_422) || colourspace != TJCS_YCbCr)
        return false;
    planes->Resize(w, h, tjPlaneWidth(1, w, subsampling), tjPlaneHeight(1, h, subsampling));
    unsigned char* dst[3] = {planes->Plane(0), planes->Plane(1), planes->Plane(2)};
    int strides[3] = {planes->Stride(0), planes->Stride(1), planes->Stride(2)};
    return Accept(handle_, tjDecompressToYUVPlanes(handle_, data, length, dst, w, strides, h,
                                                   TJFLAG_FASTDCT));
}

bool JpegDecoder::PlanesToBGR(const PlanarFrame& planes, uint8_t* frame, int stride) {
    if (!handle_ || !frame || planes.data.empty()) return false;
    const int subsampling = planes.chromaHeight == planes.height ? TJSAMP_422 : TJSAMP_420;
    const unsigned char* src[3] = {planes.Plane(0), planes.Plane(1), planes.Plane(2)};
    const int strides[3] = {planes.Stride(0), planes.Stride(1), planes.Stride(2)};
    return tjDecodeYUVPlanes(handle_, src, strides, subsampling, frame, planes.width, stride,
                             planes.height, TJPF_BGR, TJFLAG_FASTDCT | TJFLAG_FASTUPSAMPLE) == 0;
}

bool WriteJpegFile(const QString& path, const uint8_t* frame, int width, int height, int stride,
                   int code) {
    const QByteArray jpeg = EncodeJpeg(frame, width, height, stride, code);
    return !jpeg.isEmpty() && WriteFileAtomically(path, jpeg, false);
}

}  // namespace trelvix
