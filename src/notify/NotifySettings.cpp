#include "notify/NotifySettings.h"

#include "common/Files.h"
#include "common/TextConv.h"
#include "config/Folders.h"
#include "config/IniFile.h"

namespace trelvix {

namespace {
// Reads and writes one section's keys through the same table.
struct Section {
    IniFile& ini;
    QString name;
    bool write;

    void Bool(const char* key, bool& v) {
        if (write) return ini.SetValue(name, QLatin1String(key), BoolToText(v));
        v = TextToBool(ini.Value(name, QLatin1String(key)).value_or(QString())).value_or(v);
    }
    void Int(const char* key, int& v, int lo, int hi) {
        if (write) return ini.SetValue(name, QLatin1String(key), QString::number(v));
        const auto n = TextToInt(ini.Value(name, QLatin1String(key)).value_or(QString()));
        if (n && *n >= lo && *n <= hi) v = *n;
    }
    void Text(const char* key, QString& v) {
        // Quoted, so spaces at the ends of a password survive the trimming read.
        if (write)
            return ini.SetValue(name, QLatin1String(key), QLatin1Char('"') + v + QLatin1Char('"'));
        v = ini.Value(name, QLatin1String(key)).value_or(v);
    }
};

void Exchange(IniFile& ini, NotifySettings& s, bool write) {
    Section m{ini, QStringLiteral("MQTT"), write};
    m.Bool("Enabled", s.mqtt.enabled);
    m.Text("Host", s.mqtt.host);
    m.Int("Port", s.mqtt.port, 1, 65535);
    m.Text("User", s.mqtt.user);
    m.Text("Password", s.mqtt.password);
    m.Text("Prefix", s.mqtt.prefix);
    m.Bool("Discovery", s.mqtt.discovery);
    m.Bool("Tls", s.mqtt.tls);
    Section w{ini, QStringLiteral("Webhook"), write};
    w.Bool("Enabled", s.webhook.enabled);
    w.Text("Url", s.webhook.url);
    Section e{ini, QStringLiteral("Mail"), write};
    e.Bool("Enabled", s.mail.enabled);
    e.Text("Server", s.mail.server);
    e.Text("User", s.mail.user);
    e.Text("Password", s.mail.password);
    e.Text("From", s.mail.from);
    e.Text("To", s.mail.to);
    e.Bool("StartTls", s.mail.startTls);
    Section v{ini, QStringLiteral("Events"), write};
    v.Bool("Motion", s.events.motion);
    v.Bool("CameraLost", s.events.cameraLost);
    v.Bool("DiskFull", s.events.diskFull);
    v.Bool("RecordingFailed", s.events.recordingFailed);
    v.Int("Cooldown", s.events.cooldownSeconds, 0, 86400);
}
}  // namespace

QStringList MailSettings::Recipients() const {
    QStringList out;
    for (const QString& r : to.split(QLatin1Char(','), Qt::SkipEmptyParts))
        if (!r.trimmed().isEmpty()) out << r.trimmed();
    return out;
}

QString NotifyIniPath() {
    return UserFolder() + QStringLiteral("notify.ini");
}

NotifySettings LoadNotifySettings(const QString& path) {
    NotifySettings s;
    IniFile ini;
    if (!ini.Load(path)) return s;
    Exchange(ini, s, false);
    if (s.mqtt.prefix.trimmed().isEmpty()) s.mqtt.prefix = QStringLiteral("trelvix");
    return s;
}

bool SaveNotifySettings(const NotifySettings& settings, const QString& path) {
    IniFile ini;
    // An unreadable file is not replaced by one that holds only these keys.
    if (!ini.Load(path)) return false;
    NotifySettings s = settings;
    Exchange(ini, s, true);
    return WriteFileAtomically(path, ini.Serialize(), true);
}

}  // namespace trelvix
