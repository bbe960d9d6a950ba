// CPU time of recording one frame (BGR to YUV conversion, MPEG-4 encoding, fragmented MP4 into a
// file) at the default quantiser 4, for a textured scene with a moving ball and sensor noise.
// core_pct is that time at the size's frame rate, in per cent of one core; targets: 10 % for
// 1280 × 720 at 10 fps, 15 % for 640 × 480 at 30 fps. RecordPlanes is the same from a JPEG
// camera's decoded planes, and DecodeJpeg what the live path pays per picture of such a camera.
// Run pinned: taskset -c 1 writer_bench
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <ctime>

#include "common/Frame.h"
#include "common/Jpeg.h"
#include "record/Ymp4.h"

using namespace trelvix;

namespace {

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A loop of frames: smooth shading with fixed fine texture and a few objects, a ball and a
// textured figure crossing the picture, and fresh noise in every frame as a real sensor gives.
std::vector<VideoFrame> Scene(int w, int h, int count) {
    uint32_t seed = 12345;
    auto random = [&seed] { return (seed = seed * 1664525u + 1013904223u) >> 24; };
    VideoFrame background;
    background.Resize(w, h);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = background.Row(y);
        for (int x = 0; x < w; ++x) {
            const int texture = int(random() % 24);
            const bool object = (x / (w / 8) + y / (h / 6)) % 5 == 0;
            row[3 * x] = uint8_t(object ? 40 + texture : 60 + 120 * y / h + texture);
            row[3 * x + 1] = uint8_t(object ? 150 + texture : 80 + 100 * x / w + texture);
            row[3 * x + 2] = uint8_t(object ? 200 - texture : 90 + texture);
        }
    }
    std::vector<VideoFrame> frames(size_t(count), background);
    const int r = h / 8, bw = w / 8, bh = h / 2;
    for (int k = 0; k < count; ++k) {
        VideoFrame& f = frames[size_t(k)];
        const int cx = r + (w - 2 * r) * k / count;
        const int cy = h / 2 + int(double(h / 4) * std::sin(k * 0.2));
        const int bx = w - bw - (w - bw) * k / count, by = h / 3;  // a textured walker
        for (int y = 0; y < h; ++y) {
            uint8_t* row = f.Row(y);
            for (int x = 0; x < w; ++x) {
                uint8_t* px = row + 3 * x;
                if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < r * r) {
                    px[0] = 30, px[1] = 30, px[2] = uint8_t(220 - (x - cx + r) / 4);
                } else if (x >= bx && x < bx + bw && y >= by && y < by + bh) {
                    const int u = x - bx, v = y - by;
                    px[0] = uint8_t(60 + (u * 7 ^ v * 5) % 90);
                    px[1] = uint8_t(70 + (u / 6 + v / 9) % 2 * 80);
                    px[2] = uint8_t(100 + (v * 3) % 70);
                }
                for (int c = 0; c < 3; ++c)
                    px[c] = uint8_t(std::clamp(int(px[c]) + int(random() % 7) - 3, 0, 255));
            }
        }
    }
    return frames;
}

// Writes frame 1, 2, … of the open handle 0 once per iteration, then closes it and reports the
// thread's CPU time per frame; how many frames the file got.
template <typename Write>
size_t TimeWrites(benchmark::State& state, int fps, Write write) {
    size_t k = 1;
    bool ok = true;
    const double cpu0 = ThreadCpuSeconds();
    for (auto _ : state) ok = write(k++) && ok;
    const double cpuMs = (ThreadCpuSeconds() - cpu0) * 1000.0 / double(state.iterations());
    yMP4CClose(0);
    yMP4CDelete(0);
    if (!ok) state.SkipWithError("a frame was not written");
    state.counters["cpu_ms_frame"] = cpuMs;
    state.counters["core_pct"] = cpuMs * fps / 10.0;
    return k;
}

void Record(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1)), fps = int(state.range(2));
    const int compression = int(state.range(3));
    static std::vector<VideoFrame> frames;
    if (frames.empty() || frames[0].width != w || frames[0].height != h) frames = Scene(w, h, 64);
    QTemporaryDir dir;
    yXvidInit(kYmp4Agreed, 1, 0);
    yMP4CNew(0, kYmp4Agreed);
    yMP4COpen(0, fps, w, h, 4, compression, dir.path(), 60);
    yVideoWrite(0, frames[0].data.data(), frames[0].data.size());  // creates the file
    const QString path = yMP4CCurrentFile(0);
    const size_t written = TimeWrites(state, fps, [&](size_t k) {
        const VideoFrame& f = frames[k % frames.size()];
        return yVideoWrite(0, f.data.data(), f.data.size());
    });
    state.counters["kB_frame"] = double(QFileInfo(path).size()) / 1024.0 / double(written);
}
// The scene as a camera sends it: JPEG pictures of quality 75, 4:2:0. WRITER_BENCH_JPEGS names
// a folder of w × h pictures to use instead (bench/side_by_side --keep leaves its feed's in
// frames/), so the figures compare with that benchmark's.
const std::vector<QByteArray>& JpegScene(int w, int h) {
    static std::vector<QByteArray> pictures;
    static int width = 0;
    if (width != w) {
        pictures.clear();
        width = w;
        const QDir folder(qEnvironmentVariable("WRITER_BENCH_JPEGS"));
        if (!folder.path().isEmpty() && folder.path() != ".") {
            for (const QString& name : folder.entryList({"*.jpg"}, QDir::Files, QDir::Name)) {
                QFile file(folder.filePath(name));
                if (file.open(QIODevice::ReadOnly)) pictures.push_back(file.readAll());
            }
            if (!pictures.empty()) return pictures;
        }
        for (const VideoFrame& f : Scene(w, h, 64))
            pictures.push_back(EncodeJpeg(f.data.data(), w, h, f.stride, kPixelRGB24));
    }
    return pictures;
}

// route 0: the decoded pictures as BGR frames, as before; 1: as their planes.
void RecordPlanes(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1)), fps = int(state.range(2));
    const bool planar = state.range(3) == 1;
    std::vector<PlanarFrame> planes;
    std::vector<VideoFrame> frames;
    JpegDecoder decoder;
    for (const QByteArray& jpeg : JpegScene(w, h)) {
        planes.emplace_back();
        decoder.DecodePlanes(reinterpret_cast<const uint8_t*>(jpeg.constData()),
                             size_t(jpeg.size()), &planes.back());
        frames.emplace_back();
        frames.back().Resize(w, h);
        decoder.PlanesToBGR(planes.back(), frames.back().data.data(), frames.back().stride);
    }
    auto write = [&](size_t i) {
        const VideoFrame& f = frames[i % frames.size()];
        return planar ? yVideoWritePlanes(0, planes[i % planes.size()])
                      : yVideoWrite(0, f.data.data(), f.data.size());
    };
    QTemporaryDir dir;
    yXvidInit(kYmp4Agreed, 1, 0);
    yMP4CNew(0, kYmp4Agreed);
    yMP4COpen(0, fps, w, h, 4, 15, dir.path(), 60);
    write(0);  // creates the file
    TimeWrites(state, fps, write);
}
BENCHMARK(RecordPlanes)
    ->ArgNames({"w", "h", "fps", "planar"})
    ->Args({640, 480, 30, 0})
    ->Args({640, 480, 30, 1})
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

// route 0: straight to BGR (nobody records); 1: to planes only; 2: to planes, then the live BGR
// frame from them (while recording).
void DecodeJpeg(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1)), route = int(state.range(2));
    const std::vector<QByteArray>& pictures = JpegScene(w, h);
    JpegDecoder decoder;
    VideoFrame frame;
    frame.Resize(w, h);
    PlanarFrame planes;
    size_t k = 0;
    const double cpu0 = ThreadCpuSeconds();
    for (auto _ : state) {
        const QByteArray& jpeg = pictures[k++ % pictures.size()];
        const auto* data = reinterpret_cast<const uint8_t*>(jpeg.constData());
        if (route == 0) {
            decoder.DecodeBGR(data, size_t(jpeg.size()), frame.data.data(), w, h, frame.stride);
        } else {
            decoder.DecodePlanes(data, size_t(jpeg.size()), &planes);
            if (route == 2) decoder.PlanesToBGR(planes, frame.data.data(), frame.stride);
        }
    }
    const double cpuMs = (ThreadCpuSeconds() - cpu0) * 1000.0 / double(state.iterations());
    state.counters["cpu_ms_frame"] = cpuMs;
    state.counters["core_pct_30fps"] = cpuMs * 3.0;
}
BENCHMARK(DecodeJpeg)
    ->ArgNames({"w", "h", "route"})
    ->Args({640, 480, 0})
    ->Args({640, 480, 1})
    ->Args({640, 480, 2})
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(Record)
    ->ArgNames({"w", "h", "fps", "compression"})
    ->Args({1280, 720, 10, 15})
    ->Args({640, 480, 30, 15})
    ->Args({1280, 720, 10, 0})
    ->Args({1280, 720, 10, 5})
    ->Args({1280, 720, 10, 10})
    ->Iterations(200)  // the same frames for every setting, so kB_frame compares
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
