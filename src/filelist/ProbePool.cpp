#include "filelist/ProbePool.h"

#include <QCoreApplication>
#include <algorithm>
#include <system_error>
#include <utility>

#include "core/EngineTexts.h"
#include "engine/FFDecoder.h"
#include "filelist/NativePath.h"
#include "filelist/SourceFromDecoder.h"

namespace {

constexpr int kMostWorkers = 4;

// Closes the decoder when probing ends, however it ends.
class DecoderCloser {
 public:
  explicit DecoderCloser(FFDecoder& decoder) : decoder_(decoder) {}
  ~DecoderCloser() { decoder_.Close(); }
  DecoderCloser(const DecoderCloser&) = delete;
  DecoderCloser& operator=(const DecoderCloser&) = delete;

 private:
  FFDecoder& decoder_;
};

}  // namespace

ProbePool::ProbePool(Deliver deliver, int workers) : deliver_(std::move(deliver)) {
  if (workers <= 0) {
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    workers = std::clamp(cores, 1, kMostWorkers);
  }
  for (int i = 0; i < workers; ++i) {
    try {
      threads_.emplace_back([this] { Run(); });
    } catch (const std::system_error&) {
      break;  // fewer workers; with none, Submit probes in the caller's thread
    }
  }
}

ProbePool::~ProbePool() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    queue_.clear();
  }
  wake_.notify_all();
  for (std::thread& thread : threads_)
    thread.join();
}

void ProbePool::Submit(uint64_t batch, size_t firstIndex, const std::vector<QByteArray>& nativePaths) {
  if (nativePaths.empty()) return;
  if (threads_.empty()) {
    FFDecoder decoder;
    for (size_t i = 0; i < nativePaths.size(); ++i)
      deliver_(Probe(decoder, Job{batch, firstIndex + i, nativePaths[i]}));
    return;
  }
  {
    // One lock and one wake-up for a whole folder, not one per file.
    std::lock_guard<std::mutex> lock(mutex_);
    for (size_t i = 0; i < nativePaths.size(); ++i)
      queue_.push_back(Job{batch, firstIndex + i, nativePaths[i]});
  }
  wake_.notify_all();
}

void ProbePool::DropQueued() {
  std::lock_guard<std::mutex> lock(mutex_);
  queue_.clear();
}

void ProbePool::Run() {
  FFDecoder decoder;
  for (;;) {
    Job job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (stopping_) return;
      job = std::move(queue_.front());
      queue_.pop_front();
    }
    deliver_(Probe(decoder, job));
  }
}

ProbeResult ProbePool::Probe(FFDecoder& decoder, const Job& job) {
  ProbeResult result;
  result.batch = job.batch;
  result.index = job.index;
  result.ok = Describe(decoder, job.path, result.source, result.error);
  return result;
}

bool ProbePool::Describe(FFDecoder& decoder, const QByteArray& nativePath, SourceSummary& source,
                         QString& error) {
  // Devices, pipes and sockets could block the read forever; folders are no media.
  const NativePath::Kind kind = NativePath::KindOf(nativePath);
  if (kind == NativePath::Kind::Directory) {
    error = QCoreApplication::translate("ProbePool", "This is a folder, not a file.");
    return false;
  }
  if (kind == NativePath::Kind::Other) {
    error =
        QCoreApplication::translate("ProbePool", "This is not a regular file (a device, pipe or socket).");
    return false;
  }
  if (!decoder.Open(nativePath.toStdString(), std::string())) {
    error = EngineText(QString::fromStdString(decoder.LastErrorMessage()));
    return false;
  }
  DecoderCloser closer(decoder);

  FillFromDecoder(decoder, source);
  source.fileBytes = static_cast<int64_t>(NativePath::FileSize(nativePath));
  source.modified = NativePath::Modified(nativePath);
  return true;
}
