// The conversion queue's calls: tasks are probed when added, checked when given an
// output, and handed to the runner (EncoderRun.cpp) by Start.
#include "engine/FFEncoder.h"

#include <cerrno>

#include "engine/convert/EncoderQueue.h"
#include "engine/convert/SizeEstimate.h"
#include "engine/media/AVLib.h"
#include "engine/media/SourceCache.h"

using convert::Batch;
using convert::Task;

FFEncoder::FFEncoder() : impl_(std::make_shared<Impl>()) { media::QuietLogs(); }

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

bool FFEncoder::AVLibLoaded() { return media::LibrariesLoaded(); }
bool FFEncoder::LoadAVLib(const std::string& folder) { return media::LoadLibraries(folder); }

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
  impl_->folders.clear();
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
  const bool identified = convert::IdOf(path, &task.source_id);
  task.handle = handle;
  task.source = path;
  if (std::optional<media::SourceDescription> known = media::RecallSource(path)) {
    task.description = std::move(*known);  // listed a moment ago and unchanged since
  } else {
    media::ReadWatch watch(ReadTimeout, nullptr);
    media::Input input = media::OpenInput(path, &watch, &problem);
    if (input) {
      task.description = media::DescribeSource(input.get(), path);
      media::RememberSource(path, task.description);
    }
  }
  if (problem.empty() && !task.description.HasVideo() && !task.description.HasAudio())
    problem = "The file holds no audio or video";
  std::lock_guard lock(impl_->mutex);
  if (cleared != impl_->cleared)
    return impl_->SetError("The task list was cleared while the file was opened");
  // Also a file that cannot be converted is the user's: no output may replace it.
  if (identified) impl_->listed.emplace_back(task.source_id, path);
  if (!problem.empty()) return impl_->SetError(problem);
  impl_->tasks[handle] = std::move(task);
  return handle;
}

namespace {

// The options as the engine reads them, for an estimate.
bool ParseForEstimate(const std::string& text, convert::Options* parsed) {
  std::string error;
  return convert::Parse(text, {}, parsed, &error);
}

}  // namespace

int64_t FFEncoder::OutputLength(const std::string& options, int64_t source_us) {
  convert::Options parsed;
  return ParseForEstimate(options, &parsed) ? convert::TrimmedLength(parsed, source_us) : 0;
}

int64_t FFEncoder::EstimateOutputBytes(const std::string& options, int64_t source_us, bool has_video,
                                       bool has_audio, double measured_bytes_per_second) {
  convert::Options parsed;
  if (!ParseForEstimate(options, &parsed)) return kSizeUnknown;
  // A constant quality's size depends on the pictures: only a measured sample tells.
  if (parsed.crf >= 0 && measured_bytes_per_second <= 0) return kSizeDependsOnContent;
  const int64_t bytes = convert::EstimateBytes(
      parsed, has_video, has_audio, convert::TrimmedLength(parsed, source_us), measured_bytes_per_second);
  return bytes < 0 ? kSizeUnknown : bytes;
}

int FFEncoder::SetOutput(int handle, const std::string& path, const std::string& options) {
  // What the checks need is copied under the lock; the disk is read without it.
  Task task;
  convert::Listed listed;
  std::vector<std::string> claimed;  // outputs of other tasks waiting to run
  {
    std::lock_guard lock(impl_->mutex);
    auto it = impl_->tasks.find(handle);
    if (it == impl_->tasks.end()) return impl_->SetError("No task with handle " + std::to_string(handle));
    task = it->second;
    listed = impl_->listed;
    for (const auto& [other_handle, other] : impl_->tasks)
      if (other_handle != handle && other.ready && !other.done)
        claimed.push_back(convert::NormalPath(other.output));
  }
  auto refuse = [this](const std::string& text) {
    std::lock_guard lock(impl_->mutex);
    return impl_->SetError(text);
  };
  if (path.empty() || path.back() == '/') return refuse("No output file name given");
  std::string problem;
  convert::Options parsed;
  if (!convert::Parse(options, convert::FactsOf(task.description), &parsed, &problem)) return refuse(problem);
  convert::OutputPlan plan;
  if (!convert::MakeOutputPlan(parsed, task.source, path, task.description, &plan, &problem))
    return refuse(problem);

  // The folder is opened now, as it is now, and the task keeps it to the end. One
  // that does not exist yet is opened when the task starts.
  const std::string folder_path = convert::FolderPart(path);
  convert::FolderHandle folder;
  {
    std::lock_guard lock(impl_->mutex);
    if (auto known = impl_->folders.find(folder_path); known != impl_->folders.end()) folder = known->second;
  }
  if (!folder) {
    folder = convert::OutputFolder::Open(folder_path, &problem);
    if (!folder && errno != ENOENT) return refuse(problem);
    std::lock_guard lock(impl_->mutex);
    if (folder) impl_->folders.emplace(folder_path, folder);
  }
  std::string chosen, note;
  const std::string refusal = convert::Choose(path, folder.get(), task.source, task.source_id, listed,
                                              claimed, IfExists == ExistingOutput::KeepBoth, &chosen, &note);
  if (!refusal.empty()) return refuse(refusal);

  std::lock_guard lock(impl_->mutex);
  auto it = impl_->tasks.find(handle);
  if (it == impl_->tasks.end()) return impl_->SetError("No task with handle " + std::to_string(handle));
  it->second.output = chosen;
  it->second.folder = std::move(folder);
  it->second.name_note = note;
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
  batch.existing = IfExists;
  convert::Listed listed;
  {
    std::lock_guard lock(impl.mutex);
    listed = impl.listed;
    for (auto& [handle, task] : impl.tasks) {
      if (!task.ready || task.done) continue;
      task.done = true;
      batch.tasks.push_back(task);
    }
  }
  for (const auto& entry : listed)
    batch.keep.push_back(entry.first);
  // A source listed after a task's SetOutput may be the very file that task would
  // write: such a task is failed when it comes to run.
  if (batch.existing != ExistingOutput::KeepBoth)
    for (Task& task : batch.tasks)
      task.conflict = convert::LateConflict(task.output, task.source, task.source_id, listed);
  {
    std::lock_guard lock(impl.mutex);
    if (impl.running) {
      // A run is going or winding down after Stop: this Start follows it. A
      // repeated Start with nothing new during a normal run changes nothing.
      if (batch.tasks.empty() && !impl.stop && !impl.pending) return;
      if (!impl.pending) impl.pending.emplace();
      for (Task& task : batch.tasks)
        impl.pending->tasks.push_back(std::move(task));
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
      impl.EmitFinished(task.handle,
                        ConversionOutcome::Failure(std::string("Cannot start a worker thread: ") + e.what()));
    impl.EmitFinished(-1, ConversionOutcome::Failure(""));
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
