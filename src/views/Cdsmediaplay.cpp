#include "views/Cdsmediaplay.h"

#include <QMediaMetaData>

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVideoSink>
#include <QVideoWidget>
#include <mutex>

#include "common/Messages.h"
#include "config/Option.h"
#include "history/Cfilefilter.h"
#include "history/MediaRemux.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {
std::mutex sinkMutex;
std::function<void(const QString&)> messageSink;
constexpr int kLoadTimeoutMs = 8000;
}  // namespace

QString PlayTimeText(int seconds) {
    const int s = std::max(0, seconds);
    return QString::asprintf("%02d:%02d:%02d", s / 3600, (s / 60) % 60, s % 60);
}

QString PlayStateText(const QString& path, double rate, bool paused) {
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString name = path.mid(slash + 1);
    return QStringLiteral("%1 [%2] %3")
        .arg(name, QString::asprintf("Rate: %2.2lf", rate),
             paused ? QStringLiteral("(Pause)") : QString());
}

void CDSMediaPlay::SetMessageSink(std::function<void(const QString&)> sink) {
    std::lock_guard lock(sinkMutex);
    messageSink = std::move(sink);
}

CDSMediaPlay::CDSMediaPlay(QWidget* ownerWindow, QWidget* panel)
    : owner(ownerWindow), videoPanel(panel) {
    player = new QMediaPlayer(this);
    audio_ = new QAudioOutput(this);
    player->setAudioOutput(audio_);
    video_ = new QVideoWidget;
    // The video's own window must not turn the viewer's other widgets into windows too.
    video_->setAttribute(Qt::WA_DontCreateNativeAncestors);
    video_->setParent(panel);
    video_->hide();
    player->setVideoOutput(video_);
    picture_ = new QLabel(panel);
    picture_->setScaledContents(true);
    picture_->hide();
    connect(player, &QMediaPlayer::mediaStatusChanged, this, &CDSMediaPlay::OnStatus);
    // A copied camera's recording carries its caption and time as text: shown, as on Windows
    // they were drawn into the pictures.
    connect(player, &QMediaPlayer::tracksChanged, this, [this] {
        if (!player->subtitleTracks().isEmpty() && player->activeSubtitleTrack() < 0)
            player->setActiveSubtitleTrack(0);
    });
    connect(player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error e, const QString&) {
                if (e == QMediaPlayer::NoError) return;
                if (state == kOpening) {
                    FailOpen();
                } else if (IsLoaded()) {
                    // A failure while playing ends the playback like its end would.
                    Close();
                    Notify(PlayerNotice::kEnded, 0);
                }
            });
    connect(player, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
        if (state == kOpening || !IsLoaded()) return;
        durationSeconds = ms > 0 ? int(ms / 1000) : 0;
        Notify(PlayerNotice::kDuration, durationSeconds);
    });
    // A seek while the player starts is lost: the start is sought until the position shows it.
    connect(player, &QMediaPlayer::positionChanged, this, [this](qint64 ms) {
        if (startAtMs_ <= 0 || state != kRunning) return;
        if (std::abs(ms - startAtMs_) <= 1000)
            startAtMs_ = 0;
        else
            player->setPosition(startAtMs_);
    });
    openTimer_.setSingleShot(true);
    connect(&openTimer_, &QTimer::timeout, this, [this] {
        if (state == kOpening) FailOpen();
    });
    // Queued: the sink announces the size while holding its own lock, which videoSize() takes.
    connect(
        video_->videoSink(), &QVideoSink::videoSizeChanged, this,
        [this] {
            if (fileKind == CFileFilter::kVideo && IsLoaded()) SetVideoScale(scale);
        },
        Qt::QueuedConnection);
}

CDSMediaPlay::~CDSMediaPlay() {
    Close();
    delete video_.data();
    delete picture_.data();
}

void CDSMediaPlay::ShowMessage(QWidget* parent, const QString& text) {
    std::function<void(const QString&)> sink;
    {
        std::lock_guard lock(sinkMutex);
        sink = messageSink;
    }
    const QString cut = text.left(1023);
    if (sink)
        sink(cut);
    else
        QMessageBox::warning(parent, LanguageText(text::kTrelvix), cut);
}

void CDSMediaPlay::Notify(PlayerNotice notice, int seconds) {
    PostMessage(owner, PlayerReportMessage{notice, seconds});
}

QString CDSMediaPlay::StateText() const {
    return PlayStateText(path, rate, state == kPaused);
}

void CDSMediaPlay::SendStateText() {
    if (owner) PostMessage(owner, PlayerStateMessage{StateText()});
}

bool CDSMediaPlay::Open(const QString& file, qint64 startMs) {
    if (IsLoaded())
        Close();
    else
        SendStateText();
    path = file;
    state = kOpening;
    if (owner) owner->update();
    fileKind = CFileFilter().Classify(file);
    videoWidth = videoHeight = 0;
    durationSeconds = 0;

    if (fileKind == CFileFilter::kImage) {
        QImageReader reader(file);
        const QImage image = reader.read();
        if (image.isNull()) {
            ShowMessage(owner, QStringLiteral("Can't play.Please download codec"));
            Close();
            return false;
        }
        pixmap_ = QPixmap::fromImage(image);
        picture_->setPixmap(pixmap_);
        picture_->show();
        rate = 1.0;
        SetVideoScale(1.0);
        Notify(PlayerNotice::kCleared, 0);
        state = kRunning;
        SendStateText();
        return true;
    }

    // The media load in the background; the verdict comes through the player's signals, so
    // nothing waits here and the viewer may close meanwhile.
    loadedSize_ = QFileInfo(file).size();
    resumeAtMs_ = 0;
    startAtMs_ = startMs;
    player->setSource(QUrl::fromLocalFile(file));
    openTimer_.start(kLoadTimeoutMs);
    if (LoadDecided()) QTimer::singleShot(0, this, [this] { OnStatus(player->mediaStatus()); });
    return true;
}

bool CDSMediaPlay::LoadDecided() const {
    const auto s = player->mediaStatus();
    return s == QMediaPlayer::LoadedMedia || s == QMediaPlayer::BufferedMedia ||
           s == QMediaPlayer::InvalidMedia || player->error() != QMediaPlayer::NoError;
}

void CDSMediaPlay::FailOpen() {
    // The player reports one failure more than once, even from inside Close(): once is enough.
    if (state != kOpening) return;
    state = kIdle;
    openTimer_.stop();
    ShowMessage(owner, QStringLiteral("Can't play.Please download codec"));
    Close();
    emit opened(false);
}

void CDSMediaPlay::FinishOpen() {
    openTimer_.stop();
    if (player->mediaStatus() == QMediaPlayer::InvalidMedia ||
        player->error() != QMediaPlayer::NoError) {
        FailOpen();
        return;
    }
    const bool resuming = resumeAtMs_ > 0;
    if (copy_.isEmpty() && player->hasVideo() &&
        ProbeDurationMs(path) > player->duration() + 1000 && LoadIndexedCopy())
        return;
    // Playing now: the player's own signals from play() find the open finished.
    state = kRunning;
    if (!player->hasVideo()) fileKind = CFileFilter::kAudio;
    if (fileKind != CFileFilter::kAudio && !resuming) {
        video_->show();
        SetVideoScale(1.0);
    }
    if (!resuming) rate = 1.0;
    player->setPlaybackRate(rate);
    if (resuming) player->setPosition(resumeAtMs_);
    resumeAtMs_ = 0;
    SendStateText();
    player->play();
    const qint64 ms = player->duration();
    durationSeconds = ms > 0 ? int(ms / 1000) : 0;
    Notify(PlayerNotice::kDuration, durationSeconds);
    ReportPosition();
    if (!resuming) emit opened(true);
}

bool CDSMediaPlay::ContinueGrownFile() {
    const qint64 size = QFileInfo(path).size();
    if (size <= loadedSize_) return false;
    loadedSize_ = size;
    resumeAtMs_ = std::max<qint64>(1, player->position());
    state = kOpening;
    if (!copy_.isEmpty()) return LoadIndexedCopy();
    player->setSource(QUrl());
    player->setSource(QUrl::fromLocalFile(path));
    openTimer_.start(kLoadTimeoutMs);
    return true;
}

bool CDSMediaPlay::LoadIndexedCopy() {
    if (!copies_) copies_ = std::make_unique<QTemporaryDir>();
    const QString previous = copy_;
    static int serial = 0;
    const QString copy = copies_->filePath(QStringLiteral("play%1.mp4").arg(++serial));
    if (!copies_->isValid() || !RemuxCopy(path, copy)) return false;
    copy_ = copy;
    player->setSource(QUrl::fromLocalFile(copy_));
    if (!previous.isEmpty()) QFile::remove(previous);
    openTimer_.start(kLoadTimeoutMs);
    return true;
}

void CDSMediaPlay::Close() {
    openTimer_.stop();
    resumeAtMs_ = startAtMs_ = 0;
    if (!copy_.isEmpty()) {
        player->setSource(QUrl());
        QFile::remove(copy_);
        copy_.clear();
    }
    if (fileKind == kNothingLoaded) return;
    if (fileKind == CFileFilter::kAudio || fileKind == CFileFilter::kVideo ||
        player->playbackState() != QMediaPlayer::StoppedState)
        player->stop();
    player->setSource(QUrl());
    if (video_) video_->hide();
    if (picture_) {
        picture_->hide();
        picture_->clear();
    }
    pixmap_ = QPixmap();
    fileKind = kNothingLoaded;
    path.clear();
    state = kIdle;
    if (videoPanel) videoPanel->update();
    SendStateText();
    if (owner) owner->update();
}

void CDSMediaPlay::OnStatus(QMediaPlayer::MediaStatus status) {
    if (state == kOpening) {
        if (fileKind != kNothingLoaded && LoadDecided()) FinishOpen();
        return;
    }
    // The end of the file unloads it, unless the file is still being recorded.
    if (status == QMediaPlayer::EndOfMedia && IsLoaded() && !ContinueGrownFile()) {
        Close();
        Notify(PlayerNotice::kEnded, 0);
    }
}

void CDSMediaPlay::TogglePause() {
    if (state == kPaused) {
        if (fileKind != CFileFilter::kImage) player->play();
        state = kRunning;
    } else if (state == kRunning) {
        if (fileKind != CFileFilter::kImage) player->pause();
        state = kPaused;
    }
    SendStateText();
}

void CDSMediaPlay::Resume() {
    if (fileKind != CFileFilter::kImage) {
        player->play();
        if (player->error() != QMediaPlayer::NoError) {
            ShowMessage(owner, QStringLiteral("play err"));
            return;
        }
    }
    state = kRunning;
    SetRate(1.0);
    SendStateText();
}

void CDSMediaPlay::Faster() {
    SetRate(rate + 0.1);
}

void CDSMediaPlay::Slower() {
    SetRate(rate - 0.1);
}

bool CDSMediaPlay::SetRate(double r) {
    if (fileKind == CFileFilter::kImage || fileKind == kNothingLoaded) return false;
    // A rate the player cannot take leaves everything as it was.
    if (r <= 0.05) return false;
    player->setPlaybackRate(r);
    if (std::abs(player->playbackRate() - r) > 1e-6) {
        player->setPlaybackRate(rate);
        return false;
    }
    rate = r;
    SendStateText();
    return true;
}

void CDSMediaPlay::ReportPosition() {
    if (fileKind == CFileFilter::kImage || fileKind == kNothingLoaded) return;
    Notify(PlayerNotice::kPosition, int(player->position() / 1000));
}

void CDSMediaPlay::Seek(int seconds) {
    if (fileKind == CFileFilter::kImage || fileKind == kNothingLoaded) return;
    player->setPosition(qint64(seconds) * 1000);
}

QString CDSMediaPlay::PositionText() const {
    if (fileKind == CFileFilter::kImage) return QString();
    return PlayTimeText(int(player->position() / 1000)) + QLatin1Char('/') +
           PlayTimeText(durationSeconds);
}

QSize CDSMediaPlay::ShownSize() const {
    return QSize(int(videoWidth * scale), int(videoHeight * scale));
}

void CDSMediaPlay::SetVideoScale(double s) {
    scale = s == 0 ? 1.0 : s;
    QSize native;
    if (fileKind == CFileFilter::kImage)
        native = pixmap_.size();
    else
        native = video_ && video_->videoSink() ? video_->videoSink()->videoSize() : QSize();
    if (native.isEmpty()) return;  // not known yet: set again when the first frame comes
    videoWidth = native.width();
    videoHeight = native.height();
    const QSize shown = ShownSize();
    QWidget* window = owner ? owner->window() : nullptr;
    QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    // The room for the window's client area: the work area less the window's frame.
    const QSize frame = window ? window->frameGeometry().size() - window->size() : QSize();
    const QSize full =
        screen ? screen->availableGeometry().size() - frame : QSize(1 << 20, 1 << 20);
    if (window && videoPanel && shown.width() < full.width() && shown.height() < full.height()) {
        // The video panel's client area becomes exactly the shown size, as far as the screen
        // lets the window grow.
        const int w = window->width() - videoPanel->width() + shown.width();
        const int h = window->height() - videoPanel->height() + shown.height();
        window->resize(std::min(w, full.width()), std::min(h, full.height()));
        if (screen) KeepInside(window, screen->availableGeometry());
    }
    CentreVideo();
    SendStateText();
}

void CDSMediaPlay::KeepInside(QWidget* window, const QRect& area) {
    // Grown where it stands, the window could reach past the work area's right or bottom edge.
    const QRect frame = window->frameGeometry();
    QPoint at = frame.topLeft();
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - frame.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - frame.height())));
    if (at != frame.topLeft()) window->move(at);
}

void CDSMediaPlay::CentreVideo() {
    if (!videoPanel || fileKind == CFileFilter::kAudio || fileKind == kNothingLoaded) return;
    const QSize shown = ShownSize();
    // Never beyond the panel: the video's own window is not clipped by it.
    const QRect r =
        QRect((videoPanel->width() - shown.width()) / 2,
              (videoPanel->height() - shown.height()) / 2, shown.width(), shown.height())
            .intersected(videoPanel->rect());
    if (fileKind == CFileFilter::kImage && picture_)
        picture_->setGeometry(r);
    else if (video_)
        video_->setGeometry(r);
}

}  // namespace trelvix
