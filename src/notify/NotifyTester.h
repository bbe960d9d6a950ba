// The settings page's "Send a test" for one channel, run on a thread of its own; the result
// comes back to the UI thread as a signal. A window that closes meanwhile waits for nothing.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "notify/NotifySettings.h"

namespace trelvix {

enum class NotifyChannel { Mqtt = 0, Webhook = 1, Mail = 2 };

class NotifyTester : public QObject {
    Q_OBJECT
public:
    explicit NotifyTester(QObject* parent = nullptr);
    ~NotifyTester() override;
    void Start(NotifyChannel channel, const NotifySettings& s);

signals:
    // Empty `error` when it worked.
    void finished(int channel, const QString& error);

private:
    struct Mailbox;
    std::shared_ptr<Mailbox> box_;
};

}  // namespace trelvix
