#include "views/Unit2.h"

#include <QImageReader>
#include <QMoveEvent>
#include <QScreen>

#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

TForm2* TForm2::open_ = nullptr;

TForm2::TForm2(QWidget* owner, const QString& path)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TForm2"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(624, 523);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setStyleSheet(QStringLiteral("background: black"));
    Timer_autocloase.setInterval(1000);
    connect(&Timer_autocloase, &QTimer::timeout, this, &TForm2::Timer_autocloaseTimer);
    open_ = this;
    ShowPicture(path);
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    show();
}

TForm2::~TForm2() {
    if (open_ == this) open_ = nullptr;
}

TForm2* TForm2::ShowSnapshot(QWidget* owner, const QString& path) {
    if (!open_) return new TForm2(owner, path);
    open_->ShowPicture(path);
    open_->raise();
    return open_;
}

void TForm2::ShowPicture(const QString& path) {
    path_ = path;
    setWindowTitle(LanguageText(text::kSnapshot));
    QImageReader reader(path);
    const QImage image = reader.read();
    loaded_ = !image.isNull();
    picture_ = loaded_ ? QPixmap::fromImage(image) : QPixmap();
    if (loaded_) {
        setWindowTitle(path);
        frameFitted_ = QSize();
        resize(image.size());  // until the window manager tells the frame's size
        FitOuterSizeToPicture();
    }
    Image1->setPixmap(loaded_
                          ? picture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                          : QPixmap());
    // A picture that cannot be read (deleted, still being written) still closes by itself.
    ticks_ = 0;
    Timer_autocloase.start();
}

void TForm2::resizeEvent(QResizeEvent*) {
    Image1->setGeometry(rect());
    if (loaded_)
        Image1->setPixmap(picture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TForm2::moveEvent(QMoveEvent*) {
    FitOuterSizeToPicture();
}

void TForm2::FitOuterSizeToPicture() {
    // The outer size is the picture's; the frame takes its share of it. The frame becomes known
    // only after the window manager has framed the window, which moves it.
    if (!loaded_) return;
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame == frameFitted_) return;
    frameFitted_ = frame;
    resize(picture_.size() - frame);
}

void TForm2::Timer_autocloaseTimer() {
    if (++ticks_ > 3) close();
}

}  // namespace trelvix
