#include "shell/qt/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap HouseAt(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing, true);
  const qreal s = size / 32.0;
  p.scale(s, s);
  // The sheet.
  p.setPen(QPen(QColor(70, 70, 70), 1.5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(2, 2, 28, 28));
  // The house: walls and roof in plan-drawing blue.
  p.setPen(QPen(QColor(20, 60, 140), 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(8, 16), QPointF(8, 26), QPointF(24, 26), QPointF(24, 16)}));
  p.drawPolyline(QPolygonF({QPointF(5, 17), QPointF(16, 7), QPointF(27, 17)}));
  // The door.
  p.setPen(QPen(QColor(20, 60, 140), 1.5));
  p.drawRect(QRectF(14, 19, 5, 7));
  return pm;
}

}  // namespace

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(HouseAt(size));
  return icon;
}
