// The pop-up that shows a manual snapshot for about four seconds. There is one at a time: a
// newer snapshot replaces the picture and starts the four seconds again.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace trelvix {

class TForm2 : public QWidget {
    Q_OBJECT
public:
    // Shows itself at once; frees itself when closed.
    TForm2(QWidget* owner, const QString& path);
    ~TForm2() override;
    // The pop-up that is open shows `path`, or a new one opens.
    static TForm2* ShowSnapshot(QWidget* owner, const QString& path);
    // Shows `path` from now on, for another four seconds.
    void ShowPicture(const QString& path);

    void Timer_autocloaseTimer();
    bool pictureLoaded() const { return loaded_; }
    int ticks() const { return ticks_; }

    QLabel* Image1;
    QTimer Timer_autocloase;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    void FitOuterSizeToPicture();

    QString path_;
    QPixmap picture_;
    int ticks_ = 0;
    bool loaded_ = false;
    QSize frameFitted_;  // the frame's share the size was last fitted to
    static TForm2* open_;
};

}  // namespace trelvix
