#include "capture/PersonCheck.h"

#include <algorithm>
#include <cstring>
#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>

namespace trelvix {

namespace {

// The detector's window is 64 × 128 with a person about 96 pixels tall in it.
constexpr double kPersonPixels = 100;
constexpr double kMostScale = 3;      // a smaller object is no person the detector can tell
constexpr double kLargestSide = 400;  // bounds a search's cost

MotionRegion Intersection(const MotionRegion& a, const MotionRegion& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool FindPersonInArea(const cv::Mat& area, double scale, const MotionRegion& object) {
    thread_local cv::HOGDescriptor hog = [] {
        cv::HOGDescriptor d;
        d.setSVMDetector(cv::HOGDescriptor::getDefaultPeopleDetector());
        return d;
    }();
    cv::Mat scaled;
    cv::resize(area, scaled, cv::Size(), scale, scale,
               scale > 1 ? cv::INTER_LINEAR : cv::INTER_AREA);
    if (scaled.cols < hog.winSize.width || scaled.rows < hog.winSize.height) return false;
    std::vector<cv::Rect> people;
    hog.detectMultiScale(scaled, people, 0, cv::Size(8, 8), cv::Size(16, 16), 1.05, 2);
    for (const cv::Rect& p : people) {
        // Back in the area's pixels; a person beside the moving thing does not make it one.
        const MotionRegion found{int(p.x / scale), int(p.y / scale), int((p.x + p.width) / scale),
                                 int((p.y + p.height) / scale)};
        if (Intersection(found, object).Area() * 4 >= found.Area()) return true;
    }
    return false;
}

}  // namespace

PersonSearchArea SearchAreaAround(const MotionRegion& object, int width, int height) {
    PersonSearchArea a;
    if (object.Empty()) return a;
    const int oh = object.bottom - object.top;
    // The object may be only legs or a head: the person can reach well beyond it.
    a.crop = ClipRegion(object.left - oh / 2, object.top - oh, object.right + oh / 2,
                        object.bottom + oh, width, height);
    a.scale = std::min(kMostScale, kPersonPixels / oh);
    const int side = std::max(a.crop.right - a.crop.left, a.crop.bottom - a.crop.top);
    a.scale = std::min(a.scale, kLargestSide / side);
    return a;
}

bool FindPerson(const uint8_t* frame, int stride, int width, int height,
                const MotionRegion& object) {
    const PersonSearchArea a = SearchAreaAround(object, width, height);
    if (a.crop.Empty()) return false;
    const cv::Mat whole(height, width, CV_8UC3, const_cast<uint8_t*>(frame), size_t(stride));
    const cv::Mat area = whole(
        cv::Rect(a.crop.left, a.crop.top, a.crop.right - a.crop.left, a.crop.bottom - a.crop.top));
    const MotionRegion inArea{object.left - a.crop.left, object.top - a.crop.top,
                              object.right - a.crop.left, object.bottom - a.crop.top};
    return FindPersonInArea(area, a.scale, inArea);
}

PersonCheck::PersonCheck(bool onCallersThread) : onCallersThread_(onCallersThread) {}

PersonCheck::~PersonCheck() {
    worker_.Stop();
}

bool PersonCheck::Confirms(const uint8_t* frame, size_t length, int width, int height,
                           const MotionRegion& object, int64_t nowMs) {
    Collect();
    // Searching on while it moves keeps a walking person confirmed.
    if (nowMs - lastOfferMs_ >= kSearchEveryMs) Offer(frame, length, width, height, object, nowMs);
    Collect();
    if (nowMs < confirmedUntilMs_) {
        late_ = false;
        return true;
    }
    waiting_ = true;
    return false;
}

bool PersonCheck::FoundLate(MotionRegion* object) {
    Collect();
    if (!late_) return false;
    late_ = false;
    *object = lateObject_;
    return true;
}

void PersonCheck::Reset() {
    std::lock_guard lock(mutex_);
    ++generation_;
    job_.reset();
    answered_ = false;
    confirmedUntilMs_ = lastOfferMs_ = INT64_MIN / 2;
    waiting_ = late_ = false;
}

void PersonCheck::Offer(const uint8_t* frame, size_t length, int width, int height,
                        const MotionRegion& object, int64_t nowMs) {
    if (!frame || width <= 0 || height <= 0 || length / size_t(height) < size_t(width) * 3) return;
    const size_t stride = length / size_t(height);
    const PersonSearchArea a = SearchAreaAround(object, width, height);
    if (a.crop.Empty()) return;
    auto job = std::make_unique<Job>();
    {
        std::lock_guard lock(mutex_);
        if (busy_) return;  // one search at a time; the next offer comes soon enough
        busy_ = true;
        job->generation = generation_;
    }
    lastOfferMs_ = nowMs;
    // Only the search area is copied: the frame thread must not wait on the search.
    job->width = a.crop.right - a.crop.left;
    job->height = a.crop.bottom - a.crop.top;
    job->pixels.resize(size_t(job->width) * 3 * size_t(job->height));
    for (int y = 0; y < job->height; ++y)
        std::memcpy(job->pixels.data() + size_t(y) * size_t(job->width) * 3,
                    frame + stride * size_t(a.crop.top + y) + size_t(a.crop.left) * 3,
                    size_t(job->width) * 3);
    job->object = {object.left - a.crop.left, object.top - a.crop.top, object.right - a.crop.left,
                   object.bottom - a.crop.top};
    job->frameObject = object;
    job->scale = a.scale;
    job->atMs = nowMs;
    if (onCallersThread_) return Search(std::move(*job));
    {
        std::lock_guard lock(mutex_);
        job_ = std::move(job);
    }
    worker_.Start([this] { Run(); });
    worker_.Wake();
}

void PersonCheck::Run() {
    while (!worker_.WaitForWake()) {
        std::unique_ptr<Job> job;
        {
            std::lock_guard lock(mutex_);
            job = std::move(job_);
        }
        if (job) Search(std::move(*job));
    }
}

void PersonCheck::Search(Job job) {
    const cv::Mat area(job.height, job.width, CV_8UC3, job.pixels.data(), size_t(job.width) * 3);
    const bool person = FindPersonInArea(area, job.scale, job.object);
    std::lock_guard lock(mutex_);
    busy_ = false;
    if (job.generation != generation_) return;
    answered_ = true;
    person_ = person;
    answerObject_ = job.frameObject;
    answerAtMs_ = job.atMs;
}

void PersonCheck::Collect() {
    bool person;
    MotionRegion object;
    int64_t atMs;
    {
        std::lock_guard lock(mutex_);
        if (!answered_) return;
        answered_ = false;
        person = person_;
        object = answerObject_;
        atMs = answerAtMs_;
    }
    if (person) {
        confirmedUntilMs_ = std::max(confirmedUntilMs_, atMs + kHoldMs);
        if (waiting_) late_ = true, lateObject_ = object;
    }
    waiting_ = false;
}

}  // namespace trelvix
