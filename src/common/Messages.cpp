#include "common/Messages.h"

#include <QCoreApplication>

namespace trelvix {

void PostCameraMessage(QObject* receiver, int code, intptr_t wParam, intptr_t lParam) {
    if (receiver) QCoreApplication::postEvent(receiver, new CameraMessage(code, wParam, lParam));
}

}  // namespace trelvix
