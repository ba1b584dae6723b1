// The conversion queue: tasks are probed when added, checked when given an output,
// and run on worker threads by Start.
#include "engine/FFEncoder.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "engine/AVLib.h"
#include "engine/AtomicOutputFile.h"
#include "engine/DisplayMatrix.h"
#include "engine/EncoderOptions.h"
#include "engine/MediaInput.h"
#include "engine/Transcoder.h"

namespace {

struct Task {
  int handle = -1;
  std::string source;
  media::FileId source_id;  // zero when the source could not be looked up
  encoder::SourceInfo info;
  std::string output;
  std::string requested;  // the output path as SetOutput was given it
  std::string conflict;   // set at Start: why the task may not run
  encoder::Options options;
  bool ready = false;  // SetOutput accepted it
  bool done = false;   // an earlier Start already ran it
};

// The last part of a path, for messages.
std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

media::Existing RuleOf(FFEncoder::ExistingOutput choice) {
  switch (choice) {
    case FFEncoder::ExistingOutput::Overwrite: return media::Existing::Overwrite;
    case FFEncoder::ExistingOutput::Skip: return media::Existing::Skip;
    case FFEncoder::ExistingOutput::KeepBoth: break;
  }
  return media::Existing::KeepBoth;
}

// Path spelling used to spot two tasks writing the same file.
std::string NormalPath(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path p = std::filesystem::weakly_canonical(std::filesystem::path(path), ec);
  return ec ? std::filesystem::path(path).lexically_normal().string() : p.string();
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

// Set while a handler runs, so Stop(true) from inside a handler cannot wait for
// the very thread it is running on.
thread_local bool t_in_event = false;

struct EventScope {
  EventScope() { t_in_event = true; }
  ~EventScope() { t_in_event = false; }
};

}  // namespace

struct FFEncoder::Impl {
  std::mutex mutex;  // tasks, next_handle, error
  std::map<int, Task> tasks;
  int next_handle = 0;
  // Every source opened since ClearTasks, also of tasks closed again: the files
  // that the user listed, none of which an output may replace.
  std::vector<std::pair<media::FileId, std::string>> listed;
  std::string error;

  std::mutex event_mutex;  // one event at a time reaches the handlers
  ProgressHandler progress;
  FinishedHandler finished;

  std::atomic<bool> stop{false};
  std::atomic<bool> running{false};
  std::thread runner;

  int SetError(const std::string& text) {
    error = text;
    return -1;
  }

  void EmitFinished(int task, bool succeeded, bool failed, const std::string& message) {
    std::lock_guard lock(event_mutex);
    EventScope scope;
    if (finished) finished(task, succeeded, failed, message);
  }
  void EmitProgress(int task, int64_t bytes, int64_t position, int64_t total) {
    std::lock_guard lock(event_mutex);
    EventScope scope;
    if (progress) progress(task, bytes, position, total);
  }

  void JoinRunner() {
    if (!runner.joinable()) return;
    if (runner.get_id() == std::this_thread::get_id())
      runner.detach();  // called from a Finished handler on the runner itself
    else
      runner.join();
  }

  struct RunSettings {
    int requested_threads = 0;
    int read_timeout = 10000;
    media::Existing existing = media::Existing::KeepBoth;
    std::vector<media::FileId> keep;  // every source of the run
  };
  bool RunOne(const Task& task, int codec_threads, const RunSettings& settings);
  void RunAll(std::vector<Task> batch, RunSettings settings);
  void RecordOutput(int handle, const std::string& written) {
    std::lock_guard lock(mutex);
    auto it = tasks.find(handle);
    if (it != tasks.end()) it->second.output = written;
  }
};

bool FFEncoder::Impl::RunOne(const Task& task, int codec_threads, const RunSettings& settings) {
  if (stop) {
    EmitFinished(task.handle, false, false, "Stopped");
    return true;
  }
  if (!task.conflict.empty()) {
    EmitFinished(task.handle, false, true, task.conflict);
    return false;
  }
  encoder::Job job;
  job.source = task.source;
  job.output = task.output;
  job.options = task.options;
  job.threads = codec_threads;
  job.read_timeout_ms = settings.read_timeout;
  job.stop = &stop;
  job.existing = settings.existing;
  job.keep = settings.keep;
  const int handle = task.handle;
  job.progress = [this, handle](int64_t bytes, int64_t position, int64_t total) {
    EmitProgress(handle, bytes, position, total);
  };
  std::string message, written;
  const encoder::Outcome outcome = encoder::Transcode(job, &message, &written);
  if (!written.empty()) RecordOutput(handle, written);
  switch (outcome) {
    case encoder::Outcome::Succeeded: EmitFinished(handle, true, false, message); return true;
    case encoder::Outcome::Stopped: EmitFinished(handle, false, false, "Stopped"); return true;
    case encoder::Outcome::Skipped:
      EmitFinished(handle, false, false, "Skipped: " + NameOf(written) + " already exists");
      return true;
    case encoder::Outcome::Failed: EmitFinished(handle, false, true, message); return false;
  }
  return false;
}

void FFEncoder::Impl::RunAll(std::vector<Task> batch, RunSettings settings) {
  // Leftovers of runs that were killed are removed before new ones are written.
  std::vector<std::string> folders;
  for (const Task& task : batch) {
    const size_t slash = task.output.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : task.output.substr(0, slash + 1);
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
  }
  for (const std::string& folder : folders) media::RemoveOrphans(folder);
  const ThreadSplit split = SplitThreads(settings.requested_threads, batch.size());
  std::atomic<size_t> next{0};
  std::atomic<int> failures{0};
  auto work = [&] {
    for (size_t i = next++; i < batch.size(); i = next++)
      if (!RunOne(batch[i], split.codec_threads, settings)) ++failures;
  };
  std::vector<std::thread> helpers;
  for (int i = 1; i < split.workers; ++i) {
    try {
      helpers.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // fewer helpers: the remaining workers take the tasks
    }
  }
  work();
  for (std::thread& t : helpers) t.join();
  const bool stopped = stop.load();
  running = false;
  EmitFinished(-1, !stopped && failures == 0, failures > 0, stopped ? "Stopped" : "");
}

FFEncoder::FFEncoder() : impl_(std::make_unique<Impl>()) {
  media::QuietLogs();
}

FFEncoder::~FFEncoder() { Stop(true); }

bool FFEncoder::AVLibLoaded() { return AVLib::Loaded(); }
bool FFEncoder::LoadAVLib(const std::string& folder) { return AVLib::Load(folder); }

void FFEncoder::SetProgressHandler(ProgressHandler handler) {
  std::lock_guard lock(impl_->event_mutex);
  impl_->progress = std::move(handler);
}
void FFEncoder::SetFinishedHandler(FinishedHandler handler) {
  std::lock_guard lock(impl_->event_mutex);
  impl_->finished = std::move(handler);
}

void FFEncoder::ClearTasks() {
  if (impl_->running) Stop(true);
  std::lock_guard lock(impl_->mutex);
  impl_->tasks.clear();
  impl_->listed.clear();
  impl_->next_handle = 0;
}

int FFEncoder::OpenInput(const std::string& path, const std::string& /*options*/) {
  std::lock_guard lock(impl_->mutex);
  // A source that cannot be opened still uses up its handle, so handles keep
  // matching the caller's rows (row n = handle n-1) after a failure.
  const int handle = impl_->next_handle++;
  media::ReadWatch watch(ReadTimeout, nullptr);
  std::string problem;
  avptr::Input input = media::OpenInput(path, &watch, &problem);
  if (!input) return impl_->SetError(problem);
  Task task;
  task.handle = handle;
  task.source = path;
  if (media::IdOf(path, &task.source_id)) impl_->listed.emplace_back(task.source_id, path);
  const int v = media::BestStream(input.get(), AVMEDIA_TYPE_VIDEO);
  const int a = media::BestStream(input.get(), AVMEDIA_TYPE_AUDIO);
  task.info.has_video = v >= 0;
  task.info.has_audio = a >= 0;
  if (!task.info.has_video && !task.info.has_audio) return impl_->SetError("The file holds no audio or video");
  if (v >= 0) {
    const AVStream* st = input->streams[v];
    media::ShownSize(media::StreamOrientation(st), st->codecpar->width, st->codecpar->height,
                     &task.info.facts.width, &task.info.facts.height);
    const AVRational rate = av_guess_frame_rate(input.get(), input->streams[v], nullptr);
    task.info.facts.frame_rate = {rate.num, rate.den};
  }
  impl_->tasks[handle] = std::move(task);
  return handle;
}

int FFEncoder::SetOutput(int handle, const std::string& path, const std::string& options) {
  std::lock_guard lock(impl_->mutex);
  auto it = impl_->tasks.find(handle);
  if (it == impl_->tasks.end()) return impl_->SetError("No task with handle " + std::to_string(handle));
  Task& task = it->second;
  if (path.empty() || path.back() == '/') return impl_->SetError("No output file name given");
  std::string problem;
  encoder::Options parsed;
  if (!encoder::Parse(options, task.info.facts, &parsed, &problem)) return impl_->SetError(problem);
  encoder::Plan plan;
  if (!encoder::MakePlan(parsed, path, task.info, &plan, &problem)) return impl_->SetError(problem);
  const std::string normal = NormalPath(path);
  auto is_file = [&](const std::string& other, const media::FileId& other_id) {
    media::FileId id;
    if (other_id.inode != 0 && media::IdOf(path, &id) && id == other_id) return true;
    return NormalPath(other) == normal;
  };
  if (is_file(task.source, task.source_id))
    return impl_->SetError("The output file " + path + " is the source file itself; it would be destroyed while being read");
  // No task may write over a file that another task still has to read.
  for (const auto& [id, source] : impl_->listed) {
    if (id == task.source_id) continue;
    if (is_file(source, id))
      return impl_->SetError("Converting " + task.source + " would replace " + source +
                             ", which is also in the list to be converted");
  }
  auto claimed = [&](const std::string& candidate) {
    const std::string spelled = NormalPath(candidate);
    for (const auto& [other_handle, other] : impl_->tasks)
      if (other_handle != handle && other.ready && !other.done && NormalPath(other.output) == spelled) return true;
    return false;
  };
  std::string chosen = path;
  if (IfExists == ExistingOutput::KeepBoth) {
    chosen = media::FreeName(path, claimed);
  } else if (claimed(path)) {
    return impl_->SetError("Another file in the list is already converted to " + path);
  }
  task.output = chosen;
  task.requested = path;
  task.options = parsed;
  task.ready = true;
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
  if (impl_->running) return;
  impl_->JoinRunner();
  std::vector<Task> batch;
  Impl::RunSettings settings;
  settings.requested_threads = threads;
  settings.read_timeout = ReadTimeout;
  settings.existing = RuleOf(IfExists);
  {
    std::lock_guard lock(impl_->mutex);
    for (const auto& entry : impl_->listed) settings.keep.push_back(entry.first);
    for (auto& [handle, task] : impl_->tasks) {
      if (!task.ready || task.done) continue;
      task.done = true;
      // A source listed after this task's SetOutput may be the file it would write.
      media::FileId out_id;
      const bool out_exists = media::IdOf(task.requested, &out_id);
      for (const auto& [id, source] : impl_->listed)
        if (out_exists && id == out_id && !(id == task.source_id))
          task.conflict = "Converting " + task.source + " would replace " + source +
                          ", which is also in the list to be converted";
      batch.push_back(task);
    }
  }
  impl_->stop = false;
  impl_->running = true;
  try {
    impl_->runner = std::thread(&Impl::RunAll, impl_.get(), batch, settings);
  } catch (const std::system_error& e) {
    impl_->running = false;
    for (const Task& task : batch)
      impl_->EmitFinished(task.handle, false, true, std::string("Cannot start a worker thread: ") + e.what());
    impl_->EmitFinished(-1, false, true, "");
  }
}

void FFEncoder::Stop(bool wait) {
  impl_->stop = true;
  if (wait && !t_in_event) impl_->JoinRunner();
}

bool FFEncoder::Running() const { return impl_->running; }
