// Plays the file a log entry points to inside the log viewer: videos and sounds through Qt
// Multimedia, pictures directly.
#pragma once

#include <QLabel>
#include <QMediaPlayer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVideoWidget>
#include <functional>

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

    bool Open(const QString& path);
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
    QString PositionText() const;
    QString StateText() const;

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
    void SendStateText();
    void Notify(int code, int value);
    QSize ShownSize() const;
    void OnStatus(QMediaPlayer::MediaStatus status);

    QAudioOutput* audio_ = nullptr;
    // Children of the viewer's panel, which may go first.
    QPointer<QVideoWidget> video_;
    QPointer<QLabel> picture_;
    QPixmap pixmap_;
};

}  // namespace trelvix
