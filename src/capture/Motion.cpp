#include "capture/Motion.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace trelvix {

MotionRegion ClipRegion(int left, int top, int right, int bottom, int width, int height) {
    MotionRegion r;
    r.left = std::clamp(left, 0, width);
    r.top = std::clamp(top, 0, height);
    r.right = std::clamp(right, 0, width);
    r.bottom = std::clamp(bottom, 0, height);
    return r;
}

namespace {

int CompareRowScalar(uint8_t* prev, const uint8_t* cur, int pixels, int s) {
    int changed = 0;
    for (int i = 0; i < pixels; ++i, prev += 3, cur += 3) {
        const bool c = std::abs(int(prev[0]) - int(cur[0])) > s ||
                       std::abs(int(prev[1]) - int(cur[1])) > s ||
                       std::abs(int(prev[2]) - int(cur[2])) > s;
        changed += c;
        prev[0] = cur[0];
        prev[1] = cur[1];
        prev[2] = cur[2];
    }
    return changed;
}

#if defined(__x86_64__)
// Sixteen pixels (48 bytes) at a time: per-byte "changed" masks, gathered per pixel with three
// byte shuffles per input vector, then counted.
__attribute__((target("ssse3,popcnt"))) int CompareRowSsse3(uint8_t* prev, const uint8_t* cur,
                                                            int pixels, int s) {
    const __m128i sv = _mm_set1_epi8(char(s));
    const __m128i zero = _mm_setzero_si128();
    // For each of the 16 output positions, the byte of channel c of pixel p, from the input
    // vector that holds it (-1 where another vector supplies it).
    const __m128i a0 = _mm_setr_epi8(0, 3, 6, 9, 12, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i a1 = _mm_setr_epi8(-1, -1, -1, -1, -1, -1, 2, 5, 8, 11, 14, -1, -1, -1, -1, -1);
    const __m128i a2 = _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 1, 4, 7, 10, 13);
    const __m128i b0 = _mm_setr_epi8(1, 4, 7, 10, 13, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i b1 = _mm_setr_epi8(-1, -1, -1, -1, -1, 0, 3, 6, 9, 12, 15, -1, -1, -1, -1, -1);
    const __m128i b2 = _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 2, 5, 8, 11, 14);
    const __m128i c0 = _mm_setr_epi8(2, 5, 8, 11, 14, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i c1 = _mm_setr_epi8(-1, -1, -1, -1, -1, 1, 4, 7, 10, 13, -1, -1, -1, -1, -1, -1);
    const __m128i c2 = _mm_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0, 3, 6, 9, 12, 15);
    int changed = 0;
    int i = 0;
    for (; i + 16 <= pixels; i += 16, prev += 48, cur += 48) {
        __m128i m[3];
        for (int k = 0; k < 3; ++k) {
            const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(prev + 16 * k));
            const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cur + 16 * k));
            const __m128i diff = _mm_or_si128(_mm_subs_epu8(p, c), _mm_subs_epu8(c, p));
            // 0xFF where the byte did not change by more than s.
            m[k] = _mm_cmpeq_epi8(_mm_subs_epu8(diff, sv), zero);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(prev + 16 * k), c);
        }
        // A pixel is unchanged only when all three of its bytes are.
        const __m128i ch0 =
            _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(m[0], a0), _mm_shuffle_epi8(m[1], a1)),
                         _mm_shuffle_epi8(m[2], a2));
        const __m128i ch1 =
            _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(m[0], b0), _mm_shuffle_epi8(m[1], b1)),
                         _mm_shuffle_epi8(m[2], b2));
        const __m128i ch2 =
            _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(m[0], c0), _mm_shuffle_epi8(m[1], c1)),
                         _mm_shuffle_epi8(m[2], c2));
        const __m128i same = _mm_and_si128(_mm_and_si128(ch0, ch1), ch2);
        changed += 16 - _mm_popcnt_u32(unsigned(_mm_movemask_epi8(same)));
    }
    return changed + CompareRowScalar(prev, cur, pixels - i, s);
}
#endif

}  // namespace

int CompareAndKeepRegion(uint8_t* previous, const uint8_t* current, int stride,
                         const MotionRegion& r, int sensitivity) {
    if (r.Empty()) return 0;
    const int s = std::clamp(sensitivity, 0, 255);
    const int pixels = r.right - r.left;
#if defined(__x86_64__)
    static const bool simd = __builtin_cpu_supports("ssse3") && __builtin_cpu_supports("popcnt");
#endif
    int changed = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        const size_t offset = size_t(stride) * size_t(y) + size_t(r.left) * 3;
#if defined(__x86_64__)
        if (simd) {
            changed += CompareRowSsse3(previous + offset, current + offset, pixels, s);
            continue;
        }
#endif
        changed += CompareRowScalar(previous + offset, current + offset, pixels, s);
    }
    return changed;
}

}  // namespace trelvix
