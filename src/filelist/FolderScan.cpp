#include "filelist/FolderScan.h"

#include <system_error>
#include <utility>

FolderScan::FolderScan(std::string folder, std::vector<std::string> extensions) {
  try {
    thread_ = std::thread([this, folder = std::move(folder), extensions = std::move(extensions)] {
      Run(folder, extensions);
    });
  } catch (const std::system_error&) {
    // No thread to be had: walk here; slower to answer, but the folder is still added.
    Run(folder, extensions);
  }
}

FolderScan::~FolderScan() {
  Cancel();
  if (thread_.joinable()) thread_.join();
}

void FolderScan::Run(const std::string& folder, const std::vector<std::string>& extensions) {
  folderwalk::Options options;
  options.extensions = extensions;
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
