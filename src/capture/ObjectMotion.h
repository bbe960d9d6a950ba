// Motion as moving objects: each checked picture is compared with a background that adapts
// slowly, the changed blocks are cleaned of single-block noise and cut into connected blobs.
#pragma once

#include <cstdint>
#include <vector>

#include "capture/GreyPicture.h"

namespace trelvix {

// A connected group of changed blocks.
struct MotionBlob {
    MotionRegion box;  // in blocks
    int blocks = 0;
};

class BackgroundModel {
public:
    struct Found {
        bool lightChange = false;       // most of the picture changed: nothing is reported
        std::vector<MotionBlob> blobs;  // inside the region, largest first
    };

    // Compares `grey` with the background inside `region` (in blocks), then lets the
    // background learn from it, the more the longer `elapsedMs` since the last check. The
    // first picture, a new shape and a light change start the background again.
    Found Check(const GreyPicture& grey, const MotionRegion& region, int threshold,
                int64_t elapsedMs);
    void Reset() { background_.clear(); }

private:
    void Start(const GreyPicture& grey);
    int ExposureGain(const GreyPicture& grey, int threshold) const;
    void Learn(const GreyPicture& grey, int64_t elapsedMs);
    void CleanNoise(const MotionRegion& region);
    std::vector<MotionBlob> Blobs(const MotionRegion& region);

    std::vector<uint16_t> background_;  // grey × 256, so slow learning is not lost to rounding
    int width_ = 0, height_ = 0, factor_ = 0;
    std::vector<uint8_t> changed_, clean_, rowSums_;
    std::vector<int> stack_;
};

// Blocks of more than this share of the picture brighter (or darker) at once are a light
// change, not motion.
constexpr double kLightChangeShare = 0.5;

// The per-block grey difference that counts as a change for a sensitivity setting (a channel
// difference of 1 to 40).
int GreyThreshold(int sensitivity);

// The fewest blocks of a moving object of `perMille` of the picture.
int MinBlobBlocks(const GreyPicture& grey, int perMille);

}  // namespace trelvix
