#include "cli/CliRun.h"

#include "cli/CliText.h"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <system_error>
#include <thread>

#include "conversion/OutputEstimate.h"
#include "core/FileNames.h"
#include "engine/FFDecoder.h"
#include "engine/FFEncoder.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTickMs = 200;

void Finish(PlannedTask& task, TaskOutcome outcome, const std::string& message) {
  task.outcome = outcome;
  task.message = message;
}

void Count(RunTotals& totals, const PlannedTask& task) {
  switch (task.outcome) {
    case TaskOutcome::Converted:
      ++totals.converted;
      break;
    case TaskOutcome::Warning:
      ++totals.converted;
      ++totals.warnings;
      break;
    case TaskOutcome::Failed:
      ++totals.failed;
      break;
    case TaskOutcome::Skipped:
      ++totals.skipped;
      break;
    case TaskOutcome::Stopped:
      ++totals.stopped;
      break;
    case TaskOutcome::Pending:
      break;
  }
}

// A pipe whose read end wakes the main loop when the engine's run is over.
struct WakePipe {
  int fds[2] = {-1, -1};
  WakePipe() {
    if (pipe(fds) != 0) fds[0] = fds[1] = -1;
  }
  ~WakePipe() {
    for (int fd : fds)
      if (fd >= 0) close(fd);
  }
  void Signal() const {
    const char byte = 1;
    if (fds[1] >= 0) [[maybe_unused]]
      ssize_t n = write(fds[1], &byte, 1);
  }
};

// Hands one task to the engine, which decides its output name (the same decision
// for a dry run and a real one); false with the reason when it cannot run.
bool QueueTask(FFEncoder& encoder, PlannedTask& task, std::string* failure) {
  if (!task.probed) {
    *failure = CliFormat(CliText::tr("Can not open file: %1"), {task.probeError});
    return false;
  }
  if (!task.job.valid) {
    *failure = CliText::tr("unknown output format").toStdString();
    return false;
  }
  task.output = TextToNameString(task.job.outputPath);
  task.handle = encoder.OpenInput(task.source, std::string());
  if (task.handle < 0) {
    *failure = CliFormat(CliText::tr("Can not open file: %1"), {encoder.LastErrorMessage()});
    return false;
  }
  if (encoder.SetOutput(task.handle, task.output, task.job.options.toStdString()) < 0) {
    encoder.CloseInput(task.handle);
    task.handle = -1;
    *failure = CliFormat(CliText::tr("Cannot convert. %1"), {encoder.LastErrorMessage()});
    return false;
  }
  task.output = encoder.OutputPath(task.handle);
  return true;
}

class Runner {
 public:
  Runner(std::vector<PlannedTask>& tasks, const CliPlan& plan, RunReporter& reporter)
      : tasks_(tasks), plan_(plan), reporter_(reporter) {
    totals_.total = tasks.size();
    for (const PlannedTask& task : tasks)
      totals_.mediaTotal += task.duration;
  }

  int Run(int interruptFd) {
    start_ = Clock::now();
    encoder_.IfExists = plan_.ifExists;
    encoder_.SetProgressHandler(
        [this](int task, int64_t, int64_t position, int64_t total) { OnProgress(task, position, total); });
    encoder_.SetFinishedHandler(
        [this](int task, const ConversionOutcome& outcome) { OnFinished(task, outcome); });

    encoder_.ClearTasks();
    size_t queued = 0;
    for (PlannedTask& task : tasks_)
      queued += Queue(task) ? 1 : 0;

    int signal = 0;
    if (queued > 0) {
      encoder_.Start(plan_.jobs);
      signal = Wait(interruptFd);
    }
    // Handlers are done once the engine has said the run is over.
    std::lock_guard lock(mutex_);
    totals_.interrupted = signal != 0;
    totals_.signal = signal;
    totals_.elapsed = Seconds();
    reporter_.Summary(totals_);
    return ExitCodeFor(totals_);
  }

 private:
  double Seconds() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }

  bool Queue(PlannedTask& task) {
    std::lock_guard lock(mutex_);
    if (task.probed && task.job.valid) {
      std::error_code ignored;
      std::filesystem::create_directories(task.outputFolder, ignored);
    }
    std::string failure;
    if (!QueueTask(encoder_, task, &failure)) {
      FailNow(task, failure);
      return false;
    }
    if (handles_.size() <= static_cast<size_t>(task.handle)) handles_.resize(task.handle + 1, nullptr);
    handles_[task.handle] = &task;
    reporter_.Queued(task);
    return true;
  }

  void FailNow(PlannedTask& task, const std::string& message) {
    Finish(task, TaskOutcome::Failed, message);
    Count(totals_, task);
    reporter_.Finished(task);
  }

  PlannedTask* TaskOf(int handle) {
    if (handle < 0 || static_cast<size_t>(handle) >= handles_.size()) return nullptr;
    return handles_[handle];
  }

  void OnProgress(int handle, int64_t position, int64_t total) {
    std::lock_guard lock(mutex_);
    PlannedTask* task = TaskOf(handle);
    if (!task) return;
    task->position = static_cast<double>(position) / 1e6;
    if (total > 0) task->duration = static_cast<double>(total) / 1e6;
    reporter_.Progress(*task);
  }

  void OnFinished(int handle, const ConversionOutcome& outcome) {
    if (handle < 0) {
      run_over_ = true;
      done_.Signal();
      return;
    }
    const std::string written = encoder_.OutputPath(handle);
    std::lock_guard lock(mutex_);
    PlannedTask* task = TaskOf(handle);
    if (!task) return;
    RecordOutcome(*task, outcome);
    if (!written.empty()) task->output = written;
    if (task->outcome == TaskOutcome::Converted || task->outcome == TaskOutcome::Warning)
      task->position = task->duration;
    Count(totals_, *task);
    reporter_.Finished(*task);
  }

  void Tick() {
    std::lock_guard lock(mutex_);
    double done = 0;
    for (const PlannedTask& task : tasks_)
      done += task.outcome == TaskOutcome::Pending ? std::min(task.position, task.duration) : task.duration;
    totals_.mediaDone = done;
    totals_.elapsed = Seconds();
    reporter_.Tick(tasks_, totals_);
  }

  // Waits for the run's end; returns the signal that interrupted it, or 0.
  int Wait(int interruptFd) {
    int interrupted = 0;
    for (;;) {
      pollfd fds[2] = {{done_.fds[0], POLLIN, 0}, {interruptFd, POLLIN, 0}};
      const int ready = poll(fds, interruptFd >= 0 && !interrupted ? 2 : 1, kTickMs);
      if (run_over_ || (ready > 0 && (fds[0].revents & POLLIN))) break;
      if (ready > 0 && !interrupted && (fds[1].revents & POLLIN)) {
        unsigned char signal = 0;
        interrupted = read(interruptFd, &signal, 1) == 1 && signal > 0 ? signal : SIGINT;
        // Stop discards every unfinished output; Finished(-1) follows before it returns.
        encoder_.Stop(true);
        continue;
      }
      Tick();
    }
    Tick();
    return interrupted;
  }

  std::vector<PlannedTask>& tasks_;
  const CliPlan& plan_;
  RunReporter& reporter_;
  std::mutex mutex_;
  std::vector<PlannedTask*> handles_;
  RunTotals totals_;
  WakePipe done_;
  std::atomic<bool> run_over_{false};
  Clock::time_point start_;
  FFEncoder encoder_;  // last: destroyed (and its threads joined) before what handlers use
};

}  // namespace

void RecordOutcome(PlannedTask& task, const ConversionOutcome& outcome) {
  switch (outcome.kind) {
    case ConversionOutcome::Kind::Done:
      task.outcome = TaskOutcome::Converted;
      break;
    case ConversionOutcome::Kind::DoneWithNotes:
      task.outcome = TaskOutcome::Warning;
      break;
    case ConversionOutcome::Kind::Skipped:
      task.outcome = TaskOutcome::Skipped;
      break;
    case ConversionOutcome::Kind::Failed:
      task.outcome = TaskOutcome::Failed;
      break;
    case ConversionOutcome::Kind::Stopped:
      task.outcome = TaskOutcome::Stopped;
      break;
  }
  task.message = outcome.Converted() ? JoinedNotes(outcome.notes) : outcome.text;
  task.notes = outcome.notes;
}

std::vector<PlannedTask> PlanTasks(const CliPlan& plan, const std::vector<SourceFile>& sources) {
  std::vector<PlannedTask> tasks(sources.size());
  for (size_t i = 0; i < sources.size(); ++i) {
    PlannedTask& task = tasks[i];
    task.index = i;
    task.source = sources[i].path;
  }

  // Probing is most of the start-up time: several decoders read the sources at once.
  std::atomic<size_t> next{0};
  auto probe = [&tasks, &next] {
    FFDecoder decoder;
    for (size_t i = next++; i < tasks.size(); i = next++)
      tasks[i].probed = ProbeSource(decoder, tasks[i].source, tasks[i].row, tasks[i].probeError);
  };
  const size_t helpers =
      std::min<size_t>({tasks.size() / 8, std::max(1u, std::thread::hardware_concurrency()) - 1, 7});
  std::vector<std::thread> threads;
  for (size_t i = 0; i < helpers; ++i) {
    try {
      threads.emplace_back(probe);
    } catch (const std::system_error&) {
      break;  // fewer helpers: this thread probes the rest
    }
  }
  probe();
  for (std::thread& thread : threads)
    thread.join();

  // The builder runs in list order: a row without a readable picture size reuses the
  // previous row's pixel count.
  qint64 pixelCount = 0;
  for (size_t i = 0; i < tasks.size(); ++i) {
    PlannedTask& task = tasks[i];
    const QString folder = plan.outputFolder + NameToText(sources[i].subfolder);
    task.outputFolder = TextToNameString(folder);
    if (!task.probed) continue;
    task.job = BuildConversion(plan.settings, task.row, folder, &pixelCount);
    if (!plan.outputName.isEmpty()) task.job.outputPath = folder + plan.outputName;
    task.duration = OutputSeconds(task.job, task.row);  // after --start and --duration
    task.estimatedBytes = EstimateRowBytes(task.job, task.row);
  }
  return tasks;
}

int DryRun(std::vector<PlannedTask>& tasks, const CliPlan& plan, RunReporter& reporter) {
  RunTotals totals;
  totals.total = tasks.size();
  // Queued as for a run (nothing is started or created), so the names shown and
  // the refusals are the run's own.
  FFEncoder encoder;
  encoder.IfExists = plan.ifExists;
  encoder.ClearTasks();
  for (PlannedTask& task : tasks) {
    std::string failure;
    if (QueueTask(encoder, task, &failure)) {
      reporter.Planned(task);
      continue;
    }
    Finish(task, TaskOutcome::Failed, failure);
    ++totals.failed;
    reporter.Finished(task);
  }
  return ExitCodeFor(totals);
}

int RunTasks(std::vector<PlannedTask>& tasks, const CliPlan& plan, RunReporter& reporter, int interruptFd) {
  Runner runner(tasks, plan, reporter);
  return runner.Run(interruptFd);
}
