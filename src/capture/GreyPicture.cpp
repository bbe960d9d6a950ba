#include "capture/GreyPicture.h"

#include <algorithm>
#include <cstdlib>

namespace trelvix {

MotionRegion ClipRegion(int left, int top, int right, int bottom, int width, int height) {
    MotionRegion r;
    r.left = std::clamp(left, 0, width);
    r.top = std::clamp(top, 0, height);
    r.right = std::clamp(right, 0, width);
    r.bottom = std::clamp(bottom, 0, height);
    return r;
}

MotionRegion GreyPicture::ToBlocks(const MotionRegion& r) const {
    return ClipRegion(r.left / factor, r.top / factor, (r.right + factor - 1) / factor,
                      (r.bottom + factor - 1) / factor, width, height);
}

MotionRegion GreyPicture::ToFrame(const MotionRegion& r) const {
    return {r.left * factor, r.top * factor, r.right * factor, r.bottom * factor};
}

void ReduceToGrey(const uint8_t* frame, int stride, int width, int height, GreyPicture* out) {
    const int f = std::max(1, width / kGreyWidth);
    out->factor = f;
    out->width = width / f;
    out->height = height / f;
    out->pixels.resize(size_t(out->width) * size_t(out->height));
    const int bytes = out->width * f * 3;
    // Rows of a block are summed first, byte by byte, which the compiler vectorises; the
    // columns and channels of each block are then folded into one value.
    std::vector<uint16_t> sums(static_cast<size_t>(bytes));
    const int shift = 2;  // the channel weights 1, 2, 1 sum to 4
    const int blockPixels = f * f;
    for (int by = 0; by < out->height; ++by) {
        uint16_t* __restrict acc = sums.data();
        const uint8_t* __restrict first = frame + size_t(stride) * size_t(by * f);
        for (int i = 0; i < bytes; ++i) acc[i] = first[i];
        for (int k = 1; k < f; ++k) {
            const uint8_t* __restrict row = first + size_t(stride) * size_t(k);
            for (int i = 0; i < bytes; ++i) acc[i] = uint16_t(acc[i] + row[i]);
        }
        uint8_t* dst = out->pixels.data() + size_t(by) * size_t(out->width);
        const uint16_t* s = sums.data();
        for (int bx = 0; bx < out->width; ++bx) {
            uint32_t total = 0;
            for (int k = 0; k < f; ++k, s += 3) total += s[0] + 2u * s[1] + s[2];
            dst[bx] = uint8_t((total >> shift) / uint32_t(blockPixels));
        }
    }
}

double SameWayShare(const GreyPicture& before, const GreyPicture& now, int threshold) {
    if (!before.SameShape(now) || now.pixels.empty()) return 0;
    size_t brighter = 0, darker = 0;
    for (size_t i = 0; i < now.pixels.size(); ++i) {
        const int d = int(now.pixels[i]) - int(before.pixels[i]);
        brighter += d > threshold;
        darker += d < -threshold;
    }
    return double(std::max(brighter, darker)) / double(now.pixels.size());
}

}  // namespace trelvix
