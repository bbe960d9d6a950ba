// GStreamer's RTSP server on loopback (rtsp_server.py) with an H.264 moving ball at "/live".
#pragma once

#include <QProcess>
#include <QString>

namespace trelvix::test {

class RtspServer {
public:
    ~RtspServer() { Kill(); }
    // With `sent`, the server appends every access unit it sends to that file.
    bool Start(int port, const QString& sent = {}) {
        QStringList args{QStringLiteral(TRELVIX_RTSP_SERVER), QString::number(port)};
        if (!sent.isEmpty()) args << sent;
        process_.start(QStringLiteral("/usr/bin/python3"), args);
        if (!process_.waitForStarted() || !process_.waitForReadyRead(20000)) return false;
        port_ = QString::fromUtf8(process_.readLine()).trimmed().section(' ', 1).toInt();
        return port_ > 0;
    }
    void Kill() {
        process_.kill();
        process_.waitForFinished();
    }
    QString Url() const { return QStringLiteral("rtsp://127.0.0.1:%1/live").arg(port_); }
    int port() const { return port_; }

private:
    QProcess process_;
    int port_ = 0;
};

}  // namespace trelvix::test
