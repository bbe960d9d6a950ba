#include "capture/PixelWriters.h"

#include "common/Frame.h"

namespace trelvix {

std::unique_ptr<CBasePixel> CreatePixelWriter(int code) {
    std::unique_ptr<CBasePixel> w;
    int bytes = 0;
    switch (code) {
        case kPixelRGB8:
            w = std::make_unique<CPixelRGB8>(), bytes = 1;
            break;
        case kPixelRGB555:
            w = std::make_unique<CPixelRGB555>(), bytes = 2;
            break;
        case kPixelRGB565:
            w = std::make_unique<CPixelRGB565>(), bytes = 2;
            break;
        case kPixelRGB24:
            w = std::make_unique<CPixelRGB24>(), bytes = 3;
            break;
        case kPixelRGB32:
            w = std::make_unique<CPixelRGB32>(), bytes = 4;
            break;
        default:
            return nullptr;
    }
    w->SetBytesPerPixel(bytes);
    w->PrepareColour();
    return w;
}

}  // namespace trelvix
