// Real servers on 127.0.0.1 for the notification tests: a mosquitto broker that can be killed
// and started again on the same port, a webhook receiver and an SMTP server (Python), and an
// MQTT client that keeps the newest message of every topic.
#pragma once

#include <QDir>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <mosquitto.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <vector>

#include "support/Processes.h"
#include "support/Wait.h"
#include "support/TestFiles.h"

namespace trelvix::test {

// mosquitto without persistence: once killed it forgets every retained message.
class Broker {
public:
    Broker() : port_(FreePort()) {
        WriteFile(dir_.path() + "/mosquitto.conf",
                  QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\n"
                                 "persistence false\nlog_dest none\n")
                      .arg(port_)
                      .toUtf8());
        Start();
    }
    ~Broker() { Kill(pid_); }
    bool Start() {
        pid_ = Spawn({"/usr/sbin/mosquitto", "-c", dir_.path() + "/mosquitto.conf"});
        return WaitFor([this] {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, quint16(port_));
            return s.waitForConnected(200);
        });
    }
    void Stop() { Kill(pid_); }
    int port() const { return port_; }

private:
    QTemporaryDir dir_;
    int port_;
    pid_t pid_ = -1;
};

// notify_servers.py: the webhook receiver and the SMTP server.
class HttpAndMail {
public:
    explicit HttpAndMail(bool hang = false) {
        QStringList args{"/usr/bin/python3", TRELVIX_NOTIFY_SERVERS, "--dir", dir_.path()};
        if (hang) args << "--hang";
        int out = -1;
        pid_ = Spawn(args, &out, &stdin_);
        FILE* f = fdopen(out, "r");
        if (std::fscanf(f, "WEBHOOK %d\nSMTP %d", &webhookPort_, &smtpPort_) != 2)
            webhookPort_ = smtpPort_ = 0;
        std::fclose(f);
    }
    ~HttpAndMail() {
        Kill(pid_);
        if (stdin_ >= 0) close(stdin_);
    }
    QString webhookUrl() const {
        return QStringLiteral("http://127.0.0.1:%1/hook").arg(webhookPort_);
    }
    QString smtpUrl() const { return QStringLiteral("smtp://127.0.0.1:%1").arg(smtpPort_); }
    int Count(const QString& pattern) const {
        return int(QDir(dir_.path()).entryList({pattern}, QDir::Files).size());
    }
    QByteArray Read(const QString& name) const { return ReadFile(dir_.path() + "/" + name); }

private:
    QTemporaryDir dir_;
    pid_t pid_ = -1;
    int stdin_ = -1;
    int webhookPort_ = 0, smtpPort_ = 0;
};

// Subscribed to everything; keeps each topic's newest payload and whether it came retained.
class MqttWatcher {
public:
    struct Message {
        QByteArray payload;
        bool retained = false;
    };
    explicit MqttWatcher(int port) {
        mosquitto_lib_init();
        m_ = mosquitto_new(nullptr, true, this);
        mosquitto_connect_callback_set(m_, [](mosquitto* m, void*, int rc) {
            if (rc == 0) mosquitto_subscribe(m, nullptr, "#", 1);
        });
        mosquitto_message_callback_set(m_, [](mosquitto*, void* p, const mosquitto_message* msg) {
            auto* self = static_cast<MqttWatcher*>(p);
            std::lock_guard lock(self->mutex_);
            self->messages_[QString::fromUtf8(msg->topic)] = {
                QByteArray(static_cast<const char*>(msg->payload), msg->payloadlen), msg->retain};
        });
        mosquitto_connect(m_, "127.0.0.1", port, 30);
        mosquitto_loop_start(m_);
    }
    ~MqttWatcher() {
        mosquitto_disconnect(m_);
        mosquitto_loop_stop(m_, true);
        mosquitto_destroy(m_);
    }
    std::optional<Message> Get(const QString& topic) const {
        std::lock_guard lock(mutex_);
        auto it = messages_.find(topic);
        if (it == messages_.end()) return std::nullopt;
        return it->second;
    }
    bool Has(const QString& topic, const QByteArray& payload) const {
        const auto m = Get(topic);
        return m && m->payload == payload;
    }
    void Publish(const QString& topic, const QByteArray& payload) {
        mosquitto_publish(m_, nullptr, topic.toUtf8().constData(), int(payload.size()),
                          payload.constData(), 1, false);
    }
    std::map<QString, Message> All() const {
        std::lock_guard lock(mutex_);
        return messages_;
    }

private:
    mosquitto* m_;
    mutable std::mutex mutex_;
    std::map<QString, Message> messages_;
};

}  // namespace trelvix::test
