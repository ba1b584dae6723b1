// The conversion queue: tasks are probed when added, checked when given an output,
// and run on worker threads by Start.
#include "engine/FFEncoder.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "engine/AVLib.h"
#include "engine/AtomicOutputFile.h"
#include "engine/EncoderOptions.h"
#include "engine/ExceptionText.h"
#include "engine/MediaInput.h"
#include "engine/OutputClaims.h"
#include "engine/Transcoder.h"

namespace {

struct Task {
  int handle = -1;
  std::string source;
  media::FileId source_id;  // zero when the source could not be looked up
  media::SourceDescription description;  // read when the source was opened
  encoder::OutputPlan plan;              // made by SetOutput
  std::string output;     // the name the task writes (a numbered one under keep-both)
  std::string requested;  // the output path as SetOutput was given it
  std::string conflict;   // set at Start: why the task may not run
  encoder::Options options;
  bool ready = false;  // SetOutput accepted it
  bool done = false;   // an earlier Start already ran it
};

media::Existing RuleOf(FFEncoder::ExistingOutput choice) {
  switch (choice) {
    case FFEncoder::ExistingOutput::Overwrite: return media::Existing::Overwrite;
    case FFEncoder::ExistingOutput::Skip: return media::Existing::Skip;
    case FFEncoder::ExistingOutput::KeepBoth: break;
  }
  return media::Existing::KeepBoth;
}

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

// The encoder whose handler this thread is running, so calls from inside a
// handler can tell that they must not wait for the thread they are on.
thread_local const void* t_event_owner = nullptr;

struct EventScope {
  explicit EventScope(const void* owner) : previous(t_event_owner) { t_event_owner = owner; }
  ~EventScope() { t_event_owner = previous; }
  const void* previous;
};

// Tasks taken by one Start, with the settings they run with.
struct Batch {
  std::vector<Task> tasks;
  int threads = 0;
  int read_timeout = 10000;
  media::Existing existing = media::Existing::KeepBoth;
  std::vector<media::FileId> keep;  // every listed source: never replaced
};

// Leftovers of killed runs in the batch's output folders are removed first.
void RemoveOrphansOf(const Batch& batch) {
  std::vector<std::string> outputs;
  for (const Task& task : batch.tasks) outputs.push_back(task.output);
  for (const std::string& folder : outputclaims::FoldersOf(outputs)) media::RemoveOrphans(folder);
}

}  // namespace

struct FFEncoder::Impl {
  std::mutex mutex;  // tasks, next_handle, cleared, error, pending, cancelled, running's changes
  std::map<int, Task> tasks;
  int next_handle = 0;
  unsigned cleared = 0;  // ClearTasks calls, so a slow OpenInput sees it was cleared meanwhile
  // Every source opened since ClearTasks, also of tasks closed again: the files
  // that the user listed, none of which an output may replace.
  outputclaims::Listed listed;
  std::string error;
  std::optional<Batch> pending;  // a Start made during a run: it follows that run
  std::vector<int> cancelled;    // pending tasks that Stop dropped; the run reports them

  std::mutex event_mutex;  // one event at a time reaches the handlers
  ProgressHandler progress;
  FinishedHandler finished;
  bool closed = false;  // (event_mutex) the encoder is gone: no more events

  std::atomic<bool> stop{false};
  std::atomic<bool> running{false};
  std::thread runner;

  ~Impl() {
    if (runner.joinable()) runner.detach();  // only when the last reference is the runner's own
  }

  int SetError(const std::string& text) {
    error = text;
    return -1;
  }

  bool InOwnEvent() const { return t_event_owner == this; }

  // Handlers are copied before the call, so a handler may replace itself.
  template <typename Handler, typename... Args>
  void Emit(Handler Impl::*member, Args&&... args) {
    std::unique_lock lock(event_mutex, std::defer_lock);
    if (!InOwnEvent()) lock.lock();  // an event raised from a handler: the lock is ours already
    if (closed || !(this->*member)) return;
    const Handler handler = this->*member;
    EventScope scope(this);
    try {
      handler(std::forward<Args>(args)...);
    } catch (...) {
      // A throwing handler must not end a worker thread (and with it the program).
    }
  }
  void EmitFinished(int task, bool succeeded, bool failed, const std::string& message) {
    Emit(&Impl::finished, task, succeeded, failed, message);
  }
  void EmitProgress(int task, int64_t bytes, int64_t position, int64_t total) {
    Emit(&Impl::progress, task, bytes, position, total);
  }

  void JoinRunner() {
    if (!runner.joinable()) return;
    if (runner.get_id() == std::this_thread::get_id())
      runner.detach();  // called from a Finished handler on the runner itself
    else
      runner.join();
  }

  // Drops a Start that has not begun yet; its tasks are reported as stopped.
  void CancelPendingLocked() {
    if (!pending) return;
    for (const Task& task : pending->tasks) cancelled.push_back(task.handle);
    pending.reset();
  }

  void RecordOutput(int handle, const std::string& written) {
    std::lock_guard lock(mutex);
    auto it = tasks.find(handle);
    if (it != tasks.end()) it->second.output = written;
  }

  bool RunOne(const Task& task, int codec_threads, const Batch& batch);
  int RunBatch(const Batch& batch);
  static void RunLoop(std::shared_ptr<Impl> self, Batch batch);
};

bool FFEncoder::Impl::RunOne(const Task& task, int codec_threads, const Batch& batch) {
  if (stop) {
    EmitFinished(task.handle, false, false, "Stopped");
    return true;
  }
  if (!task.conflict.empty()) {
    EmitFinished(task.handle, false, true, task.conflict);
    return false;
  }
  const int handle = task.handle;
  std::string message, written;
  encoder::Outcome outcome = encoder::Outcome::Failed;
  try {
    encoder::Job job;
    job.source = task.source;
    job.output = task.output;
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
    outcome = encoder::Transcode(job, &message, &written);
  } catch (...) {
    // The conversion's owners have freed what it held (its temporary file too).
    outcome = encoder::Outcome::Failed;
    message = media::ExceptionText(std::current_exception());
  }
  if (!written.empty()) RecordOutput(handle, written);
  switch (outcome) {
    case encoder::Outcome::Succeeded: EmitFinished(handle, true, false, message); return true;
    case encoder::Outcome::Stopped: EmitFinished(handle, false, false, "Stopped"); return true;
    case encoder::Outcome::Skipped:
      EmitFinished(handle, false, false, "Skipped: " + outputclaims::NameOf(written) + " already exists");
      return true;
    case encoder::Outcome::Failed: EmitFinished(handle, false, true, message); return false;
  }
  return false;
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
  for (std::thread& t : helpers) t.join();
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
    for (int handle : dropped) impl.EmitFinished(handle, false, false, "Stopped");
    impl.EmitFinished(-1, !stopped && failures == 0, failures > 0, stopped ? "Stopped" : "");
    if (!more) return;
  }
}

FFEncoder::FFEncoder() : impl_(std::make_shared<Impl>()) {
  media::QuietLogs();
}

FFEncoder::~FFEncoder() {
  Impl& impl = *impl_;
  if (impl.InOwnEvent()) {
    // Destroyed from one of its own handlers: this thread cannot wait for the run
    // it belongs to. The run is stopped, sends no more events, and the runner
    // frees what is left when it ends.
    impl.closed = true;  // this thread holds event_mutex
    {
      std::lock_guard lock(impl.mutex);
      impl.stop = true;
      impl.CancelPendingLocked();
    }
    if (impl.runner.joinable()) impl.runner.detach();
    return;
  }
  Stop(true);
  std::lock_guard lock(impl.event_mutex);  // waits for a handler still running elsewhere
  impl.closed = true;
}

bool FFEncoder::AVLibLoaded() { return AVLib::Loaded(); }
bool FFEncoder::LoadAVLib(const std::string& folder) { return AVLib::Load(folder); }

// From inside a handler this thread already holds event_mutex.
void FFEncoder::SetProgressHandler(ProgressHandler handler) {
  if (impl_->InOwnEvent()) {
    impl_->progress = std::move(handler);
    return;
  }
  std::lock_guard lock(impl_->event_mutex);
  impl_->progress = std::move(handler);
}
void FFEncoder::SetFinishedHandler(FinishedHandler handler) {
  if (impl_->InOwnEvent()) {
    impl_->finished = std::move(handler);
    return;
  }
  std::lock_guard lock(impl_->event_mutex);
  impl_->finished = std::move(handler);
}

void FFEncoder::ClearTasks() {
  if (impl_->running) Stop(true);
  std::lock_guard lock(impl_->mutex);
  impl_->tasks.clear();
  impl_->listed.clear();
  impl_->next_handle = 0;
  ++impl_->cleared;
}

int FFEncoder::OpenInput(const std::string& path, const std::string& /*options*/) {
  // A source that cannot be opened still uses up its handle, so handles keep
  // matching the caller's rows (row n = handle n-1) after a failure.
  int handle = 0;
  unsigned cleared = 0;
  {
    std::lock_guard lock(impl_->mutex);
    handle = impl_->next_handle++;
    cleared = impl_->cleared;
  }
  // The probe reads the file: no lock is held meanwhile.
  Task task;
  std::string problem;
  const bool identified = media::IdOf(path, &task.source_id);
  {
    media::ReadWatch watch(ReadTimeout, nullptr);
    avptr::Input input = media::OpenInput(path, &watch, &problem);
    if (input) {
      task.handle = handle;
      task.source = path;
      task.description = media::DescribeSource(input.get(), path);
      if (!task.description.HasVideo() && !task.description.HasAudio()) problem = "The file holds no audio or video";
    }
  }
  std::lock_guard lock(impl_->mutex);
  if (cleared != impl_->cleared) return impl_->SetError("The task list was cleared while the file was opened");
  // Also a file that cannot be converted is the user's: no output may replace it.
  if (identified) impl_->listed.emplace_back(task.source_id, path);
  if (!problem.empty()) return impl_->SetError(problem);
  impl_->tasks[handle] = std::move(task);
  return handle;
}

int FFEncoder::SetOutput(int handle, const std::string& path, const std::string& options) {
  // What the checks need is copied under the lock; the disk is read without it.
  Task task;
  outputclaims::Listed listed;
  std::vector<std::string> claimed;  // outputs of other tasks waiting to run
  {
    std::lock_guard lock(impl_->mutex);
    auto it = impl_->tasks.find(handle);
    if (it == impl_->tasks.end()) return impl_->SetError("No task with handle " + std::to_string(handle));
    task = it->second;
    listed = impl_->listed;
    for (const auto& [other_handle, other] : impl_->tasks)
      if (other_handle != handle && other.ready && !other.done)
        claimed.push_back(outputclaims::NormalPath(other.output));
  }
  auto refuse = [this](const std::string& text) {
    std::lock_guard lock(impl_->mutex);
    return impl_->SetError(text);
  };
  if (path.empty() || path.back() == '/') return refuse("No output file name given");
  std::string problem;
  encoder::Options parsed;
  if (!encoder::Parse(options, encoder::FactsOf(task.description), &parsed, &problem)) return refuse(problem);
  encoder::OutputPlan plan;
  if (!encoder::MakeOutputPlan(parsed, task.source, path, task.description, &plan, &problem))
    return refuse(problem);

  std::string chosen;
  const std::string refusal = outputclaims::Choose(path, task.source, task.source_id, listed, claimed,
                                                   IfExists == ExistingOutput::KeepBoth, &chosen);
  if (!refusal.empty()) return refuse(refusal);

  std::lock_guard lock(impl_->mutex);
  auto it = impl_->tasks.find(handle);
  if (it == impl_->tasks.end()) return impl_->SetError("No task with handle " + std::to_string(handle));
  it->second.output = chosen;
  it->second.requested = path;
  it->second.options = parsed;
  it->second.plan = std::move(plan);
  it->second.ready = true;
  return 0;
}

void FFEncoder::CloseInput(int handle) {
  std::lock_guard lock(impl_->mutex);
  impl_->tasks.erase(handle);
}

std::string FFEncoder::OutputPath(int handle) const {
  std::lock_guard lock(impl_->mutex);
  auto it = impl_->tasks.find(handle);
  return it == impl_->tasks.end() ? std::string() : it->second.output;
}

std::string FFEncoder::LastErrorMessage() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->error;
}

void FFEncoder::Start(int threads) {
  Impl& impl = *impl_;
  Batch batch;
  batch.threads = threads;
  batch.read_timeout = ReadTimeout;
  batch.existing = RuleOf(IfExists);
  outputclaims::Listed listed;
  {
    std::lock_guard lock(impl.mutex);
    listed = impl.listed;
    for (auto& [handle, task] : impl.tasks) {
      if (!task.ready || task.done) continue;
      task.done = true;
      batch.tasks.push_back(task);
    }
  }
  for (const auto& entry : listed) batch.keep.push_back(entry.first);
  // A source listed after a task's SetOutput may be the very file that task would
  // write: such a task is failed when it comes to run.
  for (Task& task : batch.tasks)
    task.conflict = outputclaims::LateConflict(task.requested, task.source, task.source_id, listed);
  {
    std::lock_guard lock(impl.mutex);
    if (impl.running) {
      // A run is going or winding down after Stop: this Start follows it. A
      // repeated Start with nothing new during a normal run changes nothing.
      if (batch.tasks.empty() && !impl.stop && !impl.pending) return;
      if (!impl.pending) impl.pending.emplace();
      for (Task& task : batch.tasks) impl.pending->tasks.push_back(std::move(task));
      impl.pending->threads = threads;
      impl.pending->read_timeout = ReadTimeout;
      impl.pending->existing = batch.existing;
      impl.pending->keep = batch.keep;
      return;
    }
    impl.stop = false;
    impl.running = true;
  }
  impl.JoinRunner();  // the previous runner has ended its run; let it finish
  // The new runner's events wait until `runner` is set: a handler may read it.
  std::unique_lock gate(impl.event_mutex, std::defer_lock);
  if (!impl.InOwnEvent()) gate.lock();
  try {
    impl.runner = std::thread(&Impl::RunLoop, impl_, batch);
  } catch (const std::exception& e) {
    if (gate.owns_lock()) gate.unlock();
    impl.running = false;
    for (const Task& task : batch.tasks)
      impl.EmitFinished(task.handle, false, true, std::string("Cannot start a worker thread: ") + e.what());
    impl.EmitFinished(-1, false, true, "");
  }
}

void FFEncoder::Stop(bool wait) {
  {
    std::lock_guard lock(impl_->mutex);
    impl_->stop = true;
    impl_->CancelPendingLocked();
  }
  // A handler cannot wait for the run it is part of: there Stop(true) acts as Stop(false).
  if (wait && !impl_->InOwnEvent()) impl_->JoinRunner();
}

bool FFEncoder::Running() const { return impl_->running; }
