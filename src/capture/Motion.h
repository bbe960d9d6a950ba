// The region comparison behind motion detection.
#pragma once

#include <QDateTime>
#include <atomic>
#include <cstdint>
#include <vector>

#include "capture/GreyPicture.h"
#include "capture/ObjectMotion.h"
#include "capture/PersonCheck.h"

namespace trelvix {

// Counts the region's pixels of which any channel differs by more than `sensitivity` between
// `previous` and `current` (top-down 24-bit frames of the same stride), and copies the region
// of `current` into `previous` as it goes.
int CompareAndKeepRegion(uint8_t* previous, const uint8_t* current, int stride,
                         const MotionRegion& region, int sensitivity);

class CDataClass;

// What one motion check found.
enum class MotionVerdict {
    kNone,    // no check was due, the first one, or nothing moved
    kMotion,  // more of the region changed than the settings allow, or an object moved
    kStill,   // nothing moved for the stop time while recording on motion
};

// The state of one camera's motion detection: what the last check saw and the times of the
// last check and the last motion.
class MotionDetector {
public:
    // The person check searches on a thread of its own, or, for measuring, on the caller's.
    explicit MotionDetector(bool searchOnCallersThread = false);

    // At most once per interval while `active`: looks for motion in the frame's region
    // (top-down 24-bit frame of `length` bytes) as the settings' mode says.
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
    // The moving objects of the last check in frame pixels, largest first, and the one of the
    // last motion (object mode; empty boxes otherwise). Frame thread only.
    std::vector<MotionRegion> objects;
    MotionRegion objectBox;

private:
    bool FindChange(const uint8_t* frame, size_t length, int w, int h, const CDataClass& s);
    bool FindObject(const uint8_t* frame, size_t length, int w, int h, const CDataClass& s,
                    int64_t elapsedMs);

    // A person check turns a motion down until a person is seen in it.
    bool IsPerson(const uint8_t* frame, size_t length, int w, int h, const CDataClass& s,
                  const QDateTime& now);

    int mode_ = -1;  // of the last check
    GreyPicture grey_, previousGrey_;
    BackgroundModel background_;
    PersonCheck people_;
};

}  // namespace trelvix
