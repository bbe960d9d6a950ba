// A JPEG camera's recording path: decoded planes go to the encoder without becoming BGR, and
// must record what the BGR route would have recorded.
#include <gst/gst.h>
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <QDir>
#include <QTemporaryDir>
#include <atomic>
#include <cmath>
#include <thread>

#include "capture/Devices.h"
#include "common/Jpeg.h"
#include "common/PlaneRange.h"
#include "capture/Usbcamera.h"
#include "record/Ymp4.h"
#include "common/Clock.h"
#include "support/FrameCallback.h"
#include "support/MediaProbe.h"

using namespace trelvix;
using trelvix::test::Callback;
using trelvix::test::Probe;
using trelvix::test::ProbeFile;

namespace {

// Blue above, red below, a grey ramp across and a white block: every range and both chroma
// halves show.
VideoFrame Picture(int w, int h) {
    VideoFrame f;
    f.Resize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = f.Row(y) + 3 * x;
            const bool top = y < h / 2;
            const uint8_t ramp = uint8_t(x * 255 / (w - 1));
            p[0] = top ? 220 : ramp / 4;
            p[1] = ramp / 2;
            p[2] = top ? ramp / 4 : 220;
            if (x >= w / 2 && x < w / 2 + 16 && y >= 8 && y < 24) p[0] = p[1] = p[2] = 255;
        }
    return f;
}

QByteArray Jpeg(const VideoFrame& f, int subsampling) {
    tjhandle h = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    QByteArray result;
    if (tjCompress2(h, f.data.data(), f.width, f.stride, f.height, TJPF_BGR, &out, &size,
                    subsampling, 95, 0) == 0)
        result = QByteArray(reinterpret_cast<const char*>(out), qsizetype(size));
    tjFree(out);
    tjDestroy(h);
    return result;
}

PlanarFrame Decoded(const QByteArray& jpeg) {
    PlanarFrame planes;
    JpegDecoder decoder;
    EXPECT_TRUE(decoder.DecodePlanes(reinterpret_cast<const uint8_t*>(jpeg.constData()),
                                     size_t(jpeg.size()), &planes));
    return planes;
}

GstSample* JpegSample(const QByteArray& jpeg) {
    GstBuffer* buffer = gst_buffer_new_memdup(jpeg.constData(), size_t(jpeg.size()));
    GstCaps* caps = gst_caps_new_empty_simple("image/jpeg");
    GstSample* sample = gst_sample_new(buffer, caps, nullptr, nullptr);
    gst_buffer_unref(buffer);
    gst_caps_unref(caps);
    return sample;
}

// Keeps the newest frame the live path shows.
struct Screen : VideoSurface {
    void PresentFrame(FramePtr f) override { latest = std::move(f); }
    void ClearFrame() override {}
    void SetFullScreen(bool) override {}
    bool IsFullScreen() const override { return false; }
    void FitVideo() override {}
    FramePtr latest;
};

}  // namespace

TEST(PlaneRange, EveryFullRangeValueMapsToTheNearestLimitedOne) {
    for (int v = 0; v < 256; ++v) {
        EXPECT_EQ(LimitedLuma(uint8_t(v)), std::lround(16 + v * 219.0 / 255)) << v;
        EXPECT_EQ(LimitedChroma(uint8_t(v)), std::lround(128 + (v - 128) * 224.0 / 255)) << v;
    }
}

TEST(PlaneRange, FourTwoTwoChromaRowsAreAveragedInPairsAndOddEdgesLeftOut) {
    PlanarFrame f;
    f.Resize(5, 3, 3, 3);  // 4:2:2 of an odd size
    for (size_t i = 0; i < f.data.size(); ++i) f.data[i] = uint8_t(i * 9);
    uint8_t y[4 * 2], u[2], v[2];
    uint8_t* planes[3] = {y, u, v};
    const int strides[3] = {4, 2, 2};
    ToLimitedRange420(f, planes, strides);
    for (int row = 0; row < 2; ++row)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(y[row * 4 + x], LimitedLuma(f.Plane(0)[row * 5 + x]));
    for (int x = 0; x < 2; ++x) {
        const int a = f.Plane(1)[x], b = f.Plane(1)[3 + x];
        EXPECT_EQ(u[x], LimitedChroma(uint8_t((a + b + 1) / 2))) << x;
    }
}

TEST(PlaneRecording, PlanesRecordTheSamePictureAsTheirBgrFrame) {
    QTemporaryDir dir;
    ASSERT_TRUE(yXvidInit(kYmp4Agreed, 2, 0));
    const VideoFrame source = Picture(96, 64);
    for (int subsampling : {TJSAMP_420, TJSAMP_422}) {
        const PlanarFrame planes = Decoded(Jpeg(source, subsampling));
        ASSERT_EQ(planes.width, 96);
        VideoFrame bgr;
        bgr.Resize(96, 64);
        JpegDecoder decoder;
        ASSERT_TRUE(decoder.PlanesToBGR(planes, bgr.data.data(), bgr.stride));
        QStringList files;
        for (int route = 0; route < 2; ++route) {
            const QString folder =
                dir.path() + QStringLiteral("/%1_%2").arg(subsampling).arg(route);
            ASSERT_TRUE(yMP4CNew(route, kYmp4Agreed));
            ASSERT_TRUE(yMP4COpen(route, 10, 96, 64, 2, 15, folder, 30));
            for (int i = 0; i < 5; ++i)
                ASSERT_TRUE(route == 0 ? yVideoWritePlanes(route, planes)
                                       : yVideoWrite(route, bgr.data.data(), bgr.data.size()));
            yMP4CDelete(route);
            files << folder + "/" + QDir(folder).entryList({"*.mp4"}).value(0);
        }
        const Probe viaPlanes = ProbeFile(files[0]), viaBgr = ProbeFile(files[1]);
        ASSERT_EQ(viaPlanes.frames, 5);
        ASSERT_EQ(viaPlanes.firstLuma.size(), viaBgr.firstLuma.size());
        double diff = 0;
        for (size_t i = 0; i < viaBgr.firstLuma.size(); ++i)
            diff += std::abs(viaPlanes.firstLuma[i] - viaBgr.firstLuma[i]);
        EXPECT_LT(diff / double(viaBgr.firstLuma.size()), 2.0) << subsampling;
        EXPECT_NEAR(viaPlanes.topU, viaBgr.topU, 4) << subsampling;
        EXPECT_NEAR(viaPlanes.topV, viaBgr.topV, 4) << subsampling;
        EXPECT_NEAR(viaPlanes.bottomU, viaBgr.bottomU, 4) << subsampling;
        EXPECT_NEAR(viaPlanes.bottomV, viaBgr.bottomV, 4) << subsampling;
    }
    yXvidUnInt();
}

TEST(PlaneRecording, OnlyFourTwoZeroAndFourTwoTwoPicturesDecodeToPlanes) {
    const VideoFrame source = Picture(32, 16);
    PlanarFrame planes;
    JpegDecoder decoder;
    const QByteArray full = Jpeg(source, TJSAMP_444);
    EXPECT_FALSE(decoder.DecodePlanes(reinterpret_cast<const uint8_t*>(full.constData()),
                                      size_t(full.size()), &planes));
    const QByteArray grey = Jpeg(source, TJSAMP_GRAY);
    EXPECT_FALSE(decoder.DecodePlanes(reinterpret_cast<const uint8_t*>(grey.constData()),
                                      size_t(grey.size()), &planes));
    const QByteArray cut = Jpeg(source, TJSAMP_420).left(200);
    EXPECT_FALSE(
        decoder.DecodePlanes(reinterpret_cast<const uint8_t*>(cut.constData()), 10, &planes));
}

TEST(PlaneRecording, TheSamePlanesAgainShowTheNewTimeAsFreshOnesWould) {
    Callback c(160, 40);
    StoreLive(c.settings.showTime, 1);
    StoreLive(c.settings.timeX, 3);  // odd: the text starts inside a chroma sample
    StoreLive(c.settings.timeY, 5);
    c.settings.caption = "Gate";
    c.cb.RefreshOverlays();
    QDateTime now(QDate(2026, 12, 9), QTime(10, 0, 1));
    SetClockForTesting([&] { return now; });
    RecordFrame pristine;
    pristine.planar = true;
    pristine.planes = Decoded(Jpeg(Picture(160, 40), TJSAMP_420));
    RecordFrame again = pristine;
    c.cb.ProcessRecordFrame(again);
    EXPECT_TRUE(again.planar);
    EXPECT_NE(again.planes.data, pristine.planes.data) << "stamped";
    now = now.addDays(1).addSecs(3600 + 61);  // every shown field changes
    c.cb.RestampRecordTime(again);
    RecordFrame fresh = pristine;
    c.cb.ProcessRecordFrame(fresh);
    SetClockForTesting({});
    EXPECT_EQ(again.planes.data, fresh.planes.data);
}

TEST(PlaneRecording, PlanesThatMustBeTurnedOrLinedBecomeBgrFirst) {
    Callback c(32, 16);
    StoreLive(c.settings.orientation, 1);  // upside down
    VideoFrame source;
    source.Resize(32, 16);
    for (int y = 0; y < 8; ++y) std::memset(source.Row(y), 255, size_t(source.stride));
    RecordFrame f;
    f.planar = true;
    f.planes = Decoded(Jpeg(source, TJSAMP_420));
    c.cb.ProcessRecordFrame(f);
    ASSERT_FALSE(f.planar);
    ASSERT_EQ(f.bgr.width, 32);
    EXPECT_LT(f.bgr.Row(1)[0], 40) << "the white top went down";
    EXPECT_GT(f.bgr.Row(14)[0], 215);
}

TEST(PlaneRecording, WhileRecordingAJpegCameraHandsOverPlanesAndStillShowsBgr) {
    EnsureGStreamer();
    Callback c(96, 64);
    Screen screen;
    c.cb.SetPanel(nullptr, &screen);
    const QByteArray jpeg = Jpeg(Picture(96, 64), TJSAMP_422);
    auto deliver = [&] {
        GstSample* sample = JpegSample(jpeg);
        c.cb.OnSample(sample);
        gst_sample_unref(sample);
    };
    RecordFrame mine;
    deliver();
    EXPECT_EQ(c.cb.TakeLatestRawFrame(&mine), CSampleGrabberCB::RawFrame::kNone)
        << "nobody records: nothing is kept";
    c.cb.SetRawFrameWanted(true);
    deliver();
    ASSERT_EQ(c.cb.TakeLatestRawFrame(&mine), CSampleGrabberCB::RawFrame::kNew);
    EXPECT_TRUE(mine.planar);
    EXPECT_EQ(mine.planes.width, 96);
    EXPECT_EQ(mine.planes.chromaHeight, 64);
    ASSERT_TRUE(screen.latest);
    const uint8_t* top = screen.latest->Row(4) + 3 * 2;
    EXPECT_GT(top[0], 180) << "blue above, in BGR order";
    EXPECT_LT(top[2], 60);

    // The live path and the recording thread exchange the planes while both run.
    // Until the recording side took a few, however the two threads are scheduled.
    std::atomic<bool> done{false};
    std::atomic<int> handed{0};
    std::thread live([&] {
        for (int i = 0; i < 200 || handed < 5; ++i) deliver();
        done = true;
    });
    while (!done) {
        if (c.cb.TakeLatestRawFrame(&mine) != CSampleGrabberCB::RawFrame::kNew) continue;
        ++handed;
        EXPECT_TRUE(mine.planar);
        EXPECT_EQ(mine.planes.data.size(), size_t(96 * 64 + 2 * 48 * 64));
        c.cb.ProcessRecordFrame(mine);
    }
    live.join();
    EXPECT_GE(handed, 5);
    c.cb.SetPanel(nullptr, nullptr);
}
