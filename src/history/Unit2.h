// The pop-up that shows a manual snapshot for about four seconds.
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
};

}  // namespace trelvix
