#include "notify/CurlSend.h"

#include <curl/curl.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace trelvix {

namespace {
struct Transfer {
    CURL* curl = curl_easy_init();
    curl_mime* mime = nullptr;
    curl_slist* headers = nullptr;
    curl_slist* recipients = nullptr;
    char error[CURL_ERROR_SIZE] = {};
    std::stop_token cancel;
    ~Transfer() {
        curl_mime_free(mime);
        curl_slist_free_all(headers);
        curl_slist_free_all(recipients);
        curl_easy_cleanup(curl);
    }
    void Common(const QString& url, std::stop_token stop, int timeoutSeconds) {
        cancel = std::move(stop);
        if (cancel.stop_possible()) {
            curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
            curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &cancel);
            curl_easy_setopt(
                curl, CURLOPT_XFERINFOFUNCTION,
                +[](void* p, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
                    return static_cast<const std::stop_token*>(p)->stop_requested() ? 1 : 0;
                });
        }
        curl_easy_setopt(curl, CURLOPT_URL, url.toUtf8().constData());
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, long(timeoutSeconds));
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, long(timeoutSeconds));
        curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
        curl_easy_setopt(
            curl, CURLOPT_WRITEFUNCTION,
            +[](char*, size_t size, size_t n, void*) { return size * n; });
    }
    SendError Run() {
        const CURLcode rc = curl_easy_perform(curl);
        if (rc != CURLE_OK)
            return QString::fromUtf8(error[0] ? error : curl_easy_strerror(rc)).trimmed();
        return {};
    }
};

void AddFilePart(curl_mime* mime, const char* name, const QString& path) {
    curl_mimepart* part = curl_mime_addpart(mime);
    curl_mime_name(part, name);
    curl_mime_filedata(part, QFile::encodeName(path).constData());
    curl_mime_type(part, "image/jpeg");
}

// A header text outside ASCII in RFC 2047's base64 form.
QByteArray EncodedWord(const QString& text) {
    return "=?UTF-8?B?" + text.toUtf8().toBase64() + "?=";
}
}  // namespace

SendError PostWebhook(const QString& url, const QByteArray& json, const QString& picture,
                      std::stop_token cancel, int timeoutSeconds) {
    if (!url.startsWith(QLatin1String("http://")) && !url.startsWith(QLatin1String("https://")))
        return QStringLiteral("the address must begin with http:// or https://");
    Transfer t;
    t.Common(url, cancel, timeoutSeconds);
    if (!picture.isEmpty() && QFileInfo(picture).isFile()) {
        t.mime = curl_mime_init(t.curl);
        curl_mimepart* part = curl_mime_addpart(t.mime);
        curl_mime_name(part, "event");
        curl_mime_data(part, json.constData(), size_t(json.size()));
        curl_mime_type(part, "application/json");
        AddFilePart(t.mime, "picture", picture);
        curl_easy_setopt(t.curl, CURLOPT_MIMEPOST, t.mime);
    } else {
        t.headers = curl_slist_append(t.headers, "Content-Type: application/json");
        curl_easy_setopt(t.curl, CURLOPT_HTTPHEADER, t.headers);
        curl_easy_setopt(t.curl, CURLOPT_POSTFIELDSIZE, long(json.size()));
        curl_easy_setopt(t.curl, CURLOPT_COPYPOSTFIELDS, json.constData());
    }
    if (SendError e = t.Run(); !e.isEmpty()) return e;
    long status = 0;
    curl_easy_getinfo(t.curl, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 300) return QStringLiteral("HTTP %1").arg(status);
    return {};
}

SendError SendMail(const MailSettings& s, const MailMessage& m, std::stop_token cancel,
                   int timeoutSeconds) {
    if (!s.server.startsWith(QLatin1String("smtp://")) &&
        !s.server.startsWith(QLatin1String("smtps://")))
        return QStringLiteral("the server must begin with smtp:// or smtps://");
    const QStringList to = s.Recipients();
    if (to.isEmpty() || s.from.trimmed().isEmpty())
        return QStringLiteral("sender and recipient are needed");
    Transfer t;
    t.Common(s.server, cancel, timeoutSeconds);
    if (!s.user.isEmpty()) {
        curl_easy_setopt(t.curl, CURLOPT_USERNAME, s.user.toUtf8().constData());
        curl_easy_setopt(t.curl, CURLOPT_PASSWORD, s.password.toUtf8().constData());
    }
    if (s.startTls) curl_easy_setopt(t.curl, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    curl_easy_setopt(t.curl, CURLOPT_MAIL_FROM,
                     ("<" + s.from.trimmed() + ">").toUtf8().constData());
    for (const QString& r : to)
        t.recipients = curl_slist_append(t.recipients, ("<" + r + ">").toUtf8().constData());
    curl_easy_setopt(t.curl, CURLOPT_MAIL_RCPT, t.recipients);
    const QByteArray date = QDateTime::currentDateTime().toString(Qt::RFC2822Date).toUtf8();
    for (const QByteArray& h :
         {"Subject: " + EncodedWord(m.subject), "From: <" + s.from.trimmed().toUtf8() + ">",
          "To: " + to.join(QStringLiteral(", ")).toUtf8(), "Date: " + date})
        t.headers = curl_slist_append(t.headers, h.constData());
    curl_easy_setopt(t.curl, CURLOPT_HTTPHEADER, t.headers);
    t.mime = curl_mime_init(t.curl);
    curl_mimepart* text = curl_mime_addpart(t.mime);
    const QByteArray body = m.body.toUtf8();
    curl_mime_data(text, body.constData(), size_t(body.size()));
    curl_mime_type(text, "text/plain; charset=utf-8");
    curl_mime_encoder(text, "quoted-printable");
    if (!m.attachment.isEmpty() && QFileInfo(m.attachment).isFile()) {
        curl_mimepart* picture = curl_mime_addpart(t.mime);
        curl_mime_filedata(picture, QFile::encodeName(m.attachment).constData());
        curl_mime_type(picture, "image/jpeg");
        curl_mime_encoder(picture, "base64");
    }
    curl_easy_setopt(t.curl, CURLOPT_MIMEPOST, t.mime);
    return t.Run();
}

}  // namespace trelvix
