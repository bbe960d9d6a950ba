// The program's one connection to an MQTT broker. It comes back by itself with growing pauses;
// what is retained is kept here and published again on every connect, so a broker that was
// gone (and forgot everything) is current again at once.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>

#include "notify/CurlSend.h"
#include "notify/NotifySettings.h"

struct mosquitto;
struct mosquitto_message;

namespace trelvix {

class MqttLink {
public:
    // Both run on the link's own thread.
    using MessageHandler = std::function<void(const QString& topic, const QByteArray& payload)>;
    using StateHandler = std::function<void(bool up, const QString& why)>;

    MqttLink(const MqttSettings& s, MessageHandler onMessage, StateHandler onState);
    // Says "offline" itself and disconnects.
    ~MqttLink();

    // Kept and published now and after every connect; an empty payload clears the topic.
    void Retain(const QString& topic, const QByteArray& payload);
    // Once, now; lost while there is no connection.
    void Publish(const QString& topic, const QByteArray& payload);
    void Subscribe(const QString& pattern);
    bool connected() const { return connected_; }
    // Why the first attempt failed at once (the attempts go on); empty otherwise.
    QString firstError() const { return firstError_; }
    QString statusTopic() const { return prefix_ + QStringLiteral("/status"); }

    // Pauses between attempts: first and longest, in seconds (1 and 30; 0 restores).
    static void SetReconnectDelaysForTesting(int firstSeconds, int maxSeconds);
    // Connects, publishes "<prefix>/test" and disconnects: the settings page's test.
    static SendError Test(const MqttSettings& s, int timeoutSeconds = 10);

private:
    static void OnConnect(mosquitto*, void* self, int rc);
    static void OnDisconnect(mosquitto*, void* self, int rc);
    static void OnMessage(mosquitto*, void* self, const mosquitto_message* m);
    static void OnPublish(mosquitto*, void* self, int mid);
    void Send(const QString& topic, const QByteArray& payload, bool retain, int* mid = nullptr);

    mosquitto* m_ = nullptr;
    QString prefix_;
    MessageHandler onMessage_;
    StateHandler onState_;
    std::atomic<bool> connected_{false};
    std::mutex mutex_;
    std::map<QString, QByteArray> retained_;
    QStringList subscriptions_;
    std::condition_variable published_;
    int lastAcked_ = -1;
    QString firstError_;
};

// Sets up libmosquitto and libcurl once for the process.
void InitNotifyLibraries();

}  // namespace trelvix
