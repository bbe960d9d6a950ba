// A long unattended run: four synthetic cameras with motion detection, recording, uploads to a
// loopback FTP server and one camera broadcast to two viewers. Every 30 s it samples memory,
// threads, open files and recorded seconds, then prints growth per hour and how much of the
// run the recordings cover. Usage: soak [minutes] (default 10).
#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "BenchViewers.h"
#include "app/HeadlessShell.h"
#include "capture/Devices.h"
#include "capture/Usbcamera.h"
#include "config/Cdataclass.h"
#include "config/Folders.h"
#include "config/IniFile.h"
#include "config/Option.h"
#include "history/MediaRemux.h"

using namespace trelvix;

namespace {

constexpr int kCameras = 4;
constexpr int kSampleSeconds = 30;

struct Sample {
    double minutes;
    long rssKb;
    int threads;
    int fds;
    double recordedSeconds;
    int uploaded;
};

int CountEntries(const char* folder) {
    int n = 0;
    if (DIR* d = opendir(folder)) {
        while (readdir(d)) ++n;
        closedir(d);
    }
    return n - 2;
}

long RssKb() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int CountFiles(const QString& folder, const QString& pattern) {
    int n = 0;
    QDirIterator it(folder, {pattern}, QDir::Files, QDirIterator::Subdirectories);
    for (; it.hasNext(); it.next()) ++n;
    return n;
}

double RecordedSeconds(const QString& folder) {
    double total = 0;
    QDirIterator it(folder, {"*.mp4"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) total += std::max<qint64>(0, ProbeDurationMs(it.next())) / 1000.0;
    return total;
}

// The loopback FTP server of the upload tests; its port, or 0.
int StartFtpServer(QProcess& server, const QString& root) {
    QDir().mkpath(root);
    server.start("/usr/bin/python3",
                 {TRELVIX_FTP_SERVER, "--root", root, "--log", root + "/../ftp.log"});
    if (!server.waitForReadyRead(10000)) return 0;
    int port = 0;
    std::sscanf(server.readLine().constData(), "PORT %d", &port);
    return port;
}

void WriteCameraRecords(int ftpPort) {
    for (int i = 0; i < kCameras; ++i) {
        CDataClass r;
        r.cameraId = i;
        StoreLive(r.showTime, 1);
        StoreLive(r.motionEnabled, 1);
        StoreLive(r.motionSound, 0);
        StoreLive(r.ftpEnabled, 1);
        r.ftpHost = QStringLiteral("127.0.0.1");
        r.ftpPort = QString::number(ftpPort);
        r.ftpUser = QStringLiteral("cam");
        r.ftpPassword = QStringLiteral("s3cret");
        StoreLive(r.ftpMotionPictures, 1);
        StoreLive(r.ftpIntervalSeconds, 10);
        // Uploads keep up with four cameras' motion pictures, into the server's root.
        StoreLive(r.ftpUploadSeconds, 10);
        StoreLive(r.ftpBatchSize, 60);
        r.ftpFolder = QStringLiteral("/");
        StoreLive(r.broadcastPort, 0);  // a free port
        r.Save();
    }
}

void Report(const std::vector<Sample>& s) {
    std::printf("\n%8s %10s %8s %6s %12s %9s\n", "minute", "RSS KiB", "threads", "fds",
                "recorded s", "uploaded");
    for (const Sample& x : s)
        std::printf("%8.1f %10ld %8d %6d %12.0f %9d\n", x.minutes, x.rssKb, x.threads, x.fds,
                    x.recordedSeconds, x.uploaded);
    if (s.size() < 3) return;
    // Growth from minute 5 on (or the second sample in shorter runs): before that the
    // start-up's allocations and the allocator's arenas still settle.
    const Sample* start = &s[1];
    for (const Sample& x : s)
        if (x.minutes >= 5 && &x != &s.back()) {
            start = &x;
            break;
        }
    const Sample& a = *start;
    const Sample& b = s.back();
    const double hours = (b.minutes - a.minutes) / 60.0;
    std::printf("\ngrowth per hour: RSS %+.0f KiB, threads %+.1f, fds %+.1f\n",
                (b.rssKb - a.rssKb) / hours, (b.threads - a.threads) / hours,
                (b.fds - a.fds) / hours);
    std::printf("recording coverage: %.1f %% of %d cameras x %.1f min\n",
                100.0 * b.recordedSeconds / (kCameras * b.minutes * 60.0), kCameras, b.minutes);
}

}  // namespace

int main(int argc, char** argv) {
    const int minutes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    EnsureUserFolder();
    QProcess ftp;
    const int ftpPort = StartFtpServer(ftp, home.path() + "/ftp/root");
    if (!ftpPort) return std::fprintf(stderr, "soak: no FTP server\n"), 1;
    WriteCameraRecords(ftpPort);
    IniFile ini;
    ini.SetValue("Settings", "CameraRows", "2");
    ini.SetValue("Settings", "CameraCols", "2");
    ini.Save(UserFolder() + "kvCamera.ini");
    SetSyntheticSourcesListed(true);
    Option::SetDeviceEnumerator(EnumerateVideoDevices);
    auto* shell = new HeadlessShell(std::make_unique<Option>(UserFolder() + "kvCamera.ini"));
    shell->Start(true);
    UsbCamera* broadcaster = shell->host.camera(0);
    std::vector<pid_t> viewers;
    if (broadcaster && broadcaster->broadcast().IsBroadcasting())
        for (int i = 0; i < 2; ++i)
            viewers.push_back(bench::Viewer(broadcaster->broadcast().broadcastEngine().Port()));

    std::vector<Sample> samples;
    QElapsedTimer clock;
    clock.start();
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const double m = clock.elapsed() / 60000.0;
        samples.push_back({m, RssKb(), CountEntries("/proc/self/task"),
                           CountEntries("/proc/self/fd"), RecordedSeconds(UserFolder()),
                           CountFiles(home.path() + "/ftp/root", "*.jpg")});
        std::printf("minute %.1f: RSS %ld KiB\n", m, samples.back().rssKb);
        std::fflush(stdout);
        if (m >= minutes) shell->Exit(false);
    });
    sampler.start(kSampleSeconds * 1000);
    app.exec();
    for (pid_t v : viewers) kill(v, SIGTERM), waitpid(v, nullptr, 0);
    delete shell;
    ftp.kill();
    ftp.waitForFinished();
    Report(samples);
    return 0;
}
