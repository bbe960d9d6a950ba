// Where and what the program tells the house: an MQTT broker, a webhook and e-mail, kept in
// "notify.ini" in the user folder (owner-only: it holds passwords).
#pragma once

#include <QString>
#include <QStringList>

namespace trelvix {

struct MqttSettings {
    bool enabled = false;
    QString host;
    int port = 1883;
    QString user, password;
    QString prefix = QStringLiteral("trelvix");
    bool discovery = true;
    bool tls = false;
    bool operator==(const MqttSettings&) const = default;
};

struct WebhookSettings {
    bool enabled = false;
    QString url;  // http:// or https://
    bool operator==(const WebhookSettings&) const = default;
};

struct MailSettings {
    bool enabled = false;
    QString server;  // smtp:// or smtps://host:port
    QString user, password, from;
    QString to;  // comma-separated
    bool startTls = false;
    QStringList Recipients() const;
    bool operator==(const MailSettings&) const = default;
};

struct EventChoice {
    bool motion = true, cameraLost = true, diskFull = true, recordingFailed = true;
    int cooldownSeconds = 60;
    bool operator==(const EventChoice&) const = default;
};

struct NotifySettings {
    MqttSettings mqtt;
    WebhookSettings webhook;
    MailSettings mail;
    EventChoice events;
    bool operator==(const NotifySettings&) const = default;
};

QString NotifyIniPath();
// A missing or unreadable file gives the defaults (nothing enabled).
NotifySettings LoadNotifySettings(const QString& path = NotifyIniPath());
// Written whole or not at all, owner-only; false when it could not be written.
bool SaveNotifySettings(const NotifySettings& s, const QString& path = NotifyIniPath());

}  // namespace trelvix
