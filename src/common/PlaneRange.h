// From a JPEG's planes to the encoder's: JPEG samples span 0..255, MPEG-4 video expects
// 16..235 for luma and 16..240 for chroma, and 4:2:0.
#pragma once

#include <cstdint>

#include "common/Frame.h"

namespace trelvix {

uint8_t LimitedLuma(uint8_t fullRange);
uint8_t LimitedChroma(uint8_t fullRange);

// Writes `frame` (4:2:0 or 4:2:2, full range) as limited-range 4:2:0 planes of
// (width & ~1) × (height & ~1): a 4:2:2 picture's chroma rows are averaged in pairs.
void ToLimitedRange420(const PlanarFrame& frame, uint8_t* const planes[3], const int strides[3]);

}  // namespace trelvix
