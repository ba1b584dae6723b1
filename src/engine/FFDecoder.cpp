// Probing one media file with libavformat: streams, codecs, picture size, duration.
#include "engine/FFDecoder.h"

#include "engine/media/MediaInput.h"
#include "engine/media/SourceCache.h"

struct FFDecoder::Impl {
  media::SourceDescription source;  // empty while no file is open
  std::string error;

  const media::StreamFacts* Stream(int index, AVMediaType type) const {
    if (index < 0 || index >= static_cast<int>(source.streams.size())) return nullptr;
    const media::StreamFacts& facts = source.streams[index];
    return facts.type == type ? &facts : nullptr;
  }
};

FFDecoder::FFDecoder() : impl_(std::make_unique<Impl>()) { media::QuietLogs(); }
FFDecoder::~FFDecoder() = default;

bool FFDecoder::Open(const std::string& path, const std::string& /*options*/) {
  impl_->source = {};
  impl_->error.clear();
  media::ReadWatch watch(ReadTimeout, nullptr);
  media::Input input = media::OpenInput(path, &watch, &impl_->error);
  if (!input) return false;
  media::SourceDescription source = media::DescribeSource(input.get(), path);
  if (!source.HasAudio() && !source.HasVideo()) {
    impl_->error = "The file holds no audio or video";
    return false;
  }
  media::RememberSource(path, source);
  impl_->source = std::move(source);
  return true;
}

void FFDecoder::Close() { impl_->source = {}; }

std::string FFDecoder::LastErrorMessage() const { return impl_->error; }
int FFDecoder::AudioStreamIndex() const { return impl_->source.best_audio; }
int FFDecoder::VideoStreamIndex() const { return impl_->source.best_video; }

std::string FFDecoder::AudioCodecName(int index) const {
  const media::StreamFacts* facts = impl_->Stream(index, AVMEDIA_TYPE_AUDIO);
  return facts ? avcodec_get_name(facts->codec) : "";
}

std::string FFDecoder::VideoCodecName(int index) const {
  const media::StreamFacts* facts = impl_->Stream(index, AVMEDIA_TYPE_VIDEO);
  return facts ? avcodec_get_name(facts->codec) : "";
}

int64_t FFDecoder::Duration() const { return impl_->source.duration_us; }
int FFDecoder::VideoStreamCount() const { return impl_->source.Count(AVMEDIA_TYPE_VIDEO); }
int FFDecoder::AudioStreamCount() const { return impl_->source.Count(AVMEDIA_TYPE_AUDIO); }
int FFDecoder::SubtitleStreamCount() const { return impl_->source.Count(AVMEDIA_TYPE_SUBTITLE); }

// Sizes as the picture is shown: a phone's portrait clip stored sideways reports
// its upright size.
int FFDecoder::VideoWidth(int index) const {
  const media::StreamFacts* facts = impl_->Stream(index, AVMEDIA_TYPE_VIDEO);
  return facts ? facts->shown_width : 0;
}
int FFDecoder::VideoHeight(int index) const {
  const media::StreamFacts* facts = impl_->Stream(index, AVMEDIA_TYPE_VIDEO);
  return facts ? facts->shown_height : 0;
}
int FFDecoder::VideoStoredWidth(int index) const {
  const media::StreamFacts* facts = impl_->Stream(index, AVMEDIA_TYPE_VIDEO);
  return facts ? facts->width : 0;
}
int FFDecoder::VideoStoredHeight(int index) const {
  const media::StreamFacts* facts = impl_->Stream(index, AVMEDIA_TYPE_VIDEO);
  return facts ? facts->height : 0;
}
bool FFDecoder::VideoInterlaced(int index) const {
  const media::StreamFacts* facts = impl_->Stream(index, AVMEDIA_TYPE_VIDEO);
  return facts && facts->Interlaced();
}
