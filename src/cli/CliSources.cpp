#include "cli/CliSources.h"

#include <sys/stat.h>

#include <QFile>

#include "common/Helpers.h"
#include "engine/FFDecoder.h"

namespace {

const char* const kNotAvailable = "N/A";

// Closes the decoder however the probe ends.
struct DecoderCloser {
  FFDecoder& decoder;
  ~DecoderCloser() { decoder.Close(); }
};

}  // namespace

bool CollectSources(const std::vector<std::string>& inputs, bool /*keepTree*/,
                    std::vector<SourceFile>& sources, std::string& error) {
  for (const std::string& input : inputs) {
    struct stat info {};
    if (stat(input.c_str(), &info) != 0) {
      error = input + ": no such file or folder";
      return false;
    }
    if (S_ISDIR(info.st_mode)) {
      error = input + ": folders are not supported yet";
      return false;
    }
    sources.push_back({input, std::string()});
  }
  return true;
}

bool ProbeSource(FFDecoder& decoder, const std::string& path, FileRow& row, std::string& error) {
  row = FileRow();
  row.nativePath = QByteArray::fromStdString(path);
  row.path = QFile::decodeName(row.nativePath);
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    error = S_ISDIR(info.st_mode) ? "This is a folder, not a file."
                                  : "This is not a regular file (a device, pipe or socket).";
    return false;
  }
  if (!decoder.Open(path, std::string())) {
    error = decoder.LastErrorMessage();
    return false;
  }
  DecoderCloser closer{decoder};
  const bool hasVideo = decoder.VideoStreamCount() > 0;
  const bool hasAudio = decoder.AudioStreamCount() > 0;
  const int videoIndex = decoder.VideoStreamIndex();
  const int audioIndex = decoder.AudioStreamIndex();
  row.type = FileExtensionUpper(row.path);
  row.videoSize = hasVideo ? QString::number(decoder.VideoWidth(videoIndex)) + " X " +
                                 QString::number(decoder.VideoHeight(videoIndex))
                           : QString(kNotAvailable);
  row.videoCodec = hasVideo ? QString::fromStdString(decoder.VideoCodecName(videoIndex))
                            : QString(kNotAvailable);
  row.audioCodec = hasAudio ? QString::fromStdString(decoder.AudioCodecName(audioIndex))
                            : QString(kNotAvailable);
  const double seconds = static_cast<double>(decoder.Duration()) / 1e6;
  row.durationSeconds = seconds > 0 ? seconds : 0.0;
  row.duration = FormatDuration(row.durationSeconds);
  return true;
}
