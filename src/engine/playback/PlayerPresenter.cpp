#include "engine/playback/PlayerPresenter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <utility>

#include "engine/playback/PlaybackState.h"
#include "engine/playback/PlayerAudioOutput.h"
#include "engine/playback/PlayerWaveform.h"

namespace playback {

namespace {
constexpr int64_t kPositionIntervalUs = 200000;  // position events while playing
constexpr int64_t kWaveIntervalUs = 40000;       // waveform pictures per second: 25
constexpr int64_t kHoldLimitUs = 300000;         // longest wait for sound before pictures run
constexpr int64_t kIdleUs = 5000;                // longest nap between two looks at the queue
constexpr int kMaxSurfaceSide = 8192;
constexpr int kWaveDefaultWidth = 512;
constexpr int kWaveDefaultHeight = 288;
}  // namespace

void PlayerPresenter::Show(std::shared_ptr<PlayerFrame> frame) {
  if (!shared_.Sink() || !frame || frame->pixels.empty()) return;
  const bool resized = frame->width != shown_width_ || frame->height != shown_height_;
  shown_width_ = frame->width;
  shown_height_ = frame->height;
  shown_position_ = frame->position;
  shared_.Present(std::move(frame));
  if (resized) shared_.Emit(kEventScreenReady);
}

void PlayerPresenter::ReportPosition(int64_t now, bool force) {
  PlaybackState& s = shared_;
  if (!force && now - last_position_time_ < kPositionIntervalUs) return;
  last_position_time_ = now;
  if (s.requested_position_ >= 0) return;  // a seek is on its way
  int64_t pos = std::max<int64_t>(0, s.clock_.Get(now));
  if (s.Duration() > 0) pos = std::min(pos, s.Duration());
  if (pos == s.last_position_) return;
  s.last_position_ = pos;
  s.Notify(s.Options().onPosition, pos);
}

bool PlayerPresenter::AtEnd(int gen) {
  PlaybackState& s = shared_;
  if (s.eof_gen_ != gen) return false;
  if (s.AudioIndex() >= 0 && (s.audio_done_gen_ != gen || audio_->Buffered(gen) > 0)) return false;
  if (s.VideoIndex() >= 0 && (s.video_done_gen_ != gen || !s.pictures_.Empty())) return false;
  return true;
}

void PlayerPresenter::FinishIfAtEnd(int gen) {
  PlaybackState& s = shared_;
  if (s.end_reported_gen_ == gen || !AtEnd(gen)) return;
  int32_t expected = kStatePlaying;
  if (!s.state_.compare_exchange_strong(expected, kStateEnded)) return;
  s.end_reported_gen_ = gen;
  const int64_t now = PlayerClock::Now();
  s.clock_.SetPaused(true, now);
  ReportPosition(now, true);
  const std::string early = EarlyEnd(gen, std::max(shown_position_, s.clock_.Get(now)));
  if (early.empty()) {
    s.Emit(kEventEndOfFile);
    return;
  }
  s.NoteEarlyEnd(early);
  s.Emit(kEventEndedEarly);
}

namespace {
std::string TimeText(int64_t us) {
  const int64_t t = std::max<int64_t>(0, us) / 1000000;
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(t / 3600),
                static_cast<long long>(t / 60 % 60), static_cast<long long>(t % 60));
  return text;
}
}  // namespace

// Why the end at `reached` came early, or "" for the file's real end. A length
// guessed from the bit rate is too rough to judge by.
std::string PlayerPresenter::EarlyEnd(int gen, int64_t reached) const {
  const PlaybackState& s = shared_;
  const int64_t length = s.Duration();
  const bool read_failed = s.read_failed_gen_ == gen;
  const bool short_of = length > 0 && s.Format()->duration_estimation_method != AVFMT_DURATION_FROM_BITRATE &&
                        length - reached >= std::max<int64_t>(500000, length / 10);
  if (!read_failed && !short_of) return {};
  // Damage well before the end is why the rest is missing; a last packet cut in
  // half is just the file being cut short.
  const bool damaged = read_failed || s.first_damage_us_ < reached - 500000;
  return "Playback stopped at " + TimeText(reached) + " of " + TimeText(length) + ": " +
         (damaged ? "the file is damaged there and could not be read further" : "the file is incomplete") +
         ".";
}

bool PlayerPresenter::PresentNextPicture(int gen, int64_t now) {
  PlaybackState& s = shared_;
  // Stale pictures from before a seek go first.
  auto peek = [gen](std::deque<QueuedPicture>& items) {
    while (!items.empty() && items.front().gen != gen)
      items.pop_front();
    std::pair<std::shared_ptr<PlayerFrame>, std::shared_ptr<PlayerFrame>> heads;
    if (!items.empty()) heads.first = items.front().frame;
    if (items.size() > 1 && items[1].gen == gen) heads.second = items[1].frame;
    return heads;
  };
  auto pop_front = [](std::deque<QueuedPicture>& items) {
    if (!items.empty()) items.pop_front();
    return 0;
  };
  auto [picture, next] = s.pictures_.Inspect(peek);
  if (!picture) return false;

  if (s.state_ != kStatePlaying) {
    // Paused: after a seek (or at open) the first picture of the new position shows.
    if (!s.refresh_pending_.exchange(false)) return false;
    s.pictures_.Inspect(pop_front);
    Show(picture);
    return true;
  }
  if (s.clock_.Held()) {
    s.video_ready_gen_ = gen;
    // Sound starts the clock when it comes; pictures only wait a little for it.
    const bool sound_leads = s.AudioIndex() >= 0 && s.audio_done_gen_ != gen;
    if (sound_leads && s.clock_.HeldFor(now) < kHoldLimitUs) return false;
    s.clock_.Set(picture->position, now);
  }
  const int64_t master = s.clock_.Get(now);
  const int64_t wait = picture->position - master;
  if (wait > 0) {
    s.Nap(std::min<int64_t>(wait, 10000));
    return true;
  }
  s.pictures_.Inspect(pop_front);
  s.refresh_pending_ = false;
  if (next && next->position <= master) {
    // Late: the next picture is already due, so this one is skipped.
    s.UpdateStatistics([](PlayerStatistics& st) { ++st.framesDropped; });
    return true;
  }
  Show(picture);
  const int64_t drift = picture->position - s.clock_.Get(PlayerClock::Now());
  s.UpdateStatistics([drift](PlayerStatistics& st) {
    ++st.framesShown;
    st.lastDriftUs = drift;
    st.driftAbsMaxUs = std::max<int64_t>(st.driftAbsMaxUs, std::llabs(drift));
    st.driftAbsSumUs += static_cast<double>(std::llabs(drift));
    ++st.driftCount;
  });
  return true;
}

void PlayerPresenter::PresentWave(int64_t now) {
  PlaybackState& s = shared_;
  const bool playing = s.state_ == kStatePlaying;
  const bool refresh = s.refresh_pending_.exchange(false);
  if (!refresh && (!playing || now - last_wave_time_ < kWaveIntervalUs)) return;
  last_wave_time_ = now;
  const int fw = std::min<int>(s.FrameWidth(), kMaxSurfaceSide);
  const int fh = std::min<int>(s.FrameHeight(), kMaxSurfaceSide);
  auto frame = std::make_shared<PlayerFrame>();
  frame->width = fw > 0 && fh > 0 ? fw : kWaveDefaultWidth;
  frame->height = fw > 0 && fh > 0 ? fh : kWaveDefaultHeight;
  frame->pixels = RenderPlayerWaveform(audio_->WaveSnapshot(), frame->width, frame->height);
  frame->position = s.clock_.Get(now);
  Show(std::move(frame));
}

void PlayerPresenter::Loop() {
  PlaybackState& s = shared_;
  while (!s.abort_) {
    const int gen = s.gen_;
    const int64_t now = PlayerClock::Now();
    ReportPosition(now, false);
    if (s.VideoIndex() >= 0) {
      if (PresentNextPicture(gen, now)) continue;
    } else {
      if (s.clock_.Held() && s.audio_done_gen_ == gen && audio_->Buffered(gen) == 0)
        s.clock_.Set(s.clock_.Get(now), now);
      if (s.Sink() && s.Options().showAudio == saWave) PresentWave(now);
    }
    FinishIfAtEnd(gen);
    s.Nap(kIdleUs);
  }
}

}  // namespace playback
