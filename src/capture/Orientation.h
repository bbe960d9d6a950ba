// Flips (1) or mirrors (2) a top-down packed 24-bit frame in place.
#pragma once

#include <cstdint>

namespace trelvix {

void OrientFrame(uint8_t* buffer, int width, int height, int stride, int orientation);

}  // namespace trelvix
