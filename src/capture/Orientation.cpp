#include "capture/Orientation.h"

#include <cstring>
#include <vector>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace trelvix {

namespace {

inline void SwapPixel(uint8_t* a, uint8_t* b) {
    const uint8_t b0 = a[0], b1 = a[1], b2 = a[2];
    a[0] = b[0];
    a[1] = b[1];
    a[2] = b[2];
    b[0] = b0;
    b[1] = b1;
    b[2] = b2;
}

void MirrorRowScalar(uint8_t* row, int l, int r) {
    for (; l < r; ++l, --r) SwapPixel(row + 3 * l, row + 3 * r);
}

#if defined(__x86_64__)
// Four pixels from each end at a time. Loads never overlap an earlier store (which would stall
// the store forwarding), and stores write exactly the twelve bytes of four pixels.
__attribute__((target("ssse3"))) void MirrorRowSsse3(uint8_t* row, int width) {
    // Left block: pixels in bytes 0..11 of the load; right block: in bytes 4..15.
    const __m128i reverseLeft = _mm_setr_epi8(9, 10, 11, 6, 7, 8, 3, 4, 5, 0, 1, 2, -1, -1, -1, -1);
    const __m128i reverseRight =
        _mm_setr_epi8(13, 14, 15, 10, 11, 12, 7, 8, 9, 4, 5, 6, -1, -1, -1, -1);
    int l = 0, r = width - 1;
    while (l + 10 <= r) {
        uint8_t* left = row + 3 * l;
        uint8_t* right = row + 3 * (r - 3);
        const __m128i a =
            _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(left)), reverseLeft);
        const __m128i b = _mm_shuffle_epi8(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(right - 4)), reverseRight);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(left), b);
        const uint32_t bHigh = uint32_t(_mm_cvtsi128_si32(_mm_srli_si128(b, 8)));
        std::memcpy(left + 8, &bHigh, 4);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(right), a);
        const uint32_t aHigh = uint32_t(_mm_cvtsi128_si32(_mm_srli_si128(a, 8)));
        std::memcpy(right + 8, &aHigh, 4);
        l += 4;
        r -= 4;
    }
    MirrorRowScalar(row, l, r);
}
#endif

}  // namespace

void OrientFrame(uint8_t* buf, int width, int height, int stride, int orientation) {
    if (orientation == 1) {
        std::vector<uint8_t> temp(static_cast<size_t>(stride));
        for (int i = 0; i < height / 2; ++i) {
            uint8_t* a = buf + size_t(stride) * size_t(i);
            uint8_t* b = buf + size_t(stride) * size_t(height - 1 - i);
            std::memcpy(temp.data(), a, size_t(stride));
            std::memcpy(a, b, size_t(stride));
            std::memcpy(b, temp.data(), size_t(stride));
        }
    } else if (orientation == 2) {
#if defined(__x86_64__)
        static const bool ssse3 = __builtin_cpu_supports("ssse3");
        if (ssse3) {
            for (int y = 0; y < height; ++y)
                MirrorRowSsse3(buf + size_t(stride) * size_t(y), width);
            return;
        }
#endif
        for (int y = 0; y < height; ++y)
            MirrorRowScalar(buf + size_t(stride) * size_t(y), 0, width - 1);
    }
}

}  // namespace trelvix
