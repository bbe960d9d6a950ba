// The control bar's button pictures ("btBitmap_11" … "btBitmap_73"), drawn once and kept.
#pragma once

#include <QPixmap>
#include <QString>

namespace trelvix {

// 120 × 53; a null pixmap for an unknown name. Second digit: 1 normal, 2 hovered, 3 pressed
// (which also marks the active state: broadcasting, settings open, camera stopped).
QPixmap ButtonBitmap(const QString& name);
// The program's icon (window and notification area).
QPixmap ProgramIcon(int size = 64);

}  // namespace trelvix
