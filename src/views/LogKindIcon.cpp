#include <QPainter>
#include <QPixmap>

#include "views/Unit_log.h"

namespace trelvix {

QIcon LogKindIcon(int kind) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
        case 0:  // clean-up: a grey bin
            p.setPen(QPen(QColor(90, 90, 90), 1.2));
            p.setBrush(QColor(170, 170, 170));
            p.drawRect(QRectF(4, 5, 8, 9));
            p.drawLine(QPointF(3, 4), QPointF(13, 4));
            p.drawLine(QPointF(6.5, 2.5), QPointF(9.5, 2.5));
            break;
        case 1:  // recording and snapshots: a blue camera
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 100, 200));
            p.drawRoundedRect(QRectF(1, 4, 10, 8), 1.5, 1.5);
            p.drawPolygon(
                QPolygonF({QPointF(11, 7), QPointF(15, 4.5), QPointF(15, 11.5), QPointF(11, 9)}));
            break;
        case 2:  // motion: an orange figure in a hurry
            p.setPen(QPen(QColor(230, 120, 20), 2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(QColor(230, 120, 20));
            p.drawEllipse(QPointF(10, 3), 1.8, 1.8);
            p.drawLine(QPointF(9, 6), QPointF(7, 10));
            p.drawLine(QPointF(7, 10), QPointF(10, 14));
            p.drawLine(QPointF(7, 10), QPointF(4, 13));
            p.drawLine(QPointF(9, 6), QPointF(12, 9));
            p.drawLine(QPointF(8.5, 6.5), QPointF(5, 7));
            break;
        default:  // program and camera: a green power sign
            p.setPen(QPen(QColor(30, 150, 60), 2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(2.5, 3, 11, 11), 120 * 16, 300 * 16);
            p.drawLine(QPointF(8, 1.5), QPointF(8, 7.5));
            break;
    }
    return QIcon(pm);
}

}  // namespace trelvix
