#include "cli/CliReporters.h"

#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cmath>

#include "cli/CliJson.h"
#include "cli/CliSignals.h"
#include "cli/CliText.h"
#include "conversion/OutputEstimate.h"
#include "core/Helpers.h"

namespace {

constexpr size_t kDefaultColumns = 80;

double Percent(double part, double whole) {
  if (!(whole > 0)) return 0;
  return std::clamp(part / whole * 100.0, 0.0, 100.0);
}

std::string FileName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// Writes one line; when the reader has gone away (a closed pipe), asks the run to stop
// as SIGPIPE would have, so unfinished outputs are removed before the program ends.
void WriteLine(std::FILE* out, const std::string& line) {
  errno = 0;
  const bool written =
      std::fputs(line.c_str(), out) >= 0 && std::fputc('\n', out) != EOF && std::fflush(out) == 0;
  if (!written && errno == EPIPE) RequestStop(SIGPIPE);
}

// Length in bytes of the valid UTF-8 sequence at `i`, 0 when there is none.
size_t Utf8Length(const std::string& s, size_t i, char32_t* code) {
  const auto byte = [&s](size_t at) { return static_cast<unsigned char>(s[at]); };
  const unsigned char lead = byte(i);
  size_t length = lead < 0x80           ? 1
                  : (lead >> 5) == 0x6  ? 2
                  : (lead >> 4) == 0xE  ? 3
                  : (lead >> 3) == 0x1E ? 4
                                        : 0;
  if (length == 0 || i + length > s.size()) return 0;
  char32_t value = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i + k) & 0x3F);
  }
  static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kSmallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *code = value;
  return length;
}

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) || (c >= 0x1F900 && c <= 0x1F9FF) ||
         (c >= 0x20000 && c <= 0x3FFFD);
}

// The text split into characters (valid UTF-8 sequences, else single bytes) with widths.
struct Piece {
  size_t start, length, columns;
};
std::vector<Piece> Pieces(const std::string& text) {
  std::vector<Piece> pieces;
  for (size_t i = 0; i < text.size();) {
    char32_t code = 0;
    size_t length = Utf8Length(text, i, &code);
    if (length == 0) length = 1, code = 0xFFFD;
    pieces.push_back({i, length, IsWide(code) ? 2u : 1u});
    i += length;
  }
  return pieces;
}

size_t Columns(const std::string& path) { return TextColumns(path); }

std::string PlainResultLine(const PlannedTask& task) {
  const std::string source = TerminalText(task.source);
  switch (task.outcome) {
    case TaskOutcome::Converted:
    case TaskOutcome::Warning:
      return CliFormat(CliText::tr("converted: %1 -> %2"), {source, TerminalText(task.output)});
    case TaskOutcome::Skipped:
      return CliFormat(CliText::tr("skipped: %1: %2"), {source, TerminalText(task.message)});
    case TaskOutcome::Stopped:
      return CliFormat(CliText::tr("stopped: %1"), {source});
    case TaskOutcome::Failed:
    case TaskOutcome::Pending:
      break;
  }
  return {};
}

// Lines for standard error: a failure, or one line per note of a warning.
std::vector<std::string> ProblemLines(const PlannedTask& task) {
  const std::string source = TerminalText(task.source);
  if (task.outcome == TaskOutcome::Failed || task.outcome == TaskOutcome::Pending)
    return {CliFormat(CliText::tr("failed: %1: %2"), {source, TerminalText(task.message)})};
  std::vector<std::string> lines;
  if (task.outcome != TaskOutcome::Warning) return lines;
  for (const std::string& note : task.notes)
    if (!note.empty())
      lines.push_back(CliFormat(CliText::tr("warning: %1: %2"), {source, TerminalText(note)}));
  return lines;
}

std::string SummaryLine(const RunTotals& totals) {
  const int total = static_cast<int>(totals.total);
  // English says "1 file" and "0 files"; other languages choose their own forms.
  const QString files =
      total == 1 ? CliText::tr("%n file:", nullptr, total) : CliText::tr("%n files:", nullptr, total);
  QString converted = CliText::tr("%n converted", nullptr, static_cast<int>(totals.converted));
  if (totals.warnings)
    //: %1 is "N converted".
    converted =
        CliText::tr("%1 (%n with warnings)", nullptr, static_cast<int>(totals.warnings)).arg(converted);
  //: %1 is "N files:", %2 "N converted", %3 "N failed", %4 "N skipped", %5 "N stopped", %6 the
  //: seconds the whole run took.
  return CliFormat(CliText::tr("%1 %2, %3, %4, %5 in %6 s"),
                   {files.toStdString(), converted.toStdString(),
                    CliText::tr("%n failed", nullptr, static_cast<int>(totals.failed)).toStdString(),
                    CliText::tr("%n skipped", nullptr, static_cast<int>(totals.skipped)).toStdString(),
                    CliText::tr("%n stopped", nullptr, static_cast<int>(totals.stopped)).toStdString(),
                    Fixed(totals.elapsed, 1)}) +
         (totals.interrupted ? " " + CliText::tr("(interrupted)").toStdString() : "");
}

class JsonReporter : public RunReporter {
 public:
  JsonReporter(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}
  void Planned(const PlannedTask& task) override { WriteLine(out_, JsonPlannedEvent(task)); }
  void Queued(const PlannedTask& task) override { WriteLine(out_, JsonQueuedEvent(task)); }
  void Progress(const PlannedTask& task) override {
    // One line per whole percent at most: enough to follow, not a flood.
    const int percent = static_cast<int>(Percent(task.position, task.duration));
    if (Last(task).percent == percent) return;
    Print(task, percent);
  }
  void Finished(const PlannedTask& task) override {
    // The last progress line gives where the task really ended.
    if (task.handle >= 0 && Last(task).position != task.position)
      Print(task, static_cast<int>(Percent(task.position, task.duration)));
    WriteLine(out_, JsonFinishedEvent(task));
    for (const std::string& line : ProblemLines(task))
      WriteLine(err_, line);
  }
  void Summary(const RunTotals& totals) override { WriteLine(out_, JsonSummaryEvent(totals)); }

 private:
  struct Shown {
    int percent = -1;
    double position = 0;
  };
  Shown& Last(const PlannedTask& task) {
    if (shown_.size() <= task.index) shown_.resize(task.index + 1);
    return shown_[task.index];
  }
  void Print(const PlannedTask& task, int percent) {
    Last(task) = {percent, task.position};
    WriteLine(out_, JsonProgressEvent(task));
  }

  std::FILE* out_;
  std::FILE* err_;
  std::vector<Shown> shown_;
};

class PlainReporter : public RunReporter {
 public:
  PlainReporter(std::FILE* out, std::FILE* err, bool quiet) : out_(out), err_(err), quiet_(quiet) {}
  void Planned(const PlannedTask& task) override { WriteLine(out_, DryRunLine(task)); }
  void Finished(const PlannedTask& task) override {
    const std::string result = PlainResultLine(task);
    if (!quiet_ && !result.empty()) WriteLine(out_, result);
    for (const std::string& line : ProblemLines(task))
      WriteLine(err_, line);
  }
  void Summary(const RunTotals& totals) override {
    if (!quiet_) WriteLine(out_, SummaryLine(totals));
  }

 private:
  std::FILE* out_;
  std::FILE* err_;
  bool quiet_;
};

// Finished lines scroll above a block of live lines that is redrawn in place; every
// line fits the terminal's width, so none wraps and the block's height is known.
class LiveReporter : public RunReporter {
 public:
  LiveReporter(std::FILE* out, std::FILE* err, bool quiet) : out_(out), err_(err), quiet_(quiet) {
    ReadWidth();
  }
  void Planned(const PlannedTask& task) override { WriteLine(out_, DryRunLine(task)); }
  void Finished(const PlannedTask& task) override {
    const std::string result = PlainResultLine(task);
    if (!quiet_ && !result.empty()) pending_out_.push_back(result);
    for (const std::string& line : ProblemLines(task))
      pending_err_.push_back(line);
  }
  void Tick(const std::vector<PlannedTask>& tasks, const RunTotals& totals) override {
    if (TakeWindowChange()) ReadWidth();
    std::vector<std::string> block;
    if (!quiet_) {
      for (const PlannedTask& task : tasks) {
        if (task.outcome == TaskOutcome::Pending && task.handle >= 0 && task.position > 0)
          block.push_back(LiveTaskLine(task, columns_ - 1));
      }
      block.push_back(OverallLine(totals, columns_ - 1));
    }
    Redraw(block);
  }
  void Summary(const RunTotals& totals) override {
    Redraw({});
    if (!quiet_) WriteLine(out_, SummaryLine(totals));
  }

 private:
  void ReadWidth() {
    winsize size{};
    columns_ = ioctl(fileno(out_), TIOCGWINSZ, &size) == 0 && size.ws_col > 1 ? size.ws_col : kDefaultColumns;
  }
  void Redraw(const std::vector<std::string>& block) {
    if (shown_ == 0 && block.empty() && pending_out_.empty() && pending_err_.empty()) return;
    std::string clear;
    if (shown_ > 0) clear += "\r\x1b[" + std::to_string(shown_) + "A";
    clear += "\r\x1b[J";  // clear from here to the end of the screen
    std::fputs(clear.c_str(), out_);
    std::fflush(out_);
    for (const std::string& line : pending_err_)
      WriteLine(err_, line);
    pending_err_.clear();
    std::string text;
    for (const std::string& line : pending_out_)
      text += line + "\n";
    pending_out_.clear();
    for (const std::string& line : block)
      text += line + "\n";
    shown_ = block.size();
    if (!text.empty()) {
      text.pop_back();
      WriteLine(out_, text);
    }
  }

  std::FILE* out_;
  std::FILE* err_;
  bool quiet_;
  size_t columns_ = kDefaultColumns;
  std::vector<std::string> pending_out_, pending_err_;
  size_t shown_ = 0;
};

}  // namespace

const char* OutcomeName(TaskOutcome outcome) {
  switch (outcome) {
    case TaskOutcome::Converted:
      return "converted";
    case TaskOutcome::Warning:
      return "warning";
    case TaskOutcome::Failed:
      return "failed";
    case TaskOutcome::Skipped:
      return "skipped";
    case TaskOutcome::Stopped:
      return "stopped";
    case TaskOutcome::Pending:
      break;
  }
  return "pending";
}

int ExitCodeFor(const RunTotals& totals) {
  if (totals.interrupted) return 128 + (totals.signal > 0 ? totals.signal : SIGINT);
  return totals.failed > 0 ? 1 : 0;
}

std::unique_ptr<RunReporter> MakeJsonReporter(std::FILE* out, std::FILE* err) {
  return std::make_unique<JsonReporter>(out, err);
}
std::unique_ptr<RunReporter> MakePlainReporter(std::FILE* out, std::FILE* err, bool quiet) {
  return std::make_unique<PlainReporter>(out, err, quiet);
}
std::unique_ptr<RunReporter> MakeLiveReporter(std::FILE* out, std::FILE* err, bool quiet) {
  return std::make_unique<LiveReporter>(out, err, quiet);
}

std::string TerminalText(const std::string& bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size();) {
    char32_t code = 0;
    const size_t length = Utf8Length(bytes, i, &code);
    const bool control = length == 0 || code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0);
    if (!control) {
      text.append(bytes, i, length);
      i += length;
      continue;
    }
    const size_t count = length == 0 ? 1 : length;
    for (size_t k = 0; k < count; ++k) {
      const auto byte = static_cast<unsigned char>(bytes[i + k]);
      switch (byte) {
        case 0x1B:
          text += "\\e";
          break;
        case '\t':
          text += "\\t";
          break;
        case '\n':
          text += "\\n";
          break;
        case '\r':
          text += "\\r";
          break;
        case '\a':
          text += "\\a";
          break;
        case '\b':
          text += "\\b";
          break;
        case '\f':
          text += "\\f";
          break;
        case '\v':
          text += "\\v";
          break;
        default: {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\x%02X", byte);
          text += escape;
        }
      }
    }
    i += count;
  }
  return text;
}

size_t TextColumns(const std::string& text) {
  size_t columns = 0;
  for (const Piece& piece : Pieces(text))
    columns += piece.columns;
  return columns;
}

std::string FitMiddle(const std::string& text, size_t columns) {
  if (TextColumns(text) <= columns) return text;
  const std::string gap = "...";
  if (columns <= gap.size()) return gap.substr(0, columns);
  const std::vector<Piece> pieces = Pieces(text);
  const size_t room = columns - gap.size();
  size_t headColumns = 0, head = 0;
  while (head < pieces.size() && headColumns + pieces[head].columns <= (room + 1) / 2)
    headColumns += pieces[head++].columns;
  size_t tailColumns = 0, tail = pieces.size();
  while (tail > head && headColumns + tailColumns + pieces[tail - 1].columns <= room)
    tailColumns += pieces[--tail].columns;
  const size_t headBytes = head == 0 ? 0 : pieces[head - 1].start + pieces[head - 1].length;
  const size_t tailStart = tail == pieces.size() ? text.size() : pieces[tail].start;
  return text.substr(0, headBytes) + gap + text.substr(tailStart);
}

std::string DryRunLine(const PlannedTask& task) {
  const QString size = EstimateText(task.estimatedBytes);
  return TerminalText(task.source) + "\t" + TerminalText(task.output) + "\t" +
         TerminalText(task.job.options.toStdString()) + "\t" +
         (size.isEmpty() ? CliText::tr("size unknown").toStdString()
                         : CliFormat(CliText::tr("size %1"), {size.toStdString()}));
}

std::string ClockText(double seconds) { return FormatDuration(seconds).toStdString(); }

std::string LiveTaskLine(const PlannedTask& task, size_t columns) {
  std::string percent = Fixed(Percent(task.position, task.duration), 0);
  percent.insert(0, percent.size() < 3 ? 3 - percent.size() : 0, ' ');
  const std::string prefix = "  " + percent + "%  ";
  const size_t room = columns > Columns(prefix) ? columns - Columns(prefix) : 0;
  return FitMiddle(prefix + FitMiddle(TerminalText(FileName(task.source)), room), columns);
}

std::string OverallLine(const RunTotals& totals, size_t columns) {
  const double speed = totals.elapsed > 0 ? totals.mediaDone / totals.elapsed : 0;
  std::string line = CliFormat(
      CliText::tr("Overall %1%  %2/%n files  %3x real time  %4 left", nullptr,
                  static_cast<int>(totals.total)),
      {Fixed(Percent(totals.mediaDone, totals.mediaTotal), 0), std::to_string(totals.Done()), Fixed(speed, 1),
       speed > 0 ? ClockText((totals.mediaTotal - totals.mediaDone) / speed) : "--:--:--"});
  // Cut by screen columns at a whole character: a translation may use wide or multi-byte letters.
  size_t used = 0, bytes = 0;
  for (const Piece& piece : Pieces(line)) {
    if (used + piece.columns > columns) break;
    used += piece.columns;
    bytes = piece.start + piece.length;
  }
  return line.substr(0, bytes);
}
