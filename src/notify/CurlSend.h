// The webhook POST and the e-mail, each one blocking libcurl transfer; callers run them on
// threads of their own.
#pragma once

#include <QByteArray>
#include <QString>
#include <stop_token>

#include "notify/NotifySettings.h"

namespace trelvix {

// Empty when it worked; otherwise the reason, never with a password in it.
using SendError = QString;

// The event JSON as the body, or, with a picture, as the first part of a multipart form whose
// second part is the JPEG file.
// With `cancel`, a transfer gives up as soon as a stop is requested.
SendError PostWebhook(const QString& url, const QByteArray& json, const QString& picture,
                      std::stop_token cancel = {}, int timeoutSeconds = 10);

struct MailMessage {
    QString subject, body;
    QString attachment;  // a file; empty for none
};
SendError SendMail(const MailSettings& s, const MailMessage& m, std::stop_token cancel = {},
                   int timeoutSeconds = 30);

}  // namespace trelvix
