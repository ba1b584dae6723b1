#include "engine/convert/EncoderOptions.h"

#include "engine/convert/EncoderQuality.h"
#include "engine/convert/OptionValues.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

namespace convert {

bool Tokenize(const std::string& text, std::vector<std::string>* tokens, std::string* error) {
  tokens->clear();
  std::string current;
  bool in_token = false;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      in_token = true;  // "" is an (empty) token of its own
    } else if (!quoted && std::isspace(static_cast<unsigned char>(c))) {
      if (in_token) tokens->push_back(current);
      current.clear();
      in_token = false;
    } else {
      current += c;
      in_token = true;
    }
  }
  if (quoted) {
    *error = "Unclosed quote in the options";
    return false;
  }
  if (in_token) tokens->push_back(current);
  return true;
}

namespace {

bool IsX264Preset(const std::string& name) {
  static const char* const kPresets[] = {"ultrafast", "superfast", "veryfast", "faster",   "fast",
                                         "medium",    "slow",      "slower",   "veryslow", "placebo"};
  for (const char* p : kPresets)
    if (name == p) return true;
  return false;
}

bool IsPal(const Ratio& rate) {
  // 25 and 50 fps sources are PAL; everything else is treated as NTSC.
  const double v = rate.Value();
  return std::fabs(v - 25) < 0.01 || std::fabs(v - 50) < 0.01;
}

// The standard stream settings of the VCD, SVCD and DVD targets.
bool ApplyTarget(const std::string& name, const SourceFacts& source, Options* o, std::string* error) {
  std::string kind = name;
  int norm = -1;  // 0 PAL, 1 NTSC, 2 film
  for (const auto& [prefix, value] : {std::pair<std::string, int>{"pal-", 0}, {"ntsc-", 1}, {"film-", 2}}) {
    if (name.rfind(prefix, 0) == 0) {
      norm = value;
      kind = name.substr(prefix.size());
    }
  }
  if (kind != "vcd" && kind != "svcd" && kind != "dvd") {
    *error = "Unknown target '" + name + "'";
    return false;
  }
  if (norm < 0) norm = IsPal(source.frame_rate) ? 0 : 1;
  const bool pal = norm == 0;
  o->target = name;
  o->target_norm = pal ? "pal" : norm == 2 ? "film" : "ntsc";
  o->frame_rate = pal ? Ratio{25, 1} : norm == 2 ? Ratio{24000, 1001} : Ratio{30000, 1001};
  o->gop = pal ? 15 : 18;
  o->channels = 2;
  if (kind == "vcd") {
    o->video_codec = "mpeg1video";
    o->audio_codec = "mp2";
    o->format = "vcd";
    o->width = 352;
    o->height = pal ? 288 : 240;
    o->video_bitrate = o->max_rate = o->min_rate = 1150000;
    o->buffer_size = 40 * 1024 * 8;
    o->audio_bitrate = 224000;
    o->sample_rate = 44100;
    o->packet_size = 2324;
    o->mux_rate = 2352 * 75 * 8;
  } else if (kind == "svcd") {
    o->video_codec = "mpeg2video";
    o->audio_codec = "mp2";
    o->format = "svcd";
    o->width = 480;
    o->height = pal ? 576 : 480;
    o->video_bitrate = 2040000;
    o->max_rate = 2516000;
    o->min_rate = 0;
    o->buffer_size = 224 * 1024 * 8;
    o->audio_bitrate = 224000;
    o->sample_rate = 44100;
    o->packet_size = 2324;
  } else {
    o->video_codec = "mpeg2video";
    o->audio_codec = "ac3";
    o->format = "dvd";
    o->width = 720;
    o->height = pal ? 576 : 480;
    o->video_bitrate = 6000000;
    o->max_rate = 9000000;
    o->min_rate = 0;
    o->buffer_size = 224 * 1024 * 8;
    o->audio_bitrate = 448000;
    o->sample_rate = 48000;
    o->packet_size = 2048;
    o->mux_rate = 10080 * 1000;
  }
  return true;
}

std::string CodecName(const std::string& name) {
  // The old external AAC encoder is gone; the native one takes its place.
  return name == "libfaac" ? "aac" : name;
}

using Handler = std::function<bool(const std::string& value, Options* o, std::string* error)>;

struct OptionInfo {
  bool takes_value;
  Handler handle;
};

bool Refuse(const std::string& option, const std::string& value, std::string* error,
            const std::string& expected) {
  *error = "Bad value '" + value + "' for option " + option + " (" + expected + ")";
  return false;
}

std::map<std::string, OptionInfo> OptionTable(const SourceFacts& source) {
  std::map<std::string, OptionInfo> table;
  auto codec = [](bool video) {
    return [video](const std::string& v, Options* o, std::string* e) {
      if (v.empty() || v.find_first_of(" \t/\\") != std::string::npos)
        return Refuse(video ? "-vcodec" : "-acodec", v, e, "an encoder name");
      (video ? o->video_codec : o->audio_codec) = CodecName(v);
      return true;
    };
  };
  auto bitrate = [](bool video) {
    return [video](const std::string& v, Options* o, std::string* e) {
      if (!ParseBitrate(v, video ? &o->video_bitrate : &o->audio_bitrate))
        return Refuse(video ? "-vb" : "-ab", v, e, "bits per second, e.g. 128k");
      return true;
    };
  };
  table["-vcodec"] = {true, codec(true)};
  table["-c:v"] = table["-vcodec"];
  table["-acodec"] = {true, codec(false)};
  table["-c:a"] = table["-acodec"];
  table["-vb"] = {true, bitrate(true)};
  table["-b:v"] = table["-vb"];
  table["-ab"] = {true, bitrate(false)};
  table["-b:a"] = table["-ab"];
  table["-ar"] = {true, [](const std::string& v, Options* o, std::string* e) {
                    int64_t n = 0;
                    if (!ParseInt(v, 1000, 384000, &n)) return Refuse("-ar", v, e, "a sample rate in Hz");
                    o->sample_rate = static_cast<int>(n);
                    return true;
                  }};
  table["-ac"] = {true, [](const std::string& v, Options* o, std::string* e) {
                    int64_t n = 0;
                    if (!ParseInt(v, 1, 8, &n)) return Refuse("-ac", v, e, "a channel count from 1 to 8");
                    o->channels = static_cast<int>(n);
                    return true;
                  }};
  table["-s"] = {true, [](const std::string& v, Options* o, std::string* e) {
                   if (!ParseSize(v, &o->width, &o->height))
                     return Refuse("-s", v, e, "a picture size such as 640x480");
                   return true;
                 }};
  table["-r"] = {true, [](const std::string& v, Options* o, std::string* e) {
                   if (!ParseRate(v, &o->frame_rate))
                     return Refuse("-r", v, e, "a frame rate such as 25 or 29.97");
                   return true;
                 }};
  table["-aspect"] = {true, [](const std::string& v, Options* o, std::string* e) {
                        if (!ParseAspect(v, &o->aspect))
                          return Refuse("-aspect", v, e, "an aspect such as 16:9");
                        return true;
                      }};
  table["-vn"] = {false, [](const std::string&, Options* o, std::string*) { return o->no_video = true; }};
  table["-an"] = {false, [](const std::string&, Options* o, std::string*) { return o->no_audio = true; }};
  table["-f"] = {true, [](const std::string& v, Options* o, std::string* e) {
                   if (v.empty() || v.find_first_of(" \t/\\,") != std::string::npos)
                     return Refuse("-f", v, e, "a container name");
                   o->format = v;
                   return true;
                 }};
  table["-vpre"] = {true, [](const std::string& v, Options* o, std::string* e) {
                      const std::string prefix = "libx264-";
                      std::string preset = v.rfind(prefix, 0) == 0 ? v.substr(prefix.size()) : v;
                      if (preset == "default" || preset == "normal") preset = "medium";
                      if (!IsX264Preset(preset))
                        return Refuse("-vpre", v, e, "an x264 preset such as libx264-veryfast");
                      o->x264_preset = preset;
                      return true;
                    }};
  table["-target"] = {true, [&source](const std::string& v, Options* o, std::string* e) {
                        return ApplyTarget(v, source, o, e);
                      }};
  // Engine choices beyond the ffmpeg tool's syntax, each with a word value.
  table["-upscale"] = {true, [](const std::string& v, Options* o, std::string* e) {
                         if (v != "allow" && v != "never") return Refuse("-upscale", v, e, "allow or never");
                         o->no_upscale = v == "never";
                         return true;
                       }};
  table["-audiotracks"] = {true, [](const std::string& v, Options* o, std::string* e) {
                             if (v != "all" && v != "first")
                               return Refuse("-audiotracks", v, e, "all or first");
                             o->first_audio_only = v == "first";
                             return true;
                           }};
  table["-subtitles"] = {true, [](const std::string& v, Options* o, std::string* e) {
                           if (v == "keep")
                             o->subtitles = Options::Subtitles::Keep;
                           else if (v == "burn")
                             o->subtitles = Options::Subtitles::BurnIn;
                           else if (v == "none")
                             o->subtitles = Options::Subtitles::None;
                           else
                             return Refuse("-subtitles", v, e, "keep, burn or none");
                           return true;
                         }};
  table["-sn"] = {false, [](const std::string&, Options* o, std::string*) {
                    o->subtitles = Options::Subtitles::None;
                    return true;
                  }};
  table["-filedate"] = {true, [](const std::string& v, Options* o, std::string* e) {
                          if (v != "source" && v != "now") return Refuse("-filedate", v, e, "source or now");
                          o->keep_file_date = v == "source";
                          return true;
                        }};
  table["-crf"] = {true, [](const std::string& v, Options* o, std::string* e) {
                     int64_t n = 0;
                     if (!ParseInt(v, 0, kWorstQuality, &n))
                       return Refuse("-crf", v, e, "a quality from 0 to " + std::to_string(kWorstQuality));
                     o->crf = static_cast<int>(n);
                     return true;
                   }};
  table["-deinterlace"] = {true, [](const std::string& v, Options* o, std::string* e) {
                             if (v == "off")
                               o->deinterlace = Options::Deinterlace::Off;
                             else if (v == "auto")
                               o->deinterlace = Options::Deinterlace::Auto;
                             else if (v == "always")
                               o->deinterlace = Options::Deinterlace::Always;
                             else
                               return Refuse("-deinterlace", v, e, "off, auto or always");
                             return true;
                           }};
  auto time = [](bool start) {
    return [start](const std::string& v, Options* o, std::string* e) {
      int64_t us = 0;
      if (!ParseTime(v, &us) || (!start && us == 0))
        return Refuse(start ? "-ss" : "-t", v, e, start ? "a time such as 1:30 or 90.5" : "a length above 0");
      (start ? o->start_us : o->duration_us) = us;
      return true;
    };
  };
  table["-ss"] = {true, time(true)};
  table["-t"] = {true, time(false)};
  table["-vf"] = {true, [](const std::string& v, Options* o, std::string* e) {
                    return ParseFilterChain(v, &o->filters, e);
                  }};
  return table;
}

}  // namespace

bool Parse(const std::string& text, const SourceFacts& source, Options* out, std::string* error) {
  *out = Options{};
  std::vector<std::string> tokens;
  if (!Tokenize(text, &tokens, error)) return false;
  const auto table = OptionTable(source);
  for (size_t i = 0; i < tokens.size(); ++i) {
    const std::string& name = tokens[i];
    auto it = table.find(name);
    if (it == table.end()) {
      *error = name.size() > 1 && name[0] == '-' ? "Unknown option " + name
                                                 : "Unexpected value '" + name + "' in the options";
      return false;
    }
    std::string value;
    if (it->second.takes_value) {
      if (i + 1 >= tokens.size()) {
        *error = "Option " + name + " needs a value";
        return false;
      }
      value = tokens[++i];
    }
    if (!it->second.handle(value, out, error)) return false;
  }
  return true;
}

int QuarterTurns(const std::vector<VideoFilter>& filters) {
  int turns = 0;
  for (const VideoFilter& f : filters) {
    if (f.kind != VideoFilter::Kind::Rotate) continue;
    const double q = f.degrees / 90.0;
    if (std::fabs(q - std::round(q)) > 1e-9) continue;
    turns += static_cast<int>(std::lround(q));
  }
  return ((turns % 4) + 4) % 4;
}

}  // namespace convert
