#pragma once
// Walks a folder on a thread of its own, so the window stays alive while a large tree
// is listed. The count so far can be read at any time; Cancel stops the walk quickly.
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "base/FolderWalk.h"

class FolderScan {
 public:
  // Starts walking at once (in the calling thread if no thread can be started).
  // `skip`: a folder left out with everything below it ("" for none).
  FolderScan(std::string folder, std::vector<std::string> extensions, std::string skip = std::string());
  ~FolderScan();  // cancels and waits
  FolderScan(const FolderScan&) = delete;
  FolderScan& operator=(const FolderScan&) = delete;

  size_t Found() const { return found_.load(); }
  bool Done() const { return done_.load(); }
  void Cancel() { cancel_.store(true); }
  // Waits for the walk to end and hands over its result (once).
  folderwalk::Result Finish();

 private:
  void Run(const std::string& folder, const std::vector<std::string>& extensions, const std::string& skip);

  std::atomic<size_t> found_{0};
  std::atomic<bool> cancel_{false};
  std::atomic<bool> done_{false};
  folderwalk::Result result_;
  std::thread thread_;
};
