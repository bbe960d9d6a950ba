#include "app/Messages.h"

#include <QCoreApplication>
#include <QPointer>
#include <mutex>

namespace trelvix {

namespace {
std::mutex receiverMutex;
QPointer<QObject> logReceiver;
}  // namespace

void PostCameraMessage(QObject* receiver, int code, intptr_t wParam, intptr_t lParam) {
    if (receiver) QCoreApplication::postEvent(receiver, new CameraMessage(code, wParam, lParam));
}

void SetLogReceiver(QObject* receiver) {
    std::lock_guard lock(receiverMutex);
    logReceiver = receiver;
}

QObject* LogReceiver() {
    std::lock_guard lock(receiverMutex);
    return logReceiver.data();
}

void PostEventRecord(const EventLogRecord& record) {
    std::lock_guard lock(receiverMutex);
    if (logReceiver)
        QCoreApplication::postEvent(logReceiver.data(), new EventRecordMessage(record));
}

}  // namespace trelvix
