#include "settings/Unit_PanelBase.h"

#include <QGridLayout>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

#include "config/Option.h"
#include "lang/TextIds.h"

namespace trelvix {

namespace {
constexpr int kBannerHeight = 34;

QPixmap BannerPicture(const QSize& size) {
    QPixmap pm(size.expandedTo(QSize(1, 1)));
    QPainter p(&pm);
    QLinearGradient g(0, 0, pm.width(), 0);
    g.setColorAt(0, QColor(28, 62, 120));
    g.setColorAt(1, QColor(120, 170, 225));
    p.fillRect(pm.rect(), g);
    return pm;
}
}  // namespace

TPreviewPanel::TPreviewPanel(const QString& name, QWidget* parent) : TVideoPanel(parent) {
    setObjectName(name);
    setFixedSize(320, 240);
    // Hovering moves count too: the region editor shows its cursors before a button goes down.
    setMouseTracking(true);
}

// The pages read positions as on a picture that fills the panel; the bars are left out.
void TPreviewPanel::mousePressEvent(QMouseEvent* e) {
    emit mouseDown(ToStretched(e->position()));
    QWidget::mousePressEvent(e);
}

void TPreviewPanel::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMove(ToStretched(e->position()));
    QWidget::mouseMoveEvent(e);
}

void TPreviewPanel::mouseReleaseEvent(QMouseEvent* e) {
    emit mouseUp(ToStretched(e->position()));
    QWidget::mouseReleaseEvent(e);
}

TBusyAnimation::TBusyAnimation(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Animate2"));
    setFixedSize(24, 24);
    setAttribute(Qt::WA_TranslucentBackground);
    timer_.setInterval(80);
    connect(&timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % frames_;
        update();
        if (--ticksLeft_ <= 0) timer_.stop();
    });
    hide();
}

void TBusyAnimation::Play(int frames, int repeats) {
    frames_ = std::max(1, frames);
    frame_ = 0;
    ticksLeft_ = frames_ * std::max(1, repeats);
    show();
    raise();
    timer_.start();
}

void TBusyAnimation::Stop() {
    timer_.stop();
    hide();
}

void TBusyAnimation::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(width() / 2.0, height() / 2.0);
    for (int i = 0; i < frames_; ++i) {
        const double angle = 2 * M_PI * i / frames_;
        const int age = (frame_ - i + frames_) % frames_;
        p.setBrush(QColor(255, 255, 255, 255 - age * 200 / frames_));
        p.setPen(Qt::NoPen);
        p.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * 8, 2.2, 2.2);
    }
}

TFrame_PanelBase::TFrame_PanelBase(QWidget* owner, int index, int titleTextId)
    : QFrame(owner), cameraIndex(index) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedHeight(kBannerHeight);
    Image1->setScaledContents(true);
    LabelCaption = new QLabel(LanguageText(titleTextId), this);
    LabelCaption->setObjectName(QStringLiteral("LabelCaption"));
    QFont f = LabelCaption->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.25);
    LabelCaption->setFont(f);
    QPalette white = LabelCaption->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    LabelCaption->setPalette(white);
    LabelCaption->setContentsMargins(10, 0, 0, 0);
    Animate2 = new TBusyAnimation(this);

    // The title and the animation lie over the banner, in the same cell.
    auto* banner = new QGridLayout;
    banner->setContentsMargins(0, 0, 0, 0);
    banner->addWidget(Image1, 0, 0);
    banner->addWidget(LabelCaption, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
    banner->addWidget(Animate2, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    body_ = new QWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addLayout(banner);
    layout->addWidget(body_, 1);
}

void TFrame_PanelBase::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    Image1->setPixmap(BannerPicture(QSize(width(), kBannerHeight)));
}

void TFrame_PanelBase::StartBusyAnimation() {
    constexpr int kClipFrames = 12;
    Animate2->Play(kClipFrames, kClipFrames);
}

void TFrame_PanelBase::StopBusyAnimation() {
    Animate2->Stop();
}

TFrame_PanelPending::TFrame_PanelPending(QWidget* owner, int index, int titleTextId)
    : TFrame_PanelBase(owner, index, titleTextId) {
    LabelPending = WrappingLabel(LanguageText(text::kThisPageComesInALater), Body());
    LabelPending->setObjectName(QStringLiteral("LabelPending"));
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(LabelPending);
    layout->addStretch();
}

QLabel* WrappingLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace trelvix
