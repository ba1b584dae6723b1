#include "engine/Transcoder.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libavutil/pixdesc.h>
}

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include "engine/AVPointers.h"
#include "engine/DisplayMatrix.h"
#include "engine/EncoderSpeed.h"
#include "engine/FitAndPad.h"
#include "engine/MediaInput.h"
#include "engine/MetadataCopy.h"
#include "engine/StreamSelection.h"
#include "engine/SubtitleBurnIn.h"
#include "engine/SubtitleTrack.h"
#include "engine/TargetSize.h"
#include "engine/OutputAllowList.h"
#include "engine/PictureSize.h"

namespace encoder {
namespace {

const AVCodec* FindEncoder(const std::string& name, AVMediaType type, std::string* error) {
  const AVCodec* codec = avcodec_find_encoder_by_name(name.c_str());
  if (!codec) {
    // Also accept a codec name ("mp3") where an encoder name ("libmp3lame") is usual.
    if (const AVCodecDescriptor* desc = avcodec_descriptor_get_by_name(name.c_str()))
      codec = avcodec_find_encoder(desc->id);
  }
  if (!codec) {
    *error = "Unknown " + media::MediaWord(type) + " encoder '" + name + "'";
    return nullptr;
  }
  if (codec->type != type) {
    *error = "'" + name + "' is not a " + media::MediaWord(type) + " encoder";
    return nullptr;
  }
  return codec;
}

// Our own codec choice per container where the library's default differs.
AVCodecID PreferredCodec(const AVOutputFormat* format, AVMediaType type) {
  static const std::map<std::string, std::pair<AVCodecID, AVCodecID>> kDefaults = {
      {"mp4", {AV_CODEC_ID_MPEG4, AV_CODEC_ID_AAC}},
      {"mov", {AV_CODEC_ID_MPEG4, AV_CODEC_ID_AAC}},
      {"ipod", {AV_CODEC_ID_NONE, AV_CODEC_ID_AAC}},
      {"adts", {AV_CODEC_ID_NONE, AV_CODEC_ID_AAC}},
      {"mpeg", {AV_CODEC_ID_MPEG1VIDEO, AV_CODEC_ID_MP2}},
      {"vcd", {AV_CODEC_ID_MPEG1VIDEO, AV_CODEC_ID_MP2}},
      {"svcd", {AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_MP2}},
      {"dvd", {AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_AC3}},
      {"vob", {AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_AC3}},
      {"flv", {AV_CODEC_ID_FLV1, AV_CODEC_ID_MP3}},
      {"swf", {AV_CODEC_ID_FLV1, AV_CODEC_ID_MP3}},
      {"3gp", {AV_CODEC_ID_H263, AV_CODEC_ID_AMR_NB}},
      {"rm", {AV_CODEC_ID_RV20, AV_CODEC_ID_AC3}},
      {"ac3", {AV_CODEC_ID_NONE, AV_CODEC_ID_AC3}},
      {"mp2", {AV_CODEC_ID_NONE, AV_CODEC_ID_MP2}},
      {"mp3", {AV_CODEC_ID_NONE, AV_CODEC_ID_MP3}},
      {"wav", {AV_CODEC_ID_NONE, AV_CODEC_ID_PCM_S16LE}},
      {"aiff", {AV_CODEC_ID_NONE, AV_CODEC_ID_PCM_S16BE}},
      {"flac", {AV_CODEC_ID_NONE, AV_CODEC_ID_FLAC}},
      {"ogg", {AV_CODEC_ID_NONE, AV_CODEC_ID_VORBIS}},
      {"asf", {AV_CODEC_ID_MSMPEG4V2, AV_CODEC_ID_WMAV2}},
  };
  auto it = kDefaults.find(format->name);
  if (it == kDefaults.end()) return AV_CODEC_ID_NONE;
  return type == AVMEDIA_TYPE_VIDEO ? it->second.first : it->second.second;
}

// Containers that hold sound only (some list a picture codec for cover art).
bool AudioOnlyContainer(const AVOutputFormat* format) {
  const AVCodecID video = format->video_codec;
  if (video == AV_CODEC_ID_NONE || video == AV_CODEC_ID_PNG || video == AV_CODEC_ID_MJPEG) return true;
  return PreferredCodec(format, AVMEDIA_TYPE_VIDEO) == AV_CODEC_ID_NONE &&
         PreferredCodec(format, AVMEDIA_TYPE_AUDIO) != AV_CODEC_ID_NONE;
}

const AVCodec* DefaultEncoder(const AVOutputFormat* format, const std::string& path, AVMediaType type,
                              std::string* error) {
  AVCodecID id = PreferredCodec(format, type);
  if (id == AV_CODEC_ID_NONE) id = av_guess_codec(format, nullptr, path.c_str(), nullptr, type);
  const AVCodec* codec = id == AV_CODEC_ID_NONE ? nullptr : avcodec_find_encoder(id);
  if (!codec)
    *error = "No " + media::MediaWord(type) + " encoder is available for the '" + format->name + "' container";
  return codec;
}

bool CheckContainerHolds(const AVOutputFormat* format, const AVCodec* codec, std::string* error) {
  // 0 means "known not to fit"; a negative answer means the container has no list.
  if (avformat_query_codec(format, codec->id, FF_COMPLIANCE_NORMAL) != 0) return true;
  *error = std::string("The '") + format->name + "' container cannot hold " + avcodec_get_name(codec->id) + " " +
           media::MediaWord(codec->type);
  return false;
}

bool ResolveFormat(const Options& options, const std::string& path, const AVOutputFormat** format,
                   std::string* error) {
  if (!options.format.empty()) {
    *format = av_guess_format(options.format.c_str(), nullptr, nullptr);
    if (!*format) *error = "Unknown output format '" + options.format + "'";
  } else {
    *format = av_guess_format(nullptr, path.c_str(), nullptr);
    if (!*format) *error = "Cannot tell the output format from the file name '" + path + "'";
  }
  return *format != nullptr;
}

// The size of the picture after one rotation: quarter turns swap the sides, other
// angles give the box that holds the whole turned picture (as libavfilter's
// rotate filter computes it with ow=rotw(a):oh=roth(a)).
void TurnSize(const VideoFilter& f, int* w, int* h) {
  const double q = f.degrees / 90.0;
  if (std::fabs(q - std::round(q)) < 1e-9) {
    if (QuarterTurns({f}) % 2 == 1) std::swap(*w, *h);
    return;
  }
  const double a = f.degrees * M_PI / 180.0;
  const double c = std::fabs(std::cos(a)), s = std::fabs(std::sin(a));
  const double turned_w = *w * c + *h * s, turned_h = *w * s + *h * c;
  *w = static_cast<int>(turned_w + 0.5);
  *h = static_cast<int>(turned_h + 0.5);
}

}  // namespace

bool OutputSize(const Options& options, const AVCodec* codec, int source_width, int source_height,
                int* width, int* height, std::string* error) {
  int w = source_width, h = source_height;
  if (w <= 0 || h <= 0) {
    *error = "The video stream has no picture size";
    return false;
  }
  for (const VideoFilter& f : options.filters) {
    if (f.kind == VideoFilter::Kind::Crop) {
      if (f.x + f.width > w || f.y + f.height > h) {
        *error = "The crop area " + std::to_string(f.width) + "x" + std::to_string(f.height) + " at " +
                 std::to_string(f.x) + "," + std::to_string(f.y) + " does not fit the " + std::to_string(w) +
                 "x" + std::to_string(h) + " picture";
        return false;
      }
      w = f.width;
      h = f.height;
    } else if (f.kind == VideoFilter::Kind::Scale) {
      w = f.width;
      h = f.height;
    } else if (f.kind == VideoFilter::Kind::Rotate) {
      TurnSize(f, &w, &h);
    }
  }
  const int picture_w = w, picture_h = h;
  if (options.width > 0 && options.height > 0) {
    // -s names the picture before it is turned, so a quarter turn still yields a
    // portrait picture instead of squeezing it back into landscape, and any other
    // angle the box that holds the turned picture.
    w = options.width;
    h = options.height;
    for (const VideoFilter& f : options.filters)
      if (f.kind == VideoFilter::Kind::Rotate) TurnSize(f, &w, &h);
    // Never enlarging: a picture that fits the requested frame keeps its own size
    // (disc norms keep their frame sizes).
    if (options.no_upscale && options.target.empty() && picture_w <= w && picture_h <= h) {
      w = picture_w;
      h = picture_h;
    }
  }
  if (!LegalPictureSize(codec, &w, &h, error)) return false;
  *width = w;
  *height = h;
  return true;
}

bool MakePlan(const Options& options, const std::string& output_path, const SourceInfo& source, Plan* plan,
              std::string* error) {
  *plan = Plan{};
  if (!ResolveFormat(options, output_path, &plan->format, error)) return false;
  if (!MuxerAllowed(plan->format, error)) return false;
  const bool want_video = source.has_video && !options.no_video && !AudioOnlyContainer(plan->format);
  const bool want_audio = source.has_audio && !options.no_audio;
  if (want_video) {
    plan->video = options.video_codec.empty()
                      ? DefaultEncoder(plan->format, output_path, AVMEDIA_TYPE_VIDEO, error)
                      : FindEncoder(options.video_codec, AVMEDIA_TYPE_VIDEO, error);
    if (plan->video && !EncoderAllowed(plan->video, error)) return false;
    if (!plan->video || !CheckContainerHolds(plan->format, plan->video, error)) return false;
    if (!OutputSize(options, plan->video, source.facts.width, source.facts.height, &plan->width, &plan->height,
                    error))
      return false;
  }
  if (want_audio) {
    plan->audio = options.audio_codec.empty()
                      ? DefaultEncoder(plan->format, output_path, AVMEDIA_TYPE_AUDIO, error)
                      : FindEncoder(options.audio_codec, AVMEDIA_TYPE_AUDIO, error);
    if (plan->audio && !EncoderAllowed(plan->audio, error)) return false;
    if (!plan->audio || !CheckContainerHolds(plan->format, plan->audio, error)) return false;
  }
  if (!plan->video && !plan->audio) {
    *error = "Nothing to convert: the output would hold neither video nor audio";
    return false;
  }
  return true;
}

namespace {

using Clock = std::chrono::steady_clock;

// One source stream on its way to the output: decoder, filters, encoder.
struct Lane {
  AVMediaType type = AVMEDIA_TYPE_UNKNOWN;
  AVStream* in = nullptr;
  AVStream* out = nullptr;
  avptr::Codec decoder;
  avptr::Codec encoder;
  avptr::Graph graph;
  AVFilterContext* source = nullptr;
  AVFilterContext* sink = nullptr;
  int64_t start_offset = 0;         // source start time in the stream's time base
  int64_t next_pts = AV_NOPTS_VALUE;  // audio: running sample count; video: where the last picture ends
  int64_t pts_shift = 0;              // video: correction for clock jumps in the source
  std::string chain;  // the filter chain, kept for rebuilding the graph
  int in_width = 0;   // video: what the graph was built for
  int in_height = 0;
  int in_rate = 0;    // audio: what the graph was built for
  int in_format = -1;
  avptr::Layout in_layout;
  media::Orientation turn;  // video: how the source's pictures are shown upright
  int64_t end_pts = AV_NOPTS_VALUE;   // video: where the last frame ends, for the filters' end
  int64_t frames_decoded = 0;
  int64_t decoded_end_us = 0;  // where the decoded media of this stream ends
  int64_t packets_written = 0;
};

AVRational NearestSupportedRate(const AVCodec* codec, AVRational rate) {
  if (codec->supported_framerates) {
    const int index = av_find_nearest_q_idx(rate, codec->supported_framerates);
    return codec->supported_framerates[index];
  }
  // Some encoders (MPEG-4 Part 2) cannot code a time base above 16 bits.
  if (rate.num > 65535 || rate.den > 65535) av_reduce(&rate.num, &rate.den, rate.num, rate.den, 65535);
  return rate;
}

AVPixelFormat ChoosePixelFormat(const AVCodec* codec, AVPixelFormat source) {
  if (!codec->pix_fmts) return source == AV_PIX_FMT_NONE ? AV_PIX_FMT_YUV420P : source;
  for (const AVPixelFormat* p = codec->pix_fmts; *p != AV_PIX_FMT_NONE; ++p)
    if (*p == source) return source;
  const AVPixelFormat best = avcodec_find_best_pix_fmt_of_list(codec->pix_fmts, source, 0, nullptr);
  return best == AV_PIX_FMT_NONE ? codec->pix_fmts[0] : best;
}

AVSampleFormat ChooseSampleFormat(const AVCodec* codec, AVSampleFormat source) {
  if (!codec->sample_fmts) return source;
  for (const AVSampleFormat* f = codec->sample_fmts; *f != AV_SAMPLE_FMT_NONE; ++f)
    if (*f == source) return source;
  return codec->sample_fmts[0];
}

int ChooseSampleRate(const AVCodec* codec, int wanted) {
  if (!codec->supported_samplerates) return wanted;
  int best = codec->supported_samplerates[0];
  for (const int* r = codec->supported_samplerates; *r; ++r)
    if (std::abs(*r - wanted) < std::abs(best - wanted)) best = *r;
  return best;
}

// The channel layout to encode: the wanted count if the encoder takes it, else
// the nearest count it does take. False when memory ran out.
bool ChooseLayout(const AVCodec* codec, int channels, avptr::Layout* layout) {
  layout->SetDefault(channels);
  if (!codec->ch_layouts) return true;
  const AVChannelLayout* best = nullptr;
  for (const AVChannelLayout* l = codec->ch_layouts; l->nb_channels; ++l) {
    if (!av_channel_layout_compare(l, &layout->get())) return true;
    if (!best || std::abs(l->nb_channels - channels) < std::abs(best->nb_channels - channels)) best = l;
  }
  return !best || layout->CopyFrom(*best);
}

std::string LayoutName(const AVChannelLayout& layout) {
  char buffer[128] = {0};
  if (av_channel_layout_describe(&layout, buffer, sizeof buffer) < 0) return "stereo";
  return buffer;
}

std::string Fraction(AVRational r) { return std::to_string(r.num) + "/" + std::to_string(r.den); }

// The -vf chain in libavfilter syntax (rotation in degrees clockwise).
std::string UserChain(const std::vector<VideoFilter>& filters) {
  std::string chain;
  auto add = [&chain](const std::string& piece) { chain += (chain.empty() ? "" : ",") + piece; };
  for (const VideoFilter& f : filters) {
    switch (f.kind) {
      case VideoFilter::Kind::Crop:
        add("crop=" + std::to_string(f.width) + ":" + std::to_string(f.height) + ":" + std::to_string(f.x) + ":" +
            std::to_string(f.y) + ":exact=1");
        break;
      case VideoFilter::Kind::Scale:
        add("scale=" + std::to_string(f.width) + ":" + std::to_string(f.height));
        break;
      case VideoFilter::Kind::VFlip: add("vflip"); break;
      case VideoFilter::Kind::HFlip: add("hflip"); break;
      case VideoFilter::Kind::Rotate: {
        const double q = f.degrees / 90.0;
        if (std::fabs(q - std::round(q)) < 1e-9) {
          const int turns = QuarterTurns({f});
          if (turns == 1) add("transpose=clock");
          if (turns == 2) add("hflip,vflip");
          if (turns == 3) add("transpose=cclock");
        } else {
          char angle[128];
          // The frame grows to the box that holds the whole turned picture.
          const double a = f.degrees * M_PI / 180.0;
          std::snprintf(angle, sizeof angle, "rotate=angle=%.9f:ow=rotw(%.9f):oh=roth(%.9f)", a, a, a);
          add(angle);
        }
        break;
      }
    }
  }
  return chain;
}

class Session {
 public:
  Session(const Job& job, std::string* error, std::string* written)
      : job_(job), error_(error), written_(written), watch_(job.read_timeout_ms, job.stop) {}
  ~Session() { DiscardTemp(); }
  Outcome Run();

 private:
  bool Fail(const std::string& text) {
    if (error_->empty()) *error_ = text;
    return false;
  }
  bool Stopped() const { return job_.stop && job_.stop->load(); }
  bool OpenSource();
  bool OpenLane(Lane& lane, int index, const AVCodec* encoder);
  bool OpenDecoder(Lane& lane);
  bool SetUpVideo(Lane& lane, const AVCodec* codec);
  bool SetUpAudio(Lane& lane, const AVCodec* codec);
  bool BuildVideoGraph(Lane& lane, int width, int height, int format, AVRational sar);
  bool FollowVideoChange(Lane& lane, const AVFrame* frame);
  bool BuildAudioGraph(Lane& lane, int rate, AVSampleFormat format, const AVChannelLayout& layout);
  bool FollowAudioChange(Lane& lane, const AVFrame* frame);
  bool BuildGraph(Lane& lane, const char* source_filter, const std::string& source_args, const char* sink_filter,
                  const std::string& chain);
  bool OpenEncoder(Lane& lane);
  bool OpenOutput();
  bool Pump();
  int64_t ContinuousVideoPts(Lane& lane, int64_t pts, int64_t duration);
  bool DecodePacket(Lane& lane, const AVPacket* packet);
  bool FilterFrame(Lane& lane, AVFrame* frame);
  bool DrainFilter(Lane& lane);
  bool EncodeFrame(Lane& lane, AVFrame* frame);
  bool WritePacket(Lane& lane, AVPacket* packet);
  bool Flush(Lane& lane);
  bool WriteSubtitle(media::SubtitleTrack& track, const AVPacket* packet);
  bool CheckComplete();
  bool Close();
  void ReportProgress(const AVPacket* packet, const Lane& lane, bool force);
  void DiscardTemp();

  const Job& job_;
  std::string* error_;
  std::string* written_;
  bool skipped_ = false;
  std::string note_;  // said with a success: what could not be kept
  std::string burn_in_;  // the filter drawing a subtitle track into the picture, or ""
  media::AtomicOutputFile file_;  // declared before output_: outlives the muxer using it
  media::ReadWatch watch_;
  Plan plan_;
  avptr::Input input_;
  avptr::Output output_;
  std::vector<Lane> lanes_;
  std::vector<int> lane_of_stream_;
  std::vector<media::SubtitleChoice> subtitle_choices_;
  std::vector<media::SubtitleTrack> subtitles_;
  std::vector<int> subtitle_of_stream_;
  int64_t total_us_ = 0;
  Clock::time_point last_report_{};
  avptr::Frame frame_{av_frame_alloc()};
  avptr::Frame filtered_{av_frame_alloc()};
  avptr::Packet packet_{av_packet_alloc()};
  avptr::Packet encoded_{av_packet_alloc()};
};

bool Session::OpenSource() {
  std::string problem;
  input_ = media::OpenInput(job_.source, &watch_, &problem);
  if (!input_) return Fail(problem);
  const media::SourceDescription source = media::DescribeSource(input_.get(), job_.source);
  total_us_ = source.duration_us;
  SourceInfo info;
  const int v = source.best_video;
  const int a = source.best_audio;
  info.has_video = source.HasVideo();
  info.has_audio = source.HasAudio();
  if (const media::StreamFacts* video = source.Video()) {
    info.facts.width = video->shown_width;
    info.facts.height = video->shown_height;
  }
  if (!MakePlan(job_.options, job_.output, info, &plan_, &problem)) return Fail(problem);
  lane_of_stream_.assign(input_->nb_streams, -1);
  subtitle_of_stream_.assign(input_->nb_streams, -1);
  const Options& o = job_.options;
  const std::vector<int> audio =
      plan_.audio ? media::AudioStreamsToConvert(source, plan_.format, a, o.first_audio_only) : std::vector<int>{};
  // Subtitles go along with pictures only.
  if (plan_.video && o.subtitles == Options::Subtitles::Keep)
    subtitle_choices_ = media::SubtitlesToKeep(source, plan_.format, &note_);
  if (plan_.video && o.subtitles == Options::Subtitles::BurnIn)
    burn_in_ = media::BurnInChain(source, job_.source, &note_);
  // Streams we do not convert are not even demuxed.
  std::vector<bool> used(input_->nb_streams, false);
  if (plan_.video) used[v] = true;
  for (int index : audio) used[index] = true;
  for (const media::SubtitleChoice& c : subtitle_choices_) used[c.stream] = true;
  for (unsigned i = 0; i < input_->nb_streams; ++i)
    if (!used[i]) input_->streams[i]->discard = AVDISCARD_ALL;
  lanes_.reserve(1 + audio.size());
  if (plan_.video && !OpenLane(lanes_.emplace_back(), v, plan_.video)) return false;
  for (int index : audio)
    if (!OpenLane(lanes_.emplace_back(), index, plan_.audio)) return false;
  return true;
}

bool Session::OpenLane(Lane& lane, int index, const AVCodec* encoder) {
  lane.in = input_->streams[index];
  lane.type = lane.in->codecpar->codec_type;
  lane_of_stream_[index] = static_cast<int>(lanes_.size()) - 1;
  if (input_->start_time != AV_NOPTS_VALUE)
    lane.start_offset = av_rescale_q(input_->start_time, AV_TIME_BASE_Q, lane.in->time_base);
  if (!OpenDecoder(lane)) return false;
  return lane.type == AVMEDIA_TYPE_VIDEO ? SetUpVideo(lane, encoder) : SetUpAudio(lane, encoder);
}

bool Session::OpenDecoder(Lane& lane) {
  std::string problem;
  lane.decoder = media::OpenDecoder(input_.get(), lane.in, lane.type == AVMEDIA_TYPE_VIDEO ? job_.threads : 1, &problem);
  return lane.decoder || Fail(problem);
}

bool Session::BuildGraph(Lane& lane, const char* source_filter, const std::string& source_args,
                         const char* sink_filter, const std::string& chain) {
  lane.graph.reset(avfilter_graph_alloc());
  if (!lane.graph) return Fail("Out of memory");
  lane.graph->nb_threads = job_.threads;  // 0: as many as the machine has
  int rc = avfilter_graph_create_filter(&lane.source, avfilter_get_by_name(source_filter), "in", source_args.c_str(),
                                        nullptr, lane.graph.get());
  if (rc >= 0)
    rc = avfilter_graph_create_filter(&lane.sink, avfilter_get_by_name(sink_filter), "out", nullptr, nullptr,
                                      lane.graph.get());
  if (rc < 0) return Fail("Cannot set up the " + media::MediaWord(lane.type) + " filters: " + avptr::ErrorText(rc));
  avptr::InOut outputs(avfilter_inout_alloc());
  avptr::InOut inputs(avfilter_inout_alloc());
  if (!outputs || !inputs) return Fail("Out of memory");
  outputs->name = av_strdup("in");
  outputs->filter_ctx = lane.source;
  inputs->name = av_strdup("out");
  inputs->filter_ctx = lane.sink;
  if (!outputs->name || !inputs->name) return Fail("Out of memory");
  AVFilterInOut* in_raw = inputs.release();
  AVFilterInOut* out_raw = outputs.release();
  rc = avfilter_graph_parse_ptr(lane.graph.get(), chain.c_str(), &in_raw, &out_raw, nullptr);
  avfilter_inout_free(&in_raw);
  avfilter_inout_free(&out_raw);
  if (rc >= 0) rc = avfilter_graph_config(lane.graph.get(), nullptr);
  if (rc < 0) return Fail("Cannot set up the " + media::MediaWord(lane.type) + " filters: " + avptr::ErrorText(rc));
  return true;
}

bool Session::SetUpVideo(Lane& lane, const AVCodec* codec) {
  const AVCodecContext* dec = lane.decoder.get();
  const Options& o = job_.options;
  if (dec->width <= 0 || dec->height <= 0 || dec->pix_fmt == AV_PIX_FMT_NONE)
    return Fail("The source's video stream has no usable picture format");
  lane.turn = media::StreamOrientation(lane.in);
  int shown_w = 0, shown_h = 0;
  media::ShownSize(lane.turn, dec->width, dec->height, &shown_w, &shown_h);
  std::string problem;
  if (!OutputSize(o, codec, shown_w, shown_h, &plan_.width, &plan_.height, &problem)) return Fail(problem);
  AVRational rate = o.frame_rate.Set() ? AVRational{o.frame_rate.num, o.frame_rate.den} : dec->framerate;
  if (rate.num <= 0 || rate.den <= 0) rate = {25, 1};
  rate = NearestSupportedRate(codec, rate);
  const AVPixelFormat pix = ChoosePixelFormat(codec, dec->pix_fmt);
  AVRational sar = dec->sample_aspect_ratio.num > 0 ? dec->sample_aspect_ratio : AVRational{1, 1};

  std::string chain = "fps=fps=" + Fraction(rate);
  // Upright first: the user's own turns and crops refer to the picture as shown.
  const std::string upright = media::UprightChain(lane.turn);
  if (!upright.empty()) chain += "," + upright;
  const std::string user = UserChain(o.filters);
  if (!user.empty()) chain += "," + user;
  const TargetFrame disc = FitTargetFrame(o, plan_.width, plan_.height);
  if (disc.fitted) {
    // A disc norm takes only a few frame sizes: the picture goes into its standard one.
    plan_.width = disc.width;
    plan_.height = disc.height;
    chain += "," + TargetFrameChain(disc);
  } else if (o.aspect.Set() || o.width <= 0 || o.height <= 0 || !o.target.empty()) {
    // An explicit aspect wins; without a requested size the picture keeps its shape;
    // a disc norm's own frame sizes are shown at the norm's aspect.
    chain += ",scale=" + std::to_string(plan_.width) + ":" + std::to_string(plan_.height);
    if (o.aspect.Set()) chain += ",setdar=dar=" + std::to_string(o.aspect.num) + "/" + std::to_string(o.aspect.den);
  } else {
    // A requested frame of another shape gets the whole picture, undistorted, with bars.
    PictureShape shape{shown_w, shown_h, av_q2d(sar)};
    if (lane.turn.SwapsSides()) shape.pixel_aspect = 1.0 / shape.pixel_aspect;
    shape = AfterFilters(shape, o.filters);
    chain += "," + FitChain(FitInside(shape, plan_.width, plan_.height), plan_.width, plan_.height);
  }
  // Drawn at the output size, so the letters are sharp.
  if (!burn_in_.empty()) chain += "," + burn_in_;
  chain += std::string(",format=pix_fmts=") + av_get_pix_fmt_name(pix);
  lane.chain = chain;
  if (!BuildVideoGraph(lane, dec->width, dec->height, dec->pix_fmt, sar)) return false;

  lane.encoder.reset(avcodec_alloc_context3(codec));
  if (!lane.encoder) return Fail("Out of memory");
  AVCodecContext* enc = lane.encoder.get();
  enc->width = av_buffersink_get_w(lane.sink);
  enc->height = av_buffersink_get_h(lane.sink);
  enc->pix_fmt = static_cast<AVPixelFormat>(av_buffersink_get_format(lane.sink));
  enc->sample_aspect_ratio = av_buffersink_get_sample_aspect_ratio(lane.sink);
  enc->time_base = av_buffersink_get_time_base(lane.sink);
  enc->framerate = rate;
  if (o.video_bitrate > 0) enc->bit_rate = o.video_bitrate;
  if (o.gop >= 0) enc->gop_size = o.gop;
  if (o.max_rate > 0) enc->rc_max_rate = o.max_rate;
  if (o.min_rate >= 0) enc->rc_min_rate = o.min_rate;
  if (o.buffer_size > 0) enc->rc_buffer_size = static_cast<int>(o.buffer_size);
  enc->thread_count = job_.threads;
  if (!ApplySpeed(enc, o.x264_preset, &problem)) return Fail(problem);
  return OpenEncoder(lane);
}

bool Session::SetUpAudio(Lane& lane, const AVCodec* codec) {
  AVCodecContext* dec = lane.decoder.get();
  const Options& o = job_.options;
  if (dec->sample_rate <= 0 || dec->sample_fmt == AV_SAMPLE_FMT_NONE || dec->ch_layout.nb_channels <= 0)
    return Fail("The source's audio stream has no usable sample format");
  if (dec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
    const int channels = dec->ch_layout.nb_channels;
    av_channel_layout_uninit(&dec->ch_layout);
    av_channel_layout_default(&dec->ch_layout, channels);
  }
  const int rate = ChooseSampleRate(codec, o.sample_rate > 0 ? o.sample_rate : dec->sample_rate);
  avptr::Layout layout;
  if (!ChooseLayout(codec, o.channels > 0 ? o.channels : std::min(dec->ch_layout.nb_channels, 8), &layout))
    return Fail("Out of memory");
  const AVSampleFormat format = ChooseSampleFormat(codec, dec->sample_fmt);

  lane.chain = "aresample=" + std::to_string(rate) + ",aformat=sample_fmts=" + av_get_sample_fmt_name(format) +
               ":sample_rates=" + std::to_string(rate) + ":channel_layouts=" + LayoutName(layout.get());
  if (!BuildAudioGraph(lane, dec->sample_rate, dec->sample_fmt, dec->ch_layout)) return false;

  lane.encoder.reset(avcodec_alloc_context3(codec));
  if (!lane.encoder) return Fail("Out of memory");
  AVCodecContext* enc = lane.encoder.get();
  enc->sample_fmt = static_cast<AVSampleFormat>(av_buffersink_get_format(lane.sink));
  enc->sample_rate = av_buffersink_get_sample_rate(lane.sink);
  int rc = av_buffersink_get_ch_layout(lane.sink, &enc->ch_layout);
  if (rc < 0) return Fail("Cannot set up the audio encoder: " + avptr::ErrorText(rc));
  enc->time_base = {1, enc->sample_rate};
  if (o.audio_bitrate > 0) enc->bit_rate = o.audio_bitrate;
  enc->thread_count = 1;
  if (!OpenEncoder(lane)) return false;
  if (!(codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) && enc->frame_size > 0)
    av_buffersink_set_frame_size(lane.sink, enc->frame_size);
  return true;
}

bool Session::BuildVideoGraph(Lane& lane, int width, int height, int format, AVRational sar) {
  if (sar.num <= 0 || sar.den <= 0) sar = {1, 1};
  const std::string args = "video_size=" + std::to_string(width) + "x" + std::to_string(height) +
                           ":pix_fmt=" + std::to_string(format) + ":time_base=" + Fraction(lane.in->time_base) +
                           ":pixel_aspect=" + Fraction(sar);
  if (!BuildGraph(lane, "buffer", args, "buffersink", lane.chain)) return false;
  lane.in_width = width;
  lane.in_height = height;
  lane.in_format = format;
  return true;
}

// A picture that changes size or format mid-stream gets filters built for it
// (a crop set up for the old size must not read outside the new picture); the
// output keeps its size.
bool Session::FollowVideoChange(Lane& lane, const AVFrame* frame) {
  if (frame->width == lane.in_width && frame->height == lane.in_height && frame->format == lane.in_format)
    return true;
  if (frame->width <= 0 || frame->height <= 0 || frame->format < 0)
    return Fail("The source's video changes to an unusable picture format");
  int width = 0, height = 0, shown_w = 0, shown_h = 0;
  media::ShownSize(lane.turn, frame->width, frame->height, &shown_w, &shown_h);
  std::string problem;
  if (!OutputSize(job_.options, lane.encoder->codec, shown_w, shown_h, &width, &height, &problem))
    return Fail("The source's picture changes size mid-stream: " + problem);
  return BuildVideoGraph(lane, frame->width, frame->height, frame->format, frame->sample_aspect_ratio);
}

bool Session::BuildAudioGraph(Lane& lane, int rate, AVSampleFormat format, const AVChannelLayout& layout) {
  const std::string args = "time_base=1/" + std::to_string(rate) + ":sample_rate=" + std::to_string(rate) +
                           ":sample_fmt=" + av_get_sample_fmt_name(format) + ":channel_layout=" + LayoutName(layout);
  if (!BuildGraph(lane, "abuffer", args, "abuffersink", lane.chain)) return false;
  lane.in_rate = rate;
  lane.in_format = format;
  return lane.in_layout.CopyFrom(layout) || Fail("Out of memory");
}

// Broadcast recordings may switch sample rate or channels mid-stream; the audio
// filters are rebuilt for the new input (the few samples still inside the old
// graph are dropped) so the output keeps its one format.
bool Session::FollowAudioChange(Lane& lane, const AVFrame* frame) {
  avptr::Layout layout;
  if (!layout.CopyUsable(frame->ch_layout)) return Fail("Out of memory");
  if (frame->sample_rate == lane.in_rate && frame->format == lane.in_format &&
      av_channel_layout_compare(&layout.get(), &lane.in_layout.get()) == 0)
    return true;
  if (!BuildAudioGraph(lane, frame->sample_rate, static_cast<AVSampleFormat>(frame->format), layout.get()))
    return false;
  const AVCodecContext* enc = lane.encoder.get();
  if (!(enc->codec->capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) && enc->frame_size > 0)
    av_buffersink_set_frame_size(lane.sink, enc->frame_size);
  return true;
}

bool Session::OpenEncoder(Lane& lane) {
  AVCodecContext* enc = lane.encoder.get();
  const AVCodec* codec = enc->codec;  // a failed open clears enc->codec
  if (plan_.format->flags & AVFMT_GLOBALHEADER) enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  int rc = avcodec_open2(enc, codec, nullptr);
  if (rc < 0) {
    std::string what = std::string("The ") + codec->name + " encoder refused the settings";
    if (lane.type == AVMEDIA_TYPE_AUDIO)
      what += " (" + std::to_string(enc->sample_rate) + " Hz, " + std::to_string(enc->ch_layout.nb_channels) +
              " channels, " + std::to_string(enc->bit_rate / 1000) + " kb/s)";
    else
      what += " (" + std::to_string(enc->width) + "x" + std::to_string(enc->height) + ", " +
              std::to_string(enc->bit_rate / 1000) + " kb/s)";
    return Fail(what + ": " + avptr::ErrorText(rc));
  }
  return true;
}

bool Session::OpenOutput() {
  AVFormatContext* raw = nullptr;
  int rc = avformat_alloc_output_context2(&raw, plan_.format, nullptr, job_.output.c_str());
  if (rc < 0 || !raw) return Fail("Cannot set up the output: " + avptr::ErrorText(rc));
  output_.reset(raw);
  for (Lane& lane : lanes_) {
    lane.out = avformat_new_stream(raw, nullptr);
    if (!lane.out) return Fail("Out of memory");
    rc = avcodec_parameters_from_context(lane.out->codecpar, lane.encoder.get());
    if (rc < 0) return Fail("Cannot set up the output stream: " + avptr::ErrorText(rc));
    lane.out->time_base = lane.encoder->time_base;
    // Apple's players take HEVC in MP4 and QuickTime only under the hvc1 tag.
    if (lane.out->codecpar->codec_id == AV_CODEC_ID_HEVC && (std::strcmp(plan_.format->name, "mp4") == 0 ||
                                                             std::strcmp(plan_.format->name, "mov") == 0))
      lane.out->codecpar->codec_tag = MKTAG('h', 'v', 'c', '1');
    if (lane.type == AVMEDIA_TYPE_VIDEO) {
      lane.out->avg_frame_rate = lane.encoder->framerate;
      lane.out->sample_aspect_ratio = lane.encoder->sample_aspect_ratio;
    }
    if (!media::CopyStreamMetadata(lane.in, lane.out)) return Fail("Out of memory");
  }
  if (!media::CopyFileMetadata(input_.get(), raw)) return Fail("Out of memory");
  const int64_t start_us = input_->start_time != AV_NOPTS_VALUE ? input_->start_time : 0;
  subtitles_.resize(subtitle_choices_.size());
  for (size_t i = 0; i < subtitles_.size(); ++i) {
    const media::SubtitleChoice& c = subtitle_choices_[i];
    std::string problem;
    if (!subtitles_[i].Open(input_->streams[c.stream], c, raw, start_us, &problem)) return Fail(problem);
    if (!media::CopyStreamMetadata(input_->streams[c.stream], raw->streams[raw->nb_streams - 1]))
      return Fail("Out of memory");
    subtitle_of_stream_[c.stream] = static_cast<int>(i);
  }
  const Options& o = job_.options;
  if (o.packet_size > 0) raw->packet_size = static_cast<unsigned>(o.packet_size);
  if (o.mux_rate > 0 && raw->priv_data) {
    // Only the MPEG muxers have a mux rate; the others go without one.
    rc = av_opt_set_int(raw->priv_data, "muxrate", o.mux_rate, 0);
    if (rc < 0 && rc != AVERROR_OPTION_NOT_FOUND) return Fail("Cannot set the mux rate: " + avptr::ErrorText(rc));
  }
  raw->max_delay = static_cast<int>(0.7 * AV_TIME_BASE);
  if (plan_.format->flags & AVFMT_NOFILE)
    return Fail(std::string("The output format ") + plan_.format->name + " writes no single file");
  std::string problem;
  if (!file_.Create(job_.output, &problem)) return Fail(problem);
  raw->pb = file_.Writer();
  if (!raw->pb) return Fail("Out of memory");
  raw->flags |= AVFMT_FLAG_CUSTOM_IO;
  rc = avformat_write_header(raw, nullptr);
  if (rc < 0) return Fail("Cannot start the output file: " + avptr::ErrorText(rc));
  return true;
}

void Session::ReportProgress(const AVPacket* packet, const Lane& lane, bool force) {
  if (!job_.progress) return;
  const Clock::time_point now = Clock::now();
  if (!force && now - last_report_ < std::chrono::milliseconds(250)) return;
  last_report_ = now;
  int64_t position = 0;
  if (packet && packet->dts != AV_NOPTS_VALUE)
    position = std::max<int64_t>(0, av_rescale_q(packet->dts, lane.out->time_base, AV_TIME_BASE_Q));
  const int64_t bytes = output_ && output_->pb ? avio_tell(output_->pb) : 0;
  job_.progress(bytes, position, total_us_);
}

bool Session::WritePacket(Lane& lane, AVPacket* packet) {
  packet->stream_index = lane.out->index;
  av_packet_rescale_ts(packet, lane.encoder->time_base, lane.out->time_base);
  ReportProgress(packet, lane, false);
  const int rc = av_interleaved_write_frame(output_.get(), packet);
  if (rc < 0) return Fail("Writing the output failed: " + avptr::ErrorText(rc));
  if (output_->pb && output_->pb->error < 0)
    return Fail("Writing the output failed: " + avptr::ErrorText(output_->pb->error));
  ++lane.packets_written;
  return true;
}

bool Session::EncodeFrame(Lane& lane, AVFrame* frame) {
  if (Stopped()) return false;  // also cuts a long encoder flush short
  int rc = avcodec_send_frame(lane.encoder.get(), frame);
  if (rc < 0 && rc != AVERROR_EOF) return Fail("Encoding failed: " + avptr::ErrorText(rc));
  while (true) {
    rc = avcodec_receive_packet(lane.encoder.get(), encoded_.get());
    if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
    if (rc < 0) return Fail("Encoding failed: " + avptr::ErrorText(rc));
    const bool ok = WritePacket(lane, encoded_.get());
    av_packet_unref(encoded_.get());
    if (!ok) return false;
  }
}

// Feeds one decoded frame through the filters to the encoder.
bool Session::FilterFrame(Lane& lane, AVFrame* frame) {
  const int rc = av_buffersrc_add_frame_flags(lane.source, frame, AV_BUFFERSRC_FLAG_KEEP_REF);
  if (rc < 0) return Fail("Filtering failed: " + avptr::ErrorText(rc));
  return DrainFilter(lane);
}

bool Session::DrainFilter(Lane& lane) {
  while (true) {
    const int rc = av_buffersink_get_frame(lane.sink, filtered_.get());
    if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
    if (rc < 0) return Fail("Filtering failed: " + avptr::ErrorText(rc));
    AVFrame* out = filtered_.get();
    if (lane.type == AVMEDIA_TYPE_AUDIO) {
      // Audio is written gap-free from where it starts.
      if (lane.next_pts == AV_NOPTS_VALUE) lane.next_pts = out->pts != AV_NOPTS_VALUE ? std::max<int64_t>(0, out->pts) : 0;
      out->pts = lane.next_pts;
      lane.next_pts += out->nb_samples;
    }
    out->pict_type = AV_PICTURE_TYPE_NONE;
    const bool ok = EncodeFrame(lane, out);
    av_frame_unref(out);
    if (!ok) return false;
  }
}

// Picture times as the filters need them: rising, without holes that the frame
// rate filter would fill with hours of copies. Joined recordings restart their
// clock and broadcast streams may jump; both are closed up here.
int64_t Session::ContinuousVideoPts(Lane& lane, int64_t pts, int64_t duration) {
  const int64_t step = std::max<int64_t>(1, duration);
  if (pts != AV_NOPTS_VALUE) pts += lane.pts_shift;
  if (lane.next_pts == AV_NOPTS_VALUE) {
    if (pts == AV_NOPTS_VALUE) pts = lane.start_offset;
  } else if (pts == AV_NOPTS_VALUE) {
    pts = lane.next_pts;
  } else {
    const bool jumps = input_->iformat->flags & AVFMT_TS_DISCONT;
    const int64_t limit = av_rescale_q(10 * AV_TIME_BASE, AV_TIME_BASE_Q, lane.in->time_base);
    if (pts < lane.next_pts - step || (jumps && pts - lane.next_pts > limit)) {
      lane.pts_shift += lane.next_pts - pts;
      pts = lane.next_pts;
    }
  }
  lane.next_pts = std::max(lane.next_pts == AV_NOPTS_VALUE ? pts + step : lane.next_pts, pts + step);
  return pts;
}

bool Session::DecodePacket(Lane& lane, const AVPacket* packet) {
  int rc = avcodec_send_packet(lane.decoder.get(), packet);
  // A damaged packet is skipped, as players do; a stream that yields nothing at all
  // is reported at the end.
  if (rc < 0 && rc != AVERROR_EOF && rc != AVERROR_INVALIDDATA && rc != AVERROR(EAGAIN))
    return Fail("Decoding failed: " + avptr::ErrorText(rc));
  while (true) {
    rc = avcodec_receive_frame(lane.decoder.get(), frame_.get());
    if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return true;
    if (rc == AVERROR_INVALIDDATA) continue;
    if (rc < 0) return Fail("Decoding failed: " + avptr::ErrorText(rc));
    ++lane.frames_decoded;
    AVFrame* f = frame_.get();
    int64_t pts = f->best_effort_timestamp;
    if (pts != AV_NOPTS_VALUE) {
      const int64_t length = lane.type == AVMEDIA_TYPE_AUDIO
                                 ? av_rescale_q(f->nb_samples, AVRational{1, f->sample_rate}, lane.in->time_base)
                                 : f->pkt_duration;
      lane.decoded_end_us = std::max(lane.decoded_end_us, av_rescale_q(pts - lane.start_offset + length,
                                                                       lane.in->time_base, AV_TIME_BASE_Q));
    }
    if (lane.type == AVMEDIA_TYPE_VIDEO) {
      f->pts = ContinuousVideoPts(lane, pts, f->pkt_duration) - lane.start_offset;
      lane.end_pts = lane.next_pts - lane.start_offset;
      if (!FollowVideoChange(lane, f)) {
        av_frame_unref(f);
        return false;
      }
    } else {
      f->pts = pts == AV_NOPTS_VALUE ? AV_NOPTS_VALUE
                                     : av_rescale_q(pts - lane.start_offset, lane.in->time_base,
                                                    AVRational{1, f->sample_rate});
      if (!FollowAudioChange(lane, f)) {
        av_frame_unref(f);
        return false;
      }
    }
    const bool ok = FilterFrame(lane, f);
    av_frame_unref(f);
    if (!ok) return false;
  }
}

bool Session::Pump() {
  while (true) {
    if (Stopped()) return false;
    const int rc = av_read_frame(input_.get(), packet_.get());
    if (rc == AVERROR_EOF) return true;
    if (rc < 0) {
      if (Stopped()) return false;
      if (watch_.Expired()) return Fail("Reading the source timed out");
      return Fail("Reading the source failed: " + avptr::ErrorText(rc));
    }
    const int index = packet_->stream_index;
    bool ok = true;
    if (index >= 0 && index < static_cast<int>(lane_of_stream_.size()) && lane_of_stream_[index] >= 0)
      ok = DecodePacket(lanes_[lane_of_stream_[index]], packet_.get());
    else if (index >= 0 && index < static_cast<int>(subtitle_of_stream_.size()) && subtitle_of_stream_[index] >= 0)
      ok = WriteSubtitle(subtitles_[subtitle_of_stream_[index]], packet_.get());
    av_packet_unref(packet_.get());
    if (!ok) return false;
  }
}

bool Session::WriteSubtitle(media::SubtitleTrack& track, const AVPacket* packet) {
  std::string problem;
  const bool ok = track.Feed(packet, [this](AVPacket* out) {
    const int rc = av_interleaved_write_frame(output_.get(), out);
    return rc >= 0 || Fail("Writing the output failed: " + avptr::ErrorText(rc));
  }, &problem);
  return ok || Fail(problem);
}

bool Session::Flush(Lane& lane) {
  if (!DecodePacket(lane, nullptr)) return false;
  if (lane.frames_decoded == 0)
    return Fail("No " + media::MediaWord(lane.type) + " could be decoded from the source (damaged or empty stream)");
  // Closing at the end of the last frame lets the frame-rate filter keep that frame.
  const int rc = lane.end_pts == AV_NOPTS_VALUE ? av_buffersrc_add_frame_flags(lane.source, nullptr, 0)
                                                : av_buffersrc_close(lane.source, lane.end_pts, 0);
  if (rc < 0) return Fail("Filtering failed: " + avptr::ErrorText(rc));
  if (!DrainFilter(lane)) return false;
  if (!EncodeFrame(lane, nullptr)) return false;
  return true;
}

// A source whose header promises more than the data holds was cut off: the
// output would silently be short, so the task fails instead. Each converted
// stream is held to its own length from the header; the file's length is held
// against the longest converted stream, and only when every stream of the file
// is converted (a dropped longer stream must not count against the others).
bool Session::CheckComplete() {
  if (input_->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE) return true;
  int media_streams = 0;
  for (unsigned i = 0; i < input_->nb_streams; ++i) {
    const AVStream* st = input_->streams[i];
    const AVMediaType type = st->codecpar->codec_type;
    if ((type == AVMEDIA_TYPE_AUDIO || type == AVMEDIA_TYPE_VIDEO) && !(st->disposition & AV_DISPOSITION_ATTACHED_PIC))
      ++media_streams;
  }
  auto short_of = [this](int64_t expected, int64_t reached) {
    const int64_t missing = expected - reached;
    if (expected <= 0 || missing < AV_TIME_BASE / 2 || missing < expected / 10) return false;
    char text[160];
    std::snprintf(text, sizeof text,
                  "The source ends early (only %.1f of %.1f seconds could be read); the file is truncated or damaged",
                  reached / 1e6, expected / 1e6);
    Fail(text);
    return true;
  };
  int64_t longest = 0;
  for (const Lane& lane : lanes_) {
    longest = std::max(longest, lane.decoded_end_us);
    if (lane.in->duration == AV_NOPTS_VALUE || lane.in->duration <= 0) continue;
    if (short_of(av_rescale_q(lane.in->duration, lane.in->time_base, AV_TIME_BASE_Q), lane.decoded_end_us))
      return false;
  }
  if (media_streams == static_cast<int>(lanes_.size()) && short_of(input_->duration, longest)) return false;
  return true;
}

bool Session::Close() {
  for (Lane& lane : lanes_)
    if (!Flush(lane)) return false;
  if (!CheckComplete()) return false;
  int rc = av_write_trailer(output_.get());
  if (rc < 0) return Fail("Finishing the output failed: " + avptr::ErrorText(rc));
  ReportProgress(nullptr, lanes_.front(), true);
  // Flushing and closing may reveal a full disk only now.
  output_->pb = nullptr;
  std::string problem;
  if (!file_.Finish(&problem)) return Fail(problem);
  switch (file_.Commit(job_.existing, job_.keep, written_, &problem)) {
    case media::CommitResult::Committed:
      // The date is a courtesy: a file system that refuses it leaves a good output.
      if (job_.options.keep_file_date) media::CopyFileDate(job_.source, *written_, &problem);
      return true;
    case media::CommitResult::Skipped: skipped_ = true; return false;
    case media::CommitResult::Failed: return Fail(problem);
  }
  return false;
}

void Session::DiscardTemp() {
  if (output_) output_->pb = nullptr;
  file_.Discard();
}

Outcome Session::Run() {
  if (!frame_ || !filtered_ || !packet_ || !encoded_) {
    Fail("Out of memory");
    return Outcome::Failed;
  }
  *written_ = job_.output;
  if (job_.existing == media::Existing::Skip && access(job_.output.c_str(), F_OK) == 0) return Outcome::Skipped;
  const bool ok = OpenSource() && OpenOutput() && Pump() && Close();
  if (ok) {
    *error_ = note_;
    return Outcome::Succeeded;
  }
  DiscardTemp();
  if (skipped_) return Outcome::Skipped;
  if (Stopped()) {
    *error_ = "Stopped";
    return Outcome::Stopped;
  }
  if (error_->empty()) *error_ = "The conversion failed";
  return Outcome::Failed;
}

}  // namespace

Outcome Transcode(const Job& job, std::string* error, std::string* written) {
  error->clear();
  Session session(job, error, written);
  return session.Run();
}

}  // namespace encoder
