// The region comparison behind motion detection.
#pragma once

#include <cstdint>

namespace trelvix {

// A rectangle of picture pixels; right and bottom exclusive.
struct MotionRegion {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    int Area() const { return Empty() ? 0 : (right - left) * (bottom - top); }
    bool operator==(const MotionRegion&) const = default;
};

// The region clipped to a width × height picture.
MotionRegion ClipRegion(int left, int top, int right, int bottom, int width, int height);

// Counts the region's pixels of which any channel differs by more than `sensitivity` between
// `previous` and `current` (top-down 24-bit frames of the same stride), and copies the region
// of `current` into `previous` as it goes.
int CompareAndKeepRegion(uint8_t* previous, const uint8_t* current, int stride,
                         const MotionRegion& region, int sensitivity);

}  // namespace trelvix
