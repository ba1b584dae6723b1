// The conversion queue's runner: takes a batch of tasks, spreads them over worker
// threads and reports each task's end, then the run's.
#include <sys/stat.h>

#include <algorithm>

#include "engine/convert/EncoderQueue.h"
#include "engine/convert/Session.h"
#include "engine/media/ExceptionText.h"

using convert::Batch;
using convert::Task;

namespace {

// How many tasks run at once and how many codec threads each one gets.
struct ThreadSplit {
  int workers = 1;
  int codec_threads = 1;  // 0 lets the codecs pick for the whole machine
};

ThreadSplit SplitThreads(int requested, size_t tasks) {
  const int cores = std::max(1u, std::thread::hardware_concurrency());
  const int threads = requested > 0 ? requested : cores;
  ThreadSplit split;
  split.workers = static_cast<int>(std::max<size_t>(1, std::min<size_t>(threads, tasks)));
  const int per_task = std::max(1, threads / split.workers);
  split.codec_threads = per_task >= cores ? 0 : per_task;
  return split;
}

// Leftovers of killed runs in the batch's output folders are removed first.
void RemoveOrphansOf(const Batch& batch) {
  std::vector<std::pair<dev_t, ino_t>> done;
  for (const Task& task : batch.tasks) {
    if (!task.folder) continue;
    struct stat st {};
    if (fstat(task.folder->Fd(), &st) != 0) continue;
    if (std::find(done.begin(), done.end(), std::pair{st.st_dev, st.st_ino}) != done.end()) continue;
    done.emplace_back(st.st_dev, st.st_ino);
    convert::RemoveOrphans(*task.folder);
  }
}

}  // namespace

bool FFEncoder::Impl::RunOne(const Task& task, int codec_threads, const Batch& batch) {
  if (stop) {
    EmitFinished(task.handle, ConversionOutcome::Stop());
    return true;
  }
  if (!task.conflict.empty()) {
    EmitFinished(task.handle, ConversionOutcome::Failure(task.conflict));
    return false;
  }
  const int handle = task.handle;
  std::string written;
  ConversionOutcome outcome;
  try {
    convert::Job job;
    job.source = task.source;
    job.output = task.output;
    job.folder = task.folder;
    job.options = task.options;
    job.description = task.description;
    job.plan = task.plan;
    job.planned = true;
    job.threads = codec_threads;
    job.read_timeout_ms = batch.read_timeout;
    job.stop = &stop;
    job.existing = batch.existing;
    job.keep = batch.keep;
    job.progress = [this, handle](int64_t bytes, int64_t position, int64_t total) {
      EmitProgress(handle, bytes, position, total);
    };
    outcome = convert::Transcode(job, &written);
  } catch (...) {
    // The conversion's owners have freed what it held (its temporary file too).
    outcome = ConversionOutcome::Failure(media::ExceptionText(std::current_exception()));
  }
  if (!written.empty()) RecordOutput(handle, written);
  // A success's notes: a shortened name first, then the conversion's own.
  if (outcome.Converted() && !task.name_note.empty()) {
    outcome.notes.insert(outcome.notes.begin(), task.name_note);
    outcome.kind = ConversionOutcome::Kind::DoneWithNotes;
  }
  if (outcome.kind == ConversionOutcome::Kind::Skipped)
    outcome.text = "Skipped: " + convert::NameOf(written) + " already exists";
  EmitFinished(handle, outcome);
  return outcome.kind != ConversionOutcome::Kind::Failed;
}

// Runs one batch's tasks; returns how many failed.
int FFEncoder::Impl::RunBatch(const Batch& batch) {
  RemoveOrphansOf(batch);
  const ThreadSplit split = SplitThreads(batch.threads, batch.tasks.size());
  std::atomic<size_t> next{0};
  std::atomic<int> failures{0};
  auto work = [&] {
    for (size_t i = next++; i < batch.tasks.size(); i = next++)
      if (!RunOne(batch.tasks[i], split.codec_threads, batch)) ++failures;
  };
  std::vector<std::thread> helpers;
  for (int i = 1; i < split.workers; ++i) {
    try {
      helpers.emplace_back(work);
    } catch (...) {
      break;  // fewer helpers: the remaining workers take the tasks
    }
  }
  work();
  for (std::thread& t : helpers)
    t.join();
  return failures;
}

// The runner thread: runs a batch, then any Start that arrived meanwhile. It holds
// its own reference, so an encoder destroyed from a handler outlives the thread.
void FFEncoder::Impl::RunLoop(std::shared_ptr<Impl> self, Batch batch) {
  Impl& impl = *self;
  while (true) {
    int failures = 0;
    try {
      failures = impl.RunBatch(batch);
    } catch (...) {
      failures = 1;
    }
    std::vector<int> dropped;
    bool stopped = false;
    bool more = false;
    {
      std::lock_guard lock(impl.mutex);
      dropped.swap(impl.cancelled);
      stopped = impl.stop.load() || !dropped.empty();
      more = impl.pending.has_value();
      if (more) {
        batch = std::move(*impl.pending);
        impl.pending.reset();
        impl.stop = false;
      } else {
        impl.running = false;
      }
    }
    for (int handle : dropped)
      impl.EmitFinished(handle, ConversionOutcome::Stop());
    if (failures > 0)
      impl.EmitFinished(-1, ConversionOutcome::Failure(stopped ? "Stopped" : ""));
    else
      impl.EmitFinished(-1, stopped ? ConversionOutcome::Stop() : ConversionOutcome::Succeeded({}));
    if (!more) return;
  }
}
