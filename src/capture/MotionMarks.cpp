#include "capture/MotionMarks.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace trelvix {

namespace {

// Calls `row(y, left, right)` for each run of pixels the outline covers, in a fixed order.
template <typename Row>
void ForEachRun(const MotionRegion& b, int thickness, Row row) {
    const int t =
        std::max(1, std::min({thickness, (b.right - b.left + 1) / 2, (b.bottom - b.top + 1) / 2}));
    for (int y = b.top; y < b.bottom; ++y) {
        if (y < b.top + t || y >= b.bottom - t) {
            row(y, b.left, b.right);
        } else {
            row(y, b.left, b.left + t);
            row(y, b.right - t, b.right);
        }
    }
}

}  // namespace

void DrawOutline(uint8_t* frame, int stride, int width, int height, const MotionRegion& box,
                 Bgr colour, int thickness, std::vector<uint8_t>* under) {
    const MotionRegion b = ClipRegion(box.left, box.top, box.right, box.bottom, width, height);
    if (b.Empty()) return;
    if (under) under->clear();
    ForEachRun(b, thickness, [&](int y, int left, int right) {
        uint8_t* p = frame + size_t(stride) * size_t(y) + size_t(left) * 3;
        if (under) under->insert(under->end(), p, p + 3 * (right - left));
        for (int x = left; x < right; ++x, p += 3) {
            p[0] = colour.b;
            p[1] = colour.g;
            p[2] = colour.r;
        }
    });
}

void RestoreOutline(uint8_t* frame, int stride, int width, int height, const MotionRegion& box,
                    int thickness, const std::vector<uint8_t>& under) {
    const MotionRegion b = ClipRegion(box.left, box.top, box.right, box.bottom, width, height);
    if (b.Empty()) return;
    size_t at = 0;
    ForEachRun(b, thickness, [&](int y, int left, int right) {
        const size_t n = size_t(3 * (right - left));
        if (at + n > under.size()) return;
        std::memcpy(frame + size_t(stride) * size_t(y) + size_t(left) * 3, under.data() + at, n);
        at += n;
    });
}

MotionRegion SmallestObjectSquare(const MotionRegion& region, int perMille, int width, int height) {
    const int side = int(std::lround(std::sqrt(double(width) * height * perMille / 1000.0)));
    const int cx = (region.left + region.right) / 2, cy = (region.top + region.bottom) / 2;
    return ClipRegion(cx - side / 2, cy - side / 2, cx - side / 2 + side, cy - side / 2 + side,
                      width, height);
}

}  // namespace trelvix
