#include "engine/playback/PlayerAudioOutput.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "engine/media/ExceptionText.h"
#include "engine/playback/PlaybackState.h"

namespace playback {

namespace {
constexpr int64_t kHoldLimitUs = 300000;    // longest wait for the first picture before sound runs
constexpr int64_t kAudioBufferUs = 300000;  // decoded sound kept ahead of the device
constexpr int64_t kPumpChunkUs = 20000;     // sound consumed per step without a device
}  // namespace

PlayerAudioOutput::~PlayerAudioOutput() { Close(); }

void PlayerAudioOutput::Open(int rate, int channels) {
  out_rate_ = rate;
  out_channels_ = channels;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
    sdl_audio_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = out_rate_;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(out_channels_);
    wanted.samples = 1024;
    wanted.callback = &PlayerAudioOutput::SdlCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained,
                                  SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    if (device_ != 0 && obtained.freq > 0 && obtained.channels > 0) {
      out_rate_ = obtained.freq;
      out_channels_ = obtained.channels;
      device_latency_us_ = int64_t{obtained.samples} * 1000000 / obtained.freq;
      return;
    }
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    device_ = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    sdl_audio_ = false;
  }
  // No sound device: the pump consumes the sound at the wall clock's pace.
  device_latency_us_ = 0;
}

void PlayerAudioOutput::SetDevicePaused(bool paused) {
  if (device_ != 0) SDL_PauseAudioDevice(device_, paused ? 1 : 0);
}

void PlayerAudioOutput::Close() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  device_ = 0;
  if (sdl_audio_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  sdl_audio_ = false;
}

bool PlayerAudioOutput::Queue(AudioChunk chunk) {
  const int gen = chunk.gen;
  const size_t limit = static_cast<size_t>(kAudioBufferUs * out_rate_ / 1000000) * out_channels_ * 2;
  std::unique_lock lock(mutex_);
  room_.wait(lock, [&] { return shared_.abort_ || shared_.gen_ != gen || bytes_ < limit; });
  if (shared_.abort_ || shared_.gen_ != gen) return false;
  bytes_ += chunk.data.size() - chunk.offset;
  chunks_.push_back(std::move(chunk));
  return true;
}

void PlayerAudioOutput::Clear() {
  std::lock_guard lock(mutex_);
  chunks_.clear();
  bytes_ = 0;
  wave_.Clear();
  room_.notify_all();
}

size_t PlayerAudioOutput::Buffered(int gen) {
  std::lock_guard lock(mutex_);
  size_t bytes = 0;
  for (const AudioChunk& chunk : chunks_)
    if (chunk.gen == gen) bytes += chunk.data.size() - chunk.offset;
  return bytes;
}

std::vector<int16_t> PlayerAudioOutput::WaveSnapshot() {
  std::lock_guard lock(mutex_);
  return wave_.Snapshot();
}

void PlayerAudioOutput::Wake() {
  std::lock_guard lock(mutex_);
  room_.notify_all();
}

void PlayerAudioOutput::SdlCallback(void* opaque, Uint8* stream, int len) {
  auto* output = static_cast<PlayerAudioOutput*>(opaque);
  try {
    output->Fill(stream, len);
  } catch (...) {
    if (stream) std::memset(stream, 0, static_cast<size_t>(len));
    output->shared_.Fail(media::ExceptionText(std::current_exception()));
  }
}

void PlayerAudioOutput::Fill(uint8_t* stream, int len) {
  PlaybackState& s = shared_;
  if (stream) std::memset(stream, 0, static_cast<size_t>(len));
  // Only a playing player consumes sound (the device may still run at the end).
  if (s.state_ != kStatePlaying) return;
  const int gen = s.gen_;
  // At a new position the sound waits (briefly) for the first picture, so both
  // start together.
  if (s.VideoIndex() >= 0 && s.video_ready_gen_ != gen && s.clock_.Held() &&
      s.clock_.HeldFor(PlayerClock::Now()) < kHoldLimitUs)
    return;
  const int frame_bytes = out_channels_ * 2;
  const int volume = s.Muted() ? 0 : std::clamp(s.Volume(), 0, SDL_MIX_MAXVOLUME);
  int64_t first_pts = INT64_MIN;
  int filled = 0;
  {
    std::lock_guard lock(mutex_);
    while (filled < len && !chunks_.empty()) {
      AudioChunk& chunk = chunks_.front();
      const size_t left = chunk.data.size() - chunk.offset;
      if (chunk.gen != gen) {
        bytes_ -= left;
        chunks_.pop_front();
        continue;
      }
      if (first_pts == INT64_MIN)
        first_pts = chunk.pts + static_cast<int64_t>(chunk.offset / frame_bytes) * 1000000 / out_rate_;
      const size_t n = std::min(static_cast<size_t>(len - filled), left);
      const uint8_t* src = chunk.data.data() + chunk.offset;
      if (stream && volume > 0)
        SDL_MixAudioFormat(stream + filled, src, AUDIO_S16SYS, static_cast<Uint32>(n), volume);
      wave_.Append(reinterpret_cast<const int16_t*>(src), static_cast<int>(n) / frame_bytes, out_channels_);
      filled += static_cast<int>(n);
      chunk.offset += n;
      bytes_ -= n;
      if (chunk.offset >= chunk.data.size()) chunks_.pop_front();
    }
    if (filled > 0) room_.notify_all();
  }
  // What was just handed over is heard after the device's own buffer.
  if (filled > 0) s.clock_.Set(first_pts - device_latency_us_, PlayerClock::Now());
  if (filled < len && s.eof_gen_ != gen)
    s.UpdateStatistics([](PlayerStatistics& st) { ++st.audioUnderruns; });
}

void PlayerAudioOutput::PumpLoop() {
  PlaybackState& s = shared_;
  const int frame_bytes = out_channels_ * 2;
  const int step = static_cast<int>(kPumpChunkUs * out_rate_ / 1000000) * frame_bytes;
  int64_t deadline = PlayerClock::Now();
  while (!s.abort_) {
    if (s.state_ != kStatePlaying) {
      s.WaitUntil([&s] { return s.state_ == kStatePlaying; });
      deadline = PlayerClock::Now();
      continue;
    }
    const int64_t now = PlayerClock::Now();
    if (deadline > now) {
      s.Nap(deadline - now);  // a pause, seek or stop cuts it short
      continue;
    }
    if (now - deadline > 200000) deadline = now;  // fell far behind (machine busy): no racing
    Fill(nullptr, step);
    deadline += kPumpChunkUs;
  }
}

}  // namespace playback
