#include "engine/playback/PlayerWaveform.h"

#include <algorithm>

namespace playback {

namespace {
constexpr uint32_t kBackground = 0xff101418;
constexpr uint32_t kCentreLine = 0xff34404c;
constexpr uint32_t kTrace = 0xff5fd38a;

int SampleToRow(int16_t sample, int height) {
  // Full scale spans 90% of the picture height, centred.
  const double half = (height - 1) / 2.0;
  const double y = half - (sample / 32768.0) * half * 0.9;
  return std::clamp(static_cast<int>(y + 0.5), 0, height - 1);
}
}  // namespace

PlayerWaveRing::PlayerWaveRing(size_t capacity) : samples_(std::max<size_t>(capacity, 1), 0) {}

void PlayerWaveRing::Append(const int16_t* interleaved, int frames, int channels) {
  if (!interleaved || frames <= 0 || channels <= 0) return;
  for (int i = 0; i < frames; ++i) {
    int sum = 0;
    for (int c = 0; c < channels; ++c)
      sum += interleaved[i * channels + c];
    samples_[next_] = static_cast<int16_t>(sum / channels);
    next_ = (next_ + 1) % samples_.size();
    if (next_ == 0) full_ = true;
  }
}

std::vector<int16_t> PlayerWaveRing::Snapshot() const {
  std::vector<int16_t> out;
  if (full_) out.insert(out.end(), samples_.begin() + static_cast<std::ptrdiff_t>(next_), samples_.end());
  out.insert(out.end(), samples_.begin(), samples_.begin() + static_cast<std::ptrdiff_t>(next_));
  return out;
}

void PlayerWaveRing::Clear() {
  std::fill(samples_.begin(), samples_.end(), 0);
  next_ = 0;
  full_ = false;
}

std::vector<uint32_t> RenderPlayerWaveform(const std::vector<int16_t>& samples, int width, int height) {
  if (width < 1 || height < 1) return {};
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, kBackground);
  const int centre = (height - 1) / 2;
  std::fill_n(pixels.begin() + static_cast<std::ptrdiff_t>(centre) * width, width, kCentreLine);
  if (samples.empty()) return pixels;

  int previous = -1;
  for (int x = 0; x < width; ++x) {
    const size_t index = samples.size() * static_cast<size_t>(x) / static_cast<size_t>(width);
    const int row = SampleToRow(samples[index], height);
    // Join to the previous column so steep edges stay a continuous trace.
    const int from = previous < 0 ? row : std::min(previous, row);
    const int to = previous < 0 ? row : std::max(previous, row);
    for (int y = from; y <= to; ++y)
      pixels[static_cast<size_t>(y) * width + x] = kTrace;
    previous = row;
  }
  return pixels;
}

}  // namespace playback
