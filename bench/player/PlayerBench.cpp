// Measures the engine player on one clip:
//   player_bench play <file> <seconds> [frameWidth frameHeight]
//       plays in real time and prints pictures decoded/shown/dropped, the
//       picture-to-clock drift and how far playback fell behind the wall clock;
//   player_bench seek <file> [count]
//       seeks while playing and while paused and prints the time until the new
//       picture reaches the screen;
//   player_bench cpu <file> <seconds>
//       plays and prints the process's CPU time (user + system).
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/FFPlayer.h"

namespace {

using Clock = std::chrono::steady_clock;

// Counts pictures and wakes a waiter when one at or after a position arrives.
class CountingSink : public PlayerSink {
 public:
  void PresentFrame(std::shared_ptr<const PlayerFrame> frame) override {
    std::lock_guard lock(mutex_);
    ++count_;
    last_position_ = frame->position;
    cv_.notify_all();
  }
  void Arm(int64_t position, int64_t tolerance) {
    std::lock_guard lock(mutex_);
    wanted_ = position;
    tolerance_ = tolerance;
    seen_ = false;
    last_position_ = -1;
  }
  // Waits for a picture within `tolerance` of the armed position.
  bool Wait(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    return cv_.wait_for(lock, limit, [this] {
      return last_position_ >= 0 && std::llabs(last_position_ - wanted_) <= tolerance_;
    });
  }
  int64_t Count() {
    std::lock_guard lock(mutex_);
    return count_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  int64_t count_ = 0;
  int64_t last_position_ = -1;
  int64_t wanted_ = 0;
  int64_t tolerance_ = 0;
  bool seen_ = false;
};

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
         usage.ru_stime.tv_usec / 1e6;
}

bool OpenOrReport(FFPlayer& player, const std::string& file, PlayerSink* sink, bool paused) {
  if (player.Open(file, sink, paused)) return true;
  std::fprintf(stderr, "cannot open: %s\n", player.LastErrorMessage().c_str());
  return false;
}

void SetFrameSize(FFPlayer& player, int w, int h) {
  player.SetScreenWidth(w);
  player.SetScreenHeight(h);
  player.SetFrameWidth(w);
  player.SetFrameHeight(h);
  player.UpdateScreen();
}

int Play(const std::string& file, double seconds, int w, int h) {
  FFPlayer player;
  CountingSink sink;
  SetFrameSize(player, w, h);
  std::atomic<bool> ended{false};
  player.OnState = [&](int32_t s) {
    if (s == FFPlayer::kEventEndOfFile) ended = true;
  };
  if (!OpenOrReport(player, file, &sink, false)) return 1;
  const auto start = Clock::now();
  int64_t first_position = -1;
  double first_at = 0;
  std::printf("second  position_s  lag_ms  decoded  shown  dropped  drift_avg_ms  drift_max_ms\n");
  for (int second = 1; second <= static_cast<int>(seconds) && !ended; ++second) {
    std::this_thread::sleep_until(start + std::chrono::milliseconds(second * 1000));
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const int64_t pos = player.Position();
    if (first_position < 0 && pos > 0) {
      first_position = pos;
      first_at = wall;
    }
    const PlayerStatistics st = player.Statistics();
    // Lag: wall time since the first reading minus media time since then.
    const double lag_ms = first_position < 0 ? 0 : ((wall - first_at) - (pos - first_position) / 1e6) * 1000;
    if (second % 5 == 0 || second == 1)
      std::printf("%6d  %10.3f  %6.1f  %7lld  %5lld  %7lld  %12.2f  %12.2f\n", second, pos / 1e6, lag_ms,
                  static_cast<long long>(st.framesDecoded), static_cast<long long>(st.framesShown),
                  static_cast<long long>(st.framesDropped),
                  st.driftCount ? st.driftAbsSumUs / st.driftCount / 1000 : 0.0, st.driftAbsMaxUs / 1000.0);
  }
  const PlayerStatistics st = player.Statistics();
  std::printf(
      "RESULT play: frame %dx%d, audio device %s, decoded %lld, shown %lld, dropped %lld, "
      "drift last %.2f ms, avg %.2f ms, max %.2f ms, sink received %lld, sound underruns %lld\n",
      w, h, st.audioDevice ? "yes" : "no (wall clock)", static_cast<long long>(st.framesDecoded),
      static_cast<long long>(st.framesShown), static_cast<long long>(st.framesDropped),
      st.lastDriftUs / 1000.0, st.driftCount ? st.driftAbsSumUs / st.driftCount / 1000 : 0.0,
      st.driftAbsMaxUs / 1000.0, static_cast<long long>(sink.Count()),
      static_cast<long long>(st.audioUnderruns));
  player.Stop(false);
  return 0;
}

int Seek(const std::string& file, int count) {
  FFPlayer player;
  CountingSink sink;
  SetFrameSize(player, 960, 540);
  if (!OpenOrReport(player, file, &sink, false)) return 1;
  std::this_thread::sleep_for(std::chrono::seconds(1));
  const int64_t duration = player.Duration();
  std::vector<double> playing, paused;
  std::srand(7);
  for (int i = 0; i < count * 2; ++i) {
    const bool pause = i % 2 == 1;
    if (pause) {
      player.Pause();
    } else {
      player.Resume();
    }
    const int64_t target = (duration - 2000000) * (std::rand() % 1000) / 1000;
    sink.Arm(target, 50000);
    const auto start = Clock::now();
    player.Seek(target, FFPlayer::kSeekExact, false);
    const bool shown = sink.Wait(std::chrono::milliseconds(3000));
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    (pause ? paused : playing).push_back(shown ? ms : 3000);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }
  auto report = [](const char* what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    double sum = 0;
    for (double x : v)
      sum += x;
    std::printf("RESULT seek %s: %zu seeks, median %.1f ms, mean %.1f ms, max %.1f ms\n", what, v.size(),
                v[v.size() / 2], sum / v.size(), v.back());
  };
  report("while playing", playing);
  report("while paused", paused);
  player.Stop(false);
  return 0;
}

int Cpu(const std::string& file, double seconds) {
  FFPlayer player;
  CountingSink sink;
  SetFrameSize(player, 960, 540);
  const double cpu_before = CpuSeconds();
  if (!OpenOrReport(player, file, &sink, false)) return 1;
  std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<int>(seconds * 1000)));
  player.Stop(false);
  std::printf("RESULT cpu: %.2f s CPU for %.1f s of playback (%lld pictures shown)\n",
              CpuSeconds() - cpu_before, seconds, static_cast<long long>(sink.Count()));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s play|seek|cpu <file> [seconds|count] [w h]\n", argv[0]);
    return 2;
  }
  const std::string mode = argv[1];
  const std::string file = argv[2];
  if (mode == "play")
    return Play(file, argc > 3 ? std::atof(argv[3]) : 30, argc > 5 ? std::atoi(argv[4]) : 960,
                argc > 5 ? std::atoi(argv[5]) : 540);
  if (mode == "seek") return Seek(file, argc > 3 ? std::atoi(argv[3]) : 10);
  if (mode == "cpu") return Cpu(file, argc > 3 ? std::atof(argv[3]) : 10);
  std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
  return 2;
}
