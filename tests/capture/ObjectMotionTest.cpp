#include <QImage>
#include <gtest/gtest.h>

#include <random>

#include "common/Frame.h"
#include "capture/Motion.h"
#include "config/Cdataclass.h"
#include "support/CameraInternals.h"
#include "support/Wait.h"

using namespace trelvix;

namespace {

// A still scene with texture, so that a block's grey is not the same everywhere.
VideoFrame Scene(int w, int h) {
    VideoFrame f;
    f.Resize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = f.Row(y) + 3 * x;
            p[0] = uint8_t(60 + (x * 7 + y * 3) % 90);
            p[1] = uint8_t(80 + (x / 8 + y / 8) % 2 * 40);
            p[2] = uint8_t(100 + y * 100 / h);
        }
    return f;
}

void Fill(VideoFrame& f, const MotionRegion& box, uint8_t value) {
    for (int y = box.top; y < box.bottom; ++y)
        std::fill_n(f.Row(y) + 3 * box.left, 3 * (box.right - box.left), value);
}

VideoFrame FromPicture(const QString& path) {
    const QImage image = QImage(path).convertToFormat(QImage::Format_BGR888);
    VideoFrame f;
    f.Resize(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        std::copy_n(image.constScanLine(y), 3 * image.width(), f.Row(y));
    return f;
}

class ObjectMotionTest : public ::testing::TestWithParam<int> {
protected:
    ObjectMotionTest() {
        StoreLive(settings.motionMode, GetParam());
        StoreLive(settings.motionIntervalSeconds, 0);
        test::SetMotionRegion(settings, {20, 20, 620, 460});
    }
    // Checks `f` a tenth of a second after the last check.
    MotionVerdict Check(const VideoFrame& f) {
        now = now.addMSecs(100);
        return detector.Check(f.data.data(), f.data.size(), f.width, f.height, settings, true,
                              false, now);
    }
    // A few checks of the still scene, so that there is a background.
    void Settle(const VideoFrame& f) {
        for (int i = 0; i < 5; ++i) EXPECT_EQ(Check(f), MotionVerdict::kNone);
    }
    bool ObjectMode() const { return GetParam() == kMotionObject; }

    CDataClass settings;
    MotionDetector detector;
    QDateTime now{QDate(2026, 3, 1), QTime(12, 0)};
};

}  // namespace

TEST_P(ObjectMotionTest, APersonSizedObjectInALargeRegionIsFoundOnlyAsAnObject) {
    const VideoFrame still = Scene(640, 480);
    Settle(still);
    // 32 × 72 pixels: 0.75 % of the picture, 0.9 % of the region.
    const MotionRegion person{300, 200, 332, 272};
    VideoFrame walking = still;
    Fill(walking, person, 20);
    EXPECT_EQ(Check(walking), ObjectMode() ? MotionVerdict::kMotion : MotionVerdict::kNone);
    if (!ObjectMode()) return;
    // The box is the object's to within one block (4 pixels).
    const MotionRegion box = detector.objectBox;
    EXPECT_NEAR(box.left, person.left, 4);
    EXPECT_NEAR(box.top, person.top, 4);
    EXPECT_NEAR(box.right, person.right, 4);
    EXPECT_NEAR(box.bottom, person.bottom, 4);
    // Outside the region it is nobody's concern; smaller than the smallest object neither.
    Settle(still);
    VideoFrame outside = still;
    Fill(outside, {0, 0, 32, 72}, 20);
    EXPECT_EQ(Check(outside), MotionVerdict::kNone);
    Settle(still);
    StoreLive(settings.motionMinSize, 20);
    EXPECT_EQ(Check(walking), MotionVerdict::kNone);
}

TEST_P(ObjectMotionTest, ALightSwitchedOnIsNoMotion) {
    const VideoFrame still = Scene(640, 480);
    Settle(still);
    VideoFrame bright = still;
    for (uint8_t& b : bright.data) b = uint8_t(std::min(255, b * 14 / 10));
    for (int i = 0; i < 20; ++i) EXPECT_EQ(Check(bright), MotionVerdict::kNone) << i;
    // What comes after the light is watched again.
    VideoFrame walking = bright;
    Fill(walking, {300, 200, 332, 272}, 20);
    if (ObjectMode()) {
        EXPECT_EQ(Check(walking), MotionVerdict::kMotion);
    }
}

TEST_P(ObjectMotionTest, ScatteredNoiseIsNoObject) {
    const VideoFrame still = Scene(640, 480);
    Settle(still);
    std::mt19937 random(3);
    std::uniform_int_distribution<int> noise(-12, 12);
    for (int i = 0; i < 20; ++i) {
        VideoFrame f = still;
        for (uint8_t& b : f.data) b = uint8_t(std::clamp(b + noise(random), 0, 255));
        // Lone specks of one block, far apart: a bird, a leaf, a hot pixel.
        for (int y = 40 + i % 4; y < 440; y += 48)
            for (int x = 40 + i % 8; x < 600; x += 48) Fill(f, {x, y, x + 4, y + 4}, 255);
        if (ObjectMode()) {
            EXPECT_EQ(Check(f), MotionVerdict::kNone) << i;
        }
    }
}

TEST_P(ObjectMotionTest, APersonWalkingOnARealRoad) {
    const QString dir = QStringLiteral(TRELVIX_TEST_DATA "/capture/footage/");
    const VideoFrame empty1 = FromPicture(dir + "road_29.0.jpg");
    const VideoFrame empty2 = FromPicture(dir + "road_30.0.jpg");
    const VideoFrame person = FromPicture(dir + "road_38.0.jpg");
    ASSERT_EQ(empty1.width, 384);
    // The road in the lower right; people pass above it in every picture.
    test::SetMotionRegion(settings, {215, 150, 384, 240});
    Settle(empty1);
    EXPECT_EQ(Check(empty2), MotionVerdict::kNone);
    Settle(empty2);
    EXPECT_EQ(Check(person), ObjectMode() ? MotionVerdict::kMotion : MotionVerdict::kNone);
    if (ObjectMode()) {
        // The walker on the road at about x 265–290, y 140–185.
        const MotionRegion box = detector.objectBox;
        EXPECT_LT(box.left, 285);
        EXPECT_GT(box.right, 270);
        EXPECT_GT(box.bottom, 165);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, ObjectMotionTest, ::testing::Values(kMotionArea, kMotionObject),
                         [](const auto& info) {
                             return info.param == kMotionObject ? "Object" : "Area";
                         });

TEST(PersonCheckTest, AWalkerCountsAndAMovingBlockOfHisSizeDoesNot) {
    CDataClass settings;
    StoreLive(settings.motionMode, kMotionObject);
    StoreLive(settings.motionIntervalSeconds, 0);
    StoreLive(settings.motionPeople, 1);
    QDateTime now{QDate(2026, 3, 1), QTime(12, 0)};
    const QString dir = QStringLiteral(TRELVIX_TEST_DATA "/capture/footage/");
    const VideoFrame empty = FromPicture(dir + "road_29.0.jpg");
    const VideoFrame person = FromPicture(dir + "road_38.0.jpg");
    test::SetMotionRegion(settings, {215, 150, 384, 240});
    MotionDetector detector;
    for (int i = 0; i < 5; ++i)
        detector.Check(empty.data.data(), empty.data.size(), empty.width, empty.height, settings,
                       true, false, now = now.addMSecs(100));
    // The motion waits for the search, which answers from its own thread, then counts, framed
    // where the walker is.
    bool moved = false;  // checked until the first motion only
    ASSERT_TRUE(trelvix::test::WaitFor([&, at = now.addMSecs(100)] {
        return moved = moved || detector.Check(person.data.data(), person.data.size(), person.width,
                                               person.height, settings, true, false,
                                               at) == MotionVerdict::kMotion;
    }));
    EXPECT_LT(detector.objectBox.left, 285);
    EXPECT_GT(detector.objectBox.right, 270);

    // A dark block of a person's size moves, but nobody is in it.
    const VideoFrame still = Scene(640, 480);
    VideoFrame block = still;
    Fill(block, {300, 200, 340, 290}, 20);
    test::SetMotionRegion(settings, {20, 20, 620, 460});
    MotionDetector inLine(true);
    for (int i = 0; i < 5; ++i)
        inLine.Check(still.data.data(), still.data.size(), 640, 480, settings, true, false,
                     now = now.addMSecs(100));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(inLine.Check(block.data.data(), block.data.size(), 640, 480, settings, true,
                               false, now = now.addMSecs(100)),
                  MotionVerdict::kNone)
            << i;
}
