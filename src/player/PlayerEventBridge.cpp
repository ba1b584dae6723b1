#include "player/PlayerEventBridge.h"

#include "engine/FFPlayer.h"

PlayerEventBridge::PlayerEventBridge(QObject* parent) : QObject(parent) {}

void PlayerEventBridge::Attach(FFPlayer& player) {
  player.OnDuration = [this](int64_t duration) {
    QMetaObject::invokeMethod(this, "durationReported", Qt::QueuedConnection, Q_ARG(qint64, duration));
  };
  player.OnPosition = [this](int64_t position) {
    QMetaObject::invokeMethod(this, "positionReported", Qt::QueuedConnection, Q_ARG(qint64, position));
  };
  player.OnState = [this](int32_t state) {
    QMetaObject::invokeMethod(this, "stateReported", Qt::QueuedConnection, Q_ARG(int, state));
  };
}
