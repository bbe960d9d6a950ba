#include "app/HeadlessHost.h"

#include <QCoreApplication>

#include "config/Option.h"

namespace trelvix {

HeadlessHost::HeadlessHost(QObject* parent) : QObject(parent) {
    connect(&housekeeping, &Housekeeping::powerOffDue, this, [this] { Exit(true); });
}

HeadlessHost::~HeadlessHost() = default;

void HeadlessHost::Start() {
    if (gOption) LogProgramStart(gOption);
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
        delete gOption;
    }
    QCoreApplication::quit();
}

}  // namespace trelvix
