#include "upload/Indyftpcore.h"

#include <curl/curl.h>
#include <sys/socket.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <mutex>

namespace trelvix {

namespace {

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t DiscardBody(char*, size_t size, size_t count, void*) {
    return size * count;
}

size_t AppendBody(char* data, size_t size, size_t count, void* out) {
    static_cast<QByteArray*>(out)->append(data, qsizetype(size * count));
    return size * count;
}

size_t ReadFile(char* buffer, size_t size, size_t count, void* file) {
    const qint64 n = static_cast<QFile*>(file)->read(buffer, qint64(size * count));
    return n < 0 ? size_t(CURL_READFUNC_ABORT) : size_t(n);
}

// A host name that cannot break out of the URL's host part.
QString UrlHost(const QString& host) {
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9._:-]+$"));
    QString ace = QString::fromLatin1(QUrl::toAce(host));
    if (ace.isEmpty() || !allowed.match(ace).hasMatch()) return QString();
    if (ace.contains(QLatin1Char(':'))) ace = QLatin1Char('[') + ace + QLatin1Char(']');
    return ace;
}

}  // namespace

// libcurl's callbacks, with access to the client.
struct CurlCallbacks {
    // FTP replies arrive here: the last one explains a failure better than libcurl's text.
    static size_t Reply(char* data, size_t size, size_t count, void* self) {
        const QString line = QString::fromUtf8(data, qsizetype(size * count)).trimmed();
        if (!line.isEmpty()) static_cast<TIndyFTPCore*>(self)->lastReply_ = line;
        return size * count;
    }

    static int Progress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
        return static_cast<TIndyFTPCore*>(self)->aborted_ ? 1 : 0;
    }

    static int Debug(CURL*, curl_infotype type, char* data, size_t size, void* self) {
        if (type != CURLINFO_TEXT) return 0;
        const QString text = QString::fromUtf8(data, qsizetype(size)).trimmed();
        auto* core = static_cast<TIndyFTPCore*>(self);
        if (text.startsWith(QLatin1String("Trying "))) {
            QString address = text.mid(7);
            while (address.endsWith(QLatin1Char('.'))) address.chop(1);
            core->Status(QStringLiteral("Connecting to %1.").arg(address));
        } else if (text.startsWith(QLatin1String("Connected to "))) {
            core->Status(QStringLiteral("Connected to %1:%2.").arg(core->host_).arg(core->port_));
        }
        return 0;
    }
};

TIndyFTPCore::TIndyFTPCore() {
    InitCurlOnce();
}

TIndyFTPCore::~TIndyFTPCore() {
    Disconnect();
}

void TIndyFTPCore::SetServer(const QString& host, const QString& port, const QString& base,
                             const QString& password, const QString& user) {
    // The open connection belongs to the old server.
    Disconnect();
    host_ = host;
    bool ok = false;
    const int p = port.toInt(&ok, 10);
    port_ = ok ? p : 21;
    baseFolder = base;
    password_ = password;
    user_ = user;
}

void TIndyFTPCore::SetStatusObserver(StatusObserver observer) {
    observer_ = std::move(observer);
    if (curl_) curl_easy_setopt(curl_, CURLOPT_VERBOSE, observer_ ? 1L : 0L);
}

void TIndyFTPCore::Status(const QString& line) const {
    if (observer_) observer_(line);
}

void TIndyFTPCore::Fail(const QString& message) {
    lastError = message;
    Status(QStringLiteral("Error: %1").arg(message));
}

bool TIndyFTPCore::EnsureHandle() {
    if (curl_) return true;
    curl_ = curl_easy_init();
    if (!curl_) {
        Fail(QStringLiteral("Out of memory"));
        return false;
    }
    CURL* c = curl_;
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorBuffer_);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(c, CURLOPT_PROXY, "");
    // Active mode with PORT, which is IPv4 only.
    curl_easy_setopt(c, CURLOPT_IPRESOLVE, long(CURL_IPRESOLVE_V4));
    curl_easy_setopt(c, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(c, CURLOPT_FTP_USE_EPRT, 0L);
    curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L);
    // Bounded waits, so a dead or stalled server never holds the thread for long.
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(kConnectTimeoutSeconds));
    curl_easy_setopt(c, CURLOPT_ACCEPTTIMEOUT_MS, long(kConnectTimeoutSeconds) * 1000L);
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(kStallSeconds));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, long(kStallSeconds));
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &CurlCallbacks::Progress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, &CurlCallbacks::Debug);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(c, CURLOPT_VERBOSE, observer_ ? 1L : 0L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &DiscardBody);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, &ReadFile);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &CurlCallbacks::Reply);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, this);
    return true;
}

namespace {

// A name the server could read as a path, or as more than one command, would store outside
// the upload folder.
bool SafeRemoteName(const QString& name) {
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\\\r\\n]"));
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(unsafe);
}

bool SafeRemoteFolder(const QString& folder) {
    if (folder.contains(QLatin1Char('\r')) || folder.contains(QLatin1Char('\n'))) return false;
    const QStringList parts = folder.split(QRegularExpression(QStringLiteral("[/\\\\]")));
    return !parts.contains(QStringLiteral(".."));
}

}  // namespace

QByteArray TIndyFTPCore::Url(const QString& folder, const QString& file) const {
    QByteArray path;
    if (!folder.isEmpty()) {
        path = QUrl::toPercentEncoding(folder, "/");
        if (!path.endsWith('/')) path += '/';
        // An absolute folder: the URL's path is relative to the login folder otherwise.
        if (path.startsWith('/')) path.replace(0, 1, "%2F");
    }
    return "ftp://" + UrlHost(host_).toUtf8() + ':' + QByteArray::number(port_) + '/' + path +
           QUrl::toPercentEncoding(file);
}

bool TIndyFTPCore::Perform(const QString& what) {
    if (aborted_) {
        Fail(QStringLiteral("%1: aborted").arg(what));
        return false;
    }
    if (UrlHost(host_).isEmpty()) {
        Fail(QStringLiteral("%1: invalid host name \"%2\"").arg(what, host_));
        return false;
    }
    curl_easy_setopt(curl_, CURLOPT_USERNAME, user_.toUtf8().constData());
    curl_easy_setopt(curl_, CURLOPT_PASSWORD, password_.toUtf8().constData());
    errorBuffer_[0] = 0;
    lastReply_.clear();
    const CURLcode rc = curl_easy_perform(curl_);
    if (rc == CURLE_OK) return true;
    QString message = QString::fromUtf8(errorBuffer_);
    // libcurl 7.88 notes this for every accepted data connection; it explains no failure.
    if (message.startsWith(QLatin1String("sa_addr inet_ntop()")) || message.isEmpty())
        message = QString::fromUtf8(curl_easy_strerror(rc));
    if (lastReply_.startsWith(QLatin1Char('4')) || lastReply_.startsWith(QLatin1Char('5')))
        message += QStringLiteral(" (%1)").arg(lastReply_);
    // Any failure may have closed the control connection.
    connected_ = false;
    Fail(QStringLiteral("%1: %2").arg(what, message));
    return false;
}

bool TIndyFTPCore::Connect() {
    if (connected_) return true;
    if (!EnsureHandle()) return false;
    Status(QStringLiteral("Resolving hostname %1.").arg(host_));
    curl_easy_setopt(curl_, CURLOPT_URL, Url(QString(), QString()).constData());
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl_, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(curl_, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_NONE));
    if (!Perform(QStringLiteral("Login"))) return false;
    connected_ = true;
    currentFolder_.clear();
    Status(QStringLiteral("Logged in as %1.").arg(user_));
    return true;
}

bool TIndyFTPCore::EnterTarget(const QString& target, bool makeMissing) {
    if (!EnsureHandle()) return false;
    curl_easy_setopt(curl_, CURLOPT_URL, Url(target, QString()).constData());
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl_, CURLOPT_UPLOAD, 0L);
    // A concurrent client may make the folder between CWD and MKD: the second CWD still counts.
    curl_easy_setopt(curl_, CURLOPT_FTP_CREATE_MISSING_DIRS,
                     long(makeMissing ? CURLFTP_CREATE_DIR_RETRY : CURLFTP_CREATE_DIR_NONE));
    if (!Perform(QStringLiteral("CWD %1").arg(target))) return false;
    connected_ = true;
    currentFolder_ = target;
    return true;
}

bool TIndyFTPCore::ChangeToFolder(const QString& subFolder) {
    const QString target = subFolder.isEmpty() ? baseFolder : baseFolder + subFolder;
    // The login folder is not an upload folder: an empty path is refused as a server would.
    if (target.isEmpty()) {
        Fail(QStringLiteral("CWD: no folder given"));
        return false;
    }
    return EnterTarget(target, !subFolder.isEmpty());
}

bool TIndyFTPCore::EnterFolder(const QString& path) {
    if (!Connect()) return false;
    if (path.isEmpty()) {
        Fail(QStringLiteral("CWD: no folder given"));
        return false;
    }
    return EnterTarget(path, false);
}

bool TIndyFTPCore::StoreFile(const QString& localPath, const QString& remoteName) {
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(QStringLiteral("Cannot open %1: %2").arg(localPath, file.errorString()));
        return false;
    }
    if (!EnsureHandle()) return false;
    Status(QStringLiteral("Sending %1.").arg(remoteName));
    curl_easy_setopt(curl_, CURLOPT_URL, Url(currentFolder_, remoteName).constData());
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(curl_, CURLOPT_UPLOAD, 1L);
    // The folder exists by now; a "/" in the name must not make folders.
    curl_easy_setopt(curl_, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_NONE));
    curl_easy_setopt(curl_, CURLOPT_READDATA, &file);
    curl_easy_setopt(curl_, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    const bool ok = Perform(QStringLiteral("STOR %1").arg(remoteName));
    curl_easy_setopt(curl_, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(curl_, CURLOPT_READDATA, nullptr);
    curl_easy_setopt(curl_, CURLOPT_INFILESIZE_LARGE, curl_off_t(-1));
    if (ok) connected_ = true;
    return ok;
}

void TIndyFTPCore::UploadFiles(const QStringList& localFiles, const QString& subFolder,
                               const QString& remoteName) {
    if (!SafeRemoteFolder(baseFolder + subFolder)) {
        Fail(QStringLiteral("Refused folder %1: it leads out of the upload folder")
                 .arg(baseFolder + subFolder));
        return;
    }
    if (!remoteName.isEmpty() && !SafeRemoteName(remoteName)) {
        Fail(QStringLiteral("Refused file name %1: it is not a plain name").arg(remoteName));
        return;
    }
    if (!Connect()) return;
    if (!ChangeToFolder(subFolder)) return;
    for (const QString& path : localFiles) {
        if (aborted_) {
            Fail(QStringLiteral("Upload aborted"));
            return;
        }
        StoreFile(path, remoteName.isEmpty() ? QFileInfo(path).fileName() : remoteName);
    }
}

bool TIndyFTPCore::ListFolder(const QString& path, QList<FtpListEntry>* entries) {
    if (!Connect()) return false;
    if (path.isEmpty()) {
        Fail(QStringLiteral("CWD: no folder given"));
        return false;
    }
    QByteArray body;
    Status(QStringLiteral("Listing %1.").arg(path));
    curl_easy_setopt(curl_, CURLOPT_URL, Url(path, QString()).constData());
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(curl_, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(curl_, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_NONE));
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &AppendBody);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &body);
    bool ok = false;
    for (int attempt = 0; attempt < 2 && !ok; ++attempt) {
        body.clear();
        const bool mlsd = listingMachineReadable_;
        curl_easy_setopt(curl_, CURLOPT_CUSTOMREQUEST, mlsd ? "MLSD" : "LIST");
        ok = Perform(QStringLiteral("%1 %2").arg(mlsd ? QStringLiteral("MLSD") : "LIST", path));
        long code = 0;
        curl_easy_getinfo(curl_, CURLINFO_RESPONSE_CODE, &code);
        // A server without the machine-readable listing answers 500 to 504: fall back to LIST.
        if (ok || !mlsd || code < 500 || code > 504) break;
        listingMachineReadable_ = false;
    }
    const bool machineReadable = listingMachineReadable_;
    curl_easy_setopt(curl_, CURLOPT_CUSTOMREQUEST, nullptr);
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &DiscardBody);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, nullptr);
    if (!ok) return false;
    connected_ = true;
    currentFolder_ = path;
    if (entries) *entries += ParseListing(body, machineReadable);
    return true;
}

QList<FtpListEntry> TIndyFTPCore::ParseListing(const QByteArray& text, bool machineReadable) {
    static const QRegularExpression dos(
        QStringLiteral("^\\d\\d-\\d\\d-\\d\\d(?:\\d\\d)?\\s+\\d\\d?:\\d\\d(?:AM|PM)?\\s+"
                       "(<DIR>|\\d+)\\s+(.+)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QList<FtpListEntry> out;
    for (QByteArray raw : text.split('\n')) {
        while (raw.endsWith('\r')) raw.chop(1);
        const QString line = QString::fromUtf8(raw);
        if (line.trimmed().isEmpty()) continue;
        FtpListEntry e;
        if (machineReadable) {
            // "fact=value;fact=value; name": the name follows the first space.
            const qsizetype sp = line.indexOf(QLatin1Char(' '));
            if (sp < 0) continue;
            QString type;
            for (const QString& fact : line.left(sp).split(QLatin1Char(';'))) {
                if (fact.startsWith(QLatin1String("type="), Qt::CaseInsensitive))
                    type = fact.mid(5).toLower();
            }
            if (type != QLatin1String("dir") && type != QLatin1String("file")) continue;
            e.folder = type == QLatin1String("dir");
            e.name = line.mid(sp + 1);
        } else if (const auto m = dos.match(line); m.hasMatch()) {
            e.folder = m.captured(1).compare(QLatin1String("<DIR>"), Qt::CaseInsensitive) == 0;
            e.name = m.captured(2);
        } else {
            // Unix form: type and mode, links, owner, group, size, three date fields, name.
            const QChar kind = line.at(0);
            if (kind != QLatin1Char('d') && kind != QLatin1Char('-')) continue;
            qsizetype pos = 0;
            int field = 0;
            while (field < 8 && pos < line.size()) {
                const auto m = space.match(line, pos);
                if (!m.hasMatch()) {
                    pos = line.size();
                    break;
                }
                pos = m.capturedEnd();
                ++field;
            }
            if (field < 8 || pos >= line.size()) continue;
            e.folder = kind == QLatin1Char('d');
            e.name = line.mid(pos);
        }
        // A name with a line break could never be sent back in a command: not offered.
        if (e.name.isEmpty() || e.name == QLatin1String(".") || e.name == QLatin1String("..") ||
            e.name.contains(QLatin1Char('\r')))
            continue;
        out.append(e);
    }
    return out;
}

void TIndyFTPCore::Disconnect() {
    if (!curl_) return;
    curl_socket_t socket = CURL_SOCKET_BAD;
    if (curl_easy_getinfo(curl_, CURLINFO_ACTIVESOCKET, &socket) != CURLE_OK)
        socket = CURL_SOCKET_BAD;
    const bool wasConnected = connected_ || socket != CURL_SOCKET_BAD;
    if (wasConnected) Status(QStringLiteral("Disconnecting."));
    // A stop does not wait for the server's answer to QUIT.
    if (aborted_ && socket != CURL_SOCKET_BAD) ::shutdown(socket, SHUT_RDWR);
    curl_easy_cleanup(curl_);
    curl_ = nullptr;
    connected_ = false;
    currentFolder_.clear();
    if (wasConnected) Status(QStringLiteral("Disconnected."));
}

}  // namespace trelvix
