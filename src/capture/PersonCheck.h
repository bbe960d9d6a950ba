// Whether a moving object is a person: OpenCV's HOG people detector, run on the object and its
// surroundings scaled so that a person of the object's height fills the detector's window. A
// search takes tens of milliseconds, so it runs off the frame thread, at most twice a second.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "capture/GreyPicture.h"
#include "common/StoppableWorker.h"

namespace trelvix {

// The part of a width × height frame searched for a person around `object`, and the scale it is
// searched at.
struct PersonSearchArea {
    MotionRegion crop;
    double scale = 1;
};
PersonSearchArea SearchAreaAround(const MotionRegion& object, int width, int height);

// True when a person found in the top-down 24-bit BGR frame overlaps `object` (frame pixels).
bool FindPerson(const uint8_t* frame, int stride, int width, int height,
                const MotionRegion& object);

class PersonCheck {
public:
    // Searches on a thread of its own, or, for measuring without real time, on the caller's.
    explicit PersonCheck(bool onCallersThread = false);
    ~PersonCheck();
    PersonCheck(const PersonCheck&) = delete;
    PersonCheck& operator=(const PersonCheck&) = delete;

    // For a moving object: true when a person was seen overlapping it lately. Otherwise hands
    // the frame to the search, at most twice a second, and says false; a person found later
    // is then reported once through FoundLate.
    bool Confirms(const uint8_t* frame, size_t length, int width, int height,
                  const MotionRegion& object, int64_t nowMs);
    // The object of a motion that Confirms turned down, once a person was found in it.
    bool FoundLate(MotionRegion* object);
    // Forgets what was seen; a search under way is ignored.
    void Reset();

    // How long a seen person confirms the motion that follows.
    static constexpr int64_t kHoldMs = 1500;
    static constexpr int64_t kSearchEveryMs = 500;

private:
    struct Job {
        std::vector<uint8_t> pixels;  // the search area, BGR rows
        int width = 0, height = 0;
        double scale = 1;
        MotionRegion object;  // in the area's pixels
        MotionRegion frameObject;
        int64_t atMs = 0;
        uint64_t generation = 0;
    };
    void Offer(const uint8_t* frame, size_t length, int width, int height,
               const MotionRegion& object, int64_t nowMs);
    void Collect();
    void Search(Job job);
    void Run();

    const bool onCallersThread_;
    int64_t lastOfferMs_ = INT64_MIN / 2;
    int64_t confirmedUntilMs_ = INT64_MIN / 2;
    bool waiting_ = false;  // a motion waits for the search's answer
    bool late_ = false;
    MotionRegion lateObject_;

    std::mutex mutex_;  // guards the fields below, shared with the search thread
    bool busy_ = false;
    std::unique_ptr<Job> job_;
    bool answered_ = false, person_ = false;
    MotionRegion answerObject_;
    int64_t answerAtMs_ = 0;
    uint64_t generation_ = 0;
    StoppableWorker worker_;
};

}  // namespace trelvix
