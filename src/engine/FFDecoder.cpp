// Probing one media file with libavformat: streams, codecs, picture size, duration.
#include "engine/FFDecoder.h"

#include "engine/DisplayMatrix.h"
#include "engine/MediaInput.h"

struct FFDecoder::Impl {
  std::unique_ptr<media::ReadWatch> watch;  // the input's reads report to it: outlives it
  avptr::Input input;
  std::string error;
  int64_t duration = 0;
  int audio = -1;
  int video = -1;
  int audio_count = 0;
  int video_count = 0;
  int subtitle_count = 0;

  const AVCodecParameters* Stream(int index, AVMediaType type) const {
    if (!input || index < 0 || index >= static_cast<int>(input->nb_streams)) return nullptr;
    const AVCodecParameters* par = input->streams[index]->codecpar;
    return par->codec_type == type ? par : nullptr;
  }

  void ShownSize(int index, int* width, int* height) const {
    const AVCodecParameters* par = Stream(index, AVMEDIA_TYPE_VIDEO);
    if (!par) return;
    media::ShownSize(media::StreamOrientation(input->streams[index]), par->width, par->height, width, height);
  }

  void Reset() {
    input.reset();
    duration = 0;
    audio = video = -1;
    audio_count = video_count = subtitle_count = 0;
  }

  void CountStreams() {
    for (unsigned i = 0; i < input->nb_streams; ++i) {
      const AVStream* st = input->streams[i];
      if (st->codecpar->codec_type == AVMEDIA_TYPE_AUDIO) ++audio_count;
      if (st->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE) ++subtitle_count;
      // A cover picture inside an audio file is not a video stream for our purposes.
      if (st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
          !(st->disposition & AV_DISPOSITION_ATTACHED_PIC))
        ++video_count;
    }
  }
};

FFDecoder::FFDecoder() : impl_(std::make_unique<Impl>()) { media::QuietLogs(); }
FFDecoder::~FFDecoder() = default;

bool FFDecoder::Open(const std::string& path, const std::string& /*options*/) {
  impl_->Reset();
  impl_->error.clear();
  impl_->watch = std::make_unique<media::ReadWatch>(ReadTimeout, nullptr);
  avptr::Input input = media::OpenInput(path, impl_->watch.get(), &impl_->error);
  if (!input) return false;
  input->interrupt_callback = {nullptr, nullptr};
  impl_->input = std::move(input);
  impl_->CountStreams();
  impl_->audio = media::BestStream(impl_->input.get(), AVMEDIA_TYPE_AUDIO);
  impl_->video = media::BestStream(impl_->input.get(), AVMEDIA_TYPE_VIDEO);
  if (impl_->audio < 0 && impl_->video < 0) {
    impl_->error = "The file holds no audio or video";
    impl_->Reset();
    return false;
  }
  impl_->duration = media::EstimateDuration(impl_->input.get(), path);
  return true;
}

void FFDecoder::Close() { impl_->Reset(); }

std::string FFDecoder::LastErrorMessage() const { return impl_->error; }
int FFDecoder::AudioStreamIndex() const { return impl_->audio; }
int FFDecoder::VideoStreamIndex() const { return impl_->video; }

std::string FFDecoder::AudioCodecName(int index) const {
  const AVCodecParameters* par = impl_->Stream(index, AVMEDIA_TYPE_AUDIO);
  return par ? avcodec_get_name(par->codec_id) : "";
}

std::string FFDecoder::VideoCodecName(int index) const {
  const AVCodecParameters* par = impl_->Stream(index, AVMEDIA_TYPE_VIDEO);
  return par ? avcodec_get_name(par->codec_id) : "";
}

int32_t FFDecoder::DurationLow() const {
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(impl_->duration)));
}
int32_t FFDecoder::DurationHigh() const {
  return static_cast<int32_t>(static_cast<uint64_t>(impl_->duration) >> 32);
}
int64_t FFDecoder::Duration() const { return impl_->duration; }
int FFDecoder::VideoStreamCount() const { return impl_->video_count; }
int FFDecoder::AudioStreamCount() const { return impl_->audio_count; }
int FFDecoder::SubtitleStreamCount() const { return impl_->subtitle_count; }

// Sizes as the picture is shown: a phone's portrait clip stored sideways reports
// its upright size.
int FFDecoder::VideoWidth(int index) const {
  int width = 0, height = 0;
  impl_->ShownSize(index, &width, &height);
  return width;
}
int FFDecoder::VideoHeight(int index) const {
  int width = 0, height = 0;
  impl_->ShownSize(index, &width, &height);
  return height;
}
