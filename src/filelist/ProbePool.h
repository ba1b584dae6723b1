#pragma once
// Describes media files on a few threads of their own (as many as the machine has
// cores, at most 4), each with its own decoder, so the window never waits for a
// slow file. Results are handed to `deliver` on a worker thread, in whatever order
// the probes end; the caller puts them back in order by index.
#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "filelist/SourceSummary.h"

class FFDecoder;

struct ProbeResult {
  uint64_t batch = 0;  // which adding asked; a canceled adding ignores late results
  size_t index = 0;    // the file's place in that adding
  bool ok = false;
  SourceSummary source;
  QString error;  // why the file could not be opened
};

class ProbePool {
 public:
  using Deliver = std::function<void(const ProbeResult&)>;

  // `workers` 0: as many as the machine has cores, at most 4.
  explicit ProbePool(Deliver deliver, int workers = 0);
  ~ProbePool();  // forgets the queue and waits for the probes under way
  ProbePool(const ProbePool&) = delete;
  ProbePool& operator=(const ProbePool&) = delete;

  // Queues files that take the places `firstIndex`, `firstIndex` + 1, ... of `batch`.
  void Submit(uint64_t batch, size_t firstIndex, const std::vector<QByteArray>& nativePaths);
  // Forgets the files no worker has begun yet.
  void DropQueued();
  int Workers() const { return static_cast<int>(threads_.size()); }

  // Opens one file with `decoder` and describes it; false with `error` set when it
  // is no regular media file.
  static bool Describe(FFDecoder& decoder, const QByteArray& nativePath, SourceSummary& source,
                       QString& error);

 private:
  struct Job {
    uint64_t batch;
    size_t index;
    QByteArray path;
  };
  void Run();
  static ProbeResult Probe(FFDecoder& decoder, const Job& job);

  Deliver deliver_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> queue_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};
