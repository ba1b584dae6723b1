#include "player/SliderBitmaps.h"

#include <QFile>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "core/AppState.h"
#include "core/Helpers.h"

namespace {
const QColor kGrooveEdge(0x9a, 0xa2, 0xb0);
const QColor kGrooveFill(0xc9, 0xcf, 0xd9);

QSize PictureSize(SliderKind kind, SliderPicture picture) {
  const SliderImageSizes s = SliderBitmaps::Sizes(kind);
  switch (picture) {
    case SliderPicture::Track:
      return {s.trackWidth, s.trackHeight};
    case SliderPicture::Thumb:
    case SliderPicture::ThumbDisabled:
      return {s.thumbWidth, s.thumbHeight};
    case SliderPicture::Selection:
      return {s.selWidth, s.selHeight};
  }
  return {};
}

// The groove's rows: under the thumb's tip for the position slider, centred for
// the volume slider.
QRect GrooveRect(SliderKind kind, int width) {
  return kind == SliderKind::Position ? QRect(0, 12, width, 5) : QRect(0, 5, width, 5);
}

// The track's background stays transparent: the slider's BackColor shows through.
void DrawTrack(QPainter& p, SliderKind kind, const QSize& size) {
  const QRectF groove = QRectF(GrooveRect(kind, size.width())).adjusted(2.5, 0.5, -2.5, -0.5);
  p.setPen(kGrooveEdge);
  p.setBrush(kGrooveFill);
  p.drawRoundedRect(groove, 2, 2);
}

void DrawPositionThumb(QPainter& p, bool enabled) {
  QPainterPath triangle;
  triangle.moveTo(0.5, 0.5);
  triangle.lineTo(15.5, 0.5);
  triangle.lineTo(8, 9.5);
  triangle.closeSubpath();
  QLinearGradient fill(0, 0, 0, 10);
  fill.setColorAt(0, enabled ? QColor(0x4f, 0x86, 0xe0) : QColor(0xa9, 0xb8, 0xd4));
  fill.setColorAt(1, enabled ? QColor(0x1d, 0x4f, 0xb0) : QColor(0x8a, 0x99, 0xb6));
  p.setPen(enabled ? QColor(0x12, 0x36, 0x80) : QColor(0x7a, 0x86, 0x9c));
  p.setBrush(fill);
  p.drawPath(triangle);
}

void DrawVolumeThumb(QPainter& p, bool enabled) {
  QLinearGradient fill(0, 0, 12, 0);
  fill.setColorAt(0, enabled ? QColor(0x2c, 0x5c, 0xb8) : QColor(0xb4, 0xb8, 0xbf));
  fill.setColorAt(1, enabled ? QColor(0x12, 0x33, 0x7a) : QColor(0x8e, 0x93, 0x9b));
  p.setPen(enabled ? QColor(0x0b, 0x22, 0x55) : QColor(0x70, 0x74, 0x7a));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(1.5, 0.5, 9, 14), 3, 3);
}

void DrawSelection(QPainter& p, SliderKind kind, const QSize& size) {
  const QRect groove = GrooveRect(kind, size.width()).adjusted(0, 1, 0, -1);
  p.fillRect(groove, kind == SliderKind::Position ? QColor(0x2a, 0x62, 0xd0) : QColor(0x8c, 0xb6, 0xf0));
}
}  // namespace

namespace SliderBitmaps {

SliderImageSizes Sizes(SliderKind kind) {
  if (kind == SliderKind::Position) return {409, 24, 16, 10, 16, 24};
  return {67, 15, 12, 15, 12, 15};
}

QString FileName(SliderKind kind, SliderPicture picture) {
  const QString prefix = kind == SliderKind::Position ? "position_" : "volume_";
  switch (picture) {
    case SliderPicture::Track:
      return prefix + "track.png";
    case SliderPicture::Thumb:
      return prefix + "thumb.png";
    case SliderPicture::ThumbDisabled:
      return prefix + "thumb_disabled.png";
    case SliderPicture::Selection:
      return prefix + "selection.png";
  }
  return {};
}

QImage Draw(SliderKind kind, SliderPicture picture) {
  const QSize size = PictureSize(kind, picture);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  switch (picture) {
    case SliderPicture::Track:
      DrawTrack(p, kind, size);
      break;
    case SliderPicture::Thumb:
    case SliderPicture::ThumbDisabled:
      if (kind == SliderKind::Position) {
        DrawPositionThumb(p, picture == SliderPicture::Thumb);
      } else {
        DrawVolumeThumb(p, picture == SliderPicture::Thumb);
      }
      break;
    case SliderPicture::Selection:
      DrawSelection(p, kind, size);
      break;
  }
  return image;
}

QImage Get(SliderKind kind, SliderPicture picture) {
  static QHash<int, QImage> cache;
  const int key = static_cast<int>(kind) * 16 + static_cast<int>(picture);
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  const QString folder = ResourceFolder();
  QImage image(folder + "slider/" + FileName(kind, picture));
  if (image.isNull() || image.size() != PictureSize(kind, picture)) image = Draw(kind, picture);
  cache.insert(key, image);
  return image;
}

}  // namespace SliderBitmaps
