#include "app/AppIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "app/CommandTable.h"

namespace AppIcons {
namespace {

QColor TileColour(int id) {
  switch (id) {
    case Commands::AddFiles:
      return QColor(0x2e, 0x8b, 0x57);
    case Commands::RemoveSelected:
      return QColor(0xc0, 0x39, 0x2b);
    case Commands::Play:
      return QColor(0x29, 0x80, 0xb9);
    case Commands::MoveUp:
    case Commands::MoveDown:
      return QColor(0x7f, 0x8c, 0x8d);
    case Commands::ConvertFiles:
      return QColor(0xe6, 0x7e, 0x22);
    default:
      return QColor(0x55, 0x55, 0x55);
  }
}

void DrawGlyph(QPainter& p, int id, const QRectF& r) {
  const QPointF c = r.center();
  const qreal s = r.width() / 2;
  QPainterPath path;
  switch (id) {
    case Commands::AddFiles:
      p.drawLine(QPointF(c.x() - s * 0.5, c.y()), QPointF(c.x() + s * 0.5, c.y()));
      p.drawLine(QPointF(c.x(), c.y() - s * 0.5), QPointF(c.x(), c.y() + s * 0.5));
      return;
    case Commands::RemoveSelected:
      p.drawLine(QPointF(c.x() - s * 0.5, c.y()), QPointF(c.x() + s * 0.5, c.y()));
      return;
    case Commands::Play:
      path.moveTo(c.x() - s * 0.35, c.y() - s * 0.5);
      path.lineTo(c.x() + s * 0.5, c.y());
      path.lineTo(c.x() - s * 0.35, c.y() + s * 0.5);
      path.closeSubpath();
      p.fillPath(path, Qt::white);
      return;
    case Commands::MoveUp:
    case Commands::MoveDown: {
      const qreal dir = id == Commands::MoveUp ? -1 : 1;
      p.drawLine(QPointF(c.x(), c.y() - dir * s * 0.5), QPointF(c.x(), c.y() + dir * s * 0.5));
      p.drawLine(QPointF(c.x() - s * 0.4, c.y() + dir * s * 0.1), QPointF(c.x(), c.y() + dir * s * 0.5));
      p.drawLine(QPointF(c.x() + s * 0.4, c.y() + dir * s * 0.1), QPointF(c.x(), c.y() + dir * s * 0.5));
      return;
    }
    case Commands::ConvertFiles:
      // Two arrows chasing each other: "turn into".
      p.drawArc(QRectF(c.x() - s * 0.5, c.y() - s * 0.5, s, s), 30 * 16, 150 * 16);
      p.drawArc(QRectF(c.x() - s * 0.5, c.y() - s * 0.5, s, s), 210 * 16, 150 * 16);
      path.moveTo(c.x() + s * 0.62, c.y() - s * 0.05);
      path.lineTo(c.x() + s * 0.3, c.y() - s * 0.05);
      path.lineTo(c.x() + s * 0.46, c.y() + s * 0.22);
      path.closeSubpath();
      path.moveTo(c.x() - s * 0.62, c.y() + s * 0.05);
      path.lineTo(c.x() - s * 0.3, c.y() + s * 0.05);
      path.lineTo(c.x() - s * 0.46, c.y() - s * 0.22);
      path.closeSubpath();
      p.fillPath(path, Qt::white);
      return;
    default:
      return;
  }
}

QPixmap Tile(int id, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(1, 1, size - 2, size - 2);
  p.setPen(Qt::NoPen);
  p.setBrush(TileColour(id));
  p.drawRoundedRect(r, size * 0.22, size * 0.22);
  p.setPen(QPen(Qt::white, size * 0.1, Qt::SolidLine, Qt::RoundCap));
  DrawGlyph(p, id, r);
  return pixmap;
}
}  // namespace

QIcon Command(int id) {
  QIcon icon;
  for (int size : {16, 24, 32, 48})
    icon.addPixmap(Tile(id, size));
  return icon;
}
}  // namespace AppIcons
