#include "broadcast/BroadcastHttp.h"

#include <QList>

namespace trelvix {

namespace {

constexpr char kBoundary[] = "trelvixframe";

bool ContainsNoCase(const QByteArray& haystack, const char* needle) {
    return haystack.toLower().contains(QByteArray(needle).toLower());
}

}  // namespace

std::optional<HttpRequest> ParseHttpRequest(const QByteArray& head) {
    const QList<QByteArray> lines = head.split('\n');
    if (lines.isEmpty()) return std::nullopt;
    const QList<QByteArray> first = lines[0].trimmed().split(' ');
    if (first.size() != 3 || !first[2].startsWith("HTTP/")) return std::nullopt;
    HttpRequest r;
    r.method = first[0];
    r.path = first[1];
    const qsizetype query = r.path.indexOf('?');
    if (query >= 0) r.path.truncate(query);
    if (r.path.isEmpty()) r.path = "/";
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon <= 0) continue;
        const QByteArray name = lines[i].left(colon).trimmed().toLower();
        const QByteArray value = lines[i].mid(colon + 1).trimmed();
        if (name == "user-agent") {
            r.userAgent = value;
        } else if (name == "authorization") {
            r.authorization = value;
        } else if (name == "pragma") {
            if (!r.pragma.isEmpty()) r.pragma += ',';
            r.pragma += value;
        }
    }
    return r;
}

BroadcastRoute RouteRequest(const HttpRequest& r) {
    if (r.method == "POST") return BroadcastRoute::NoContent;
    if (r.method != "GET") return BroadcastRoute::BadMethod;
    if (r.path == "/live" || r.path == "/live/") return BroadcastRoute::LivePage;
    if (r.path == "/mjpeg") return BroadcastRoute::Mjpeg;
    if (r.path == "/favicon.ico" || r.path == "/robots.txt") return BroadcastRoute::NotFound;
    // Media players that speak MMS over HTTP say so in their agent name or pragmas.
    const bool mmsh =
        ContainsNoCase(r.userAgent, "NSPlayer") || ContainsNoCase(r.userAgent, "NSServer") ||
        ContainsNoCase(r.pragma, "xClientGUID") || ContainsNoCase(r.pragma, "xPlayStrm");
    if (!mmsh) return BroadcastRoute::Stream;
    return ContainsNoCase(r.pragma, "xPlayStrm=1") ? BroadcastRoute::MmshPlay
                                                   : BroadcastRoute::MmshDescribe;
}

bool IsViewerRoute(BroadcastRoute route) {
    switch (route) {
        case BroadcastRoute::Stream:
        case BroadcastRoute::MmshDescribe:
        case BroadcastRoute::MmshPlay:
        case BroadcastRoute::Mjpeg:
        case BroadcastRoute::LivePage:
            return true;
        default:
            return false;
    }
}

QByteArray ResponseHead(BroadcastRoute route, int clientId, qsizetype contentLength) {
    QByteArray type;
    QByteArray extra;
    switch (route) {
        case BroadcastRoute::Stream:
            type = "video/x-ms-asf";
            break;
        case BroadcastRoute::MmshDescribe:
        case BroadcastRoute::MmshPlay:
            type = route == BroadcastRoute::MmshPlay ? "application/x-mms-framed"
                                                     : "application/vnd.ms.wms-hdr.asfv1";
            extra = "Pragma: client-id=" + QByteArray::number(clientId) +
                    "\r\nPragma: features=\"broadcast\"\r\n";
            break;
        case BroadcastRoute::Mjpeg:
            type = QByteArray("multipart/x-mixed-replace; boundary=") + kBoundary;
            break;
        default:
            type = "text/html; charset=utf-8";
            break;
    }
    QByteArray head = "HTTP/1.0 200 OK\r\nServer: Trelvix\r\nContent-Type: " + type +
                      "\r\nCache-Control: no-cache, no-store\r\nPragma: no-cache\r\n" + extra;
    if (contentLength >= 0) head += "Content-Length: " + QByteArray::number(contentLength) + "\r\n";
    return head + "Connection: close\r\n\r\n";
}

QByteArray ShortResponse(int status) {
    QByteArray reason;
    switch (status) {
        case 204:
            reason = "No Content";
            break;
        case 404:
            reason = "Not Found";
            break;
        case 401:
            reason = "Unauthorized";
            break;
        case 405:
            reason = "Method Not Allowed";
            break;
        case 503:
            reason = "Service Unavailable";
            break;
        default:
            status = 400;
            reason = "Bad Request";
            break;
    }
    const QByteArray body = status == 204 ? QByteArray() : reason + "\r\n";
    return "HTTP/1.0 " + QByteArray::number(status) + ' ' + reason + "\r\nServer: Trelvix\r\n" +
           (status == 401 ? "WWW-Authenticate: Basic realm=\"Trelvix\", charset=\"UTF-8\"\r\n"
                          : "") +
           "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

bool CredentialsAccepted(const HttpRequest& request, const QByteArray& password) {
    if (password.isEmpty()) return true;
    const QByteArray& a = request.authorization;
    if (a.size() < 6 || a.left(6).toLower() != "basic ") return false;
    const auto decoded =
        QByteArray::fromBase64Encoding(a.mid(6).trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return false;
    const qsizetype colon = decoded.decoded.indexOf(':');
    if (colon < 0) return false;
    const QByteArray given = decoded.decoded.mid(colon + 1);
    // Every byte compared, so the time taken does not tell how much of a guess was right.
    unsigned char diff = given.size() == password.size() ? 0 : 1;
    for (qsizetype i = 0; i < given.size(); ++i)
        diff |= uint8_t(given[i]) ^ uint8_t(password[i % password.size()]);
    return diff == 0;
}

QByteArray LivePage(const QString& title) {
    const QByteArray t = title.toHtmlEscaped().toUtf8();
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width\"><title>" +
           t +
           "</title><style>body{margin:0;background:#111;color:#ddd;font-family:sans-serif;"
           "text-align:center}img{max-width:100%;height:auto;display:block;margin:0 auto}"
           "</style></head>\n<body><p>" +
           t + "</p><img src=\"/mjpeg\" alt=\"live picture\"></body></html>\n";
}

QByteArray MjpegPart(const QByteArray& jpeg) {
    return "--" + QByteArray(kBoundary) +
           "\r\nContent-Type: image/jpeg\r\nContent-Length: " + QByteArray::number(jpeg.size()) +
           "\r\n\r\n" + jpeg + "\r\n";
}

}  // namespace trelvix
