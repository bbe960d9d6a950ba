// What a camera's broadcast adds: one 640 × 480 synthetic camera at 30 frames per second,
// recording, measured without a broadcast, then broadcasting to 2 and to 20 viewers (reading in
// child processes, so only the program's own work counts). Prints the process's CPU in per
// cent of one core for each and how long a new viewer waits for its first picture.
// Usage: camera_broadcast_cpu [seconds per run=10]
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <vector>

#include "capture/Usbcamera.h"
#include "BenchViewers.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "host/SettingsInForce.h"
#include "history/LogReceiver.h"
#include "host/CameraCell.h"

using namespace trelvix;
using Clock = std::chrono::steady_clock;

using namespace trelvix::bench;

namespace {

void Run(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Seconds until a new viewer has the response, the stream header and its first data packet,
// which begins with a key frame.
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

double Measure(int seconds) {
    const double cpu = CpuSeconds();
    const auto start = Clock::now();
    Run(seconds * 1000);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    return 100.0 * (CpuSeconds() - cpu) / wall;
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    EnsureUserFolder();
    Option option(home.path() + "/kvCamera.ini");
    PublishSettings(&option);
    LogReceiverObject log;
    CDataClass record;
    record.cameraId = 0;
    record.videoFolder = home.path() + "/videos/";
    StoreLive(record.recordFrameRate, 30);
    StoreLive(record.autoRecord, 1);
    StoreLive(record.showTime, 1);
    StoreLive(record.rulerShow, 1);
    StoreLive(record.broadcastPort, 0);
    StoreLive(record.broadcastMaxClients, 20);
    record.Save();
    QDir().mkpath(record.videoFolder);
    HeadlessPanel panel(0);
    {
        UsbCamera camera(nullptr, &panel, &panel, "test:smpte:640x480@30", 0);
        panel.AttachCamera(&camera);
        camera.recording().StartRecording();
        Run(3000);
        const double alone = Measure(seconds);
        std::printf("recording, no broadcast: %5.1f %% of one core\n", alone);
        if (!camera.broadcast().StartBroadcast(false)) return 1;
        const int port = camera.broadcast().broadcastEngine().Port();
        double two = 0;
        for (int viewers : {2, 20}) {
            std::vector<pid_t> children;
            for (int i = 0; i < viewers; ++i) children.push_back(Viewer(port));
            Run(4000);  // everyone past a key frame
            const double cpu = Measure(seconds);
            if (viewers == 2) two = cpu;
            const BroadcastStats s = camera.broadcast().broadcastEngine().Stats();
            std::printf(
                "recording, %2d viewers:   %5.1f %% of one core (%+.1f over none; "
                "%+.1f over 2 viewers; served %d, skips %lld)\n",
                viewers, cpu, cpu - alone, cpu - two, s.viewers, (long long)s.skips);
            for (pid_t c : children) kill(c, SIGTERM);
            for (pid_t c : children) waitpid(c, nullptr, 0);
        }
        double worst = 0;
        for (int i = 0; i < 5; ++i) worst = std::max(worst, FirstPicture(port));
        std::printf("first picture of a new viewer: at most %.2f s in 5 tries\n", worst);
        panel.AttachCamera(nullptr);
    }
    PublishSettings(nullptr);
    return 0;
}
