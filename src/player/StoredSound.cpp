#include "player/StoredSound.h"

#include "core/StoredValues.h"

SoundLevel RestoreSoundLevel(int maxVolume) {
  SoundLevel level;
  level.volume = Stored::Find(Setting::Volume, maxVolume).value_or(maxVolume);
  level.mute = Stored::Get(Setting::Mute);
  return level;
}

void StoreVolume(int volume) { Stored::Set(Setting::Volume, volume); }
void StoreMute(bool mute) { Stored::Set(Setting::Mute, mute); }
