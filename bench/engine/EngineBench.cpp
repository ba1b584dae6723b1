// Command-line driver for timing the engine against the ffmpeg tools.
//   engine_bench convert THREADS OPTIONS SOURCE OUTPUT [SOURCE OUTPUT ...]
//   engine_bench probe FILE...
// Prints the wall time in seconds; exits non-zero when any task failed.
// With STOP_AFTER_MS set, convert calls Stop after that long and also prints how
// long the engine took from Stop to the end of the run.
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "engine/FFDecoder.h"
#include "engine/FFEncoder.h"

namespace {

int Convert(int argc, char** argv) {
  if (argc < 6 || (argc - 4) % 2 != 0) {
    std::fprintf(stderr, "usage: engine_bench convert THREADS OPTIONS SOURCE OUTPUT [SOURCE OUTPUT ...]\n");
    return 2;
  }
  const int threads = std::atoi(argv[2]);
  const std::string options = argv[3];
  FFEncoder encoder;
  std::mutex mutex;
  std::condition_variable done;
  bool ended = false;
  int failures = 0;
  encoder.SetFinishedHandler([&](int task, const ConversionOutcome& outcome) {
    std::lock_guard lock(mutex);
    if (outcome.kind == ConversionOutcome::Kind::Failed) {
      ++failures;
      std::fprintf(stderr, "task %d failed: %s\n", task, outcome.text.c_str());
    }
    if (task < 0) {
      ended = true;
      done.notify_all();
    }
  });
  const auto start = std::chrono::steady_clock::now();
  encoder.ClearTasks();
  for (int i = 4; i + 1 < argc; i += 2) {
    const int handle = encoder.OpenInput(argv[i], "");
    if (handle < 0 || encoder.SetOutput(handle, argv[i + 1], options) < 0) {
      std::fprintf(stderr, "%s: %s\n", argv[i], encoder.LastErrorMessage().c_str());
      return 1;
    }
  }
  encoder.Start(threads);
  const char* stop_after = std::getenv("STOP_AFTER_MS");
  if (stop_after) {
    std::unique_lock lock(mutex);
    done.wait_for(lock, std::chrono::milliseconds(std::atoi(stop_after)), [&] { return ended; });
    const auto stop_at = std::chrono::steady_clock::now();
    lock.unlock();
    encoder.Stop(false);
    lock.lock();
    done.wait(lock, [&] { return ended; });
    std::printf("stop took %.3f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - stop_at).count());
  }
  {
    std::unique_lock lock(mutex);
    done.wait(lock, [&] { return ended; });
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.3f\n", seconds);
  return failures ? 1 : 0;
}

int Probe(int argc, char** argv) {
  FFDecoder decoder;
  int failures = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 2; i < argc; ++i) {
    if (!decoder.Open(argv[i], "")) {
      ++failures;
      std::fprintf(stderr, "%s: %s\n", argv[i], decoder.LastErrorMessage().c_str());
      continue;
    }
    decoder.Close();
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.3f\n", seconds);
  return failures ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "convert") == 0) return Convert(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "probe") == 0) return Probe(argc, argv);
  std::fprintf(stderr, "usage: engine_bench convert|probe ...\n");
  return 2;
}
