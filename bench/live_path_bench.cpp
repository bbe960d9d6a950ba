// The live frame path on a 1280 × 720 frame: guide lines, caption, time text, with and
// without the mirror; and the mirror pass alone. Run with --benchmark_repetitions=9 and read
// the medians.
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QGuiApplication>

#include "capture/Usbcamera.h"
#include "notify/Notifier.h"

using namespace trelvix;

namespace {

struct Setup {
    explicit Setup(int orientation) {
        StoreLive(settings.orientation, orientation);
        StoreLive(settings.rulerShow, 1);
        StoreLive(settings.showTime, 1);
        settings.caption = "Front gate 1#";
        StoreLive(settings.ruler5Row, 600);
        StoreLive(settings.ruler10Row, 500);
        cb.settings = &settings;
        cb.CreateOverlays();
        cb.SetUpFormat(1280, 720, kPixelRGB24);
        cb.RefreshOverlays();
        frame.Resize(1280, 720);
        for (size_t i = 0; i < frame.data.size(); ++i) frame.data[i] = uint8_t(i * 13);
    }
    CDataClass settings;
    CSampleGrabberCB cb;
    VideoFrame frame;
};

void LivePath(benchmark::State& state) {
    Setup s(int(state.range(0)));
    for (auto _ : state) {
        s.cb.ProcessLiveFrame(s.frame.data.data(), s.frame.data.size());
        benchmark::DoNotOptimize(s.frame.data.data());
    }
}
BENCHMARK(LivePath)->Arg(0)->Arg(2)->Arg(1)->ArgName("orientation")->Unit(benchmark::kMicrosecond);

// What a motion frame adds to the frame thread: handing a notice to a running notification
// engine, whatever its receivers do.
void MotionNoticeHandOver(benchmark::State& state) {
    Notifier notifier{NotifySettings{}};
    SetNoticeSink(&notifier);
    Notice n;
    n.caption = "Front gate 1#";
    n.picture = "/nonexistent/20261210 120000000.jpg";
    n.when = QDateTime::currentDateTime();
    for (auto _ : state) PostNotice(n);
    SetNoticeSink(nullptr);
}
BENCHMARK(MotionNoticeHandOver)->Unit(benchmark::kNanosecond);

void MirrorOnly(benchmark::State& state) {
    VideoFrame f;
    f.Resize(1280, 720);
    for (auto _ : state) {
        CSampleGrabberCB::Orient(f.data.data(), f.width, f.height, f.stride, 2);
        benchmark::DoNotOptimize(f.data.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.data.size()));
}
BENCHMARK(MirrorOnly)->Unit(benchmark::kMicrosecond);

void CopyOnly(benchmark::State& state) {
    VideoFrame a, b;
    a.Resize(1280, 720);
    b.Resize(1280, 720);
    for (auto _ : state) {
        std::memcpy(b.data.data(), a.data.data(), a.data.size());
        benchmark::DoNotOptimize(b.data.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(a.data.size()));
}
BENCHMARK(CopyOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
