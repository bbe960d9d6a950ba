#include "capture/PlaneStamp.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "capture/Cautofont.h"

namespace trelvix {

namespace {

uint8_t Clamp(double v) {
    return uint8_t(std::clamp(std::lround(v), 0L, 255L));
}

// Chroma sample of a luma position: one per two pixels where the planes are subsampled.
int HorizontalShift(const PlanarFrame& f) {
    return f.chromaWidth < f.width ? 1 : 0;
}
int VerticalShift(const PlanarFrame& f) {
    return f.chromaHeight < f.height ? 1 : 0;
}

void KeepRect(const uint8_t* plane, int stride, int x, int y, int width, int height,
              uint8_t* kept) {
    for (int row = 0; row < height; ++row)
        std::memcpy(kept + size_t(row) * size_t(width),
                    plane + size_t(stride) * size_t(y + row) + size_t(x), size_t(width));
}

void PutRect(uint8_t* plane, int stride, int x, int y, int width, int height, const uint8_t* kept) {
    for (int row = 0; row < height; ++row)
        std::memcpy(plane + size_t(stride) * size_t(y + row) + size_t(x),
                    kept + size_t(row) * size_t(width), size_t(width));
}

}  // namespace

PlaneColour ToPlaneColour(uint8_t r, uint8_t g, uint8_t b) {
    return {Clamp(0.299 * r + 0.587 * g + 0.114 * b),
            Clamp(128 - 0.168736 * r - 0.331264 * g + 0.5 * b),
            Clamp(128 + 0.5 * r - 0.418688 * g - 0.081312 * b)};
}

void PlaneUnder::Keep(const PlanarFrame& f, int x, int y, int width, int height) {
    const int hs = HorizontalShift(f), vs = VerticalShift(f);
    rects_[0] = {x, y, width, height};
    const int cx = x >> hs, cy = y >> vs;
    rects_[1] =
        rects_[2] = {cx, cy, ((x + width - 1) >> hs) - cx + 1, ((y + height - 1) >> vs) - cy + 1};
    size_t total = 0;
    for (const Rect& r : rects_) total += size_t(r.width) * size_t(r.height);
    bytes_.resize(total);
    uint8_t* out = bytes_.data();
    for (int p = 0; p < 3; ++p) {
        const Rect& r = rects_[p];
        KeepRect(f.Plane(p), f.Stride(p), r.x, r.y, r.width, r.height, out);
        out += size_t(r.width) * size_t(r.height);
    }
    frameWidth_ = f.width;
    frameHeight_ = f.height;
    kept_ = true;
}

void PlaneUnder::Restore(PlanarFrame& f) {
    if (!kept_) return;
    kept_ = false;
    // A picture of another size is not the one this was kept from.
    if (f.width != frameWidth_ || f.height != frameHeight_) return;
    const uint8_t* in = bytes_.data();
    for (int p = 0; p < 3; ++p) {
        const Rect& r = rects_[p];
        PutRect(f.Plane(p), f.Stride(p), r.x, r.y, r.width, r.height, in);
        in += size_t(r.width) * size_t(r.height);
    }
}

void StampOnPlanes(PlanarFrame& f, const TextMask& m, int x, int y, PlaneColour c,
                   PlaneUnder* keep) {
    if (f.data.empty() || m.width <= 0 || m.height <= 0) return;
    // Positions far outside the frame draw nothing, and the arithmetic never overflows.
    if (x <= -m.width || y <= -m.height || x >= f.width || y >= f.height) return;
    const int left = std::max(0, -x), top = std::max(0, -y);
    const int columns = std::min(f.width - x, m.width), rows = std::min(f.height - y, m.height);
    if (keep) keep->Keep(f, x + left, y + top, columns - left, rows - top);
    const int hs = HorizontalShift(f), vs = VerticalShift(f);
    uint8_t* luma = f.Plane(0);
    uint8_t* cb = f.Plane(1);
    uint8_t* cr = f.Plane(2);
    for (int i = top; i < rows; ++i) {
        const uint8_t* maskRow = m.bits.data() + size_t(i) * size_t(m.stride);
        const int fy = y + i;
        uint8_t* lumaRow = luma + size_t(f.width) * size_t(fy);
        const size_t chromaRow = size_t(f.chromaWidth) * size_t(fy >> vs);
        for (int j = left; j < columns; ++j) {
            if (maskRow[j >> 3] & (0x80 >> (j & 7))) continue;
            const int fx = x + j;
            lumaRow[fx] = c.y;
            cb[chromaRow + size_t(fx >> hs)] = c.cb;
            cr[chromaRow + size_t(fx >> hs)] = c.cr;
        }
    }
}

}  // namespace trelvix
