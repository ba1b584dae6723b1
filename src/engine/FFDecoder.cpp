// Placeholder until the probing engine lands: every open fails with a message.
#include "engine/FFDecoder.h"

struct FFDecoder::Impl {};
FFDecoder::FFDecoder() : impl_(std::make_unique<Impl>()) {}
FFDecoder::~FFDecoder() = default;
bool FFDecoder::Open(const std::string&, const std::string&) { return false; }
void FFDecoder::Close() {}
std::string FFDecoder::LastErrorMessage() const { return "probing is not available"; }
int FFDecoder::AudioStreamIndex() const { return -1; }
int FFDecoder::VideoStreamIndex() const { return -1; }
std::string FFDecoder::AudioCodecName(int) const { return {}; }
std::string FFDecoder::VideoCodecName(int) const { return {}; }
int32_t FFDecoder::DurationLow() const { return 0; }
int32_t FFDecoder::DurationHigh() const { return 0; }
int64_t FFDecoder::Duration() const { return 0; }
int FFDecoder::VideoStreamCount() const { return 0; }
int FFDecoder::AudioStreamCount() const { return 0; }
int FFDecoder::VideoWidth(int) const { return 0; }
int FFDecoder::VideoHeight(int) const { return 0; }
