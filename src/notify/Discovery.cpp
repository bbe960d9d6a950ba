#include "notify/Discovery.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace trelvix {

namespace {
// The prefix as it may stand in a node id: letters, digits, '_' and '-'.
QString NodeId(const QString& prefix) {
    QString id;
    for (QChar c : prefix) id += c.isLetterOrNumber() || c == u'-' ? c : QChar(u'_');
    return id;
}

QString ConfigTopic(const QString& prefix, const char* component, int camera, const char* leaf) {
    return QStringLiteral("homeassistant/%1/%2/%3_%4/config")
        .arg(QLatin1String(component), NodeId(prefix))
        .arg(camera)
        .arg(QLatin1String(leaf));
}
}  // namespace

std::vector<DiscoveryConfig> DiscoveryConfigs(const QString& prefix, int camera,
                                              const QString& caption) {
    const QString base = prefix + QLatin1Char('/') + QString::number(camera) + QLatin1Char('/');
    const QString id = NodeId(prefix) + QLatin1Char('_') + QString::number(camera);
    QJsonObject device{{QStringLiteral("identifiers"), QJsonArray{id}},
                       {QStringLiteral("name"), caption},
                       {QStringLiteral("manufacturer"), QStringLiteral("Trelvix")}};
    const QJsonObject common{
        {QStringLiteral("availability_topic"), prefix + QStringLiteral("/status")},
        {QStringLiteral("device"), device}};
    auto make = [&](const char* component, const char* leaf, QJsonObject o) {
        for (auto it = common.begin(); it != common.end(); ++it) o.insert(it.key(), it.value());
        o[QStringLiteral("unique_id")] = id + QLatin1Char('_') + QLatin1String(leaf);
        o[QStringLiteral("name")] = caption + QLatin1Char(' ') + QLatin1String(leaf);
        return DiscoveryConfig{ConfigTopic(prefix, component, camera, leaf),
                               QJsonDocument(o).toJson(QJsonDocument::Compact)};
    };
    return {
        make("binary_sensor", "motion",
             {{QStringLiteral("state_topic"), base + QStringLiteral("motion")},
              {QStringLiteral("device_class"), QStringLiteral("motion")},
              {QStringLiteral("payload_on"), QStringLiteral("ON")},
              {QStringLiteral("payload_off"), QStringLiteral("OFF")}}),
        make("camera", "snapshot", {{QStringLiteral("topic"), base + QStringLiteral("snapshot")}}),
        make("switch", "recording",
             {{QStringLiteral("state_topic"), base + QStringLiteral("recording")},
              {QStringLiteral("command_topic"), base + QStringLiteral("recording/set")},
              {QStringLiteral("payload_on"), QStringLiteral("ON")},
              {QStringLiteral("payload_off"), QStringLiteral("OFF")}}),
    };
}

QString DiscoveryPattern(const QString& prefix) {
    return QStringLiteral("homeassistant/+/") + NodeId(prefix) + QStringLiteral("/+/config");
}

std::optional<int> DiscoveredCamera(const QString& prefix, const QString& topic) {
    const QStringList parts = topic.split(QLatin1Char('/'));
    if (parts.size() != 5 || parts[0] != QLatin1String("homeassistant") ||
        parts[2] != NodeId(prefix) || parts[4] != QLatin1String("config"))
        return std::nullopt;
    bool ok = false;
    const int camera = parts[3].section(QLatin1Char('_'), 0, 0).toInt(&ok);
    return ok ? std::optional<int>(camera) : std::nullopt;
}

}  // namespace trelvix
