#pragma once
// Draws the picture shown for files without video: the most recently played audio
// as a waveform, into an RGB32 buffer (0xffRRGGBB per pixel).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace playback {

// Ring of the last played samples, mono, kept by the audio output.
class PlayerWaveRing {
 public:
  explicit PlayerWaveRing(size_t capacity = 2048);
  void Append(const int16_t* interleaved, int frames, int channels);
  // The samples in playing order, oldest first.
  std::vector<int16_t> Snapshot() const;
  void Clear();

 private:
  std::vector<int16_t> samples_;
  size_t next_ = 0;
  bool full_ = false;
};

// Renders `samples` across a width x height picture: a dark background, a centre
// line and the wave as a connected trace. Width or height below 1 give no pixels.
std::vector<uint32_t> RenderPlayerWaveform(const std::vector<int16_t>& samples, int width, int height);

}  // namespace playback
