// Motion comparison, snapshot writing, and the longest frame-callback time during a burst of
// motion snapshots. Run with --benchmark_repetitions=9 and read the medians.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "capture/Usbcamera.h"
#include "common/Clock.h"

using namespace trelvix;

namespace {

QTemporaryDir* tempDir;

VideoFrame Pattern(int w, int h, int phase) {
    VideoFrame f;
    f.Resize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = f.Row(y) + 3 * x;
            p[0] = uint8_t(x + phase);
            p[1] = uint8_t(y * 2 + phase);
            p[2] = uint8_t((x ^ y) + phase);
        }
    return f;
}

struct Camera {
    Camera(int w, int h) {
        settings.imageFolder = tempDir->path();
        StoreLive(settings.shutterSound, 0);
        StoreLive(settings.motionSound, 0);
        cb.settings = &settings;
        cb.CreateOverlays();
        cb.SetUpFormat(w, h, kPixelRGB24);
    }
    CDataClass settings;
    CSampleGrabberCB cb;
};

void Compare(benchmark::State& state, bool wholeFrame) {
    Camera c(1280, 720);
    if (wholeFrame) {
        StoreLive(c.settings.motionLeft, 0);
        StoreLive(c.settings.motionTop, 0);
        StoreLive(c.settings.motionRight, 1280);
        StoreLive(c.settings.motionBottom, 720);
    }
    VideoFrame a = Pattern(1280, 720, 0), b = Pattern(1280, 720, 9);
    c.cb.motion.CompareWithPreviousFrame(a.data.data(), a.data.size(), a.width, a.height,
                                         c.settings);
    bool flip = false;
    for (auto _ : state) {
        VideoFrame& f = flip ? a : b;
        flip = !flip;
        benchmark::DoNotOptimize(c.cb.motion.CompareWithPreviousFrame(
            f.data.data(), f.data.size(), f.width, f.height, c.settings));
    }
}
void CompareWholeFrame(benchmark::State& s) {
    Compare(s, true);
}
void CompareDefaultRegion(benchmark::State& s) {
    Compare(s, false);
}
BENCHMARK(CompareWholeFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(CompareDefaultRegion)->Unit(benchmark::kMicrosecond);

// One whole check at 640 × 480 in each mode, every frame, with a block crossing a region of
// most of the picture.
void CheckEveryFrame(benchmark::State& state, int mode) {
    CDataClass s;
    StoreLive(s.motionMode, mode);
    StoreLive(s.motionIntervalSeconds, 0);
    StoreLive(s.motionLeft, 20);
    StoreLive(s.motionTop, 20);
    StoreLive(s.motionRight, 620);
    StoreLive(s.motionBottom, 460);
    std::vector<VideoFrame> frames;
    for (int i = 0; i < 16; ++i) {
        VideoFrame f = Pattern(640, 480, 0);
        for (int y = 200; y < 300; ++y)
            std::fill_n(f.Row(y) + 3 * (100 + 30 * i), 3 * 40, uint8_t(20));
        frames.push_back(std::move(f));
    }
    MotionDetector detector;
    QDateTime now = QDateTime::currentDateTime();
    size_t i = 0;
    for (auto _ : state) {
        const VideoFrame& f = frames[i++ % frames.size()];
        now = now.addMSecs(100);
        benchmark::DoNotOptimize(
            detector.Check(f.data.data(), f.data.size(), f.width, f.height, s, true, false, now));
    }
}
void CheckArea640x480(benchmark::State& s) {
    CheckEveryFrame(s, kMotionArea);
}
void CheckObject640x480(benchmark::State& s) {
    CheckEveryFrame(s, kMotionObject);
}
void ReduceGrey640x480(benchmark::State& state) {
    const VideoFrame f = Pattern(640, 480, 0);
    GreyPicture grey;
    for (auto _ : state) {
        ReduceToGrey(f.data.data(), f.stride, f.width, f.height, &grey);
        benchmark::DoNotOptimize(grey.pixels.data());
    }
}
BENCHMARK(ReduceGrey640x480)->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckArea640x480)->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckObject640x480)->Unit(benchmark::kMicrosecond);

void Snapshot1080p(benchmark::State& state) {
    Camera c(1920, 1080);
    VideoFrame f = Pattern(1920, 1080, 3);
    for (auto _ : state) {
        c.cb.TakeSnapshot(f.data.data(), f.data.size(), kSnapshotTimed);
    }
    c.cb.uploadList.Clear();
}
BENCHMARK(Snapshot1080p)->Unit(benchmark::kMillisecond);

// Every frame of the burst finds motion and writes its picture on the frame thread.
void ReportMotionBurst(int w, int h) {
    Camera c(w, h);
    StoreLive(c.settings.motionEnabled, 1);
    StoreLive(c.settings.motionIntervalSeconds, 0);
    StoreLive(c.settings.motionLeft, 0);
    StoreLive(c.settings.motionTop, 0);
    StoreLive(c.settings.motionRight, w);
    StoreLive(c.settings.motionBottom, h);
    StoreLive(c.settings.showTime, 1);
    c.cb.RefreshOverlays();
    VideoFrame a = Pattern(w, h, 0), b = Pattern(w, h, 100);
    double longest = 0, total = 0;
    const int frames = 60;
    for (int i = 0; i < frames; ++i) {
        VideoFrame f = (i % 2) ? a : b;
        const auto t0 = std::chrono::steady_clock::now();
        c.cb.ProcessLiveFrame(f.data.data(), f.data.size());
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count();
        longest = std::max(longest, ms);
        total += ms;
    }
    std::printf(
        "motion burst %dx%d: %d frames, every one a motion snapshot: longest %.2f ms, mean %.2f ms "
        "(one frame at 30 fps: 33.3 ms)\n",
        w, h, frames, longest, total / frames);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    tempDir = &dir;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ReportMotionBurst(640, 480);
    ReportMotionBurst(1280, 720);
    ReportMotionBurst(1920, 1080);
    return 0;
}
