// The control bar's button pictures ("btBitmap_11" … "btBitmap_73"), drawn once and kept,
// and the button that shows them.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

namespace trelvix {

// 120 × 53; a null pixmap for an unknown name. Second digit: 1 normal, 2 hovered, 3 pressed
// (which also marks the active state: broadcasting, settings open, camera stopped).
QPixmap ButtonBitmap(const QString& name);
// The program's icon (window and notification area).
QPixmap ProgramIcon(int size = 64);

class TPictureButton : public QLabel {
    Q_OBJECT
public:
    TPictureButton(const QString& name, QWidget* parent);
    void ShowPicture(const QString& bitmapName);
    QString picture() const { return picture_; }

signals:
    void entered();
    void left();
    void pressed();

protected:
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QString picture_;
};

}  // namespace trelvix
