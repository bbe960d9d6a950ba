#include "app/HeadlessHost.h"

#include <QCoreApplication>

#include "capture/Usbcamera.h"
#include "config/Option.h"

namespace trelvix {

HeadlessHost::HeadlessHost(QObject* parent) : QObject(parent) {
    connect(&housekeeping, &Housekeeping::powerOffDue, this, [this] { Exit(true); });
    connect(&housekeeping, &Housekeeping::periodicCleanupDue, this, [] {
        if (!gOption) return;
        gOption->DiskCleanup();
        for (int i = 0; i < gOption->cellCount(); ++i)
            if (UsbCamera* cam = gOption->camera(i)) cam->UpdateRecordingRoot();
    });
}

HeadlessHost::~HeadlessHost() = default;

void HeadlessHost::Start() {
    if (gOption) {
        LogProgramStart(gOption);
        for (int i = 0; i < gOption->cellCount(); ++i)
            panels.push_back(std::make_unique<HeadlessPanel>(i));
        for (int i = 0; i < gOption->deviceCount && i < gOption->cellCount(); ++i) {
            HeadlessPanel* panel = panels[size_t(i)].get();
            gOption->cameras[size_t(i)] =
                std::make_unique<UsbCamera>(this, panel, panel, gOption->deviceIds[i], i);
            UsbCamera* cam = gOption->cameras[size_t(i)].get();
            panel->AttachCamera(cam);
            if (cam->settings->autoRecord) cam->StartRecording();
        }
    }
    housekeeping.StartTimers();
}

void HeadlessHost::Exit(bool powerOffExit) {
    if (exited_) return;
    exited_ = true;
    housekeeping.StopTimers();
    if (gOption) {
        // Records still queued from other threads land before the exit line.
        QCoreApplication::sendPostedEvents(&receiver_, kEventRecordMessage);
        LogProgramExit(gOption, powerOffExit);
        for (int i = 0; i < gOption->cellCount(); ++i) {
            UsbCamera* cam = gOption->camera(i);
            if (cam && !cam->IsStopped()) cam->StopCamera();
        }
        QCoreApplication::sendPostedEvents(&receiver_, kEventRecordMessage);
        delete gOption;
        panels.clear();
    }
    QCoreApplication::quit();
}

}  // namespace trelvix
