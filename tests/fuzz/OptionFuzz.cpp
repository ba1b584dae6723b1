#include "OptionFuzz.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
}

#include <cstdio>
#include <cstring>
#include <fstream>

#include "engine/FFEncoder.h"
#include "engine/convert/EncoderOptions.h"
#include "engine/convert/OutputAllowList.h"
#include "engine/convert/OutputPlan.h"
#include "support/SyntheticSource.h"

namespace fuzz {
namespace {

const char* const kExtensions[] = {"mp4", "mkv", "avi", "mpg", "3gp", "rm",  "webm", "mp3",  "wav",
                                   "flv", "swf", "m4a", "ra",  "ogg", "vob", "m3u8", "mpd",  "png",
                                   "txt", "",    "wma", "asf", "aac", "ac3", "aiff", "flac", "mov"};

const char* const kTokens[] = {
    "-vcodec",
    "-acodec",
    "-vb",
    "-ab",
    "-ar",
    "-ac",
    "-s",
    "-r",
    "-aspect",
    "-vn",
    "-an",
    "-f",
    "-vpre",
    "-target",
    "-vf",
    "-c:v",
    "-b:a",
    "libx264",
    "mpeg4",
    "libfaac",
    "tee",
    "hls",
    "null",
    "h264_nvenc",
    "rawvideo",
    "1x1",
    "0x0",
    "16384x16384",
    "65535x2",
    "ntsc-dvd",
    "pal-vcd",
    "dvd",
    "libx264-veryfast",
    "\"crop=1:1:0:0\"",
    "\"rotate=90,scale=2:2\"",
    "\"rotate=-270\"",
    "29.97",
    "0",
    "-1",
    "99999999999",
    "128k",
    "1.5M",
    "4:3",
    "0:0",
    "\"",
    "\"\"",
    ",",
    "=",
    ":",
    "nan",
    "inf",
};

// A second of silence, 16-bit stereo at 44.1 kHz, as a WAV file.
bool WriteSilence(const std::string& path) {
  const uint32_t rate = 44100, channels = 2, bytes = rate * channels * 2;
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&out](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&out](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("RIFF", 4);
  u32(36 + bytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(channels);
  u32(rate);
  u32(rate * channels * 2);
  u16(channels * 2);
  u16(16);
  out.write("data", 4);
  u32(bytes);
  const std::string zeros(bytes, '\0');
  out.write(zeros.data(), zeros.size());
  return static_cast<bool>(out);
}

// The promises of a successful plan.
std::string CheckPlan(const convert::OutputPlan& plan) {
  std::string why;
  if (!plan.format) return "a plan without a container";
  if (!convert::MuxerAllowed(plan.format, &why)) return "a plan with a refused container: " + why;
  if (!plan.video && !plan.audio) return "a plan with neither video nor audio";
  if (plan.video && !convert::EncoderAllowed(plan.video, &why)) return "a refused video encoder: " + why;
  if (plan.audio && !convert::EncoderAllowed(plan.audio, &why)) return "a refused audio encoder: " + why;
  if (plan.video && av_image_check_size(plan.width, plan.height, 0, nullptr) < 0)
    return "an impossible picture size " + std::to_string(plan.width) + "x" + std::to_string(plan.height);
  for (const convert::LanePlan& lane : plan.lanes)
    if (lane.chain.empty() || !lane.encoder) return "a lane without filters or encoder";
  return "";
}

}  // namespace

OptionTarget::OptionTarget(const std::string& folder, const std::string& video)
    : folder_(folder), encoder_(std::make_unique<FFEncoder>()) {
  const std::string sound = folder + "/fuzz source.wav";
  if (WriteSilence(sound)) {
    const int task = encoder_->OpenInput(sound, "");
    if (task >= 0) tasks_.push_back(task);
  }
  if (!video.empty()) {
    const int task = encoder_->OpenInput(video, "");
    if (task >= 0) tasks_.push_back(task);
  }
}

OptionTarget::~OptionTarget() = default;

std::string OptionTarget::Run(const uint8_t* data, size_t size) {
  if (size == 0) return "";
  const char* extension = kExtensions[data[0] % (sizeof kExtensions / sizeof *kExtensions)];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string output = folder_ + "/fuzz out" + (*extension ? "." : "") + extension;

  convert::SourceFacts facts;
  facts.frame_rate = {size % 2 ? 25 : 30000, size % 2 ? 1 : 1001};
  convert::Options options;
  std::string error;
  if (!convert::Parse(text, facts, &options, &error)) {
    if (error.empty()) return "Parse refused without a message";
  } else {
    if (options.width < 0 || options.height < 0 || options.channels < 0 || options.channels > 8)
      return "Parse let an impossible value through";
    // The plan for sources of several shapes, tiny and huge ones included.
    const int shapes[][2] = {{1, 1}, {3, 7}, {320, 240}, {16384, 2}, {0, 0}};
    for (const auto& shape : shapes) {
      const media::SourceDescription source =
          testing_support::SyntheticSource(shape[0], shape[1], shape[1] != 7 ? 2 : 0);
      convert::OutputPlan plan;
      error.clear();
      if (convert::MakeOutputPlan(options, folder_ + "/source.mp4", output, source, &plan, &error)) {
        const std::string broken = CheckPlan(plan);
        if (!broken.empty()) return broken + " for: " + text;
      } else if (error.empty()) {
        return "MakeOutputPlan refused without a message";
      }
    }
  }
  for (const int task : tasks_) {
    if (encoder_->SetOutput(task, output, text) < 0 && encoder_->LastErrorMessage().empty())
      return "SetOutput refused without a message";
  }
  return "";
}

std::vector<std::string> SeedOptions() {
  return {
      "-ac 2 -vb 109k -ab 6700 -ac 1 -ar 8000 -s 176x144",
      "-ac 2 -vcodec libxvid -vb 3388k -acodec libmp3lame -ab 128k -ar 44100 -s 640x480",
      "-ac 2 -vcodec msmpeg4v2 -vb 2048k -acodec wmav2 -ab 128k -ar 44100 -s 640x480",
      "-ac 2 -vcodec libx264 -vpre libx264-veryfast -f flv -vb 2048k -acodec libfaac -ab 128k -ar 44100 -ac "
      "2 -s 1x1",
      "-ac 2 -vcodec libx264 -vpre libx264-veryfast -vb 2048k  -acodec libmp3lame -ab 128k -ar 44100 -s "
      "640x480",
      "-r 29.97 -ac 2 -vb 2048k -ab 256k -ar 44100 -s 640x480",
      "-ac 2 -target ntsc-vcd -vb 1150k -ab 224k -ar 44100 -s 640x480",
      "-ac 2 -target pal-dvd -ab 128k -ar 44100 -s 640x480",
      "-ac 2 -vcodec rv20 -vb 1000k -ab 128k -ar 44100 -s 322x242",
      "-ac 2 -target dvd -vb 3300k -ab 192k -ar 48000 -s 640x480",
      "-ac 2 -vcodec libvpx -vb 2048k  -acodec libvorbis -ab 128k -ar 44100 -s 640x480",
      "-ac 2 -vn -ab 128k -ar 44100",
      "-ac 2 -vn  -ar 22050",
      "-ac 2 -vn  -acodec wmav2 -ab 128k -ar 44100",
      "-aspect 16:9 -vf \"crop=320:200:0:20,scale=640:400,vflip,hflip,rotate=90\" -s 1280x720",
      "-f tee -vcodec h264_nvenc",
  };
}

std::string Mutator::Next(const std::vector<std::string>& seeds) {
  std::string s = seeds[Pick(seeds.size())];
  const size_t edits = 1 + Pick(4);
  for (size_t e = 0; e < edits; ++e) {
    switch (Pick(6)) {
      case 0:  // flip a byte
        if (!s.empty()) s[Pick(s.size())] = static_cast<char>(Pick(256));
        break;
      case 1:  // insert a token
        s.insert(Pick(s.size() + 1),
                 std::string(" ") + kTokens[Pick(sizeof kTokens / sizeof *kTokens)] + " ");
        break;
      case 2:  // cut a stretch
        if (!s.empty()) {
          const size_t at = Pick(s.size());
          s.erase(at, 1 + Pick(s.size() - at));
        }
        break;
      case 3:  // splice with another seed
      {
        const std::string& other = seeds[Pick(seeds.size())];
        s = s.substr(0, Pick(s.size() + 1)) + other.substr(Pick(other.size() + 1));
        break;
      }
      case 4:  // repeat a stretch
        if (!s.empty()) {
          const size_t at = Pick(s.size());
          s.insert(at, s.substr(at, 1 + Pick(16)));
        }
        break;
      default:  // change a digit run
        for (char& c : s)
          if (c >= '0' && c <= '9' && Pick(8) == 0) c = static_cast<char>('0' + Pick(10));
        break;
    }
  }
  return static_cast<char>(Pick(256)) + s;  // first byte: the output's extension
}

}  // namespace fuzz
