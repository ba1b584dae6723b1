#include "base/MediaExtensions.h"

#include <algorithm>

namespace mediaext {
namespace {

// Every kind of file the engine opens and the list takes; the dialog's filters, the
// folder walks of the window and the command line, and the desktop entry all read it.
const std::vector<std::string> kVideo = {"*.3gp", "*.3g2", "*.3gpp", "*.3g",   "*.k3g", "*.3gp2", "*.amv",
                                         "*.avi", "*.flv", "*.f4v",  "*.mkv",  "*.mpg", "*.mpeg", "*.mpe",
                                         "*.m1v", "*.m2v", "*.m2t",  "*.tod",  "*.ts",  "*.mts",  "*.m2ts",
                                         "*.mp4", "*.m4v", "*.rm",   "*.rmvb", "*.mov", "*.qt",   "*.dat",
                                         "*.vob", "*.wmv", "*.asf",  "*.webm", "*.ogv", "*.dpg",  "*.dv"};
const std::vector<std::string> kAudio = {"*.mp2", "*.mp3", "*.wma", "*.wav",  "*.ogg",  "*.opus",
                                         "*.aac", "*.ac3", "*.aif", "*.aiff", "*.flac", "*.m4a",
                                         "*.mka", "*.ra",  "*.ape", "*.mmf",  "*.m4r",  "*.wv"};

std::vector<std::string> Concat(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  std::vector<std::string> all = a;
  all.insert(all.end(), b.begin(), b.end());
  return all;
}

std::vector<Filter> BuildFilters() {
  return {
      {"All Supported Media Files", Concat(kVideo, kAudio)},
      {"All Supported Audio Files", kAudio},
      {"All Supported Video Files", kVideo},
      {"Audio - Advanced Audio Coding Files (*.aac)", {"*.aac"}},
      {"Audio - Audio InterChange File Format (*.aif;*.aiff)", {"*.aif", "*.aiff"}},
      {"Audio - Audio Coding 3 (*.ac3)", {"*.ac3"}},
      {"Audio - Free Lossless Audio Codec (*.flac)", {"*.flac"}},
      {"Audio - Monkey's Audio (*.ape)", {"*.ape"}},
      {"Audio - MPEG Layer-2 Audio (*.mp2)", {"*.mp2"}},
      {"Audio - MPEG Layer-3 Audio (*.mp3)", {"*.mp3"}},
      {"Audio - Matroska Audio (*.mka)", {"*.mka"}},
      {"Audio - MPEG-4 Audio (*.m4a,*.m4r)", {"*.m4a", "*.m4r"}},
      {"Audio - Ogg Vorbis Audio (*.ogg)", {"*.ogg"}},
      {"Audio - Opus Audio (*.opus)", {"*.opus"}},
      {"Audio - Real Audio (*.ra)", {"*.ra"}},
      {"Audio - Waveform Audio (*.wav)", {"*.wav"}},
      {"Audio - Windows Media Audio (*.wma)", {"*.wma"}},
      {"Audio - WavPack Audio (*.wv)", {"*.wv"}},
      {"Audio - Yamaha Synthetic Music Mobile Application Format (*.mmf)", {"*.mmf"}},
      {"Video - 3GPP files(*.3gp,*.3g2,*.3gpp,*.3g,*.k3g,*.3gp2)",
       {"*.3gp", "*.3g2", "*.3gpp", "*.3g", "*.k3g", "*.3gp2"}},
      {"Video - AMV files (*.amv)", {"*.amv"}},
      {"Video - AVI Files (*.avi)", {"*.avi"}},
      {"Video - Digital Video Files (*.dv)", {"*.dv"}},
      {"Video - DVD Video Files (*.vob)", {"*.vob"}},
      {"Video - Flash Video (*.flv,*.f4v)", {"*.flv", "*.f4v"}},
      {"Video - Matroska Video (*.mkv)", {"*.mkv"}},
      {"Video - MPEG Files (*.mpg,*.mpeg,*.mpe,*.m1v,*.m2v,*.m2t,*.tod)",
       {"*.mpg", "*.mpeg", "*.mpe", "*.m1v", "*.m2v", "*.m2t", "*.tod"}},
      {"Video - MPEG-4 files(*.mp4,*.m4v)", {"*.mp4", "*.m4v"}},
      {"Video - MPEG Transport Stream Files (*.ts,*.mts,*.m2ts)", {"*.ts", "*.mts", "*.m2ts"}},
      {"Video - NDS DPG Files (*.dpg)", {"*.dpg"}},
      {"Video - Ogg Video Files (*.ogv)", {"*.ogv"}},
      {"Video - QuickTime Files (*.mov,*.qt)", {"*.mov", "*.qt"}},
      {"Video - RealMedia file (*.rm,*.rmvb)", {"*.rm", "*.rmvb"}},
      {"Video - VCD Movie Files (*.dat)", {"*.dat"}},
      {"Video - WebM Video Files (*.webm)", {"*.webm"}},
      {"Video - Windows Media Video Files (*.wmv,*.asf)", {"*.wmv", "*.asf"}},
      {"All Files (*.*)", {"*.*"}},
  };
}

std::string ToLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace

const std::vector<Filter>& Filters() {
  static const std::vector<Filter> filters = BuildFilters();
  return filters;
}

std::string JoinedPatterns(const Filter& filter) {
  std::string joined;
  for (const std::string& p : filter.patterns)
    joined += (joined.empty() ? "" : ";") + p;
  return joined;
}

const std::vector<std::string>& SupportedExtensions() {
  static const std::vector<std::string> extensions = [] {
    std::vector<std::string> list;
    for (const std::string& p : Filters().front().patterns)
      if (p.size() > 2 && p.compare(0, 2, "*.") == 0) list.push_back(ToLower(p.substr(2)));
    return list;
  }();
  return extensions;
}

std::string LowerExtension(const std::string& name) {
  const size_t slash = name.find_last_of('/');
  const size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return ToLower(name.substr(dot + 1));
}

bool IsSupportedName(const std::string& name) {
  const std::string ext = LowerExtension(name);
  const std::vector<std::string>& all = SupportedExtensions();
  return !ext.empty() && std::find(all.begin(), all.end(), ext) != all.end();
}

}  // namespace mediaext
