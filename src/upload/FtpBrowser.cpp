#include "upload/FtpBrowser.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "common/TextConv.h"
#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {
// How long a closing page waits for its QUIT before it cuts the connection, and then for the
// cut to take; a server that hangs beyond that is left to the browser's thread.
constexpr int kPoliteCloseMs = 500;
constexpr int kCutCloseMs = 1500;
}  // namespace

// Lives on the browser's thread; everything but the atomics and Cancel() is used only there.
class CFtpWorker : public QObject {
    Q_OBJECT
public:
    CFtpWorker() {
        // Failures are reported once, by the step that failed, with the client's message.
        core.SetStatusObserver([this](const QString& line) {
            if (!line.startsWith(QLatin1String("Error: "))) emit logLine(line);
        });
    }

    // The client's last words must not reach a half-destroyed worker.
    ~CFtpWorker() override { core.SetStatusObserver(nullptr); }

    void Cancel() {
        {
            std::lock_guard lock(mutex_);
            ++generation;
        }
        wake_.notify_all();
    }
    bool Cancelled(int gen) const { return generation != gen; }
    // Waits one pass; true when the job was cancelled meanwhile.
    bool WaitPass(int gen) {
        std::unique_lock lock(mutex_);
        wake_.wait_for(lock, std::chrono::milliseconds(passDelayMs.load()),
                       [&] { return Cancelled(gen); });
        return Cancelled(gen);
    }
    void JobEnded() {
        if (--pending == 0) emit idle();
    }

    bool EnsureLogin(const FtpLogin& login);
    void DoList(int request, const FtpLogin& login, const QString& path);
    void DoTest(int gen, const FtpLogin& login, const QString& folder,
                const FtpTestPicture& picture);

    std::atomic<int> generation{0};
    std::atomic<int> pending{0};
    std::atomic<int64_t> passDelayMs{CFtpBrowser::kPassDelay.count()};
    TIndyFTPCore core;

signals:
    void logLine(const QString& text);
    void loggedIn(bool ok);
    void folderListed(int request, const QString& path, const QList<trelvix::FtpListEntry>& entries,
                      bool ok);
    void testFinished();
    void idle();

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    FtpLogin current_;
    bool configured_ = false;
};

bool CFtpWorker::EnsureLogin(const FtpLogin& login) {
    const std::optional<int> port = CFtpBrowser::PortNumber(login.port);
    if (!port) {
        const QString text = LanguageText(text::kThePortMustBeANumber);
        emit logLine(text.contains(QLatin1String("%1")) ? text.arg(login.port) : login.port);
        return false;
    }
    // Changed fields mean another server or account: the open connection is not theirs.
    if (!configured_ || !(login == current_)) {
        core.SetServer(login.host, QString::number(*port), QString(), login.password, login.user);
        current_ = login;
        configured_ = true;
    }
    if (core.Connect()) return true;
    emit logLine(core.lastError);
    return false;
}

void CFtpWorker::DoList(int request, const FtpLogin& login, const QString& path) {
    QList<FtpListEntry> entries;
    bool ok = EnsureLogin(login);
    if (ok) {
        ok = core.ListFolder(path, &entries);
        if (!ok) emit logLine(core.lastError);
    }
    emit folderListed(request, path, entries, ok);
}

void CFtpWorker::DoTest(int gen, const FtpLogin& login, const QString& folder,
                        const FtpTestPicture& picture) {
    if (!EnsureLogin(login)) return;
    if (picture.request) picture.request();
    if (!core.EnterFolder(folder)) {
        emit logLine(core.lastError);
        return;
    }
    for (int pass = 0; pass < CFtpBrowser::kTestPasses; ++pass) {
        if (WaitPass(gen)) return;
        const QString path = picture.newest ? picture.newest() : QString();
        // Saying "ok" for a pass that sent nothing would report a failure as success.
        if (path.isEmpty()) {
            emit logLine(LanguageText(text::kNoPictureToUploadTheCamera));
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            emit logLine(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
            return;
        }
        file.close();
        if (core.StoreFile(path, QFileInfo(path).fileName()))
            emit logLine(QStringLiteral("upload file is ok."));
        else
            emit logLine(core.lastError);
    }
}

CFtpBrowser::CFtpBrowser(QObject* parent)
    : QObject(parent), thread_(new QThread), worker_(new CFtpWorker) {
    thread_->setObjectName(QStringLiteral("ftp-browser"));
    worker_->moveToThread(thread_);
    connect(worker_, &CFtpWorker::logLine, this, &CFtpBrowser::logLine);
    connect(worker_, &CFtpWorker::loggedIn, this, &CFtpBrowser::loggedIn);
    connect(worker_, &CFtpWorker::folderListed, this, &CFtpBrowser::folderListed);
    connect(worker_, &CFtpWorker::testFinished, this, &CFtpBrowser::testFinished);
    connect(worker_, &CFtpWorker::idle, this, &CFtpBrowser::idle);
    thread_->start();
}

namespace {
// Runs `job(generation)` on the worker's thread unless a Close() came between; `always` jobs
// run anyway.
template <typename Job>
void Queue(CFtpWorker* worker, Job job, bool always = false) {
    ++worker->pending;
    const int gen = worker->generation;
    QMetaObject::invokeMethod(
        worker,
        [worker, gen, always, job = std::move(job)]() mutable {
            if (always || !worker->Cancelled(gen)) job(gen);
            worker->JobEnded();
        },
        Qt::QueuedConnection);
}
}  // namespace

CFtpBrowser::~CFtpBrowser() {
    Close();
    Queue(
        worker_, [](int) { QThread::currentThread()->quit(); }, true);
    if (!thread_->wait(QDeadlineTimer(kPoliteCloseMs))) {
        worker_->core.Abort();
        if (!thread_->wait(QDeadlineTimer(kCutCloseMs))) {
            // Still stuck in a server's reply: the thread ends on its own and cleans up then.
            disconnect(worker_, nullptr, this, nullptr);
            CFtpWorker* worker = worker_;
            QThread* thread = thread_;
            connect(thread, &QThread::finished, thread, [worker, thread] {
                delete worker;
                thread->deleteLater();
            });
            return;
        }
    }
    delete worker_;
    delete thread_;
}

int CFtpBrowser::Login(const FtpLogin& login) {
    const int request = nextRequest_++;
    Queue(worker_, [w = worker_, request, login](int) {
        const bool ok = w->EnsureLogin(login);
        emit w->loggedIn(ok);
        if (ok) w->DoList(request, login, QStringLiteral("/"));
    });
    return request;
}

int CFtpBrowser::List(const FtpLogin& login, const QString& path) {
    const int request = nextRequest_++;
    Queue(worker_, [w = worker_, request, login, path](int) { w->DoList(request, login, path); });
    return request;
}

void CFtpBrowser::TestUpload(const FtpLogin& login, const QString& folder, FtpTestPicture picture) {
    Queue(worker_, [w = worker_, login, folder, picture = std::move(picture)](int gen) {
        w->DoTest(gen, login, folder, picture);
        emit w->testFinished();
    });
}

void CFtpBrowser::Close() {
    worker_->Cancel();
    Queue(
        worker_, [w = worker_](int) { w->core.Disconnect(); }, true);
}

int CFtpBrowser::PendingJobs() const {
    return worker_->pending;
}

void CFtpBrowser::SetPassDelay(std::chrono::milliseconds delay) {
    worker_->passDelayMs = delay.count();
}

QString CFtpBrowser::TreePath(const QStringList& textsFromRoot) {
    QString path;
    for (const QString& text : textsFromRoot) {
        path += text;
        if (text != QLatin1String("/")) path += QLatin1Char('/');
    }
    return path;
}

std::optional<int> CFtpBrowser::PortNumber(const QString& text) {
    const std::optional<int> port = TextToInt(text);
    if (!port || *port < 1 || *port > 65535) return std::nullopt;
    return port;
}

}  // namespace trelvix

#include "FtpBrowser.moc"
