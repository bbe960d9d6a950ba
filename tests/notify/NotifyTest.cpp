// The notification engine against real servers on loopback, fed by a synthetic camera whose
// picture is snow (motion in every frame) inside the camera host.
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "support/CameraInternals.h"
#include "support/CameraFixture.h"
#include <sys/stat.h>

#include "capture/Usbcamera.h"
#include "common/Clock.h"
#include "config/Folders.h"
#include "config/Option.h"
#include "history/LogReceiver.h"
#include "host/CameraCell.h"
#include "host/CameraHost.h"
#include "lang/TextIds.h"
#include "notify/NotifyServers.h"

using namespace trelvix;
using namespace trelvix::test;
using namespace std::chrono_literals;

namespace {

const QString kMqttPassword = QStringLiteral("mq-s3cret");
const QStringList kConfigs = {"homeassistant/binary_sensor/trelvix/0_motion/config",
                              "homeassistant/camera/trelvix/0_snapshot/config",
                              "homeassistant/switch/trelvix/0_recording/config"};

class NotifyTest : public ::testing::Test, protected trelvix::test::OwnSettings {
protected:
    void SetUp() override {
        SetClockForTesting([this] {
            std::lock_guard lock(clockMutex);
            return now;
        });
        // Motion ends 1.5 s after the last one; the broker is tried again every second.
        Notifier::SetTimingForTesting(1500ms, 50ms);
        MqttLink::SetReconnectDelaysForTesting(1, 1);
    }
    void TearDown() override {
        host.reset();
        SetClockForTesting(nullptr);
        Notifier::SetTimingForTesting(0ms, 0ms);
        MqttLink::SetReconnectDelaysForTesting(0, 0);
    }
    NotifySettings Mqtt(int port) const {
        NotifySettings s;
        s.mqtt = {true, "127.0.0.1", port, "cam", kMqttPassword, "trelvix", true, false};
        return s;
    }
    UsbCamera* StartCamera(const NotifySettings& s) {
        CDataClass rec;
        rec.cameraId = 0;
        rec.caption = "Porch";
        rec.imageFolder = dir.path() + "/pictures";
        rec.videoFolder = dir.path() + "/videos";
        StoreLive(rec.motionEnabled, 1);
        StoreLive(rec.motionSound, 0);
        StoreLive(rec.motionIntervalSeconds, 1);
        StoreLive(rec.autoRecord, 0);
        rec.Save();
        option->deviceIds = {"test:snow:160x120@30"};
        option->deviceCount = 1;
        host = std::make_unique<CameraHost>(HandOver());
        host->StartNotifications(s);
        // Events are not kept for a broker that is not there yet; the state is.
        if (s.mqtt.enabled) WaitFor([&] { return host->notifier()->brokerConnected(); });
        host->CreateCameras({&cell});
        return host->camera(0);
    }
    // The camera's clock moves on while waiting, so motion checks fall due; each step waits
    // for two frames, so one has been checked at the new time.
    template <typename F>
    bool WaitWhileTimePasses(F done) {
        return WaitFor([&] {
            {
                std::lock_guard lock(clockMutex);
                now = now.addSecs(1);
            }
            const uint64_t seen = host->camera(0)->view().framesDelivered();
            WaitFor([&] { return host->camera(0)->view().framesDelivered() >= seen + 2; });
            return done();
        });
    }
    QStringList Log() {
        QCoreApplication::sendPostedEvents();
        return ReadLogLines(LogFileName(option->LogPath, now.date()));
    }
    int LogCount(int textId) {
        return int(Log().filter(option->LanguageText(textId).section("%1", 0, 0)).size());
    }

    LogReceiverObject receiver;
    std::mutex clockMutex;
    QDateTime now = QDateTime::currentDateTime();
    HeadlessPanel cell{0};
    std::unique_ptr<CameraHost> host;
};

}  // namespace

TEST_F(NotifyTest, MotionReachesTheBrokerTheWebhookAndTheMailboxAndTheBrokerCommandsTheCamera) {
    HttpAndMail servers;
    Broker broker;
    MqttWatcher watch(broker.port());
    NotifySettings s = Mqtt(broker.port());
    s.webhook = {true, servers.webhookUrl()};
    s.mail = {true, servers.smtpUrl(), "", "", "cam@example.org", "a@example.org, b@example.org",
              false};
    ASSERT_TRUE(SaveNotifySettings(s));
    struct stat st {};
    ASSERT_EQ(stat(NotifyIniPath().toUtf8().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    ASSERT_EQ(LoadNotifySettings(), s);

    UsbCamera* cam = StartCamera(LoadNotifySettings());
    ASSERT_TRUE(WaitWhileTimePasses([&] { return watch.Has("trelvix/0/motion", "ON"); }));
    ASSERT_TRUE(WaitFor([&] {
        const auto jpeg = watch.Get("trelvix/0/snapshot");
        return jpeg && jpeg->payload.startsWith("\xff\xd8");
    }));
    for (const QString& topic : kConfigs) {
        ASSERT_TRUE(WaitFor([&] { return watch.Get(topic).has_value(); })) << topic.toStdString();
        const QJsonObject config = QJsonDocument::fromJson(watch.Get(topic)->payload).object();
        const QString state =
            config.value(config.contains("topic") ? "topic" : "state_topic").toString();
        EXPECT_TRUE(state.startsWith("trelvix/0/")) << topic.toStdString();
        EXPECT_EQ(config["availability_topic"].toString(), "trelvix/status");
        EXPECT_EQ(config["device"].toObject()["name"].toString(), "Porch");
    }
    ASSERT_TRUE(WaitFor([&] { return watch.Get("trelvix/0/event").has_value(); }));
    const QJsonObject event =
        QJsonDocument::fromJson(watch.Get("trelvix/0/event")->payload).object();
    EXPECT_EQ(event["kind"].toString(), "motion");
    EXPECT_EQ(event["camera"].toInt(), 0);
    EXPECT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d$)")
                    .match(event["time"].toString())
                    .hasMatch());

    ASSERT_TRUE(WaitFor(
        [&] { return servers.Count("post-*.bin") == 1 && servers.Count("mail-*.eml") == 1; }));
    EXPECT_TRUE(servers.Read("post-0.hdr").contains("multipart/form-data"));
    const QByteArray post = servers.Read("post-0.bin");
    EXPECT_TRUE(post.contains("\"caption\":\"Porch\"") && post.contains("image/jpeg") &&
                post.contains("\xff\xd8"));
    const QByteArray mail = servers.Read("mail-0.eml");
    EXPECT_TRUE(mail.contains("=?UTF-8?B?" + QByteArray("Porch: Motion detected").toBase64()));
    EXPECT_TRUE(mail.contains("Content-Type: image/jpeg"));

    // Still: OFF once the hold is over, and no second notice within the cooldown.
    StoreLive(cam->settings->motionSensitivity, 255);
    ASSERT_TRUE(WaitWhileTimePasses([&] { return watch.Has("trelvix/0/motion", "OFF"); }));
    EXPECT_EQ(servers.Count("post-*.bin"), 1);
    EXPECT_EQ(servers.Count("mail-*.eml"), 1);

    watch.Publish("trelvix/0/recording/set", "ON");
    ASSERT_TRUE(WaitFor([&] {
        return cam->state() == CameraState::Recording && watch.Has("trelvix/0/recording", "ON");
    }));
    watch.Publish("trelvix/0/recording/set", "OFF");
    ASSERT_TRUE(WaitFor([&] {
        return cam->state() == CameraState::Idle && watch.Has("trelvix/0/recording", "OFF");
    }));

    EXPECT_EQ(LogCount(text::kWebhookSent), 1);
    EXPECT_EQ(LogCount(text::kEMailSent), 1);
    EXPECT_EQ(LogCount(text::kMQTTBrokerConnected), 1);
    EXPECT_EQ(Log().filter("MQTT: " + option->LanguageText(text::kSent)).size(), 1);
    EXPECT_TRUE(Log().filter(kMqttPassword).isEmpty());

    // A camera that goes takes its announcement along.
    host->DestroyCameras();
    host->CreateCameras({});
    ASSERT_TRUE(WaitFor([&] { return watch.Get(kConfigs[0])->payload.isEmpty(); }));
}

TEST_F(NotifyTest, ABrokerThatWasGoneIsGivenTheCurrentStateAgain) {
    auto broker = std::make_unique<Broker>();
    UsbCamera* cam = StartCamera(Mqtt(broker->port()));
    {
        MqttWatcher watch(broker->port());
        ASSERT_TRUE(WaitWhileTimePasses([&] { return watch.Has("trelvix/0/motion", "ON"); }));
    }
    broker->Stop();
    ASSERT_TRUE(WaitFor([&] { return !host->notifier()->brokerConnected(); }));
    // What changes meanwhile is what the broker must learn once it is back.
    StoreLive(cam->settings->motionSensitivity, 255);
    cam->recording().StartRecording();
    ASSERT_TRUE(WaitWhileTimePasses([&] { return !host->notifier()->motionOn(0); }));
    ASSERT_TRUE(broker->Start());
    ASSERT_TRUE(WaitFor([&] { return host->notifier()->brokerConnected(); }));
    auto current = [](const MqttWatcher& w, bool retainedOnly) {
        auto has = [&](const QString& topic, const QByteArray& payload = {}) {
            const auto m = w.Get(topic);
            return m && (m->retained || !retainedOnly) &&
                   (payload.isEmpty() ? !m->payload.isEmpty() : m->payload == payload);
        };
        return has("trelvix/status", "online") && has("trelvix/0/motion", "OFF") &&
               has("trelvix/0/recording", "ON") && has("trelvix/0/snapshot") && has(kConfigs[0]) &&
               has(kConfigs[1]) && has(kConfigs[2]);
    };
    // Once the broker has it all, a client that comes afterwards is handed it as retained.
    MqttWatcher back(broker->port());
    ASSERT_TRUE(WaitFor([&] { return current(back, false); }));
    MqttWatcher late(broker->port());
    ASSERT_TRUE(WaitFor([&] { return current(late, true); }));
    EXPECT_EQ(LogCount(text::kMQTTBrokerUnreachable1), 1);
    EXPECT_EQ(LogCount(text::kMQTTBrokerConnected), 2);
    cam->recording().StopRecording();
}

TEST_F(NotifyTest, AReceiverThatHangsAndAServerThatRefusesHoldUpNeitherFramesNorTheBroker) {
    HttpAndMail hanging(true);
    Broker broker;
    MqttWatcher watch(broker.port());
    NotifySettings s = Mqtt(broker.port());
    s.webhook = {true, hanging.webhookUrl()};
    s.mail = {true,
              QStringLiteral("smtp://127.0.0.1:%1").arg(FreePort()),
              "",
              "",
              "cam@example.org",
              "a@example.org",
              false};
    s.events.cooldownSeconds = 0;  // every motion is a notice
    StartCamera(s);
    ASSERT_TRUE(WaitWhileTimePasses([&] { return hanging.Count("post-*.hdr") == 1; }));
    ASSERT_TRUE(WaitFor([&] { return LogCount(text::kEMailFailed1) > 0; }));
    // The webhook's worker waits on the receiver; frames and pictures go on meanwhile.
    const uint64_t shown = cell.framesShown();
    const QByteArray picture =
        watch.Get("trelvix/0/snapshot").value_or(MqttWatcher::Message{}).payload;
    ASSERT_TRUE(WaitWhileTimePasses([&] {
        const auto newest = watch.Get("trelvix/0/snapshot");
        return cell.framesShown() >= shown + 30 && newest && newest->payload != picture;
    }));
    // The host goes without waiting out the receiver's time-out.
    host.reset();
}
