#include "cli/CliSources.h"

#include "cli/CliText.h"

#include <sys/stat.h>

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "base/FolderWalk.h"
#include "base/MediaExtensions.h"
#include "core/FileNames.h"

#include "core/Helpers.h"
#include "engine/FFDecoder.h"
#include "filelist/SourceFromDecoder.h"

namespace {

// Closes the decoder however the probe ends.
struct DecoderCloser {
  FFDecoder& decoder;
  ~DecoderCloser() { decoder.Close(); }
};

// The name a given folder keeps under the output folder: its own last component
// ("shows" for "/data/shows/", the real name for ".").
std::string TreeName(const std::string& folder) {
  std::error_code ec;
  std::filesystem::path path = std::filesystem::weakly_canonical(folder, ec);
  if (ec) path = std::filesystem::path(folder).lexically_normal();
  std::string name = path.filename().string();
  if (name.empty()) name = path.parent_path().filename().string();
  return name == "." || name == ".." || name == "/" ? std::string() : name;
}

// "top/a/b/" for a file the walk found in <folder>/a/b/.
std::string TreeSubfolder(const std::string& folder, const std::string& top, const std::string& file) {
  std::string relative = file.substr(std::min(file.size(), folder.size()));
  while (!relative.empty() && relative.front() == '/')
    relative.erase(0, 1);
  const size_t slash = relative.find_last_of('/');
  std::string sub = top.empty() ? std::string() : top + "/";
  if (slash != std::string::npos) sub += relative.substr(0, slash + 1);
  return sub;
}

}  // namespace

bool CollectSources(const std::vector<std::string>& inputs, bool keepTree, std::vector<SourceFile>& sources,
                    std::string& error, const std::string& outputFolder) {
  for (const std::string& input : inputs) {
    struct stat info {};
    if (stat(input.c_str(), &info) != 0) {
      error = CliFormat(CliText::tr("%1: no such file or folder"), {input});
      return false;
    }
    if (!S_ISDIR(info.st_mode)) {
      sources.push_back({input, std::string()});
      continue;
    }
    folderwalk::Options options;
    options.extensions = mediaext::SupportedExtensions();
    options.skip.push_back(outputFolder);
    const folderwalk::Result walked = folderwalk::Walk(input, options);
    for (const std::string& folder : walked.unreadable)
      std::fprintf(stderr, "veltrane-convert: %s\n",
                   CliFormat(CliText::tr("cannot read folder %1 (skipped)"), {folder}).c_str());
    const std::string top = keepTree ? TreeName(input) : std::string();
    for (const std::string& file : walked.files)
      sources.push_back({file, keepTree ? TreeSubfolder(input, top, file) : std::string()});
  }
  return true;
}

bool ProbeSource(FFDecoder& decoder, const std::string& path, FileRow& row, std::string& error) {
  row = FileRow();
  row.nativePath = QByteArray::fromStdString(path);
  row.path = NameToText(row.nativePath);
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    error =
        (S_ISDIR(info.st_mode) ? QCoreApplication::translate("ProbePool", "This is a folder, not a file.")
                               : QCoreApplication::translate(
                                     "ProbePool", "This is not a regular file (a device, pipe or socket)."))
            .toStdString();
    return false;
  }
  if (!decoder.Open(path, std::string())) {
    error = decoder.LastErrorMessage();
    return false;
  }
  DecoderCloser closer{decoder};
  SourceSummary& source = row.source;
  FillFromDecoder(decoder, source);
  source.fileBytes = S_ISREG(info.st_mode) ? static_cast<int64_t>(info.st_size) : 0;
  return true;
}
