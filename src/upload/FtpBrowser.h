// The FTP settings page's own server connection: login, folder listings and the test upload,
// run one after another on a thread of their own so that no window ever waits on a server.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>

#include "upload/Indyftpcore.h"

class QThread;

namespace trelvix {

// A server login as the page's fields give it; the port is still text.
struct FtpLogin {
    QString host, port, user, password;
    bool operator==(const FtpLogin&) const = default;
};

// The camera side of a test upload. Both are called on the browser's thread.
struct FtpTestPicture {
    std::function<void()> request;    // asks the camera for a test picture
    std::function<QString()> newest;  // the camera's newest stored picture; empty when none
};

class CFtpWorker;

class CFtpBrowser : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kPassDelay{1000};
    static constexpr int kTestPasses = 5;

    explicit CFtpBrowser(QObject* parent = nullptr);
    // Ends the running job soon and says QUIT; never waits long on a server that hangs.
    ~CFtpBrowser() override;

    // Each job runs after the ones queued before it; an open connection to the same login is
    // reused, another login replaces it. Login lists "/" after a successful login, reported
    // under the number it returns.
    int Login(const FtpLogin& login);
    int List(const FtpLogin& login, const QString& path);
    // Logs in, asks for a picture, enters `folder` (nothing is made) and stores the newest
    // picture under its own name in each of the passes.
    void TestUpload(const FtpLogin& login, const QString& folder, FtpTestPicture picture);
    // Drops the queued jobs, cuts the waits of the running one short and closes the
    // connection.
    void Close();

    // Jobs queued or running.
    int PendingJobs() const;
    void SetPassDelay(std::chrono::milliseconds delay);

    // The folder path of a tree node from the texts of the root down: "/" after every text
    // that is not itself "/", so every path ends with "/".
    static QString TreePath(const QStringList& textsFromRoot);
    // A port text as a port number; none unless it is a whole number from 1 to 65535.
    static std::optional<int> PortNumber(const QString& text);

signals:
    // A connection status change or a failure's message, in the order they happen.
    void logLine(const QString& text);
    void loggedIn(bool ok);
    // A folder's folders and plain files in the server's order; on failure, `ok` is false.
    void folderListed(int request, const QString& path, const QList<trelvix::FtpListEntry>& entries,
                      bool ok);
    void testFinished();
    // The last queued job has ended.
    void idle();

private:
    QThread* thread_;
    CFtpWorker* worker_;
    int nextRequest_ = 1;
};

}  // namespace trelvix
