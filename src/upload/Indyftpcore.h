// The FTP client of one camera's background upload, and of the FTP settings page's browser.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

typedef void CURL;

namespace trelvix {

// One entry of a remote folder listing.
struct FtpListEntry {
    QString name;
    bool folder = false;
    bool operator==(const FtpListEntry&) const = default;
};

// One control connection, used by one thread at a time (Abort() excepted). Login, folder
// change and every transfer of a batch share the connection; it stays open until Disconnect().
class TIndyFTPCore {
public:
    // Receives each connection status change as a line of text, on the calling thread.
    using StatusObserver = std::function<void(const QString& line)>;

    static constexpr int kConnectTimeoutSeconds = 15;
    // A transfer that moves no byte for this long, or a reply that does not come, fails.
    static constexpr int kStallSeconds = 30;

    TIndyFTPCore();
    ~TIndyFTPCore();  // QUIT when connected
    TIndyFTPCore(const TIndyFTPCore&) = delete;
    TIndyFTPCore& operator=(const TIndyFTPCore&) = delete;

    // Port text that is not an integer means 21. Does not connect.
    void SetServer(const QString& host, const QString& port, const QString& baseFolder,
                   const QString& password, const QString& user);
    // Logs in (USER, PASS); true at once when already connected.
    bool Connect();
    // CWD to baseFolder + subFolder; a missing sub-folder is made (MKD) and entered.
    bool ChangeToFolder(const QString& subFolder);
    // Stores every file (binary, replacing) in the folder; `remoteName`, when not empty, is the
    // name of every one of them. A file that fails is noted in lastError and the rest go on.
    void UploadFiles(const QStringList& localFiles, const QString& subFolder,
                     const QString& remoteName);
    // QUIT and close; harmless when not connected.
    void Disconnect();
    bool Connected() const { return connected_; }

    // For the settings page: CWD to an absolute folder (nothing is made), a listing of a
    // folder (folders and plain files only, in the server's order), and one file stored in
    // the folder entered last.
    bool EnterFolder(const QString& path);
    bool ListFolder(const QString& path, QList<FtpListEntry>* entries);
    bool StoreFile(const QString& localPath, const QString& remoteName);

    // Any thread: makes the operation in progress, and the rest of a batch, give up soon.
    void Abort() { aborted_ = true; }
    void ClearAbort() { aborted_ = false; }
    bool Aborted() const { return aborted_; }

    void SetStatusObserver(StatusObserver observer);

    QString host() const { return host_; }
    int port() const { return port_; }
    QString user() const { return user_; }

    // Parses a listing: MLSD lines when `machineReadable`, else LIST lines (Unix or DOS form).
    static QList<FtpListEntry> ParseListing(const QByteArray& text, bool machineReadable);

    QString baseFolder;
    QString lastError;  // the message of the most recent failure

private:
    bool EnsureHandle();
    // One request on the shared handle; false with lastError set on failure.
    bool Perform(const QString& what);
    bool EnterTarget(const QString& target, bool makeMissing);
    QByteArray Url(const QString& folder, const QString& file) const;
    void Fail(const QString& message);
    void Status(const QString& line) const;
    friend struct CurlCallbacks;

    CURL* curl_ = nullptr;
    char errorBuffer_[256] = {};
    bool connected_ = false;
    bool listingMachineReadable_ = true;
    QString host_;
    int port_ = 21;
    QString user_, password_;
    QString currentFolder_;  // set by a successful folder change
    QString lastReply_;      // the server's last reply line
    std::atomic<bool> aborted_{false};
    StatusObserver observer_;
};

}  // namespace trelvix
