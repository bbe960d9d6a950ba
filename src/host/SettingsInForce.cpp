#include "host/SettingsInForce.h"

#include "capture/Sound.h"
#include "capture/Usbcamera.h"
#include "config/BroadcastAccess.h"
#include "config/Option.h"
#include "history/LogReceiver.h"

namespace trelvix {

void PublishSettings(Option* option) {
    gOption = option;
    SetActiveLanguage(option ? option->languageModule.get() : nullptr);
    SetLogSettings(option);
    SetSoundSettings(option);
    SetBroadcastAccessSettings(option);
    SetNetworkCameraList(option ? &option->netCams : nullptr);
}

}  // namespace trelvix
