// Plays the file a log entry points to inside the log viewer: videos and sounds through Qt
// Multimedia, pictures directly.
#pragma once

#include <QLabel>
#include <QMediaPlayer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QVideoWidget>
#include <functional>
#include <memory>

#include "common/Messages.h"

class QAudioOutput;

namespace trelvix {

// "%02d:%02d:%02d" of whole seconds; the hours may take more than two digits.
QString PlayTimeText(int seconds);
// "%s [%s] %s": file name, "Rate: %2.2lf", "(Pause)" or nothing.
QString PlayStateText(const QString& path, double rate, bool paused);

class CDSMediaPlay : public QObject {
    Q_OBJECT
public:
    enum State { kOpening = 0, kPaused = 1, kRunning = 2, kIdle = 3 };
    static constexpr int kNothingLoaded = 9;

    // `owner` receives the notifications (posted); `videoPanel` shows the picture.
    CDSMediaPlay(QWidget* owner, QWidget* videoPanel);
    ~CDSMediaPlay() override;

    // Pictures open at once; sounds and videos load in the background and `opened` tells the
    // outcome (a failure has shown its message and closed). False when it failed at once.
    // A video or sound starts `startMs` in.
    bool Open(const QString& path, qint64 startMs = 0);
    void Close();
    void TogglePause();
    void Resume();
    void Faster();
    void Slower();
    // False (and nothing changed) when the rate is refused.
    bool SetRate(double r);
    void ReportPosition();
    void Seek(int seconds);
    void CentreVideo();
    void SetVideoScale(double s);
    bool IsLoaded() const { return state != kIdle; }
    bool IsPaused() const { return state == kPaused; }
    // Still on its way to the start Open was given.
    bool StartPending() const { return startAtMs_ > 0; }
    QString PositionText() const;
    QString StateText() const;

signals:
    void opened(bool ok);

public:
    // Where failure messages go (a message box unless replaced, e.g. by tests).
    static void SetMessageSink(std::function<void(const QString&)> sink);
    static void ShowMessage(QWidget* parent, const QString& text);

    QPointer<QWidget> owner;
    QPointer<QWidget> videoPanel;
    QString path;
    int fileKind = kNothingLoaded;
    int state = kIdle;
    double rate = 1.0;
    double scale = 1.0;
    int videoWidth = 0;
    int videoHeight = 0;
    int durationSeconds = 0;
    QMediaPlayer* player = nullptr;

private:
    // Moves `window` back inside `area` where it reaches past it.
    static void KeepInside(QWidget* window, const QRect& area);
    void SendStateText();
    void Notify(PlayerNotice notice, int seconds);
    QSize ShownSize() const;
    void OnStatus(QMediaPlayer::MediaStatus status);
    bool LoadDecided() const;
    void FinishOpen();
    void FailOpen();
    // A recording still being written has grown since it was loaded: load it again and go on
    // from where playing stopped.
    bool ContinueGrownFile();
    // Plays an indexed copy of the file when the player sees less of it than is there.
    bool LoadIndexedCopy();

    QAudioOutput* audio_ = nullptr;
    // Children of the viewer's panel, which may go first.
    QPointer<QVideoWidget> video_;
    QPointer<QLabel> picture_;
    QPixmap pixmap_;
    QTimer openTimer_;
    qint64 loadedSize_ = 0;
    qint64 resumeAtMs_ = 0;
    qint64 startAtMs_ = 0;
    std::unique_ptr<QTemporaryDir> copies_;
    QString copy_;  // the indexed copy being played, if any
};

}  // namespace trelvix
