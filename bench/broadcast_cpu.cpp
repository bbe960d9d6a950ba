// What the broadcast costs: one 640 × 480 camera at 30 frames per second, encoded once and
// served to 0, 2 and 20 viewers (reading in child processes, so that only the engine's work is
// counted). Prints the engine process's CPU in per cent of one core for each, and how long a
// new viewer waits for its first picture.
// Usage: broadcast_cpu [seconds per run=10]
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "broadcast/Broadcast.h"
#include "BenchViewers.h"

using namespace trelvix;
using Clock = std::chrono::steady_clock;

using namespace trelvix::bench;

namespace {

// A gradient with a moving square and some sensor noise, like a camera's picture.
FramePtr Picture(int k) {
    auto f = std::make_shared<VideoFrame>();
    f->Resize(640, 480);
    uint32_t seed = uint32_t(k) * 2654435761u + 1;
    for (int y = 0; y < 480; ++y) {
        uint8_t* row = f->Row(y);
        for (int x = 0; x < 640 * 3; ++x)
            row[x] = uint8_t(x / 6 + y / 2 + ((seed = seed * 1664525u + 1013904223u) >> 29));
    }
    for (int y = 200; y < 260; ++y) std::fill_n(f->Row(y) + 3 * ((k * 8) % 560), 3 * 60, 255);
    return f;
}

// Seconds until a new viewer has the response, the stream header (together under 1.5 kB) and
// the start of its first data packet.
double FirstPicture(int port) {
    const auto start = Clock::now();
    const int fd = Connect(port);
    char buffer[65536];
    int got = 0;
    while (fd >= 0 && got < 2000) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        got += int(n);
    }
    close(fd);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    std::vector<FramePtr> frames;
    for (int k = 0; k < 30; ++k) frames.push_back(Picture(k));

    BroadcastEngine engine;
    BroadcastParams p;
    p.sourceWidth = 640;
    p.sourceHeight = 480;
    p.port = 0;
    p.maxClients = 20;
    p.title = "Bench";
    if (!engine.Start(p)) {
        std::fprintf(stderr, "%s\n", qPrintable(engine.ErrorText()));
        return 1;
    }
    std::atomic<bool> feeding{true};
    std::thread camera([&] {
        auto next = Clock::now();
        for (int k = 0; feeding; ++k) {
            engine.PushFrame(frames[size_t(k) % frames.size()]);
            next += std::chrono::microseconds(33333);
            std::this_thread::sleep_until(next);
        }
    });
    std::this_thread::sleep_for(std::chrono::seconds(2));

    for (int viewers : {0, 2, 20}) {
        std::vector<pid_t> children;
        for (int i = 0; i < viewers; ++i) children.push_back(Viewer(engine.Port()));
        std::this_thread::sleep_for(std::chrono::seconds(4));  // everyone past a key frame
        const double cpu = CpuSeconds();
        const auto start = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();
        const BroadcastStats s = engine.Stats();
        std::printf("%2d viewers: %5.1f %% of one core (viewers served %d, skips %lld)\n", viewers,
                    100.0 * (CpuSeconds() - cpu) / wall, s.viewers, (long long)s.skips);
        for (pid_t c : children) kill(c, SIGTERM);
        for (pid_t c : children) waitpid(c, nullptr, 0);
    }
    double worst = 0;
    for (int i = 0; i < 5; ++i) worst = std::max(worst, FirstPicture(engine.Port()));
    std::printf("first picture of a new viewer: at most %.2f s in 5 tries\n", worst);
    feeding = false;
    camera.join();
    engine.Stop();
    return 0;
}
