#include "capture/ObjectMotion.h"

#include <algorithm>
#include <cstdlib>

namespace trelvix {

namespace {
// The background follows a lasting change in about this time: long enough for a walking person
// to stand out, short enough to follow clouds and the camera's exposure (measured on footage).
constexpr int64_t kLearnMs = 2000;
}  // namespace

int GreyThreshold(int sensitivity) {
    // Twice the channel difference: a block's grey is steadier than one pixel's channel, and
    // sunlit surfaces drift by more than the default 8 within seconds.
    return std::clamp(2 * sensitivity, 2, 255);
}

int MinBlobBlocks(const GreyPicture& grey, int perMille) {
    const int64_t all = int64_t(grey.width) * grey.height;
    return int(std::max<int64_t>(1, all * std::clamp(perMille, 1, 1000) / 1000));
}

void BackgroundModel::Start(const GreyPicture& grey) {
    width_ = grey.width;
    height_ = grey.height;
    factor_ = grey.factor;
    background_.resize(grey.pixels.size());
    for (size_t i = 0; i < grey.pixels.size(); ++i) background_[i] = uint16_t(grey.pixels[i] << 8);
    changed_.assign(grey.pixels.size(), 0);
    clean_.assign(grey.pixels.size(), 0);
}

BackgroundModel::Found BackgroundModel::Check(const GreyPicture& grey, const MotionRegion& region,
                                              int threshold, int64_t elapsedMs) {
    Found found;
    if (background_.empty() || grey.width != width_ || grey.height != height_ ||
        grey.factor != factor_) {
        Start(grey);
        return found;
    }
    // 1. The light guard: a light switched on moves most of the picture the same way at once,
    // before the camera's exposure follows.
    const int limit = threshold << 8;
    size_t brighter = 0, darker = 0;
    for (size_t i = 0; i < grey.pixels.size(); ++i) {
        const int d = (int(grey.pixels[i]) << 8) - int(background_[i]);
        brighter += d > limit;
        darker += d < -limit;
    }
    if (double(std::max(brighter, darker)) > kLightChangeShare * double(grey.pixels.size())) {
        found.lightChange = true;
        Start(grey);
        return found;
    }
    // 2. Changed blocks once the exposure is taken out.
    const int gain = ExposureGain(grey, threshold);
    for (size_t i = 0; i < grey.pixels.size(); ++i)
        changed_[i] = std::abs(int(grey.pixels[i]) * gain - int(background_[i])) > limit;
    // 3. Noise cleaned away, 4. blobs inside the region, 5. the background learns.
    const MotionRegion r =
        ClipRegion(region.left, region.top, region.right, region.bottom, width_, height_);
    if (!r.Empty()) {
        CleanNoise(r);
        found.blobs = Blobs(r);
    }
    Learn(grey, elapsedMs);
    return found;
}

int BackgroundModel::ExposureGain(const GreyPicture& grey, int threshold) const {
    // Cameras follow the light with their exposure: a bright surface then moves by more than
    // the threshold although nothing moved. The gain that maps the picture onto the
    // background is measured twice, the second time without what the first found changed.
    int64_t seen = 0, expected = 0;
    for (size_t i = 0; i < grey.pixels.size(); ++i) {
        seen += grey.pixels[i];
        expected += background_[i];
    }
    if (seen == 0) return 256;
    const int64_t first = expected / seen;  // in 1/256
    int64_t seen2 = 0, expected2 = 0;
    const int64_t near = int64_t(2 * threshold) << 8;
    for (size_t i = 0; i < grey.pixels.size(); ++i) {
        if (std::abs(grey.pixels[i] * first - background_[i]) > near) continue;
        seen2 += grey.pixels[i];
        expected2 += background_[i];
    }
    const int64_t gain = seen2 > 0 ? expected2 / seen2 : first;
    return int(std::clamp<int64_t>(gain, 128, 512));
}

void BackgroundModel::Learn(const GreyPicture& grey, int64_t elapsedMs) {
    // Weight of the new picture in 1/256: at least 1, at most a half.
    const int rate = int(std::clamp<int64_t>(elapsedMs * 256 / kLearnMs, 1, 128));
    for (size_t i = 0; i < background_.size(); ++i) {
        const int target = int(grey.pixels[i]) << 8;
        const int bg = background_[i];
        int step = (target - bg) * rate / 256;
        if (step == 0 && target != bg) step = target > bg ? 1 : -1;
        background_[i] = uint16_t(bg + step);
    }
}

void BackgroundModel::CleanNoise(const MotionRegion& r) {
    // A 3 × 3 majority: a lone changed block goes, a gap in an object closes, an object two
    // blocks wide stays. Sums of three along each row first, then of three rows; blocks
    // outside the region count as unchanged.
    const int w = r.right - r.left;
    rowSums_.assign(size_t(w) * size_t(r.bottom - r.top + 2), 0);
    for (int y = r.top; y < r.bottom; ++y) {
        const uint8_t* c = changed_.data() + size_t(y) * size_t(width_) + size_t(r.left);
        uint8_t* h = rowSums_.data() + size_t(y - r.top + 1) * size_t(w);
        for (int x = 0; x < w; ++x)
            h[x] = uint8_t((x > 0 ? c[x - 1] : 0) + c[x] + (x + 1 < w ? c[x + 1] : 0));
    }
    for (int y = r.top; y < r.bottom; ++y) {
        const uint8_t* above = rowSums_.data() + size_t(y - r.top) * size_t(w);
        const uint8_t* row = above + w;
        const uint8_t* below = row + w;
        uint8_t* out = clean_.data() + size_t(y) * size_t(width_) + size_t(r.left);
        for (int x = 0; x < w; ++x) out[x] = above[x] + row[x] + below[x] >= 5;
    }
}

std::vector<MotionBlob> BackgroundModel::Blobs(const MotionRegion& r) {
    std::vector<MotionBlob> blobs;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const size_t start = size_t(y) * size_t(width_) + size_t(x);
            if (!clean_[start]) continue;
            // Flood fill over the eight neighbours; a filled block is cleared so it is taken once.
            MotionBlob blob{{x, y, x + 1, y + 1}, 0};
            clean_[start] = 0;
            stack_.assign(1, int(start));
            while (!stack_.empty()) {
                const int i = stack_.back();
                stack_.pop_back();
                const int bx = i % width_, by = i / width_;
                ++blob.blocks;
                blob.box = {std::min(blob.box.left, bx), std::min(blob.box.top, by),
                            std::max(blob.box.right, bx + 1), std::max(blob.box.bottom, by + 1)};
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = bx + dx, ny = by + dy;
                        if (nx < r.left || nx >= r.right || ny < r.top || ny >= r.bottom) continue;
                        const size_t j = size_t(ny) * size_t(width_) + size_t(nx);
                        if (!clean_[j]) continue;
                        clean_[j] = 0;
                        stack_.push_back(int(j));
                    }
                }
            }
            blobs.push_back(blob);
        }
    }
    std::sort(blobs.begin(), blobs.end(),
              [](const MotionBlob& a, const MotionBlob& b) { return a.blocks > b.blocks; });
    return blobs;
}

}  // namespace trelvix
