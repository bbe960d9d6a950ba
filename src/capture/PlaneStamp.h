// Texts stamped onto a frame's planes: the recording path of a JPEG camera, which reaches the
// encoder without ever being BGR.
#pragma once

#include <cstdint>
#include <vector>

#include "common/Frame.h"

namespace trelvix {

struct TextMask;

// An RGB colour as a JPEG's planes hold it (full-range YCbCr).
struct PlaneColour {
    uint8_t y = 0, cb = 128, cr = 128;
};
PlaneColour ToPlaneColour(uint8_t red, uint8_t green, uint8_t blue);

// What a stamp covered in each plane, so the same picture can be stamped again as if fresh.
class PlaneUnder {
public:
    // Keeps the luma rectangle and the chroma samples it touches.
    void Keep(const PlanarFrame& frame, int x, int y, int width, int height);
    // Puts back what was kept, once; nothing when nothing was kept.
    void Restore(PlanarFrame& frame);
    void Forget() { kept_ = false; }

private:
    struct Rect {
        int x = 0, y = 0, width = 0, height = 0;
    };
    std::vector<uint8_t> bytes_;
    Rect rects_[3];
    int frameWidth_ = 0, frameHeight_ = 0;
    bool kept_ = false;
};

// Stamps the mask's ink at (x, y), clipped to the frame; `keep` (if any) first keeps what the
// stamp covers.
void StampOnPlanes(PlanarFrame& frame, const TextMask& mask, int x, int y, PlaneColour colour,
                   PlaneUnder* keep);

}  // namespace trelvix
