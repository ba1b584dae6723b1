#pragma once
// Inside the conversion queue: its tasks, the batches Start hands to the runner,
// and the state FFEncoder's calls and the worker threads share. Only FFEncoder.cpp
// (the calls) and EncoderRun.cpp (the run) include it.
#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/FFEncoder.h"
#include "engine/convert/AtomicOutputFile.h"
#include "engine/convert/EncoderOptions.h"
#include "engine/convert/OutputClaims.h"
#include "engine/convert/OutputFolder.h"
#include "engine/convert/OutputPlan.h"
#include "engine/media/MediaInput.h"

namespace convert {

struct Task {
  int handle = -1;
  std::string source;
  convert::FileId source_id;             // zero when the source could not be looked up
  media::SourceDescription description;  // read when the source was opened
  convert::OutputPlan plan;              // made by SetOutput
  std::string output;                    // the name the task writes (a numbered one under keep-both)
  convert::FolderHandle folder;          // the output folder, opened by SetOutput (null: not there yet)
  std::string name_note;                 // said with a success: the name had to be shortened
  std::string conflict;                  // set at Start: why the task may not run
  convert::Options options;
  bool ready = false;  // SetOutput accepted it
  bool done = false;   // an earlier Start already ran it
};

// Tasks taken by one Start, with the settings they run with.
struct Batch {
  std::vector<Task> tasks;
  int threads = 0;
  int read_timeout = 10000;
  ExistingOutput existing = ExistingOutput::KeepBoth;
  std::vector<convert::FileId> keep;  // every listed source: never replaced
};

// The encoder whose handler this thread is running, so calls from inside a
// handler can tell that they must not wait for the thread they are on.
inline thread_local const void* t_event_owner = nullptr;

struct EventScope {
  explicit EventScope(const void* owner) : previous(t_event_owner) { t_event_owner = owner; }
  ~EventScope() { t_event_owner = previous; }
  const void* previous;
};

}  // namespace convert

struct FFEncoder::Impl {
  std::mutex mutex;  // tasks, next_handle, cleared, error, pending, cancelled, running's changes
  std::map<int, convert::Task> tasks;
  int next_handle = 0;
  unsigned cleared = 0;  // ClearTasks calls, so a slow OpenInput sees it was cleared meanwhile
  // Every source opened since ClearTasks, also of tasks closed again: the files
  // that the user listed, none of which an output may replace.
  convert::Listed listed;
  // Output folders opened since ClearTasks, by the path given: tasks into one folder
  // share one handle (a large batch would otherwise hold a descriptor per file).
  std::map<std::string, convert::FolderHandle> folders;
  std::string error;
  std::optional<convert::Batch> pending;  // a Start made during a run: it follows that run
  std::vector<int> cancelled;             // pending tasks that Stop dropped; the run reports them

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

  bool InOwnEvent() const { return convert::t_event_owner == this; }

  // Handlers are copied before the call, so a handler may replace itself.
  template <typename Handler, typename... Args>
  void Emit(Handler Impl::*member, Args&&... args) {
    std::unique_lock lock(event_mutex, std::defer_lock);
    if (!InOwnEvent()) lock.lock();  // an event raised from a handler: the lock is ours already
    if (closed || !(this->*member)) return;
    const Handler handler = this->*member;
    convert::EventScope scope(this);
    try {
      handler(std::forward<Args>(args)...);
    } catch (...) {
      // A throwing handler must not end a worker thread (and with it the program).
    }
  }
  void EmitFinished(int task, const ConversionOutcome& outcome) { Emit(&Impl::finished, task, outcome); }
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
    for (const convert::Task& task : pending->tasks)
      cancelled.push_back(task.handle);
    pending.reset();
  }

  void RecordOutput(int handle, const std::string& written) {
    std::lock_guard lock(mutex);
    auto it = tasks.find(handle);
    if (it != tasks.end()) it->second.output = written;
  }

  bool RunOne(const convert::Task& task, int codec_threads, const convert::Batch& batch);
  int RunBatch(const convert::Batch& batch);
  static void RunLoop(std::shared_ptr<Impl> self, convert::Batch batch);
};
