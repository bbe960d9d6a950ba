#include "capture/Motion.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "common/Clock.h"
#include "config/Cdataclass.h"

namespace trelvix {

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

namespace {
int WholeSeconds(const QDateTime& a, const QDateTime& b) {
    return int(std::abs(a.msecsTo(b)) / 1000);
}
}  // namespace

MotionDetector::MotionDetector(bool searchOnCallersThread)
    : lastMotionCheck(Now()), lastMotionTime(lastMotionCheck), people_(searchOnCallersThread) {}

MotionVerdict MotionDetector::Check(const uint8_t* frame, size_t length, int w, int h,
                                    const CDataClass& s, bool active, bool motionRecording,
                                    const QDateTime& now) {
    if (!motionReady || !active) return MotionVerdict::kNone;
    // A person found after its motion was turned down makes that motion count, late.
    if (Live(s.motionPeople) && people_.FoundLate(&objectBox)) {
        lastMotionTime = now;
        return MotionVerdict::kMotion;
    }
    if (WholeSeconds(lastMotionCheck, now) < Live(s.motionIntervalSeconds))
        return MotionVerdict::kNone;
    const int64_t elapsedMs = std::abs(lastMotionCheck.msecsTo(now));
    lastMotionCheck = now;
    motionReady = false;
    // A new mode starts from nothing: what the other one kept is no base for a comparison.
    if (const int mode = Live(s.motionMode); mode != mode_) {
        mode_ = mode;
        previousFrame.clear();
        previousGrey_ = {};
        background_.Reset();
        people_.Reset();
    }
    objects.clear();
    objectBox = {};
    bool moved = mode_ == kMotionObject ? FindObject(frame, length, w, h, s, elapsedMs)
                                        : FindChange(frame, length, w, h, s);
    MotionVerdict verdict = MotionVerdict::kNone;
    if (moved && Live(s.motionPeople)) moved = IsPerson(frame, length, w, h, s, now);
    if (moved) {
        lastMotionTime = now;
        verdict = MotionVerdict::kMotion;
    } else if (motionRecording && Live(s.motionRecord) &&
               WholeSeconds(lastMotionTime, now) >= Live(s.motionRecordStopSeconds)) {
        verdict = MotionVerdict::kStill;
    }
    motionReady = true;
    return verdict;
}

bool MotionDetector::FindChange(const uint8_t* frame, size_t length, int w, int h,
                                const CDataClass& s) {
    // The first check only keeps the frame: the comparison then finds nothing to compare with.
    const bool changed = CompareWithPreviousFrame(frame, length, w, h, s);
    if (!frame || w <= 0 || h <= 0) return false;
    ReduceToGrey(frame, int(length / size_t(h)), w, h, &grey_);
    // A light switched on changes the region too, but it moves most of the picture at once.
    const bool light = SameWayShare(previousGrey_, grey_,
                                    GreyThreshold(Live(s.motionSensitivity))) > kLightChangeShare;
    std::swap(grey_, previousGrey_);
    return changed && !light;
}

bool MotionDetector::FindObject(const uint8_t* frame, size_t length, int w, int h,
                                const CDataClass& s, int64_t elapsedMs) {
    if (!frame || w <= 0 || h <= 0 || length / size_t(h) < size_t(w) * 3) return false;
    ReduceToGrey(frame, int(length / size_t(h)), w, h, &grey_);
    const MotionRegion region = ClipRegion(Live(s.motionLeft), Live(s.motionTop),
                                           Live(s.motionRight), Live(s.motionBottom), w, h);
    const BackgroundModel::Found found = background_.Check(
        grey_, grey_.ToBlocks(region), GreyThreshold(Live(s.motionSensitivity)), elapsedMs);
    for (const MotionBlob& blob : found.blobs) {
        const MotionRegion box = grey_.ToFrame(blob.box);
        objects.push_back(ClipRegion(box.left, box.top, box.right, box.bottom, w, h));
    }
    if (found.blobs.empty() || found.blobs[0].blocks < MinBlobBlocks(grey_, Live(s.motionMinSize)))
        return false;
    objectBox = objects.front();
    return true;
}

bool MotionDetector::IsPerson(const uint8_t* frame, size_t length, int w, int h,
                              const CDataClass& s, const QDateTime& now) {
    // The area mode has no object: the person is looked for in the whole region.
    const MotionRegion object = !objectBox.Empty()
                                    ? objectBox
                                    : ClipRegion(Live(s.motionLeft), Live(s.motionTop),
                                                 Live(s.motionRight), Live(s.motionBottom), w, h);
    return people_.Confirms(frame, length, w, h, object, now.toMSecsSinceEpoch());
}

bool MotionDetector::CompareWithPreviousFrame(const uint8_t* frame, size_t length, int w, int h,
                                              const CDataClass& s) {
    if (!frame || w <= 0 || h <= 0) return false;
    const int stride = int(length / size_t(h));
    if (stride < 3 * w) return false;
    const MotionRegion region = ClipRegion(Live(s.motionLeft), Live(s.motionTop),
                                           Live(s.motionRight), Live(s.motionBottom), w, h);
    // Only the region is ever compared, so only the region is kept. A new size or a moved
    // region has nothing to compare with yet.
    const bool comparable = previousFrame.size() == length && previousRegion == region;
    if (previousFrame.size() != length) previousFrame.assign(length, 0);
    const int changed = CompareAndKeepRegion(previousFrame.data(), frame, stride, region,
                                             Live(s.motionSensitivity));
    previousRegion = region;
    if (!comparable || region.Empty()) return false;
    const int percentage = int(int64_t(changed) * 100 / region.Area());
    return percentage > Live(s.motionAreaPercent);
}

}  // namespace trelvix
