#include "app/ButtonPictures.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace trelvix {

namespace {

constexpr int kW = 120;
constexpr int kH = 53;

void DrawCamera(QPainter& p, const QRectF& r, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const QRectF body(r.left(), r.top() + r.height() * 0.25, r.width(), r.height() * 0.65);
    p.drawRoundedRect(body, 4, 4);
    p.drawRect(QRectF(r.center().x() - r.width() * 0.18, r.top() + r.height() * 0.1,
                      r.width() * 0.36, r.height() * 0.2));
    p.setBrush(QColor(30, 30, 30));
    const QPointF lens(body.center());
    p.drawEllipse(lens, body.height() * 0.34, body.height() * 0.34);
    p.setBrush(c);
    p.drawEllipse(lens, body.height() * 0.2, body.height() * 0.2);
}

void DrawBroadcast(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF centre(r.center().x(), r.center().y() + 2);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(centre, 4.5, 4.5);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        p.setPen(QPen(c, 3.2, Qt::SolidLine, Qt::RoundCap));
        const qreal rad = 5.5 + i * 5.5;
        const QRectF arc(centre.x() - rad, centre.y() - rad, 2 * rad, 2 * rad);
        p.drawArc(arc, 30 * 16, 120 * 16);
        p.drawArc(arc, 210 * 16, 120 * 16);
    }
}

void DrawLog(QPainter& p, const QRectF& r, const QColor& c) {
    const QRectF page(r.center().x() - 13, r.top() + 1, 26, r.height() - 2);
    p.setPen(QPen(c, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(page, 3, 3);
    p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = page.top() + 7 + i * 6.5;
        p.drawLine(QPointF(page.left() + 5, y), QPointF(page.right() - 5, y));
    }
}

void DrawSliders(QPainter& p, const QRectF& r, const QColor& c) {
    const qreal xs[3] = {r.center().x() - 12, r.center().x(), r.center().x() + 12};
    const qreal knobs[3] = {0.3, 0.7, 0.45};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(xs[i], r.top() + 2), QPointF(xs[i], r.bottom() - 2));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(QRectF(xs[i] - 5, r.top() + r.height() * knobs[i] - 3, 10, 6), 2, 2);
    }
}

void DrawGear(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF centre = r.center();
    const qreal outer = r.height() * 0.48, inner = r.height() * 0.34;
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = (i - 0.5) * M_PI / teeth, a1 = (i + 0.5) * M_PI / teeth;
        const qreal rad = (i % 2 == 0) ? outer : inner;
        const QPointF p0(centre.x() + rad * std::cos(a0), centre.y() + rad * std::sin(a0));
        const QPointF p1(centre.x() + rad * std::cos(a1), centre.y() + rad * std::sin(a1));
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    gear.addEllipse(centre, inner * 0.45, inner * 0.45);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(gear);
}

void DrawStop(QPainter& p, const QRectF& r, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const qreal s = r.height() * 0.8;
    p.drawRoundedRect(QRectF(r.center().x() - s / 2, r.center().y() - s / 2, s, s), 3, 3);
}

void DrawPlay(QPainter& p, const QRectF& r, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const qreal s = r.height() * 0.9;
    QPolygonF tri;
    tri << QPointF(r.center().x() - s * 0.4, r.center().y() - s / 2)
        << QPointF(r.center().x() + s * 0.5, r.center().y())
        << QPointF(r.center().x() - s * 0.4, r.center().y() + s / 2);
    p.drawPolygon(tri);
}

void DrawPower(QPainter& p, const QRectF& r, const QColor& c) {
    const QPointF centre = r.center();
    const qreal rad = r.height() * 0.42;
    p.setPen(QPen(c, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - rad, centre.y() - rad, 2 * rad, 2 * rad), 120 * 16, 300 * 16);
    p.drawLine(QPointF(centre.x(), centre.y() - rad - 2), QPointF(centre.x(), centre.y() - 2));
}

QPixmap Draw(int button, int variant) {
    QPixmap pm(kW, kH);
    pm.fill(Qt::black);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Normal: dark steel; hovered: lit blue; pressed/active: amber, so a running broadcast or a
    // stopped camera is plain to see from across the room.
    QColor top, bottom, border, glyph;
    switch (variant) {
        case 2:
            top = QColor(70, 120, 190);
            bottom = QColor(30, 60, 110);
            border = QColor(150, 200, 255);
            glyph = Qt::white;
            break;
        case 3:
            top = QColor(230, 150, 30);
            bottom = QColor(150, 80, 10);
            border = QColor(255, 220, 120);
            glyph = Qt::white;
            break;
        default:
            top = QColor(85, 85, 92);
            bottom = QColor(40, 40, 46);
            border = QColor(120, 120, 130);
            glyph = QColor(225, 225, 230);
    }
    QLinearGradient g(0, 0, 0, kH);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(border, 1.5));
    p.setBrush(g);
    const QRectF face =
        variant == 3 ? QRectF(2.5, 3.5, kW - 5, kH - 6) : QRectF(1.5, 1.5, kW - 3, kH - 4);
    p.drawRoundedRect(face, 8, 8);
    const QRectF icon(face.center().x() - 20, face.center().y() - 15, 40, 30);
    switch (button) {
        case 1:
            DrawCamera(p, icon, glyph);
            break;
        case 2:
            DrawBroadcast(p, icon, variant == 3 ? QColor(255, 60, 40) : glyph);
            break;
        case 3:
            DrawLog(p, icon, glyph);
            break;
        case 4:
            DrawGear(p, icon, glyph);
            break;
        case 5:
            variant == 3 ? DrawPlay(p, icon, glyph) : DrawStop(p, icon, glyph);
            break;
        case 6:
            DrawPower(p, icon, variant == 1 ? QColor(240, 90, 80) : glyph);
            break;
        case 7:
            DrawSliders(p, icon, glyph);
            break;
    }
    return pm;
}

}  // namespace

QPixmap ButtonBitmap(const QString& name) {
    static QHash<QString, QPixmap> cache;
    if (auto it = cache.constFind(name); it != cache.constEnd()) return *it;
    if (!name.startsWith(QLatin1String("btBitmap_")) || name.size() != 11) return QPixmap();
    const int button = name[9].digitValue();
    const int variant = name[10].digitValue();
    if (button < 1 || button > 7 || variant < 1 || variant > 3) return QPixmap();
    const QPixmap pm = Draw(button, variant);
    cache.insert(name, pm);
    return pm;
}

QPixmap ProgramIcon(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 110));
    p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    DrawCamera(p, QRectF(size * 0.15, size * 0.2, size * 0.7, size * 0.6), Qt::white);
    p.setBrush(QColor(230, 40, 40));
    p.drawEllipse(QPointF(size * 0.8, size * 0.2), size * 0.1, size * 0.1);
    return pm;
}

TPictureButton::TPictureButton(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setFixedSize(120, 53);
    setCursor(Qt::PointingHandCursor);
}

void TPictureButton::ShowPicture(const QString& bitmapName) {
    picture_ = bitmapName;
    setPixmap(ButtonBitmap(bitmapName));
}

void TPictureButton::enterEvent(QEnterEvent* e) {
    QLabel::enterEvent(e);
    emit entered();
}

void TPictureButton::leaveEvent(QEvent* e) {
    QLabel::leaveEvent(e);
    emit left();
}

void TPictureButton::mousePressEvent(QMouseEvent* e) {
    QLabel::mousePressEvent(e);
    emit pressed();
}

}  // namespace trelvix
