#include "capture/Usbcamera.h"

namespace trelvix {

UsbCamera::UsbCamera(QObject* owner_, QObject* panel, QObject* video, const QString& deviceId,
                     int cameraId)
    : settings(std::make_unique<CDataClass>()),
      owner(owner_),
      panelWindow(panel),
      videoPanel(video) {
    settings->Load(cameraId);
    settings->deviceId = deviceId;
    if (settings->caption.get() == QLatin1String("noset"))
        settings->caption = QString::asprintf("%d#", cameraId);
}

UsbCamera::~UsbCamera() {
    settings->Save();
}

}  // namespace trelvix
