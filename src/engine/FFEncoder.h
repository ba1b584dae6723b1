#pragma once
// The engine's front door for converting, for callers without libav headers (the
// windows, the command line). Behind it: convert/ (option parsing, the output plan,
// the lanes, the session that writes one output, the queue's worker threads) on
// media/.
//
// A queue of conversion tasks, each one source file, one output file and an option
// string in FFmpeg command-line syntax. Start runs the queue on worker threads and
// returns at once; events arrive on those worker threads.
//
// Task handles: OpenInput hands out 0, 1, 2, ... in call order after ClearTasks and
// never reuses a handle within one queue, also when a task was closed again. Every
// event names its task by that handle, so a caller can map tasks to its own rows.
// An OpenInput that fails still uses up its number, so handle n-1 stays the n-th
// OpenInput call even when some sources could not be opened.
//
// Events: Progress a few times a second per running task; Finished once per task with
// its ConversionOutcome (done; done with notes: damage skipped, an early end, tracks
// left out; failed with its text; stopped, text "Stopped", when Stop ended or skipped
// it; skipped, text "Skipped: name already exists", when the output already existed
// and IfExists is Skip) and then once with task -1 when the run is over (done, failed
// when a task failed, or stopped). Handlers run on worker threads, one event at a time.
//
// Calls from inside a handler: every call is allowed. Stop(true) there cannot wait
// for the run the handler belongs to and acts as Stop(false). Destroying the
// encoder from a handler stops the run; no further events arrive and the worker
// threads end on their own.
//
// A worker never ends the program: an exception or a failed allocation inside a
// conversion fails that task with a message and frees what it held.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/ConversionOutcome.h"

class FFEncoder {
 public:
  // task, bytes written so far, output position and source duration in microseconds.
  using ProgressHandler = std::function<void(int task, int64_t bytes, int64_t position_us, int64_t total_us)>;
  // task (-1 once the whole run has ended) and how it ended.
  using FinishedHandler = std::function<void(int task, const ConversionOutcome& outcome)>;

  FFEncoder();
  ~FFEncoder();  // stops and joins any run (from a handler: stops it, see above)
  FFEncoder(const FFEncoder&) = delete;
  FFEncoder& operator=(const FFEncoder&) = delete;

  using ExistingOutput = ::ExistingOutput;

  // Stored settings.
  int ReadTimeout = 10000;                             // ms
  ExistingOutput IfExists = ExistingOutput::KeepBoth;  // read by SetOutput and the run

  // What an option string makes of a source lasting `source_us` (0 when unknown),
  // worked out without a file. OutputLength: the length after -ss and -t, 0 when
  // unknown or for an option string that cannot be read.
  static int64_t OutputLength(const std::string& options, int64_t source_us);
  // The output's estimated size in bytes: its bit rates times its length, or with
  // `measured_bytes_per_second` > 0 (a sample of the same settings was converted)
  // that rate times its length. Constant quality (-crf) without a sample has no size
  // to tell; other strings whose bit rates are left to the encoder give kSizeUnknown.
  static constexpr int64_t kSizeUnknown = -1;
  static constexpr int64_t kSizeDependsOnContent = -2;
  static int64_t EstimateOutputBytes(const std::string& options, int64_t source_us, bool has_video,
                                     bool has_audio, double measured_bytes_per_second = 0);

  static bool AVLibLoaded();
  static bool LoadAVLib(const std::string& folder);

  void SetProgressHandler(ProgressHandler handler);
  void SetFinishedHandler(FinishedHandler handler);

  void ClearTasks();
  // Opens a source; returns a task handle >= 0, or a negative value on failure.
  int OpenInput(const std::string& path, const std::string& options);
  // Checks the output path and the whole option string for the task; negative on failure.
  int SetOutput(int handle, const std::string& path, const std::string& options);
  void CloseInput(int handle);
  // The file the task writes: the SetOutput path, or the free "name (n).ext" that
  // KeepBoth chose. Final once the task's Finished event has been sent; empty for
  // an unknown handle.
  std::string OutputPath(int handle) const;
  std::string LastErrorMessage() const;

  // Runs every ready task; returns at once. During a run, also one winding down
  // after Stop, the tasks made ready since then run once that run has ended: its
  // Finished(-1) comes first, then this run's events and its own Finished(-1).
  void Start(int threads);
  // Ends all work, also a Start still waiting for the run before it (its tasks
  // finish as "Stopped"). With wait = false it returns at once; the run's final
  // Finished(-1) still follows from the worker side.
  void Stop(bool wait);
  bool Running() const;

 private:
  struct Impl;
  std::shared_ptr<Impl> impl_;  // worker threads hold it too
};
