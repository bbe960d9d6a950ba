// The webhook POST and the e-mail, each one blocking libcurl transfer; callers run them on
// threads of their own.
#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>

#include "notify/NotifySettings.h"

namespace trelvix {

// Empty when it worked; otherwise the reason, never with a password in it.
using SendError = QString;

// The event JSON as the body, or, with a picture, as the first part of a multipart form whose
// second part is the JPEG file.
// With `cancel`, a transfer gives up as soon as it is set.
SendError PostWebhook(const QString& url, const QByteArray& json, const QString& picture,
                      const std::atomic<bool>* cancel = nullptr, int timeoutSeconds = 10);

struct MailMessage {
    QString subject, body;
    QString attachment;  // a file; empty for none
};
SendError SendMail(const MailSettings& s, const MailMessage& m,
                   const std::atomic<bool>* cancel = nullptr, int timeoutSeconds = 30);

}  // namespace trelvix
