#include "views/Unit_capparam.h"

#include <QCloseEvent>
#include <QConicalGradient>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <QtMath>

#include "capture/Usbcamera.h"
#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {

constexpr int kIconSize = 20;

constexpr int kNameText[kImageParameterCount] = {
    text::kBrightness, text::kContrast,  text::kSaturation,
    text::kHue,        text::kSharpness, text::kGamma,
};

// A small picture of what each bar changes, drawn so it needs no image files.
QPixmap ParameterIcon(int index, const QColor& ink) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1.5));
    const QRectF disc(4, 4, 12, 12);
    const QPointF centre = disc.center();
    switch (index) {
        case 0:  // a sun
            p.drawEllipse(disc.adjusted(2, 2, -2, -2));
            for (int i = 0; i < 8; ++i) {
                const qreal a = i * M_PI / 4;
                const QPointF d(qCos(a), qSin(a));
                p.drawLine(centre + d * 6.5, centre + d * 9);
            }
            break;
        case 1:  // half dark, half light
            p.drawEllipse(disc);
            p.setBrush(ink);
            p.drawPie(disc, 90 * 16, 180 * 16);
            break;
        case 2: {  // a drop of colour
            QPainterPath drop;
            drop.moveTo(10, 2);
            drop.cubicTo(16, 9, 16, 17, 10, 17);
            drop.cubicTo(4, 17, 4, 9, 10, 2);
            p.setBrush(QColor(40, 120, 230));
            p.drawPath(drop);
            break;
        }
        case 3: {  // a colour wheel
            QConicalGradient wheel(centre, 0);
            for (int i = 0; i <= 6; ++i)
                wheel.setColorAt(i / 6.0, QColor::fromHsv(i * 60 % 360, 255, 230));
            p.setBrush(wheel);
            p.drawEllipse(disc);
            break;
        }
        case 4:  // a sharp edge
            p.setBrush(ink);
            p.drawPolygon(QPolygonF({{3, 17}, {10, 3}, {17, 17}}));
            break;
        default: {
            QFont f = p.font();
            f.setPixelSize(16);
            f.setItalic(true);
            p.setFont(f);
            p.drawText(QRectF(0, 0, kIconSize, kIconSize), Qt::AlignCenter, QStringLiteral("γ"));
        }
    }
    return pixmap;
}

}  // namespace

TForm_capparam::TForm_capparam(QWidget* owner, UsbCamera* camera_)
    : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint), camera(camera_) {
    setObjectName(QStringLiteral("TForm_capparam"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    BuildLayout();
    FormCreate();
    adjustSize();
    // Over the middle of the main window, where the operator looks; the screen's otherwise.
    QRect r = rect();
    if (owner && owner->isVisible()) {
        r.moveCenter(owner->frameGeometry().center());
        move(r.topLeft());
    } else if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void TForm_capparam::BuildLayout() {
    LabelCaption = new QLabel(LanguageText(text::kImageAdjustment), this);
    QFont bold = LabelCaption->font();
    bold.setBold(true);
    LabelCaption->setFont(bold);
    // The bars change one camera's picture, which may not be the one selected later.
    const QString which = LanguageText(text::kCamera1).arg(camera->settings->caption.get());
    LabelCamera = new QLabel(which, this);
    LabelCamera->setObjectName(QStringLiteral("LabelCamera"));
    setWindowTitle(LanguageText(text::kImageAdjustment) + QStringLiteral(" – ") + which);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    SpeedButton1->setToolTip(LanguageText(text::kClose));
    SpeedButton1->setAutoRaise(true);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm_capparam::SpeedButton1Click);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 6, 6, 12);
    grid->setHorizontalSpacing(8);
    grid->addWidget(LabelCaption, 0, 0, 1, 2);
    grid->addWidget(LabelCamera, 0, 2);
    grid->addWidget(SpeedButton1, 0, 3, Qt::AlignRight);
    QScrollBar** bars[] = {&ScrollBar_brightness, &ScrollBar_constrct,  &ScrollBar_statu,
                           &ScrollBar_hue,        &ScrollBar_Sharpness, &ScrollBar_Gamma};
    QLabel** values[] = {&Label_brightness, &Label_constract, &Label_statu,
                         &Label_hue,        &Label_Sharpness, &Label_Gamma};
    const char* barNames[] = {"ScrollBar_brightness", "ScrollBar_constrct",  "ScrollBar_statu",
                              "ScrollBar_hue",        "ScrollBar_Sharpness", "ScrollBar_Gamma"};
    const QString widest = QStringLiteral("100");
    for (int i = 0; i < kImageParameterCount; ++i) {
        images[size_t(i)] = new QLabel(this);
        images[size_t(i)]->setPixmap(ParameterIcon(i, palette().color(QPalette::WindowText)));
        names[size_t(i)] = new QLabel(LanguageText(kNameText[i]), this);
        auto* bar = *bars[i] = new QScrollBar(Qt::Horizontal, this);
        bar->setObjectName(QLatin1String(barNames[i]));
        // 0 is a setting too (the bottom of the device's range), so it stays reachable.
        bar->setRange(0, 100);
        bar->setPageStep(10);
        bar->setMinimumWidth(220);
        auto* value = *values[i] = new QLabel(this);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(widest) + 4);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(images[size_t(i)], i + 1, 0);
        grid->addWidget(names[size_t(i)], i + 1, 1);
        grid->addWidget(bar, i + 1, 2);
        grid->addWidget(value, i + 1, 3);
        connect(bar, &QScrollBar::valueChanged, this, &TForm_capparam::ScrollBar_constrctChange);
    }
    grid->setColumnStretch(2, 1);
}

std::array<QScrollBar*, kImageParameterCount> TForm_capparam::Bars() const {
    return {ScrollBar_brightness, ScrollBar_constrct,  ScrollBar_statu,
            ScrollBar_hue,        ScrollBar_Sharpness, ScrollBar_Gamma};
}

std::array<QLabel*, kImageParameterCount> TForm_capparam::ValueLabels() const {
    return {Label_brightness, Label_constract, Label_statu,
            Label_hue,        Label_Sharpness, Label_Gamma};
}

void TForm_capparam::FormCreate() {
    initialising = true;
    const auto bars = Bars();
    const auto labels = ValueLabels();
    for (int i = 0; i < kImageParameterCount; ++i) {
        const ImageParameter p = kImageParameters[i];
        const int32_t value = ImageParameterValue(*camera->settings, p);
        const bool adjustable =
            ImageParameterAdjustable(*camera->settings, camera->device().Controls(), p);
        bars[size_t(i)]->setEnabled(adjustable);
        names[size_t(i)]->setEnabled(adjustable);
        images[size_t(i)]->setEnabled(adjustable);
        if (adjustable) {
            bars[size_t(i)]->setValue(value);
            labels[size_t(i)]->setText(QString::asprintf("%i", value));
        } else {
            labels[size_t(i)]->clear();
        }
    }
    initialising = false;
}

void TForm_capparam::ScrollBar_constrctChange() {
    if (initialising) return;
    const auto bars = Bars();
    const auto labels = ValueLabels();
    for (int i = 0; i < kImageParameterCount; ++i) {
        if (!bars[size_t(i)]->isEnabled()) continue;
        const int value = bars[size_t(i)]->value();
        SetImageParameterValue(*camera->settings, kImageParameters[i], value);
        labels[size_t(i)]->setText(QString::asprintf("%i", value));
    }
    camera->device().ApplyImageParameters();
}

void TForm_capparam::SpeedButton1Click() {
    close();
}

void TForm_capparam::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QFrame::mousePressEvent(e);
    // The window manager moves it where it can; otherwise the window follows the mouse.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = e->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TForm_capparam::mouseMoveEvent(QMouseEvent* e) {
    if (dragging_) move(e->globalPosition().toPoint() - dragOffset_);
}

void TForm_capparam::mouseReleaseEvent(QMouseEvent* e) {
    dragging_ = false;
    QFrame::mouseReleaseEvent(e);
}

void TForm_capparam::closeEvent(QCloseEvent* e) {
    camera->settings->Save();
    QFrame::closeEvent(e);
}

}  // namespace trelvix
