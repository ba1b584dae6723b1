// Placeholder until the conversion engine lands: only the library check is real.
#include "engine/FFEncoder.h"

#include "engine/AVLib.h"

struct FFEncoder::Impl {
  FinishedHandler finished;
};
FFEncoder::FFEncoder() : impl_(std::make_unique<Impl>()) {}
FFEncoder::~FFEncoder() = default;
bool FFEncoder::AVLibLoaded() { return AVLib::Loaded(); }
bool FFEncoder::LoadAVLib(const std::string& folder) { return AVLib::Load(folder); }
void FFEncoder::SetProgressHandler(ProgressHandler) {}
void FFEncoder::SetFinishedHandler(FinishedHandler handler) { impl_->finished = std::move(handler); }
void FFEncoder::ClearTasks() {}
int FFEncoder::OpenInput(const std::string&, const std::string&) { return -1; }
int FFEncoder::SetOutput(int, const std::string&, const std::string&) { return -1; }
void FFEncoder::CloseInput(int) {}
std::string FFEncoder::LastErrorMessage() const { return "conversion is not available"; }
void FFEncoder::Start(int) {
  if (impl_->finished) impl_->finished(-1, false, false, {});
}
void FFEncoder::Stop(bool) {}
bool FFEncoder::Running() const { return false; }
