#pragma once
// The player's volume and mute, kept from one run of the program to the next.
struct SoundLevel {
  int volume = 128;  // 0 .. the volume slider's maximum
  bool mute = false;
};

// The stored level; each part that is missing or out of range keeps its default.
SoundLevel RestoreSoundLevel(int maxVolume);
void StoreVolume(int volume);
void StoreMute(bool mute);
