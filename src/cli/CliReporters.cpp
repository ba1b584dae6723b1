#include "cli/CliReporters.h"

#include <algorithm>
#include <cmath>

#include "cli/JsonText.h"

namespace {

double Percent(double part, double whole) {
  if (!(whole > 0)) return 0;
  return std::clamp(part / whole * 100.0, 0.0, 100.0);
}

std::string FileName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string TaskFields(const PlannedTask& task) {
  return "\"index\":" + std::to_string(task.index) + ",\"source\":" + JsonString(task.source);
}

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

void WriteLine(std::FILE* out, const std::string& line) {
  std::fputs(line.c_str(), out);
  std::fputc('\n', out);
  std::fflush(out);
}

class JsonReporter : public RunReporter {
 public:
  explicit JsonReporter(std::FILE* out) : out_(out) {}
  void Planned(const PlannedTask& task) override { WriteLine(out_, JsonPlannedEvent(task)); }
  void Queued(const PlannedTask& task) override { WriteLine(out_, JsonQueuedEvent(task)); }
  void Progress(const PlannedTask& task) override {
    // One line per whole percent at most: enough to follow, not a flood.
    const int percent = static_cast<int>(Percent(task.position, task.duration));
    if (last_percent_.size() <= task.index) last_percent_.resize(task.index + 1, -1);
    if (percent == last_percent_[task.index]) return;
    last_percent_[task.index] = percent;
    WriteLine(out_, JsonProgressEvent(task));
  }
  void Finished(const PlannedTask& task) override { WriteLine(out_, JsonFinishedEvent(task)); }
  void Summary(const RunTotals& totals) override { WriteLine(out_, JsonSummaryEvent(totals)); }

 private:
  std::FILE* out_;
  std::vector<int> last_percent_;
};

std::string PlainFinishedLine(const PlannedTask& task) {
  switch (task.outcome) {
    case TaskOutcome::Converted: return "converted: " + task.source + " -> " + task.output;
    case TaskOutcome::Skipped: return "skipped: " + task.source + ": " + task.message;
    case TaskOutcome::Stopped: return "stopped: " + task.source;
    case TaskOutcome::Failed:
    case TaskOutcome::Pending: break;
  }
  return "failed: " + task.source + ": " + task.message;
}

std::string SummaryLine(const RunTotals& totals) {
  return std::to_string(totals.total) + (totals.total == 1 ? " file: " : " files: ") +
         std::to_string(totals.converted) +
         " converted, " + std::to_string(totals.failed) + " failed, " +
         std::to_string(totals.skipped) + " skipped, " + std::to_string(totals.stopped) +
         " stopped in " + Fixed(totals.elapsed, 1) + " s" +
         (totals.interrupted ? " (interrupted)" : "");
}

class PlainReporter : public RunReporter {
 public:
  explicit PlainReporter(std::FILE* out) : out_(out) {}
  void Planned(const PlannedTask& task) override { WriteLine(out_, DryRunLine(task)); }
  void Finished(const PlannedTask& task) override { WriteLine(out_, PlainFinishedLine(task)); }
  void Summary(const RunTotals& totals) override { WriteLine(out_, SummaryLine(totals)); }

 private:
  std::FILE* out_;
};

// Finished lines scroll above a block of live lines that is redrawn in place.
class LiveReporter : public RunReporter {
 public:
  explicit LiveReporter(std::FILE* out) : out_(out) {}
  void Planned(const PlannedTask& task) override { WriteLine(out_, DryRunLine(task)); }
  void Finished(const PlannedTask& task) override { pending_.push_back(PlainFinishedLine(task)); }
  void Tick(const std::vector<PlannedTask>& tasks, const RunTotals& totals) override {
    std::vector<std::string> block;
    for (const PlannedTask& task : tasks) {
      if (task.outcome == TaskOutcome::Pending && task.handle >= 0 && task.position > 0)
        block.push_back(LiveTaskLine(task, 60));
    }
    block.push_back(OverallLine(totals));
    Redraw(block);
  }
  void Summary(const RunTotals& totals) override {
    Redraw({});
    WriteLine(out_, SummaryLine(totals));
  }

 private:
  void Redraw(const std::vector<std::string>& block) {
    std::string text;
    if (shown_ > 0) text += "\r\x1b[" + std::to_string(shown_) + "A";
    text += "\r\x1b[J";  // clear from here to the end of the screen
    for (const std::string& line : pending_) text += line + "\n";
    pending_.clear();
    for (const std::string& line : block) text += line + "\n";
    shown_ = block.size();
    std::fputs(text.c_str(), out_);
    std::fflush(out_);
  }

  std::FILE* out_;
  std::vector<std::string> pending_;
  size_t shown_ = 0;
};

}  // namespace

const char* OutcomeName(TaskOutcome outcome) {
  switch (outcome) {
    case TaskOutcome::Converted: return "converted";
    case TaskOutcome::Failed: return "failed";
    case TaskOutcome::Skipped: return "skipped";
    case TaskOutcome::Stopped: return "stopped";
    case TaskOutcome::Pending: break;
  }
  return "pending";
}

int ExitCodeFor(const RunTotals& totals) {
  if (totals.interrupted) return 130;
  return totals.failed > 0 ? 1 : 0;
}

std::unique_ptr<RunReporter> MakeJsonReporter(std::FILE* out) {
  return std::make_unique<JsonReporter>(out);
}
std::unique_ptr<RunReporter> MakePlainReporter(std::FILE* out) {
  return std::make_unique<PlainReporter>(out);
}
std::unique_ptr<RunReporter> MakeLiveReporter(std::FILE* out) {
  return std::make_unique<LiveReporter>(out);
}

std::string JsonPlannedEvent(const PlannedTask& task) {
  return "{\"event\":\"planned\"," + TaskFields(task) + ",\"output\":" + JsonString(task.output) +
         ",\"options\":" + JsonString(task.job.options.toStdString()) + "}";
}

std::string JsonQueuedEvent(const PlannedTask& task) {
  return "{\"event\":\"queued\"," + TaskFields(task) + ",\"output\":" + JsonString(task.output) +
         ",\"options\":" + JsonString(task.job.options.toStdString()) +
         ",\"duration\":" + JsonNumber(task.duration) + "}";
}

std::string JsonProgressEvent(const PlannedTask& task) {
  return "{\"event\":\"progress\"," + TaskFields(task) +
         ",\"position\":" + JsonNumber(task.position) + ",\"duration\":" +
         JsonNumber(task.duration) + ",\"percent\":" +
         JsonNumber(std::floor(Percent(task.position, task.duration))) + "}";
}

std::string JsonFinishedEvent(const PlannedTask& task) {
  return "{\"event\":\"finished\"," + TaskFields(task) +
         ",\"output\":" + JsonString(task.output) + ",\"outcome\":\"" +
         OutcomeName(task.outcome) + "\",\"message\":" + JsonString(task.message) + "}";
}

std::string JsonSummaryEvent(const RunTotals& totals) {
  return "{\"event\":\"summary\",\"total\":" + std::to_string(totals.total) +
         ",\"converted\":" + std::to_string(totals.converted) +
         ",\"failed\":" + std::to_string(totals.failed) +
         ",\"skipped\":" + std::to_string(totals.skipped) +
         ",\"stopped\":" + std::to_string(totals.stopped) +
         ",\"seconds\":" + JsonNumber(totals.elapsed) +
         ",\"exit\":" + std::to_string(ExitCodeFor(totals)) + "}";
}

std::string DryRunLine(const PlannedTask& task) {
  return task.source + "\t" + task.output + "\t" + task.job.options.toStdString();
}

std::string ClockText(double seconds) {
  const long long total = std::isfinite(seconds) && seconds > 0 ? std::llround(seconds) : 0;
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", total / 3600, total / 60 % 60,
                total % 60);
  return text;
}

std::string LiveTaskLine(const PlannedTask& task, size_t width) {
  std::string name = FileName(task.source);
  if (name.size() > width) name = "..." + name.substr(name.size() - (width - 3));
  std::string percent = Fixed(Percent(task.position, task.duration), 0);
  percent.insert(0, percent.size() < 3 ? 3 - percent.size() : 0, ' ');
  return "  " + percent + "%  " + name;
}

std::string OverallLine(const RunTotals& totals) {
  const double speed = totals.elapsed > 0 ? totals.mediaDone / totals.elapsed : 0;
  std::string line = "Overall " + Fixed(Percent(totals.mediaDone, totals.mediaTotal), 0) +
                     "%  " + std::to_string(totals.Done()) + "/" + std::to_string(totals.total) +
                     " files  " + Fixed(speed, 1) + "x real time  ";
  if (speed > 0) line += ClockText((totals.mediaTotal - totals.mediaDone) / speed) + " left";
  else line += "--:--:-- left";
  return line;
}
