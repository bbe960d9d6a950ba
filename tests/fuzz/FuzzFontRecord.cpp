// The overlay's stored font: any 92 bytes make a font whose rendered text stays within the
// frame it is drawn on.
#include <cstring>

#include "capture/Cautofont.h"
#include "config/Cdataclass.h"
#include "fuzz/FuzzSupport.h"

using namespace trelvix;
using namespace trelvix::fuzz;

TRELVIX_FUZZ_INIT(true)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LogFontW lf{};
    std::memcpy(&lf, data, std::min(size, sizeof lf));
    constexpr int kWidth = 640, kHeight = 480;
    CAutoFont font;
    font.Create(lf, kHeight);
    const auto mask =
        RenderTextMask(QStringLiteral("2026/12/09 12:34:56 Cam 0#"), font.font(), kWidth, kHeight);
    if (mask) FUZZ_CHECK(mask->width <= kWidth && mask->height <= kHeight);
    return 0;
}
