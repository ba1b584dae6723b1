#pragma once
// Small pictures of the player's control bar, drawn at run time.
#include <QIcon>
#include <QPixmap>

namespace PlayerIcons {
// 20 x 15 speaker: with sound waves, or muted with a red "no" sign.
QPixmap Speaker(bool muted);
// The play/pause button's symbols: a play triangle and two pause bars.
QIcon Play();
QIcon Pause();
}  // namespace PlayerIcons
