// Home Assistant's MQTT discovery: retained config messages under "homeassistant/" that make
// each camera a device with a motion sensor, a camera picture and a recording switch.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace trelvix {

struct DiscoveryConfig {
    QString topic;
    QByteArray payload;
};

std::vector<DiscoveryConfig> DiscoveryConfigs(const QString& prefix, int camera,
                                              const QString& caption);
// Matches every config topic of this prefix, whatever the camera.
QString DiscoveryPattern(const QString& prefix);
// The camera a config topic of this prefix belongs to; none for any other topic.
std::optional<int> DiscoveredCamera(const QString& prefix, const QString& topic);

}  // namespace trelvix
