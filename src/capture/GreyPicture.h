// A small grey copy of a frame: what the motion checks compare besides the region itself.
#pragma once

#include <cstdint>
#include <vector>

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

// A frame averaged over factor × factor blocks into one grey byte a block, so that a check
// costs the same at any camera size and sensor noise averages out.
struct GreyPicture {
    int width = 0, height = 0, factor = 1;
    std::vector<uint8_t> pixels;

    bool SameShape(const GreyPicture& o) const {
        return width == o.width && height == o.height && factor == o.factor;
    }
    // A region of the frame in blocks, every block it touches included.
    MotionRegion ToBlocks(const MotionRegion& r) const;
    // A box of blocks in frame pixels.
    MotionRegion ToFrame(const MotionRegion& r) const;
};

// Blocks about this many to a row, whatever the frame's width.
constexpr int kGreyWidth = 160;

// Reduces a top-down 24-bit BGR frame; grey = (B + 2G + R) / 4.
void ReduceToGrey(const uint8_t* frame, int stride, int width, int height, GreyPicture* out);

// A light switched on or off, or the camera's exposure jumping, moves most of the picture the
// same way at once; a moving object, or snow, does not. The share (0..1) of blocks of `now`
// that are brighter than in `before` by more than `threshold`, or darker, whichever is more;
// 0 when the shapes differ.
double SameWayShare(const GreyPicture& before, const GreyPicture& now, int threshold);

}  // namespace trelvix
