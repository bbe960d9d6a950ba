// Video sources: capture devices found through GStreamer's device monitor, and the synthetic
// sources ("test:…") of demos and tests.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace trelvix {

// Initialises GStreamer once per process.
void EnsureGStreamer();

// Appends the video capture devices: identifiers (device paths, a stable /dev/v4l/by-id path
// when there is one) and friendly names, in the same order.
void EnumerateVideoDevices(QStringList* displayNames, QStringList* friendlyNames);

// Replaces the device monitor's answer (tests have no capture devices); empty restores it.
void SetDeviceListerForTesting(std::function<void(QStringList*, QStringList*)> lister);

// Whether synthetic sources are listed with the devices (--demo, and tests that ask).
void SetSyntheticSourcesListed(bool listed, int count = 4);
bool SyntheticSourcesListed();

// "test:<pattern>[:<width>x<height>[@<fps>]]"; patterns: ball (a large moving ball), smpte
// (scrolling colour bars), zone, pinwheel, snow, black.
struct SyntheticSource {
    QString pattern = QStringLiteral("ball");
    int width = 640;
    int height = 480;
    int fps = 30;
};
bool IsSyntheticId(const QString& id);
bool ParseSyntheticId(const QString& id, SyntheticSource* out);
QString SyntheticFriendlyName(const SyntheticSource& s);

// A network-stream identifier that is not a network camera ("mms:", an "http:" without "//",
// any letter case): never started.
bool IsNetworkStreamId(const QString& id);

// The friendly name that is never used as a camera.
inline constexpr const char* kExcludedFriendlyName = "DeskShare IP Camera Source";

}  // namespace trelvix
