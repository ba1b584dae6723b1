#pragma once
// The conversion queue's public words: what a task does when its output name is taken,
// and how a task (or a whole run) ended. Plain C++, shared by the engine, the windows
// and the command-line converter.
#include <string>
#include <vector>

// What a task does when a file it did not write already holds its output name.
enum class ExistingOutput {
  KeepBoth,   // write "name (1).ext", "name (2).ext", ... beside it
  Overwrite,  // replace it, but only once the conversion has succeeded
  Skip,       // leave it and finish the task as skipped
};

// How a task ended. `text` is what a person reads: the failure, "Stopped", or
// "Skipped: name already exists"; empty after a success. `notes` are a success's
// remarks (damage skipped, an early end, tracks left out), one each.
struct ConversionOutcome {
  enum class Kind {
    Done,           // converted, nothing to say
    DoneWithNotes,  // converted; the output is kept and `notes` say what was left out
    Skipped,        // the output already existed and the rule was Skip
    Failed,
    Stopped,  // ended or never started because of Stop
  };
  Kind kind = Kind::Failed;
  std::string text;
  std::vector<std::string> notes;

  bool Converted() const { return kind == Kind::Done || kind == Kind::DoneWithNotes; }

  static ConversionOutcome Succeeded(std::vector<std::string> notes) {
    return {notes.empty() ? Kind::Done : Kind::DoneWithNotes, {}, std::move(notes)};
  }
  static ConversionOutcome Failure(std::string text) { return {Kind::Failed, std::move(text), {}}; }
  static ConversionOutcome Stop() { return {Kind::Stopped, "Stopped", {}}; }
  static ConversionOutcome Skip(std::string text) { return {Kind::Skipped, std::move(text), {}}; }
};

// The notes one a line, as a message shows them.
inline std::string JoinedNotes(const std::vector<std::string>& notes) {
  std::string text;
  for (const std::string& note : notes)
    text += (text.empty() ? "" : "\n") + note;
  return text;
}
