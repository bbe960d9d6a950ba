#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "record/Unit_xvid.h"

using namespace trelvix;
using namespace std::chrono_literals;

namespace {

// Frames as a camera would deliver them, numbered, without a pipeline.
class FakeSource : public RecordFrameSource {
public:
    bool Delivering() const override { return delivering; }
    Got TakeNewest(RecordFrame* frame) override {
        if (newFrames == 0) return frame->empty() ? Got::kNone : Got::kSame;
        --newFrames;
        frame->bgr.Resize(8, 8);
        frame->bgr.data[0] = uint8_t(++number);
        return Got::kNew;
    }
    void Stamp(RecordFrame&, bool isNew) override { (isNew ? stampedNew : stampedAgain) += 1; }
    void WantFrames(bool w) override { wanted = w; }

    bool delivering = true, wanted = false;
    int newFrames = 0, number = 0, stampedNew = 0, stampedAgain = 0;
};

class RecordingScheduleTest : public ::testing::Test {
protected:
    std::unique_ptr<xvidCaptureControlthread> Thread(int rate) {
        return std::make_unique<xvidCaptureControlthread>(
            source,
            [this](const RecordFrame& f) {
                written.push_back(f.bgr.data[0]);
                return true;
            },
            rate, [this] { return now; });
    }

    FakeSource source;
    std::vector<int> written;  // the number of each written frame
    RecordingSchedule::Time now{};
};

}  // namespace

TEST_F(RecordingScheduleTest, FramesFollowTheClockAtTheRecordingRate) {
    auto thread = Thread(10);
    EXPECT_TRUE(source.wanted);
    // A camera that delivers nothing yet writes nothing and starts no schedule.
    EXPECT_FALSE(thread->WriteDueFrames());
    source.newFrames = 1;
    EXPECT_TRUE(thread->WriteDueFrames());  // the first frame, at once
    now += 50ms;
    EXPECT_TRUE(thread->WriteDueFrames());  // not due yet: restamped, not written
    EXPECT_EQ(written, std::vector<int>{1});
    EXPECT_EQ(source.stampedAgain, 1);
    // Ten seconds of passes every period, a new frame each: exactly the rate.
    for (int i = 0; i < 100; ++i) {
        now += 100ms;
        source.newFrames = 1;
        thread->WriteDueFrames();
    }
    EXPECT_EQ(written.size(), 101u);
    EXPECT_EQ(written.back(), 101);
    EXPECT_EQ(source.stampedAgain, 1);
    // A late pass (at 10.4 s) writes the newest frame again for each missed period.
    now += 350ms;
    thread->WriteDueFrames();
    EXPECT_EQ(written.size(), 105u);
    EXPECT_EQ(written.back(), 101);
    EXPECT_EQ(source.stampedAgain, 2);
    // A stall of a minute fills at most one second, then the schedule goes on from now.
    now += 60s;
    thread->WriteDueFrames();
    EXPECT_EQ(written.size(), 115u);
    now += 100ms;
    thread->WriteDueFrames();
    EXPECT_EQ(written.size(), 116u);
    // Without a pipeline nothing is taken, and the thread gone wants no more frames.
    source.delivering = false;
    now += 1s;
    EXPECT_FALSE(thread->WriteDueFrames());
    EXPECT_EQ(written.size(), 116u);
    thread.reset();
    EXPECT_FALSE(source.wanted);
}
