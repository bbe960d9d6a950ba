#include "app/HeadlessShell.h"

#include <QCoreApplication>
#include <cstdio>

#include "capture/Usbcamera.h"
#include "config/Option.h"

namespace trelvix {

HeadlessShell::HeadlessShell(QObject* parent)
    : QObject(parent), host(gOption ? gOption->iniPath : QString()) {
    connect(&host.housekeeping, &Housekeeping::powerOffDue, this, [this] { Exit(true); });
}

HeadlessShell::~HeadlessShell() {
    host.DestroyCameras();
}

void HeadlessShell::Start() {
    std::vector<CameraCell*> cells;
    for (int i = 0; gOption && i < gOption->cellCount(); ++i) {
        panels.push_back(std::make_unique<HeadlessPanel>(i));
        cells.push_back(panels.back().get());
    }
    host.Start(cells);
}

void HeadlessShell::StartBroadcasts() {
    for (int cell : host.StartAllBroadcasts()) {
        const UsbCamera* cam = host.camera(cell);
        const int port = cam->broadcastEngine().Port();
        std::printf("camera %d broadcasts: %s  http://%s:%d/  http://%s:%d/live\n", cell,
                    qPrintable(cam->privateUrl), qPrintable(FirstLocalIPv4()), port,
                    qPrintable(FirstLocalIPv4()), port);
    }
    std::fflush(stdout);
}

void HeadlessShell::Exit(bool powerOffExit) {
    if (host.finished()) return;
    host.Finish(powerOffExit);
    panels.clear();
    QCoreApplication::quit();
}

}  // namespace trelvix
