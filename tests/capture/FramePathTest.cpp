#include <gst/gst.h>
#include <algorithm>
#include <gtest/gtest.h>

#include "capture/Devices.h"
#include "capture/Usbcamera.h"
#include "common/Clock.h"
#include "support/FrameCallback.h"

using namespace trelvix;
using trelvix::test::Callback;

namespace {

VideoFrame Numbered(int w, int h) {
    VideoFrame f;
    f.Resize(w, h);
    for (size_t i = 0; i < f.data.size(); ++i) f.data[i] = uint8_t(i * 7 + 1);
    return f;
}

// A surface that keeps what it is shown.
struct Capture : VideoSurface {
    void PresentFrame(FramePtr f) override { frames.push_back(std::move(f)); }
    void ClearFrame() override { ++clears; }
    void SetFullScreen(bool on) override { full = on; }
    bool IsFullScreen() const override { return full; }
    void FitVideo() override {}
    std::vector<FramePtr> frames;
    int clears = 0;
    bool full = false;
};

}  // namespace

TEST(Orientation, OddSizesKeepTheMiddleAndTwiceRestores) {
    for (auto [w, h] : {std::pair{5, 3}, std::pair{4, 4}, std::pair{7, 1}, std::pair{1, 5},
                        std::pair{13, 3}, std::pair{37, 2}, std::pair{64, 3}, std::pair{641, 3}}) {
        const VideoFrame original = Numbered(w, h);
        VideoFrame f = original;
        CSampleGrabberCB::Orient(f.data.data(), w, h, f.stride, 1);
        for (int y = 0; y < h; ++y)
            EXPECT_EQ(0, std::memcmp(f.Row(y), original.Row(h - 1 - y), size_t(f.stride)));
        CSampleGrabberCB::Orient(f.data.data(), w, h, f.stride, 1);
        EXPECT_EQ(f.data, original.data);

        CSampleGrabberCB::Orient(f.data.data(), w, h, f.stride, 2);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                EXPECT_EQ(0, std::memcmp(f.Row(y) + 3 * x, original.Row(y) + 3 * (w - 1 - x), 3));
            // Row padding is not picture and stays as it was.
            EXPECT_EQ(0, std::memcmp(f.Row(y) + 3 * w, original.Row(y) + 3 * w,
                                     size_t(f.stride - 3 * w)));
        }
        CSampleGrabberCB::Orient(f.data.data(), w, h, f.stride, 2);
        EXPECT_EQ(f.data, original.data);
        CSampleGrabberCB::Orient(f.data.data(), w, h, f.stride, 3);
        EXPECT_EQ(f.data, original.data);
    }
}

TEST(LivePath, OrientsFirstThenStampsThenShowsThePreview) {
    Callback c(64, 32);
    StoreLive(c.settings.orientation, 2);
    c.settings.caption = "X";
    StoreLive(c.settings.captionColour, {255, 0, 0});
    StoreLive(c.settings.showTime, 1);
    StoreLive(c.settings.timeFormat, 3);
    StoreLive(c.settings.timeX, 0);
    StoreLive(c.settings.timeY, 0);  // over the caption: drawn after it
    c.cb.timeOverlay->SetTimeColour(0, 0, 255);
    c.cb.RefreshOverlays();
    Capture preview;
    c.cb.SetPreview(&preview, nullptr);

    // Left half dark, right half bright: after the mirror the bright half is on the left.
    VideoFrame f;
    f.Resize(64, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 32; x < 64; ++x) std::memset(f.Row(y) + 3 * x, 200, 3);
    ASSERT_EQ(c.cb.BufferCB(0, f.data.data(), f.data.size()), 0);
    EXPECT_EQ(f.Row(31)[0], 200);  // mirrored
    EXPECT_EQ(f.Row(31)[3 * 63], 0);
    // Stamps are written after the mirror, so they read left to right at the left edge: the
    // time's blue covers the caption wherever both have ink.
    int blue = 0, red = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 64; ++x) {
            const uint8_t* p = f.Row(y) + 3 * x;
            if (p[0] == 255 && p[1] == 0 && p[2] == 0) ++blue;
            if (p[0] == 0 && p[1] == 0 && p[2] == 255) ++red;
        }
    EXPECT_GT(blue, 10);
    EXPECT_GT(red, 0);  // the caption shows where the time has no ink
    ASSERT_EQ(preview.frames.size(), 1u);
    EXPECT_EQ(preview.frames[0]->data, f.data);  // the preview shows the finished frame

    c.cb.SetPreview(nullptr, nullptr);
    c.cb.BufferCB(0, f.data.data(), f.data.size());
    EXPECT_EQ(preview.frames.size(), 1u);
    EXPECT_EQ(c.cb.BufferCB(0, nullptr, 0), -1);
}

TEST(LivePath, UnknownPixelFormatDrawsNoTextButStillOrients) {
    Callback c(8, 2);
    StoreLive(c.settings.orientation, 1);
    c.settings.caption = "X";
    StoreLive(c.settings.showTime, 1);
    c.cb.SetUpFormat(8, 2, kPixelUnknown);
    c.cb.DestroyOverlays();
    c.cb.CreateOverlays();
    c.cb.SetUpFormat(8, 2, kPixelUnknown);
    c.cb.RefreshOverlays();
    VideoFrame f = Numbered(8, 2);
    const VideoFrame original = f;
    c.cb.ProcessLiveFrame(f.data.data(), f.data.size());
    EXPECT_EQ(0, std::memcmp(f.Row(0), original.Row(1), size_t(f.stride)));
    EXPECT_EQ(0, std::memcmp(f.Row(1), original.Row(0), size_t(f.stride)));
}

TEST(RecordPath, UsesItsOwnTimeRendererAndNothingOfTheLivePathsExtras) {
    Callback c(120, 40);
    StoreLive(c.settings.showTime, 1);
    c.settings.caption = "R";
    c.cb.RefreshOverlays();
    Capture preview;
    c.cb.SetPreview(&preview, nullptr);
    VideoFrame f;
    f.Resize(120, 40);
    c.cb.ProcessRecordFrame(f.data.data(), f.data.size());
    EXPECT_TRUE(c.cb.recordTimeOverlay->mask());
    EXPECT_FALSE(c.cb.timeOverlay->mask());
    EXPECT_TRUE(preview.frames.empty());
    EXPECT_NE(f.data, std::vector<uint8_t>(f.data.size(), 0));  // stamped
}

namespace {
GstSample* BgrSample(const VideoFrame& f) {
    GstBuffer* buffer = gst_buffer_new_memdup(f.data.data(), f.data.size());
    GstCaps* caps = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGR", "width",
                                        G_TYPE_INT, f.width, "height", G_TYPE_INT, f.height,
                                        "framerate", GST_TYPE_FRACTION, 30, 1, nullptr);
    GstSample* sample = gst_sample_new(buffer, caps, nullptr, nullptr);
    gst_buffer_unref(buffer);
    gst_caps_unref(caps);
    return sample;
}
}  // namespace

TEST(RecordPath, IsHandedTheNewestFrameAsDeliveredOnceAndThenToldItHasItStill) {
    EnsureGStreamer();
    Callback c(24, 8);
    StoreLive(c.settings.rulerShow,
              1);  // the live path draws on its own frame, never on the one handed over
    StoreLive(c.settings.ruler5Row, 6);
    StoreLive(c.settings.showTime, 1);
    c.cb.RefreshOverlays();
    RecordFrame mine;
    EXPECT_EQ(c.cb.TakeLatestRawFrame(&mine), CSampleGrabberCB::RawFrame::kNone)
        << "nobody asked for raw frames";
    c.cb.SetRawFrameWanted(true);
    const VideoFrame a = Numbered(24, 8);
    VideoFrame b = a;
    std::reverse(b.data.begin(), b.data.end());
    for (const VideoFrame* delivered : {&a, static_cast<const VideoFrame*>(&b)}) {
        GstSample* sample = BgrSample(*delivered);
        c.cb.OnSample(sample);
        gst_sample_unref(sample);
        ASSERT_EQ(c.cb.TakeLatestRawFrame(&mine), CSampleGrabberCB::RawFrame::kNew);
        EXPECT_FALSE(mine.planar);
        EXPECT_EQ(mine.bgr.data, delivered->data);
        // Stamped by the recording path, it is not handed back as new.
        c.cb.ProcessRecordFrame(mine);
        EXPECT_EQ(c.cb.TakeLatestRawFrame(&mine), CSampleGrabberCB::RawFrame::kSame);
        EXPECT_NE(mine.bgr.data, delivered->data);
    }
    c.cb.ForgetRawFrame();
    EXPECT_EQ(c.cb.TakeLatestRawFrame(&mine), CSampleGrabberCB::RawFrame::kNone);
}

TEST(RecordPath, TheSameFrameAgainShowsTheNewTimeAsAFreshOneWould) {
    Callback c(160, 40);
    StoreLive(c.settings.showTime, 1);
    StoreLive(c.settings.timeX, 4);
    StoreLive(c.settings.timeY, 4);
    c.cb.RefreshOverlays();
    QDateTime now(QDate(2026, 12, 9), QTime(10, 0, 1));
    SetClockForTesting([&] { return now; });
    const VideoFrame pristine = Numbered(160, 40);
    VideoFrame again = pristine;
    c.cb.ProcessRecordFrame(again.data.data(), again.data.size());
    now = now.addDays(1).addSecs(3600 + 61);  // every shown field changes
    c.cb.RestampRecordTime(again.data.data());
    VideoFrame fresh = pristine;
    c.cb.ProcessRecordFrame(fresh.data.data(), fresh.data.size());
    SetClockForTesting({});
    EXPECT_EQ(again.data, fresh.data);
}
