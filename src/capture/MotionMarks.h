// What motion detection draws: a moving object's frame on its picture, and for the settings
// page's test the blobs it sees and the size of the smallest object it reports.
#pragma once

#include <cstdint>
#include <vector>

#include "capture/GreyPicture.h"

namespace trelvix {

struct Bgr {
    uint8_t b = 0, g = 0, r = 0;
};

// A frame of `thickness` pixels just inside `box`, clipped to the picture. With `under`, the
// pixels it covers are kept there first, so that RestoreOutline can put them back.
void DrawOutline(uint8_t* frame, int stride, int width, int height, const MotionRegion& box,
                 Bgr colour, int thickness, std::vector<uint8_t>* under = nullptr);
void RestoreOutline(uint8_t* frame, int stride, int width, int height, const MotionRegion& box,
                    int thickness, const std::vector<uint8_t>& under);

// A square of `perMille` of a width × height picture, centred in `region`.
MotionRegion SmallestObjectSquare(const MotionRegion& region, int perMille, int width, int height);

}  // namespace trelvix
