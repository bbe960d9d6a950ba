// The recording thread's rate over a span while the live path runs: a synthetic camera at
// 30 frames per second recorded at its recording frame rate. Prints frames written per second
// and the deviation from the set rate.
// Usage: recording_rate [seconds=60] [rate=10] [source=test:smpte:640x480@30]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "host/CameraCell.h"
#include "host/Housekeeping.h"
#include "capture/Usbcamera.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "host/SettingsInForce.h"
#include "history/LogReceiver.h"

using namespace trelvix;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QGuiApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const int rate = argc > 2 ? std::atoi(argv[2]) : 10;
    const QString source =
        argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("test:smpte:640x480@30");
    EnsureUserFolder();
    Option option(UserFolder() + "kvCamera.ini");
    PublishSettings(&option);
    LogReceiverObject receiver;
    CDataClass rec;
    rec.cameraId = 0;
    StoreLive(rec.recordFrameRate, rate);
    StoreLive(rec.showTime, 1);
    StoreLive(rec.rulerShow, 1);
    rec.Save();
    HeadlessPanel panel(0);
    auto cam = std::make_unique<UsbCamera>(nullptr, &panel, &panel, source, 0);
    panel.AttachCamera(cam.get());
    cam->recording().StartRecording();
    // Count from the first frame written.
    QElapsedTimer wait;
    wait.start();
    while (!cam->recording().recorder().thread() ||
           cam->recording().recorder().thread()->framesWritten() == 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (wait.elapsed() > 10000) {
            std::fprintf(stderr, "no frames\n");
            return 1;
        }
    }
    const uint64_t first = cam->recording().recorder().thread()->framesWritten();
    const uint64_t shownFirst = panel.framesShown();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < seconds * 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    const double span = t.elapsed() / 1000.0;
    const uint64_t written = cam->recording().recorder().thread()->framesWritten() - first;
    const uint64_t shown = panel.framesShown() - shownFirst;
    cam->recording().StopRecording();
    const double got = written / span;
    std::printf(
        "recording %s at %d fps over %.1f s: %.3f frames/s written (%+.2f %%), live path %.1f "
        "frames/s\n",
        source.toUtf8().constData(), rate, span, got, (got / rate - 1) * 100, shown / span);
    cam.reset();
    PublishSettings(nullptr);
    return 0;
}
