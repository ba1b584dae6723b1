#include "filelist/FolderScan.h"

#include <system_error>
#include <utility>

FolderScan::FolderScan(std::string folder, std::vector<std::string> extensions, std::string skip) {
  try {
    thread_ = std::thread([this, folder = std::move(folder), extensions = std::move(extensions),
                           skip = std::move(skip)] { Run(folder, extensions, skip); });
  } catch (const std::system_error&) {
    // No thread to be had: walk here; slower to answer, but the folder is still added.
    Run(folder, extensions, skip);
  }
}

FolderScan::~FolderScan() {
  Cancel();
  if (thread_.joinable()) thread_.join();
}

void FolderScan::Run(const std::string& folder, const std::vector<std::string>& extensions,
                     const std::string& skip) {
  folderwalk::Options options;
  options.extensions = extensions;
  if (!skip.empty()) options.skip.push_back(skip);
  options.keep_going = [this](size_t found) {
    found_.store(found);
    return !cancel_.load();
  };
  result_ = folderwalk::Walk(folder, options);
  found_.store(result_.files.size());
  done_.store(true);
}

folderwalk::Result FolderScan::Finish() {
  if (thread_.joinable()) thread_.join();
  return std::move(result_);
}
