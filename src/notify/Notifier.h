// The notification engine of the program: takes the cameras' notices without ever making a
// camera wait, and tells an MQTT broker (with Home Assistant discovery), a webhook and
// e-mail, each on a thread of its own. Every sent notice and every failure goes to the log.
#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "notify/MqttLink.h"
#include "notify/Notice.h"
#include "notify/NotifySettings.h"
#include "notify/SendQueue.h"

namespace trelvix {

// A command a broker brought for one camera.
enum class CameraCommand { RecordingOn, RecordingOff, Snapshot };

class Notifier : public NoticeSink {
public:
    using Clock = std::chrono::steady_clock;
    // Called on the MQTT thread; the receiver hands it to the thread that owns the cameras.
    using CommandHandler = std::function<void(int camera, CameraCommand command)>;

    explicit Notifier(const NotifySettings& s, CommandHandler onCommand = {});
    ~Notifier() override;

    void Enqueue(Notice notice) override;
    // New settings (the settings window closed); the broker connection is made anew only when
    // its own settings changed.
    void Apply(const NotifySettings& s);
    void Reload() override;
    // The cameras of the grid, number and caption: discovery announces them and takes back
    // the ones no longer there.
    void SetCameras(const std::map<int, QString>& cameras);
    bool brokerConnected();
    bool motionOn(int camera);

    // How long motion stays ON without a new one, unless the notice says; and the webhook's
    // first pause before a retry. Tests shorten them (0 restores 30 s and 1 s).
    static void SetTimingForTesting(std::chrono::milliseconds motionHold,
                                    std::chrono::milliseconds retryPause);

private:
    struct CameraState {
        bool motionOn = false;
        Clock::time_point motionUntil;
        QString picture;  // the one published as the snapshot
        std::optional<Clock::time_point> lastEvent;
    };

    void Run(std::stop_token stop);
    void Handle(const Notice& n);
    void HandleMotion(const Notice& n);
    void PublishPicture(int camera, const QString& picture);
    void SwitchOffStillCameras();
    void SendEvent(const Notice& n);
    void PublishDiscovery();
    void OnBrokerMessage(const QString& topic, const QByteArray& payload);
    void OnBrokerState(bool up, const QString& why);
    void NoteBrokerState(bool up, const QString& why);
    void Connect();
    QString Topic(int camera, const char* leaf) const;

    CommandHandler onCommand_;
    // The queue, apart from the rest, so the frame thread never waits on a sending worker.
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<Notice> queue_;
    std::mutex state_;
    NotifySettings settings_;
    std::map<int, QString> cameras_;
    std::map<int, CameraState> states_;
    std::unique_ptr<MqttLink> mqtt_;
    enum class Logged { None, Up, Down } brokerLogged_ = Logged::None;
    SendQueue webhook_, mail_;
    std::jthread worker_;
};

// Log lines of the notification engine (UI thread or any other: they are posted).
void LogNotifyLine(int descriptionId, const QString& detail, int camera = -1,
                   const QString& caption = QString(), const QString& file = QString());

}  // namespace trelvix
