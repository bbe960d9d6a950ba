#include "common/PlaneRange.h"

namespace trelvix {

namespace {

// out = round(16 + in × 219 / 255) and round(128 + (in − 128) × 224 / 255), in 16-bit steps
// (a product, an offset, a division by 255) so that each step is one vector instruction.
constexpr uint16_t kLumaMul = 219, kLumaAdd = 16 * 255 + 127;
constexpr uint16_t kChromaMul = 224, kChromaAdd = 4095;
// Half the widest picture the decoder accepts.
constexpr int kMaxChromaWidth = 4096;

// floor(x / 255) for every x below 65535.
inline uint16_t Div255(uint16_t x) {
    return uint16_t((x + 1 + (x >> 8)) >> 8);
}

template <uint16_t Mul, uint16_t Add>
inline uint8_t Scale(uint8_t v) {
    return uint8_t(Div255(uint16_t(v * Mul + Add)));
}

// Blocks of a fixed length, so the compiler turns each into vector code.
template <uint16_t Mul, uint16_t Add>
void ScaleRow(const uint8_t* in, uint8_t* out, int n) {
    constexpr int kBlock = 32;
    int i = 0;
    for (; i + kBlock <= n; i += kBlock)
        for (int k = 0; k < kBlock; ++k) out[i + k] = Scale<Mul, Add>(in[i + k]);
    for (; i < n; ++i) out[i] = Scale<Mul, Add>(in[i]);
}

void AverageRows(const uint8_t* a, const uint8_t* b, uint8_t* out, int n) {
    for (int i = 0; i < n; ++i) out[i] = uint8_t((a[i] + b[i] + 1) >> 1);
}

}  // namespace

uint8_t LimitedLuma(uint8_t v) {
    return Scale<kLumaMul, kLumaAdd>(v);
}

uint8_t LimitedChroma(uint8_t v) {
    return Scale<kChromaMul, kChromaAdd>(v);
}

void ToLimitedRange420(const PlanarFrame& f, uint8_t* const planes[3], const int strides[3]) {
    const int w = f.width & ~1, h = f.height & ~1;
    for (int y = 0; y < h; ++y)
        ScaleRow<kLumaMul, kLumaAdd>(f.Plane(0) + size_t(f.width) * size_t(y),
                                     planes[0] + size_t(strides[0]) * size_t(y), w);
    const bool fullHeight = f.chromaHeight == f.height;
    uint8_t pair[kMaxChromaWidth];
    if (w / 2 > kMaxChromaWidth) return;
    for (int p = 1; p < 3; ++p) {
        for (int y = 0; y < h / 2; ++y) {
            const uint8_t* in = f.Plane(p) + size_t(f.chromaWidth) * size_t(fullHeight ? 2 * y : y);
            if (fullHeight) {
                AverageRows(in, in + f.chromaWidth, pair, w / 2);
                in = pair;
            }
            ScaleRow<kChromaMul, kChromaAdd>(in, planes[p] + size_t(strides[p]) * size_t(y), w / 2);
        }
    }
}

}  // namespace trelvix
