// A network camera on loopback for tests: a small Python HTTP server (mjpeg_server.py) serving
// a few JPEG pictures of a moving square as a stream, as single pictures and behind a password.
#pragma once

#include <QProcess>
#include <algorithm>

#include "common/Frame.h"
#include "common/Jpeg.h"
#include "support/Processes.h"
#include "support/TestFiles.h"

namespace trelvix::test {

// Pictures of a yellow square moving across a grey ground, so motion and changes show.
class CameraServer {
public:
    explicit CameraServer(const QString& folder) : folder_(folder) {
        for (int i = 0; i < 6; ++i) {
            VideoFrame f;
            f.Resize(320, 240);
            std::fill(f.data.begin(), f.data.end(), uint8_t(90));
            for (int y = 80; y < 160; ++y)
                for (int x = 40 * i; x < 40 * i + 80; ++x) {
                    f.Row(y)[3 * x + 1] = 250;
                    f.Row(y)[3 * x + 2] = 200;  // yellow: red and blue must not trade places
                }
            WriteFile(QStringLiteral("%1/%2.jpg").arg(folder).arg(i),
                      EncodeJpeg(f.data.data(), f.width, f.height, f.stride, kPixelRGB24));
        }
    }
    ~CameraServer() { Kill(); }
    bool Start(int port = 0) {
        process_.setProgram(QStringLiteral("/usr/bin/python3"));
        process_.setArguments({QStringLiteral(TRELVIX_CAMERA_SERVER), folder_, QStringLiteral("15"),
                               QString::number(port)});
        process_.start();
        if (!process_.waitForStarted() || !process_.waitForReadyRead(10000)) return false;
        port_ = QString::fromUtf8(process_.readLine()).trimmed().section(' ', 1).toInt();
        return port_ > 0;
    }
    void Kill() {
        process_.kill();
        process_.waitForFinished();
    }
    QString Url(const char* path, const char* userInfo = "") const {
        return QStringLiteral("http://") + userInfo + QStringLiteral("127.0.0.1:") +
               QString::number(port_) + path;
    }
    int port() const { return port_; }

private:
    QString folder_;
    QProcess process_;
    int port_ = 0;
};

}  // namespace trelvix::test
