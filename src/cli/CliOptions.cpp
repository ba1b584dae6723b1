#include "cli/CliOptions.h"

#include "cli/CliText.h"

#include <cstring>

namespace {

using ValueField = std::optional<std::string> CliOptions::*;
using FlagField = bool CliOptions::*;

struct ValueOption {
  const char* name;
  ValueField field;
};

struct FlagOption {
  const char* name;
  FlagField field;
};

const ValueOption kValueOptions[] = {
    {"--output", &CliOptions::outputFolder},
    {"--profile", &CliOptions::profile},
    {"--format", &CliOptions::format},
    {"--preset", &CliOptions::preset},
    {"--size", &CliOptions::size},
    {"--video-quality", &CliOptions::videoQuality},
    {"--audio-quality", &CliOptions::audioQuality},
    {"--vb", &CliOptions::videoBitrate},
    {"--ab", &CliOptions::audioBitrate},
    {"--fps", &CliOptions::frameRate},
    {"--aspect", &CliOptions::aspect},
    {"--crop", &CliOptions::crop},
    {"--rotate", &CliOptions::rotate},
    {"--rate", &CliOptions::sampleRate},
    {"--channels", &CliOptions::channels},
    {"--if-exists", &CliOptions::ifExists},
    {"--jobs", &CliOptions::jobs},
    {"--files-from", &CliOptions::filesFrom},
    {"--subtitles", &CliOptions::subtitles},
    {"--audio-tracks", &CliOptions::audioTracks},
    {"--crf", &CliOptions::crf},
    {"--deinterlace", &CliOptions::deinterlace},
    {"--start", &CliOptions::start},
    {"--duration", &CliOptions::duration},
};

// Switches with an opposite: "--keep-date" / "--no-keep-date".
struct ToggleOption {
  const char* name;
  std::optional<bool> CliOptions::*field;
  bool value;
};

const ToggleOption kToggleOptions[] = {
    {"--keep-date", &CliOptions::keepDate, true},
    {"--no-keep-date", &CliOptions::keepDate, false},
    {"--upscale", &CliOptions::upscale, true},
    {"--no-upscale", &CliOptions::upscale, false},
};

const FlagOption kFlagOptions[] = {
    {"--list-profiles", &CliOptions::listProfiles},
    {"--dry-run", &CliOptions::dryRun},
    {"--json", &CliOptions::json},
    {"--keep-tree", &CliOptions::keepTree},
    {"--vflip", &CliOptions::verticalFlip},
    {"--hflip", &CliOptions::horizontalFlip},
    {"--no-audio", &CliOptions::removeAudio},
    {"--help", &CliOptions::help},
    {"--version", &CliOptions::version},
    {"--quiet", &CliOptions::quiet},
    {"--null", &CliOptions::nulSeparated},
    {"--settings-from-window", &CliOptions::settingsFromWindow},
};

const ValueOption* FindValueOption(const std::string& name) {
  for (const ValueOption& option : kValueOptions)
    if (name == option.name) return &option;
  return nullptr;
}

const FlagOption* FindFlagOption(const std::string& name) {
  for (const FlagOption& option : kFlagOptions)
    if (name == option.name) return &option;
  return nullptr;
}

const ToggleOption* FindToggleOption(const std::string& name) {
  for (const ToggleOption& option : kToggleOptions)
    if (name == option.name) return &option;
  return nullptr;
}

// The long name a short option stands for, or nullptr.
const char* LongNameOf(char letter) {
  switch (letter) {
    case 'o':
      return "--output";
    case 'j':
      return "--jobs";
    case 'h':
      return "--help";
    case 'q':
      return "--quiet";
    case '0':
      return "--null";
    default:
      return nullptr;
  }
}

}  // namespace

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
  ParsedArguments result;
  CliOptions& options = result.options;
  auto fail = [&result](const std::string& text) {
    result.ok = false;
    result.error = text;
    return result;
  };

  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      options.inputs.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }

    if (arg == "--verbose" || arg == "-v" || arg == "-vv") {
      options.verbose += arg == "-vv" ? 2 : 1;
      continue;
    }
    std::string name;
    std::optional<std::string> inlineValue;
    if (arg.rfind("--", 0) == 0) {
      const size_t eq = arg.find('=');
      name = arg.substr(0, eq);
      if (eq != std::string::npos) inlineValue = arg.substr(eq + 1);
    } else {
      const char* longName = LongNameOf(arg[1]);
      if (!longName) return fail(CliFormat(CliText::tr("%1: unknown option"), {arg}));
      name = longName;
      if (arg.size() > 2) inlineValue = arg.substr(2);
    }

    if (const FlagOption* flag = FindFlagOption(name)) {
      if (inlineValue) return fail(CliFormat(CliText::tr("%1: takes no value"), {name}));
      options.*(flag->field) = true;
      continue;
    }
    if (const ToggleOption* toggle = FindToggleOption(name)) {
      if (inlineValue) return fail(CliFormat(CliText::tr("%1: takes no value"), {name}));
      options.*(toggle->field) = toggle->value;
      continue;
    }
    const ValueOption* option = FindValueOption(name);
    if (!option) return fail(CliFormat(CliText::tr("%1: unknown option"), {name}));
    std::string value;
    if (inlineValue) {
      value = *inlineValue;
    } else {
      if (i + 1 >= args.size()) return fail(CliFormat(CliText::tr("%1: needs a value"), {name}));
      value = args[++i];
    }
    if (options.*(option->field)) return fail(CliFormat(CliText::tr("%1: given more than once"), {name}));
    options.*(option->field) = value;
  }
  result.ok = true;
  return result;
}

std::string UsageText(size_t profileCount) {
  // One text per section, so a new option leaves the other sections' translations valid.
  std::string text = CliText::tr(R"USAGE(Usage: veltrane-convert [options] FILE|FOLDER... -o FOLDER
  or:  veltrane-convert [options] FILE -o OUTPUT_FILE
  or:  veltrane-convert [options] --files-from LIST -o FOLDER
Converts media files with the profiles and settings of Veltrane Video Converter.)USAGE")
                         .toStdString();
  text += "\n\n" + CliText::tr(R"USAGE(Input:
  --files-from LIST         also convert the files and folders named in LIST, one per
                            line ("-": standard input)
  -0, --null                the names in LIST end in a NUL byte (find -print0))USAGE")
                       .toStdString();
  text += "\n\n" + CliText::tr(R"USAGE(Output:
  -o, --output FOLDER       existing folder that receives the converted files; with
                            exactly one source, a file name for its output
  --profile TEXT            profile by id, exact caption, or a unique part of a
                            caption (any letter case); default "MP4 - H264 Video (*.mp4)"
  --format KEY              output format key instead of a profile (mp4h264, mp3, ...)
  --preset NAME|FILE        start from a preset saved in the window ("My Presets"),
                            or from a preset file (an existing file, or any text with
                            a "/"); the options given here apply over it
  --settings-from-window    start from the settings the window program last stored
                            (profile, size, qualities, grid values; not crop, flips
                            or rotation); options given here apply over them
  --list-profiles           list the PROFILE_COUNT profiles: id, caption, menu path, key
                            and extension (with --json: an array of objects), then exit
  --keep-tree               recreate each given folder (by its name) and its subfolders
                            under the output folder
  --if-exists MODE          keep-both (default: "name (1).ext"), overwrite or skip)USAGE")
                       .toStdString();
  text += "\n\n" + CliText::tr(R"USAGE(Picture and sound (as in the output settings dialog):
  --size WxH|auto           picture size; odd or out-of-range sizes are corrected
  --video-quality Q         high, normal or low (also 0, 1, 2)
  --audio-quality Q         high, normal or low
  --vb RATE                 video bitrate: digits, optionally ending in k ("1500k")
  --ab RATE                 audio bitrate ("128k")
  --fps FPS                 frame rate ("29.97")
  --aspect A:B              display aspect ("16:9")
  --crop L,T,R,B            pixels removed from the left, top, right and bottom
  --vflip, --hflip          flip the picture vertically / horizontally
  --rotate DEG              degrees clockwise, -270 to 270
  --rate HZ                 audio sample rate ("44100")
  --channels N              1, 2 or auto
  --no-audio                leave the sound out
  --audio-tracks all|first  keep every sound track or only the first
  --subtitles keep|burn|none  copy subtitle tracks, burn the first into the picture,
                            or leave them out
  --keep-date, --no-keep-date  give the output the source's modification time (default)
  --upscale, --no-upscale   allow a picture size larger than the source (default)
  --crf N                   constant quality instead of a bitrate; lower is better. Scales:
                            H.264 0-51 (usual 22), HEVC 0-51 (28), VP9 0-63 (32), AV1
                            0-63 (30); formats with other encoders refuse it
  --deinterlace MODE        off (default), auto (sources found to be interlaced) or
                            always
  --start T                 start the output at T in the source (hh:mm:ss.fff or seconds)
  --duration T              make the output T long (hh:mm:ss.fff or seconds)
  Each value option also takes "auto" where the dialog offers "Auto".)USAGE")
                       .toStdString();
  text += "\n\n" + CliText::tr(R"USAGE(Run:
  -j, --jobs N              files converted at once (default: the processor count)
  --dry-run                 print each source, output path, option string and estimated
                            output size; convert nothing
  --json                    one JSON object per event on standard output (schema 1)
  -q, --quiet               print only failures and errors
  -v, --verbose             also print the media libraries' warnings (-vv: information)
  -h, --help                this text
  --version                 program version)USAGE")
                       .toStdString();
  text += "\n\n" +
          CliText::tr(
              R"USAGE(Results go to standard output; failures, warnings and errors to standard error.)USAGE")
              .toStdString();
  text += "\n\n" +
          CliText::tr(
              R"USAGE(Exit status: 0 all converted (or skipped), 1 some failed, 2 bad usage, 128+N ended by
signal N after removing unfinished outputs (130 Ctrl-C, 143 SIGTERM, 129 SIGHUP).)USAGE")
              .toStdString() +
          "\n";
  if (const size_t count = text.find("PROFILE_COUNT"); count != std::string::npos)
    text.replace(count, 13, std::to_string(profileCount));
  return text;
}
