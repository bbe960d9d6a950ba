#include "capture/Jpeg.h"

#include <turbojpeg.h>

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

bool WriteJpegFile(const QString& path, const uint8_t* frame, int width, int height, int stride,
                   int code) {
    const QByteArray jpeg = EncodeJpeg(frame, width, height, stride, code);
    return !jpeg.isEmpty() && WriteFileAtomically(path, jpeg, false);
}

}  // namespace trelvix
