#pragma once
// The command line of veltrane-convert, read into plain values. Nothing here checks
// what a value means; that is the settings step's job, so the dialog's rules apply.
#include <optional>
#include <string>
#include <vector>

struct CliOptions {
  std::vector<std::string> inputs;          // files and folders, as given
  std::optional<std::string> filesFrom;     // a list file, "-" for standard input
  bool nulSeparated = false;                // -0: the list's names end in NUL, not newline
  std::optional<std::string> outputFolder;  // a folder, or a file name for one source
  std::optional<std::string> profile;       // caption, part of a caption, or id
  std::optional<std::string> format;        // format key
  std::optional<std::string> preset;        // a preset's name, or a preset file
  bool listProfiles = false;
  bool dryRun = false;
  bool json = false;
  bool keepTree = false;
  bool help = false;
  bool version = false;
  bool quiet = false;  // errors only
  int verbose = 0;     // 1: libav's warnings, 2: its information too
  bool settingsFromWindow = false;

  // The dialog's choices, each unset unless given.
  std::optional<std::string> size;          // "WxH" or "auto"
  std::optional<std::string> videoQuality;  // high|normal|low or 0|1|2
  std::optional<std::string> audioQuality;
  std::optional<std::string> videoBitrate;
  std::optional<std::string> audioBitrate;
  std::optional<std::string> frameRate;
  std::optional<std::string> aspect;
  std::optional<std::string> crop;  // "L,T,R,B"
  std::optional<std::string> rotate;
  std::optional<std::string> sampleRate;
  std::optional<std::string> channels;
  bool verticalFlip = false;
  bool horizontalFlip = false;
  bool removeAudio = false;
  std::optional<std::string> subtitles;    // keep|burn|none
  std::optional<std::string> audioTracks;  // all|first
  std::optional<bool> keepDate;
  std::optional<bool> upscale;
  std::optional<std::string> crf;          // constant quality on the format's encoder scale
  std::optional<std::string> deinterlace;  // off|auto|always
  std::optional<std::string> start;        // trim: "hh:mm:ss.fff" or seconds
  std::optional<std::string> duration;     // trim: the output's length

  std::optional<std::string> ifExists;  // keep-both|overwrite|skip
  std::optional<std::string> jobs;
};

struct ParsedArguments {
  bool ok = false;
  std::string error;  // names the option at fault
  CliOptions options;
};

// Reads the arguments after the program name. Accepts "--name value", "--name=value",
// "-o DIR", "-oDIR", "-j N", "-jN", "-q", "-v", "-vv", "-0"; "--" ends the options. A
// value may start with "-" (e.g. "--rotate -90").
ParsedArguments ParseArguments(const std::vector<std::string>& args);

// The --help text; `profileCount` is the catalogue's size.
std::string UsageText(size_t profileCount);
