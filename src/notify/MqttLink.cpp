#include "notify/MqttLink.h"

#include <curl/curl.h>
#include <mosquitto.h>

#include <chrono>

namespace trelvix {

namespace {
constexpr int kKeepAlive = 30;
std::atomic<int> firstDelay{1}, maxDelay{30};

void Configure(mosquitto* m, const MqttSettings& s) {
    if (!s.user.isEmpty())
        mosquitto_username_pw_set(m, s.user.toUtf8().constData(),
                                  s.password.isEmpty() ? nullptr : s.password.toUtf8().constData());
    if (s.tls) mosquitto_int_option(m, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
}

QString ConnectError(int rc) {
    if (rc == MOSQ_ERR_ERRNO) return QString::fromLocal8Bit(strerror(errno));
    return QString::fromUtf8(mosquitto_strerror(rc));
}
}  // namespace

void InitNotifyLibraries() {
    static const bool once = [] {
        mosquitto_lib_init();
        curl_global_init(CURL_GLOBAL_DEFAULT);
        return true;
    }();
    (void)once;
}

void MqttLink::SetReconnectDelaysForTesting(int firstSeconds, int maxSeconds) {
    firstDelay = firstSeconds > 0 ? firstSeconds : 1;
    maxDelay = maxSeconds > 0 ? maxSeconds : 30;
}

MqttLink::MqttLink(const MqttSettings& s, MessageHandler onMessage, StateHandler onState)
    : prefix_(s.prefix), onMessage_(std::move(onMessage)), onState_(std::move(onState)) {
    InitNotifyLibraries();
    m_ = mosquitto_new(nullptr, true, this);
    if (!m_) return;
    Configure(m_, s);
    const QByteArray status = statusTopic().toUtf8();
    mosquitto_will_set(m_, status.constData(), 7, "offline", 1, true);
    mosquitto_reconnect_delay_set(m_, unsigned(firstDelay.load()), unsigned(maxDelay.load()), true);
    mosquitto_connect_callback_set(m_, &MqttLink::OnConnect);
    mosquitto_disconnect_callback_set(m_, &MqttLink::OnDisconnect);
    mosquitto_message_callback_set(m_, &MqttLink::OnMessage);
    mosquitto_publish_callback_set(m_, &MqttLink::OnPublish);
    const int rc = mosquitto_connect_async(m_, s.host.toUtf8().constData(), s.port, kKeepAlive);
    if (rc != MOSQ_ERR_SUCCESS) firstError_ = ConnectError(rc);
    // The loop's thread tries again after a failed first attempt as after a lost connection.
    mosquitto_loop_start(m_);
}

MqttLink::~MqttLink() {
    if (!m_) return;
    if (connected_) {
        int mid = -1;
        Send(statusTopic(), "offline", true, &mid);
        std::unique_lock lock(mutex_);
        published_.wait_for(lock, std::chrono::seconds(1), [&] { return lastAcked_ == mid; });
    }
    mosquitto_disconnect(m_);
    mosquitto_loop_stop(m_, true);
    mosquitto_destroy(m_);
}

void MqttLink::Send(const QString& topic, const QByteArray& payload, bool retain, int* mid) {
    const QByteArray t = topic.toUtf8();
    mosquitto_publish(m_, mid, t.constData(), int(payload.size()), payload.constData(), 1, retain);
}

void MqttLink::Retain(const QString& topic, const QByteArray& payload) {
    if (!m_) return;
    // Under the lock, so a connect's republication never overtakes a newer value.
    std::lock_guard lock(mutex_);
    if (payload.isEmpty())
        retained_.erase(topic);
    else
        retained_[topic] = payload;
    if (connected_) Send(topic, payload, true);
}

void MqttLink::Publish(const QString& topic, const QByteArray& payload) {
    if (m_ && connected_) Send(topic, payload, false);
}

void MqttLink::Subscribe(const QString& pattern) {
    if (!m_) return;
    std::lock_guard lock(mutex_);
    subscriptions_ << pattern;
    if (connected_) mosquitto_subscribe(m_, nullptr, pattern.toUtf8().constData(), 1);
}

void MqttLink::OnConnect(mosquitto* m, void* p, int rc) {
    auto* self = static_cast<MqttLink*>(p);
    if (rc != 0) {
        if (self->onState_) self->onState_(false, QString::fromUtf8(mosquitto_connack_string(rc)));
        return;
    }
    {
        std::lock_guard lock(self->mutex_);
        self->connected_ = true;
        for (const QString& s : self->subscriptions_)
            mosquitto_subscribe(m, nullptr, s.toUtf8().constData(), 1);
        self->Send(self->statusTopic(), "online", true);
        for (const auto& [topic, payload] : self->retained_) self->Send(topic, payload, true);
    }
    if (self->onState_) self->onState_(true, QString());
}

void MqttLink::OnDisconnect(mosquitto*, void* p, int rc) {
    auto* self = static_cast<MqttLink*>(p);
    const bool was = self->connected_.exchange(false);
    if (was && rc != 0 && self->onState_) self->onState_(false, ConnectError(rc));
}

void MqttLink::OnMessage(mosquitto*, void* p, const mosquitto_message* m) {
    auto* self = static_cast<MqttLink*>(p);
    if (self->onMessage_)
        self->onMessage_(QString::fromUtf8(m->topic),
                         QByteArray(static_cast<const char*>(m->payload), m->payloadlen));
}

void MqttLink::OnPublish(mosquitto*, void* p, int mid) {
    auto* self = static_cast<MqttLink*>(p);
    {
        std::lock_guard lock(self->mutex_);
        self->lastAcked_ = mid;
    }
    self->published_.notify_all();
}

SendError MqttLink::Test(const MqttSettings& s, int timeoutSeconds) {
    InitNotifyLibraries();
    mosquitto* m = mosquitto_new(nullptr, true, nullptr);
    if (!m) return QStringLiteral("out of memory");
    Configure(m, s);
    struct State {
        int connack = -1;
        bool published = false;
    } state;
    mosquitto_user_data_set(m, &state);
    mosquitto_connect_callback_set(
        m, [](mosquitto*, void* p, int rc) { static_cast<State*>(p)->connack = rc; });
    mosquitto_publish_callback_set(
        m, [](mosquitto*, void* p, int) { static_cast<State*>(p)->published = true; });
    SendError error;
    int rc = mosquitto_connect(m, s.host.toUtf8().constData(), s.port, kKeepAlive);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    bool sent = false;
    while (rc == MOSQ_ERR_SUCCESS && !state.published && state.connack <= 0 &&
           std::chrono::steady_clock::now() < until) {
        rc = mosquitto_loop(m, 100, 1);
        if (state.connack == 0 && !sent) {
            const QByteArray topic = (s.prefix + QStringLiteral("/test")).toUtf8();
            rc = mosquitto_publish(m, nullptr, topic.constData(), 4, "test", 1, false);
            sent = true;
        }
    }
    if (rc != MOSQ_ERR_SUCCESS)
        error = ConnectError(rc);
    else if (state.connack > 0)
        error = QString::fromUtf8(mosquitto_connack_string(state.connack));
    else if (!state.published)
        error = QStringLiteral("no answer from the broker");
    mosquitto_disconnect(m);
    mosquitto_destroy(m);
    return error;
}

}  // namespace trelvix
