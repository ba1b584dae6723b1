#include "cli/CliOptions.h"

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

// The long name a short option stands for, or nullptr.
const char* LongNameOf(char letter) {
  switch (letter) {
    case 'o': return "--output";
    case 'j': return "--jobs";
    case 'h': return "--help";
    default: return nullptr;
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

    std::string name;
    std::optional<std::string> inlineValue;
    if (arg.rfind("--", 0) == 0) {
      const size_t eq = arg.find('=');
      name = arg.substr(0, eq);
      if (eq != std::string::npos) inlineValue = arg.substr(eq + 1);
    } else {
      const char* longName = LongNameOf(arg[1]);
      if (!longName) return fail(arg + ": unknown option");
      name = longName;
      if (arg.size() > 2) inlineValue = arg.substr(2);
    }

    if (const FlagOption* flag = FindFlagOption(name)) {
      if (inlineValue) return fail(name + ": takes no value");
      options.*(flag->field) = true;
      continue;
    }
    const ValueOption* option = FindValueOption(name);
    if (!option) return fail(name + ": unknown option");
    std::string value;
    if (inlineValue) {
      value = *inlineValue;
    } else {
      if (i + 1 >= args.size()) return fail(name + ": needs a value");
      value = args[++i];
    }
    if (options.*(option->field)) return fail(name + ": given more than once");
    options.*(option->field) = value;
  }
  result.ok = true;
  return result;
}

std::string UsageText() {
  return R"USAGE(Usage: veltrane-convert [options] FILE|FOLDER... -o FOLDER
Converts media files with the profiles and settings of Veltrane Video Converter.

Output:
  -o, --output FOLDER       existing folder that receives the converted files
  --profile TEXT            profile by id, exact caption, or a unique part of a
                            caption (any letter case); default "MP4 - H264 Video (*.mp4)"
  --format KEY              output format key instead of a profile (mp4h264, mp3, ...)
  --list-profiles           list id, caption, menu path, key and extension, then exit
  --keep-tree               recreate each given folder (by its name) and its subfolders
                            under the output folder
  --if-exists MODE          keep-both (default: "name (1).ext"), overwrite or skip

Picture and sound (as in the output settings dialog):
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
  Each of these also takes "auto" where the dialog offers "Auto".

Run:
  -j, --jobs N              files converted at once (default: the processor count)
  --dry-run                 print each source, output path and option string; convert nothing
  --json                    one JSON object per event on standard output
  -h, --help                this text
  --version                 program version

Exit status: 0 all converted (or skipped), 1 some failed, 2 bad usage, 130 interrupted.
)USAGE";
}
