#pragma once
// The player's video area: keeps the latest picture the engine handed over and
// paints it centred, scaled to fit with its aspect ratio, on black.
#include <QWidget>
#include <atomic>
#include <memory>
#include <mutex>

#include "engine/FFPlayer.h"

class PlayerVideoView : public QWidget, public PlayerSink {
  Q_OBJECT

 public:
  explicit PlayerVideoView(QWidget* parent = nullptr);

  // Called from the engine's thread.
  void PresentFrame(std::shared_ptr<const PlayerFrame> frame) override;

  std::shared_ptr<const PlayerFrame> CurrentFrame() const;
  int FramesReceived() const { return frames_received_; }
  void Clear();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private slots:
  void onFrameArrived();

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const PlayerFrame> frame_;
  std::atomic<bool> update_queued_{false};
  std::atomic<int> frames_received_{0};
};
