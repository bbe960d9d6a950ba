// The requests the broadcast server answers and the responses it sends.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace trelvix {

struct HttpRequest {
    QByteArray method;
    QByteArray path;  // without the query
    QByteArray userAgent;
    QByteArray pragma;  // every "Pragma" header's value, joined by ","
    QByteArray authorization;
};

// Parses a request head (up to and including the empty line); nothing when it is not HTTP.
std::optional<HttpRequest> ParseHttpRequest(const QByteArray& head);

enum class BroadcastRoute {
    Stream,        // the ASF stream over plain HTTP
    MmshDescribe,  // a media player's first MMS-over-HTTP request: the header only
    MmshPlay,      // the MMS-over-HTTP stream
    Mjpeg,         // multipart JPEG pictures
    LivePage,      // the browser page
    NotFound,
    NoContent,  // a player's log or keep-alive post
    BadMethod,
};

BroadcastRoute RouteRequest(const HttpRequest& request);
// Whether the route serves a viewer, and so counts against the viewer limit.
bool IsViewerRoute(BroadcastRoute route);

// The status line and headers of a viewer route's answer; contentLength < 0 for none.
QByteArray ResponseHead(BroadcastRoute route, int clientId, qsizetype contentLength);
// A whole short answer: 204, 404, 405, 400 or 503; 401 asks for HTTP Basic credentials.
QByteArray ShortResponse(int status);
// Whether the request's HTTP Basic credentials carry `password` (any user name; players need
// one in "http://user:pw@host:port/"). An empty password lets everyone in.
bool CredentialsAccepted(const HttpRequest& request, const QByteArray& password);
// The page that shows the pictures of "/mjpeg".
QByteArray LivePage(const QString& title);
// One part of the "/mjpeg" stream.
QByteArray MjpegPart(const QByteArray& jpeg);

}  // namespace trelvix
