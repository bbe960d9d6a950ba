#include "notify/Notifier.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include "common/Clock.h"
#include "config/Option.h"
#include "history/LogReceiver.h"
#include "lang/TextIds.h"
#include "notify/Discovery.h"

namespace trelvix {

namespace {
using std::chrono::milliseconds;
std::atomic<int64_t> motionHoldMs{30000}, retryPauseMs{1000};
constexpr int kWebhookRetries = 3;
constexpr qint64 kLargestPicture = 8 * 1024 * 1024;

QByteArray ReadPicture(const QString& path) {
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly) || f.size() > kLargestPicture) return {};
    return f.readAll();
}

int SubjectText(NoticeKind kind) {
    switch (kind) {
        case NoticeKind::Motion:
            return text::kMotionDetected;
        case NoticeKind::CameraLost:
            return text::kCameraLost;
        case NoticeKind::DiskFull:
            return text::kDiskFull;
        default:
            return text::kRecordingFailed;
    }
}

bool Chosen(const EventChoice& e, NoticeKind kind) {
    switch (kind) {
        case NoticeKind::Motion:
            return e.motion;
        case NoticeKind::CameraLost:
            return e.cameraLost;
        case NoticeKind::DiskFull:
            return e.diskFull;
        case NoticeKind::RecordingFailed:
            return e.recordingFailed;
        default:
            return false;
    }
    return false;
}

void LogNotifyText(const QString& description, int camera, const QString& caption,
                   const QString& file) {
    PostEventRecord(MakeEventRecord(kEventProgram, LanguageText(text::kNotifications), caption,
                                    description, camera, file, Now()));
}
}  // namespace

void LogNotifyLine(int descriptionId, const QString& detail, int camera, const QString& caption,
                   const QString& file) {
    QString description = LanguageText(descriptionId);
    if (description.contains(QLatin1String("%1"))) description = description.arg(detail);
    LogNotifyText(description, camera, caption, file);
}

void Notifier::SetTimingForTesting(milliseconds motionHold, milliseconds retryPause) {
    motionHoldMs = motionHold.count() > 0 ? motionHold.count() : 30000;
    retryPauseMs = retryPause.count() > 0 ? retryPause.count() : 1000;
}

Notifier::Notifier(const NotifySettings& s, CommandHandler onCommand)
    : onCommand_(std::move(onCommand)), settings_(s) {
    InitNotifyLibraries();
    Connect();
    worker_ = std::jthread([this](std::stop_token stop) { Run(std::move(stop)); });
}

Notifier::~Notifier() {
    worker_.request_stop();
    worker_.join();
    std::unique_ptr<MqttLink> link;
    {
        std::lock_guard lock(state_);
        link = std::move(mqtt_);
    }
}

void Notifier::Enqueue(Notice notice) {
    {
        std::lock_guard lock(mutex_);
        // A worker that cannot keep up loses the oldest notices, never the camera's time.
        if (queue_.size() >= 256) queue_.pop_front();
        queue_.push_back(std::move(notice));
    }
    wake_.notify_one();
}

void Notifier::Connect() {
    if (!settings_.mqtt.enabled || settings_.mqtt.host.trimmed().isEmpty()) return;
    const QString prefix = settings_.mqtt.prefix;
    mqtt_ = std::make_unique<MqttLink>(
        settings_.mqtt, [this](const QString& t, const QByteArray& p) { OnBrokerMessage(t, p); },
        [this](bool up, const QString& why) { OnBrokerState(up, why); });
    mqtt_->Subscribe(prefix + QStringLiteral("/+/recording/set"));
    mqtt_->Subscribe(prefix + QStringLiteral("/+/snapshot/set"));
    if (!mqtt_->firstError().isEmpty()) NoteBrokerState(false, mqtt_->firstError());
    if (settings_.mqtt.discovery) mqtt_->Subscribe(DiscoveryPattern(prefix));
    for (const auto& [camera, state] : states_) {
        mqtt_->Retain(Topic(camera, "motion"), state.motionOn ? "ON" : "OFF");
        const QByteArray jpeg = ReadPicture(state.picture);
        if (!jpeg.isEmpty()) mqtt_->Retain(Topic(camera, "snapshot"), jpeg);
    }
    PublishDiscovery();
}

void Notifier::Apply(const NotifySettings& s) {
    std::unique_ptr<MqttLink> old;
    {
        std::lock_guard lock(state_);
        const bool reconnect = !(s.mqtt == settings_.mqtt);
        settings_ = s;
        if (!reconnect) return;
        old = std::move(mqtt_);
    }
    // Outside the lock: its thread may be waiting for it in a message.
    old.reset();
    std::lock_guard lock(state_);
    brokerLogged_ = Logged::None;
    Connect();
}

void Notifier::Reload() {
    Apply(LoadNotifySettings());
}

void Notifier::SetCameras(const std::map<int, QString>& cameras) {
    std::lock_guard lock(state_);
    if (mqtt_ && settings_.mqtt.discovery)
        for (const auto& [camera, caption] : cameras_)
            if (!cameras.count(camera))
                for (const DiscoveryConfig& c :
                     DiscoveryConfigs(settings_.mqtt.prefix, camera, caption))
                    mqtt_->Retain(c.topic, {});
    cameras_ = cameras;
    PublishDiscovery();
}

bool Notifier::brokerConnected() {
    std::lock_guard lock(state_);
    return mqtt_ && mqtt_->connected();
}

bool Notifier::motionOn(int camera) {
    std::lock_guard lock(state_);
    const auto it = states_.find(camera);
    return it != states_.end() && it->second.motionOn;
}

QString Notifier::Topic(int camera, const char* leaf) const {
    return settings_.mqtt.prefix + QLatin1Char('/') + QString::number(camera) + QLatin1Char('/') +
           QLatin1String(leaf);
}

void Notifier::PublishDiscovery() {
    if (!mqtt_ || !settings_.mqtt.discovery) return;
    for (const auto& [camera, caption] : cameras_)
        for (const DiscoveryConfig& c : DiscoveryConfigs(settings_.mqtt.prefix, camera, caption))
            mqtt_->Retain(c.topic, c.payload);
}

void Notifier::OnBrokerMessage(const QString& topic, const QByteArray& payload) {
    std::lock_guard lock(state_);
    if (!mqtt_) return;
    const QString prefix = settings_.mqtt.prefix + QLatin1Char('/');
    if (const auto camera = DiscoveredCamera(settings_.mqtt.prefix, topic)) {
        // Our own announcement of a camera that is no longer there: taken back.
        if (!payload.isEmpty() && !cameras_.count(*camera)) mqtt_->Retain(topic, {});
        return;
    }
    if (!topic.startsWith(prefix) || !onCommand_) return;
    const QStringList parts = topic.mid(prefix.size()).split(QLatin1Char('/'));
    bool number = false;
    const int camera = parts.value(0).toInt(&number);
    if (!number || parts.size() != 3 || parts[2] != QLatin1String("set")) return;
    const QByteArray word = payload.trimmed().toUpper();
    if (parts[1] == QLatin1String("snapshot"))
        onCommand_(camera, CameraCommand::Snapshot);
    else if (parts[1] == QLatin1String("recording") && (word == "ON" || word == "OFF"))
        onCommand_(camera, word == "ON" ? CameraCommand::RecordingOn : CameraCommand::RecordingOff);
}

void Notifier::OnBrokerState(bool up, const QString& why) {
    std::lock_guard lock(state_);
    NoteBrokerState(up, why);
}

void Notifier::NoteBrokerState(bool up, const QString& why) {
    // Once per change: a broker gone for hours must not fill the log.
    const Logged now = up ? Logged::Up : Logged::Down;
    if (brokerLogged_ == now) return;
    brokerLogged_ = now;
    if (up)
        LogNotifyLine(text::kMQTTBrokerConnected, QString());
    else
        LogNotifyLine(text::kMQTTBrokerUnreachable1, why);
}

void Notifier::Run(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    while (!stop.stop_requested()) {
        std::optional<Clock::time_point> due;
        {
            std::lock_guard state(state_);
            for (const auto& [camera, s] : states_)
                if (s.motionOn && (!due || s.motionUntil < *due)) due = s.motionUntil;
        }
        const auto ready = [this] { return !queue_.empty(); };
        if (due)
            wake_.wait_until(lock, stop, *due, ready);
        else
            wake_.wait(lock, stop, ready);
        std::deque<Notice> batch;
        batch.swap(queue_);
        lock.unlock();
        {
            std::lock_guard state(state_);
            for (const Notice& n : batch) Handle(n);
            SwitchOffStillCameras();
        }
        lock.lock();
    }
}

void Notifier::Handle(const Notice& n) {
    if (n.kind == NoticeKind::Motion) return HandleMotion(n);
    if (n.kind == NoticeKind::Recording) {
        if (mqtt_) mqtt_->Retain(Topic(n.camera, "recording"), n.on ? "ON" : "OFF");
        return;
    }
    if (n.kind == NoticeKind::Snapshot) return PublishPicture(n.camera, n.picture);
    if (Chosen(settings_.events, n.kind)) SendEvent(n);
}

void Notifier::HandleMotion(const Notice& n) {
    CameraState& s = states_[n.camera];
    const auto now = Clock::now();
    const milliseconds hold =
        n.holdSeconds > 0 ? milliseconds(n.holdSeconds * 1000) : milliseconds(motionHoldMs.load());
    s.motionUntil = now + hold;
    if (!s.motionOn && mqtt_) mqtt_->Retain(Topic(n.camera, "motion"), "ON");
    s.motionOn = true;
    PublishPicture(n.camera, n.picture);
    const auto cooldown = std::chrono::seconds(settings_.events.cooldownSeconds);
    if (!settings_.events.motion || (s.lastEvent && now - *s.lastEvent < cooldown)) return;
    s.lastEvent = now;
    SendEvent(n);
}

void Notifier::PublishPicture(int camera, const QString& picture) {
    CameraState& s = states_[camera];
    if (picture.isEmpty() || picture == s.picture) return;
    s.picture = picture;
    const QByteArray jpeg = ReadPicture(picture);
    if (mqtt_ && !jpeg.isEmpty()) mqtt_->Retain(Topic(camera, "snapshot"), jpeg);
}

void Notifier::SwitchOffStillCameras() {
    const auto now = Clock::now();
    for (auto& [camera, s] : states_) {
        if (!s.motionOn || now < s.motionUntil) continue;
        s.motionOn = false;
        if (mqtt_) mqtt_->Retain(Topic(camera, "motion"), "OFF");
    }
}

void Notifier::SendEvent(const Notice& n) {
    const QByteArray json = EventJson(n);
    if (mqtt_ && mqtt_->connected()) {
        mqtt_->Publish(Topic(n.camera, "event"), json);
        // The protocol's name before the common "Sent.": the broker gets every event.
        LogNotifyText(QStringLiteral("MQTT: ") + LanguageText(text::kSent), n.camera, n.caption,
                      n.picture);
    }
    if (settings_.webhook.enabled && !settings_.webhook.url.isEmpty()) {
        const QString picture = n.kind == NoticeKind::Motion ? n.picture : QString();
        webhook_.Push([this, url = settings_.webhook.url, json, picture, n] {
            SendError error;
            for (int attempt = 0; attempt <= kWebhookRetries; ++attempt) {
                if (attempt > 0 && !webhook_.Pause(milliseconds(retryPauseMs << (attempt - 1))))
                    return;
                error = PostWebhook(url, json, picture, webhook_.stopping());
                if (error.isEmpty()) break;
            }
            LogNotifyLine(error.isEmpty() ? text::kWebhookSent : text::kWebhookFailed1, error,
                          n.camera, n.caption, picture);
        });
    }
    if (settings_.mail.enabled) {
        MailMessage m;
        const QString event = LanguageText(SubjectText(n.kind));
        m.subject = n.caption + QStringLiteral(": ") + event;
        m.body = m.subject + QLatin1Char('\n') + IsoTimeWithOffset(n.when) + QLatin1Char('\n') +
                 n.picture + QLatin1Char('\n');
        m.attachment = n.picture;
        mail_.Push([this, mail = settings_.mail, m, n] {
            const SendError error = SendMail(mail, m, mail_.stopping());
            LogNotifyLine(error.isEmpty() ? text::kEMailSent : text::kEMailFailed1, error, n.camera,
                          n.caption, m.attachment);
        });
    }
}

}  // namespace trelvix
