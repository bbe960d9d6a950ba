#include "notify/NotifyTester.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <mutex>
#include <thread>

#include "common/Clock.h"
#include "config/Option.h"
#include "lang/TextIds.h"
#include "notify/CurlSend.h"
#include "notify/MqttLink.h"
#include "notify/Notice.h"

namespace trelvix {

struct NotifyTester::Mailbox {
    std::mutex mutex;
    NotifyTester* receiver = nullptr;
};

namespace {
SendError RunTest(NotifyChannel channel, const NotifySettings& s, const QString& title) {
    switch (channel) {
        case NotifyChannel::Mqtt:
            return MqttLink::Test(s.mqtt);
        case NotifyChannel::Webhook: {
            const QJsonObject o{{QStringLiteral("kind"), QStringLiteral("test")},
                                {QStringLiteral("time"), IsoTimeWithOffset(Now())}};
            return PostWebhook(s.webhook.url, QJsonDocument(o).toJson(QJsonDocument::Compact), {});
        }
        case NotifyChannel::Mail:
            return SendMail(s.mail, {title, title + QLatin1Char('\n'), {}});
    }
    return {};
}
}  // namespace

NotifyTester::NotifyTester(QObject* parent) : QObject(parent), box_(std::make_shared<Mailbox>()) {
    box_->receiver = this;
}

NotifyTester::~NotifyTester() {
    std::lock_guard lock(box_->mutex);
    box_->receiver = nullptr;
}

void NotifyTester::Start(NotifyChannel channel, const NotifySettings& s) {
    InitNotifyLibraries();
    const QString title =
        LanguageText(text::kTrelvix) + QStringLiteral(": ") + LanguageText(text::kSendATest);
    std::thread([box = box_, channel, s, title] {
        const SendError error = RunTest(channel, s, title);
        std::lock_guard lock(box->mutex);
        if (NotifyTester* r = box->receiver)
            QMetaObject::invokeMethod(
                r, [r, channel, error] { emit r->finished(int(channel), error); },
                Qt::QueuedConnection);
    }).detach();
}

}  // namespace trelvix
