#include "player/PlayerIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace {
const QColor kInk(0x23, 0x36, 0x5c);

void DrawSpeakerBody(QPainter& p) {
  QPainterPath body;
  body.moveTo(1.5, 5.5);
  body.lineTo(4.5, 5.5);
  body.lineTo(8.5, 1.5);
  body.lineTo(8.5, 13.5);
  body.lineTo(4.5, 9.5);
  body.lineTo(1.5, 9.5);
  body.closeSubpath();
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(0x5b, 0x7d, 0xb8));
  p.drawPath(body);
}

QPixmap NewCanvas(int w, int h) {
  QPixmap pixmap(w, h);
  pixmap.fill(Qt::transparent);
  return pixmap;
}
}  // namespace

namespace PlayerIcons {

QPixmap Speaker(bool muted) {
  QPixmap pixmap = NewCanvas(20, 15);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  DrawSpeakerBody(p);
  if (muted) {
    p.setPen(QPen(QColor(0xd0, 0x20, 0x20), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(11, 3, 8, 8));
    p.drawLine(QPointF(12.2, 4.2), QPointF(17.8, 9.8));
  } else {
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(6, 4, 6, 7), -60 * 16, 120 * 16);
    p.drawArc(QRectF(5, 1.5, 10, 12), -60 * 16, 120 * 16);
    p.drawArc(QRectF(4, -1, 14, 17), -55 * 16, 110 * 16);
  }
  return pixmap;
}

QIcon Play() {
  QPixmap pixmap = NewCanvas(14, 14);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath triangle;
  triangle.moveTo(3, 1.5);
  triangle.lineTo(12.5, 7);
  triangle.lineTo(3, 12.5);
  triangle.closeSubpath();
  p.fillPath(triangle, kInk);
  return QIcon(pixmap);
}

QIcon Pause() {
  QPixmap pixmap = NewCanvas(14, 14);
  QPainter p(&pixmap);
  p.fillRect(QRectF(3, 2, 3, 10), kInk);
  p.fillRect(QRectF(8, 2, 3, 10), kInk);
  return QIcon(pixmap);
}

}  // namespace PlayerIcons
