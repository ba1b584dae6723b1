#pragma once
// Re-delivers the engine player's events, which arrive on its worker threads, on
// the thread this object lives in (the UI thread) as queued signals.
#include <QObject>

class FFPlayer;

class PlayerEventBridge : public QObject {
  Q_OBJECT

 public:
  explicit PlayerEventBridge(QObject* parent = nullptr);
  // Installs the player's event callbacks. The player must be stopped before this
  // object is destroyed (events already queued are then dropped by Qt).
  void Attach(FFPlayer& player);

 signals:
  void durationReported(qint64 durationUs);
  void positionReported(qint64 positionUs);
  void stateReported(int state);
};
