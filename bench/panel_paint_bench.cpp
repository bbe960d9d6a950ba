// The camera panel's painting of a 640 × 480 frame into a smaller cell, filtered and not.
// At 30 frames per second, µs per frame × 0.003 is the percentage of one core.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <ctime>
#include <vector>

namespace {

void PaintShrunk(benchmark::State& state) {
    const bool smooth = state.range(0) != 0;
    const int w = int(state.range(1)), h = w * 3 / 4;
    std::vector<uint8_t> pixels(640 * 3 * 480);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint8_t(i * 7);
    const QImage frame(pixels.data(), 640, 480, 640 * 3, QImage::Format_BGR888);
    QImage cell(w, h, QImage::Format_RGB32);
    // Qt paints with helper threads: the whole process's CPU is what a camera costs.
    auto processSeconds = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
    };
    const double start = processSeconds();
    for (auto _ : state) {
        QPainter p(&cell);
        p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        if (state.range(2))
            p.drawImage(cell.rect(), frame.convertToFormat(QImage::Format_RGB32));
        else
            p.drawImage(cell.rect(), frame);
        benchmark::DoNotOptimize(cell.bits());
    }
    const double perFrame = (processSeconds() - start) / double(state.iterations());
    state.counters["process_us"] = perFrame * 1e6;
    state.counters["core_pct_at_30fps"] = perFrame * 30 * 100;
}
BENCHMARK(PaintShrunk)
    ->ArgsProduct({{0, 1}, {320, 480}, {0, 1}})
    ->ArgNames({"smooth", "width", "rgb32"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
