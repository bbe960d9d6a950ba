// The region comparison behind motion detection.
#pragma once

#include <QDateTime>
#include <atomic>
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

// Counts the region's pixels of which any channel differs by more than `sensitivity` between
// `previous` and `current` (top-down 24-bit frames of the same stride), and copies the region
// of `current` into `previous` as it goes.
int CompareAndKeepRegion(uint8_t* previous, const uint8_t* current, int stride,
                         const MotionRegion& region, int sensitivity);

class CDataClass;

// What one motion check found.
enum class MotionVerdict {
    kNone,    // no check was due, the first one, or nothing moved
    kMotion,  // more of the region changed than the settings allow
    kStill,   // nothing moved for the stop time while recording on motion
};

// The state of one camera's motion detection: the region of the last checked frame and the
// times of the last check and the last motion.
class MotionDetector {
public:
    MotionDetector();

    // At most once per interval while `active`: compares the frame's region with the last
    // checked one (top-down 24-bit frame of `length` bytes).
    MotionVerdict Check(const uint8_t* frame, size_t length, int width, int height,
                        const CDataClass& settings, bool active, bool motionRecording,
                        const QDateTime& now);
    // Compares and keeps the region; true when more of it changed than the settings allow.
    bool CompareWithPreviousFrame(const uint8_t* frame, size_t length, int width, int height,
                                  const CDataClass& settings);

    std::atomic<bool> motionReady{true};
    std::vector<uint8_t> previousFrame;  // the region of the last checked frame
    MotionRegion previousRegion;
    QDateTime lastMotionCheck;
    QDateTime lastMotionTime;
};

}  // namespace trelvix
