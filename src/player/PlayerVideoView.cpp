#include "player/PlayerVideoView.h"

#include <QImage>
#include <QPainter>

PlayerVideoView::PlayerVideoView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void PlayerVideoView::PresentFrame(std::shared_ptr<const PlayerFrame> frame) {
  {
    std::lock_guard lock(mutex_);
    frame_ = std::move(frame);
  }
  ++frames_received_;
  // One queued repaint at a time; later pictures replace the kept one meanwhile.
  if (!update_queued_.exchange(true)) QMetaObject::invokeMethod(this, "onFrameArrived", Qt::QueuedConnection);
}

void PlayerVideoView::onFrameArrived() {
  update_queued_ = false;
  update();
}

std::shared_ptr<const PlayerFrame> PlayerVideoView::CurrentFrame() const {
  std::lock_guard lock(mutex_);
  return frame_;
}

void PlayerVideoView::Clear() {
  {
    std::lock_guard lock(mutex_);
    frame_.reset();
  }
  update();
}

void PlayerVideoView::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  const std::shared_ptr<const PlayerFrame> frame = CurrentFrame();
  if (!frame || frame->width <= 0 || frame->height <= 0 ||
      frame->pixels.size() < static_cast<size_t>(frame->width) * frame->height)
    return;
  // Wraps the engine's pixels without copying; `frame` keeps them alive meanwhile.
  const QImage image(reinterpret_cast<const uchar*>(frame->pixels.data()), frame->width, frame->height,
                     frame->width * 4, QImage::Format_RGB32);
  QSize size = image.size();
  size.scale(this->size(), Qt::KeepAspectRatio);
  QRect target(QPoint(0, 0), size);
  target.moveCenter(rect().center());
  if (target.size() != image.size()) p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(target, image);
}
