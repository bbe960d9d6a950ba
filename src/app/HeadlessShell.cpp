#include "app/HeadlessShell.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <csignal>
#include <cstdio>

#include "capture/Usbcamera.h"
#include "common/Files.h"
#include "config/Folders.h"
#include "config/NetCams.h"
#include "config/Option.h"
#include "history/LogReceiver.h"

namespace trelvix {

HeadlessShell::HeadlessShell(std::unique_ptr<Option> settings, QObject* parent)
    : QObject(parent), host(std::move(settings)) {
    connect(&host.housekeeping, &Housekeeping::powerOffDue, this, [this] { Exit(true); });
}

HeadlessShell::~HeadlessShell() {
    host.DestroyCameras();
}

namespace {
void PrintLines(const QStringList& lines) {
    for (const QString& line : lines) std::printf("trelvix: %s\n", line.toUtf8().constData());
    std::fflush(stdout);
}
}  // namespace

void HeadlessShell::Start(bool broadcast) {
    std::vector<CameraCell*> cells;
    for (int i = 0; gOption && i < gOption->cellCount(); ++i) {
        panels.push_back(std::make_unique<HeadlessPanel>(i));
        cells.push_back(panels.back().get());
    }
    // The log goes to standard output: a reader that goes away (a pipe into `head`) must not
    // end the program before it has saved its files.
    std::signal(SIGPIPE, SIG_IGN);
    PrintLines(FolderSummary());
    SetLogEcho(true);
    host.Start(cells, broadcast);
    PrintLines(CameraSummary());
    if (broadcast) PrintLines(BroadcastSummary());
}

QStringList HeadlessShell::FolderSummary() const {
    QStringList lines{QStringLiteral("user folder %1").arg(UserFolder())};
    if (!gOption) return lines;
    if (WithSlash(gOption->LogPath) != UserFolder())
        lines << QStringLiteral("log folder %1").arg(gOption->LogPath);
    const QString module = LanguageModulePath(gOption->languageIndex);
    lines << (gOption->languageModule && gOption->languageModule->IsLoaded()
                  ? QStringLiteral("language module %1").arg(module)
                  : QStringLiteral("language module %1 missing: every text is empty").arg(module));
    lines << (QFileInfo::exists(gOption->mediaFolder)
                  ? QStringLiteral("sounds %1").arg(gOption->mediaFolder)
                  : QStringLiteral("sounds folder %1 missing: the default sounds stay silent")
                        .arg(gOption->mediaFolder));
    return lines;
}

QStringList HeadlessShell::CameraSummary() const {
    QStringList lines;
    if (!gOption) return lines;
    int running = 0;
    for (int i = 0; i < int(host.cameras().size()); ++i) {
        UsbCamera* cam = host.camera(i);
        if (!cam) continue;
        QString state = cam->IsStopped() ? QStringLiteral("stopped") : QStringLiteral("running");
        if (cam->recording().IsRecording()) state += QStringLiteral(", recording");
        if (Live(cam->settings->ftpEnabled)) state += QStringLiteral(", uploading");
        lines << QStringLiteral("camera %1: %2 at %3, %4")
                     .arg(i)
                     .arg(gOption->deviceNames.value(i),
                          MaskCredentials(gOption->deviceIds.value(i)), state);
        ++running;
    }
    if (running == 0)
        lines << QStringLiteral("no camera to run: the program waits with an empty grid");
    int usable = 0;
    for (const QString& id : gOption->allDeviceIds) usable += gOption->IsExcluded(id) ? 0 : 1;
    if (usable > running)
        lines << QStringLiteral(
                     "%1 more camera(s) left out: the grid has %2 cell(s) "
                     "(CameraRows and CameraCols in %3)")
                     .arg(usable - running)
                     .arg(gOption->cellCount())
                     .arg(host.iniPath());
    return lines;
}

QStringList HeadlessShell::BroadcastSummary() const {
    QStringList lines;
    for (int cell = 0; cell < int(host.cameras().size()); ++cell) {
        UsbCamera* cam = host.camera(cell);
        if (!cam || !cam->broadcast().IsBroadcasting()) continue;
        // The address players open, on the interface it is served on; never its password.
        const QString http = QString(cam->broadcast().privateUrl())
                                 .replace(QLatin1String("mms://"), QLatin1String("http://")) +
                             QLatin1Char('/');
        lines << QStringLiteral("camera %1 broadcasts: %2  %3  %3live")
                     .arg(cell)
                     .arg(cam->broadcast().privateUrl(), http);
    }
    return lines;
}

void HeadlessShell::Exit(bool powerOffExit) {
    if (host.finished()) return;
    host.Finish(powerOffExit);
    panels.clear();
    QCoreApplication::quit();
}

}  // namespace trelvix
