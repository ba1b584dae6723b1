#include "player/StoredSound.h"

#include "common/StoredValues.h"

namespace {
const char* const kVolume = "Player/Volume";
const char* const kMute = "Player/Mute";
}  // namespace

SoundLevel RestoreSoundLevel(int maxVolume) {
  SoundLevel level;
  level.volume = maxVolume;
  if (const auto volume = Stored::Int(kVolume, 0, maxVolume)) level.volume = *volume;
  if (const auto mute = Stored::Bool(kMute)) level.mute = *mute;
  return level;
}

void StoreVolume(int volume) { Stored::SetInt(kVolume, volume); }
void StoreMute(bool mute) { Stored::SetBool(kMute, mute); }
