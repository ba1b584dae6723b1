// libFuzzer entry point (clang only: configure with -DCMAKE_CXX_COMPILER=clang++
// -DVELTRANE_LIBFUZZER=ON). Run: engine_option_libfuzzer -max_total_time=60
// Set VELTRANE_FUZZ_VIDEO to a video file to also fuzz SetOutput with a picture.
#include <cstdlib>
#include <filesystem>

#include "OptionFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static fuzz::OptionTarget target = [] {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "veltrane-option-fuzz";
    std::filesystem::create_directories(folder);
    const char* video = std::getenv("VELTRANE_FUZZ_VIDEO");
    return fuzz::OptionTarget(folder.string(), video ? video : "");
  }();
  const std::string broken = target.Run(data, size);
  if (!broken.empty()) {
    std::fprintf(stderr, "%s\n", broken.c_str());
    std::abort();
  }
  return 0;
}
