#include "engine/FFPlayer.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "engine/media/AVLib.h"
#include "engine/media/ExceptionText.h"
#include "engine/playback/PlayerSession.h"

struct FFPlayer::Impl {
  std::unique_ptr<playback::PlayerSession> session;
  // Sessions stopped from inside their own handlers: their threads are joined by
  // the next call from outside.
  std::vector<std::unique_ptr<playback::PlayerSession>> retired;
  std::string error;
  std::atomic<int> volume{128};
  std::atomic<bool> mute{false};
  std::atomic<int> frame_width{0};  // applied by UpdateScreen, read by the decoder
  std::atomic<int> frame_height{0};
  int screen_width = 0;
  int screen_height = 0;
  int pending_frame_width = 0;
  int pending_frame_height = 0;

  bool InOwnEvent() const {
    if (session && session->InOwnEvent()) return true;
    for (const auto& s : retired)
      if (s->InOwnEvent()) return true;
    return false;
  }
  // Joins and frees every session (none of them may be running this thread).
  void CloseAll() {
    if (session) session->Shutdown();
    session.reset();
    retired.clear();
  }
};

FFPlayer::FFPlayer() : impl_(std::make_unique<Impl>()) {}

FFPlayer::~FFPlayer() {
  if (!impl_->InOwnEvent()) {
    impl_->CloseAll();
    return;
  }
  // Destroyed from one of its own handlers: this thread belongs to the playback
  // and cannot wait for it. Playback ends without further events, and a thread of
  // its own joins the player's threads and frees the rest once they have left.
  if (impl_->session) impl_->session->Abandon(true);
  for (auto& s : impl_->retired)
    s->Abandon(true);
  Impl* leftover = impl_.release();
  try {
    std::thread([leftover] {
      leftover->CloseAll();
      delete leftover;
    }).detach();
  } catch (...) {
    // No thread to spare: the leftovers stay allocated rather than end the program.
  }
}

bool FFPlayer::AVLibLoaded() { return media::LibrariesLoaded(); }

bool FFPlayer::LoadAVLib(const std::string& folder, bool recheck) {
  if (!recheck && media::LibrariesLoaded()) return true;
  return media::LoadLibraries(folder);
}

bool FFPlayer::Open(const std::string& path, PlayerSink* sink, bool startPaused) {
  Stop(false);
  impl_->error.clear();
  try {
    return OpenSession(path, sink, startPaused);
  } catch (...) {
    impl_->error = "Cannot open file \"" + path + "\": " + media::ExceptionText(std::current_exception());
    return false;
  }
}

bool FFPlayer::OpenSession(const std::string& path, PlayerSink* sink, bool startPaused) {
  playback::PlayerSession::Settings settings;
  settings.showAudio = ShowAudio;
  settings.audioStream = AudioStreamIndex;
  settings.videoStream = VideoStreamIndex;
  settings.readTimeoutMs = ReadTimeout;
  settings.onDuration = OnDuration;
  settings.onPosition = OnPosition;
  settings.onState = OnState;
  // In place before the session's threads start: their handlers may call Stop at once.
  impl_->session = std::make_unique<playback::PlayerSession>(
      std::move(settings), sink, impl_->volume, impl_->mute, impl_->frame_width, impl_->frame_height);
  playback::PlayerSession* session = impl_->session.get();
  if (session->Open(path, startPaused, impl_->error)) return true;
  impl_->session.reset();
  return false;
}

std::string FFPlayer::LastErrorMessage() const {
  if (impl_->session) {
    std::string failure = impl_->session->Failure();
    if (!failure.empty()) return failure;
  }
  return impl_->error;
}

void FFPlayer::TogglePause() {
  if (Paused()) {
    Resume();
  } else {
    Pause();
  }
}

bool FFPlayer::Paused() const { return PlayState() != kStatePlaying; }

void FFPlayer::Pause() {
  if (impl_->session) impl_->session->Pause();
}

void FFPlayer::Resume() {
  if (impl_->session) impl_->session->Resume();
}

bool FFPlayer::Seek(int32_t low, int32_t high, int32_t flags, bool relative) {
  const int64_t target = static_cast<int64_t>(static_cast<uint64_t>(static_cast<uint32_t>(high)) << 32 |
                                              static_cast<uint32_t>(low));
  return Seek(target, flags, relative);
}

bool FFPlayer::Seek(int64_t target, int32_t flags, bool relative) {
  playback::PlayerSession* session = impl_->session.get();
  if (!session) {
    impl_->error = "Nothing is playing.";
    return false;
  }
  if (relative) target += session->Position();
  target = std::max<int64_t>(target, 0);
  if (session->Duration() > 0) target = std::min(target, session->Duration());
  session->RequestSeek(target, flags);
  return true;
}

int32_t FFPlayer::PlayState() const { return impl_->session ? impl_->session->State() : kStateStopped; }

int FFPlayer::AudioVolume() const { return impl_->volume; }
void FFPlayer::SetAudioVolume(int volume) { impl_->volume = std::clamp(volume, 0, 128); }
bool FFPlayer::Mute() const { return impl_->mute; }
void FFPlayer::SetMute(bool mute) { impl_->mute = mute; }

int FFPlayer::ScreenWidth() const { return impl_->screen_width; }
int FFPlayer::ScreenHeight() const { return impl_->screen_height; }
int FFPlayer::FrameWidth() const { return impl_->pending_frame_width; }
int FFPlayer::FrameHeight() const { return impl_->pending_frame_height; }
void FFPlayer::SetScreenWidth(int width) { impl_->screen_width = std::max(width, 0); }
void FFPlayer::SetScreenHeight(int height) { impl_->screen_height = std::max(height, 0); }
void FFPlayer::SetFrameWidth(int width) { impl_->pending_frame_width = std::max(width, 0); }
void FFPlayer::SetFrameHeight(int height) { impl_->pending_frame_height = std::max(height, 0); }

void FFPlayer::UpdateScreen() {
  impl_->frame_width = impl_->pending_frame_width;
  impl_->frame_height = impl_->pending_frame_height;
}

uintptr_t FFPlayer::ScreenHandle() const {
  const playback::PlayerSession* session = impl_->session.get();
  if (!session || !session->ShowsPictures()) return 0;
  return reinterpret_cast<uintptr_t>(session->Sink());
}

void FFPlayer::Stop(bool notify) {
  if (impl_->InOwnEvent()) {
    // From a handler: playback ends now and sends no more events; its threads,
    // this one among them, are joined by the next call from outside.
    if (!impl_->session) return;
    auto on_state = impl_->session->OnState();
    impl_->session->Abandon(true);
    impl_->retired.push_back(std::move(impl_->session));
    if (notify && on_state) on_state(kStateStopped);
    return;
  }
  impl_->retired.clear();
  if (!impl_->session) return;
  auto on_state = impl_->session->OnState();
  impl_->session->Shutdown();
  impl_->session.reset();
  if (notify && on_state) on_state(kStateStopped);
}

int64_t FFPlayer::Duration() const { return impl_->session ? impl_->session->Duration() : 0; }
int64_t FFPlayer::Position() const { return impl_->session ? impl_->session->Position() : 0; }
bool FFPlayer::HasVideo() const { return impl_->session && impl_->session->HasVideo(); }
bool FFPlayer::HasAudio() const { return impl_->session && impl_->session->HasAudio(); }

PlayerStatistics FFPlayer::Statistics() const {
  return impl_->session ? impl_->session->Statistics() : PlayerStatistics{};
}
