#include "history/Unit2.h"

#include <QImageReader>
#include <QMoveEvent>
#include <QScreen>

#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

TForm2::TForm2(QWidget* owner, const QString& path)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint), path_(path) {
    setObjectName(QStringLiteral("TForm2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(LanguageText(text::kSnapshot));
    resize(624, 523);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setStyleSheet(QStringLiteral("background: black"));
    Timer_autocloase.setInterval(1000);
    connect(&Timer_autocloase, &QTimer::timeout, this, &TForm2::Timer_autocloaseTimer);

    QImageReader reader(path);
    const QImage image = reader.read();
    if (!image.isNull()) {
        loaded_ = true;
        picture_ = QPixmap::fromImage(image);
        resize(image.size());  // until the window manager tells the frame's size
        setWindowTitle(path);
    }
    if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    // A picture that cannot be read (deleted, still being written) still closes by itself.
    ticks_ = 0;
    Timer_autocloase.start();
    show();
}

void TForm2::resizeEvent(QResizeEvent*) {
    Image1->setGeometry(rect());
    if (loaded_)
        Image1->setPixmap(picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
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
