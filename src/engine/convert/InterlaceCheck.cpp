#include "engine/convert/InterlaceCheck.h"

extern "C" {
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

#include <cstring>

#include "engine/media/MediaInput.h"

namespace convert {
namespace {

constexpr int kPictures = 150;  // about five seconds of most video
constexpr int kPackets = 3000;  // enough for those pictures even with other packets in between

// What the pictures showed: the decoder's flags, and idet's verdict per picture.
struct Tally {
  int decoded = 0;
  int flagged = 0;  // marked interlaced by the decoder
  int flagged_top = 0;
  int judged = 0;  // pictures idet has judged
  int top = 0, bottom = 0, progressive = 0;
};

class FieldJudge {
 public:
  explicit FieldJudge(std::string* error) : error_(error) {}

  // Builds buffer -> idet -> buffersink for pictures like `frame`.
  bool Build(const AVFrame* frame, AVRational time_base) {
    graph_.reset(avfilter_graph_alloc());
    if (!graph_) return Fail("Out of memory");
    const AVRational sar = frame->sample_aspect_ratio.num > 0 ? frame->sample_aspect_ratio : AVRational{1, 1};
    const std::string args = "video_size=" + std::to_string(frame->width) + "x" +
                             std::to_string(frame->height) + ":pix_fmt=" + std::to_string(frame->format) +
                             ":time_base=" + media::Fraction(time_base) +
                             ":pixel_aspect=" + media::Fraction(sar);
    AVFilterContext* idet = nullptr;
    int rc = avfilter_graph_create_filter(&source_, avfilter_get_by_name("buffer"), "in", args.c_str(),
                                          nullptr, graph_.get());
    if (rc >= 0)
      rc = avfilter_graph_create_filter(&idet, avfilter_get_by_name("idet"), "idet", nullptr, nullptr,
                                        graph_.get());
    if (rc >= 0)
      rc = avfilter_graph_create_filter(&sink_, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr,
                                        graph_.get());
    if (rc >= 0) rc = avfilter_link(source_, 0, idet, 0);
    if (rc >= 0) rc = avfilter_link(idet, 0, sink_, 0);
    if (rc >= 0) rc = avfilter_graph_config(graph_.get(), nullptr);
    if (rc < 0) return Fail("Cannot set up the interlace check: " + media::ErrorText(rc));
    return true;
  }

  bool Built() const { return graph_ != nullptr; }

  bool Judge(AVFrame* frame, Tally* tally) {
    int rc = av_buffersrc_add_frame(source_, frame);
    if (rc < 0) return Fail("The interlace check failed: " + media::ErrorText(rc));
    while ((rc = av_buffersink_get_frame(sink_, judged_.get())) >= 0) {
      const AVDictionaryEntry* verdict =
          av_dict_get(judged_->metadata, "lavfi.idet.multiple.current_frame", nullptr, 0);
      if (verdict) {
        ++tally->judged;
        if (std::strcmp(verdict->value, "tff") == 0) ++tally->top;
        if (std::strcmp(verdict->value, "bff") == 0) ++tally->bottom;
        if (std::strcmp(verdict->value, "progressive") == 0) ++tally->progressive;
      }
      av_frame_unref(judged_.get());
    }
    if (rc != AVERROR(EAGAIN) && rc != AVERROR_EOF)
      return Fail("The interlace check failed: " + media::ErrorText(rc));
    return true;
  }

 private:
  bool Fail(const std::string& text) {
    *error_ = text;
    return false;
  }

  std::string* error_;
  media::Graph graph_;
  AVFilterContext* source_ = nullptr;
  AVFilterContext* sink_ = nullptr;
  media::Frame judged_{av_frame_alloc()};
};

AVFieldOrder Verdict(const Tally& t) {
  // The decoder's flags are the source's own word where most pictures carry them.
  if (t.flagged * 2 > t.decoded) return t.flagged_top * 2 >= t.flagged ? AV_FIELD_TT : AV_FIELD_BB;
  // idet calls still or flat pictures undetermined and is fooled now and then by fine
  // moving stripes: interlaced only when combed pictures clearly outnumber clean ones
  // and make up a good part of all.
  const int combed = t.top + t.bottom;
  if (combed >= 5 && combed >= 4 * t.progressive && combed * 4 >= t.judged)
    return t.top >= t.bottom ? AV_FIELD_TT : AV_FIELD_BB;
  return AV_FIELD_PROGRESSIVE;
}

}  // namespace

AVFieldOrder DetectFieldOrder(const std::string& path, int stream, int threads, int read_timeout_ms,
                              const std::atomic<bool>* stop, std::string* error) {
  media::ReadWatch watch(read_timeout_ms, stop);
  media::Input input = media::OpenInput(path, &watch, error);
  if (!input) return AV_FIELD_UNKNOWN;
  if (stream < 0 || stream >= static_cast<int>(input->nb_streams)) {
    *error = "The source has no picture stream " + std::to_string(stream);
    return AV_FIELD_UNKNOWN;
  }
  for (unsigned i = 0; i < input->nb_streams; ++i)
    if (static_cast<int>(i) != stream) input->streams[i]->discard = AVDISCARD_ALL;
  AVStream* st = input->streams[stream];
  media::Codec decoder = media::OpenDecoder(input.get(), st, threads, error);
  if (!decoder) return AV_FIELD_UNKNOWN;
  media::Packet packet(av_packet_alloc());
  media::Frame frame(av_frame_alloc());
  if (!packet || !frame) {
    *error = "Out of memory";
    return AV_FIELD_UNKNOWN;
  }
  FieldJudge judge(error);
  Tally tally;
  int packets = 0;
  bool ended = false;
  while (tally.decoded < kPictures && !ended) {
    if (stop && stop->load()) return AV_FIELD_UNKNOWN;
    int sent = 0;
    if (av_read_frame(input.get(), packet.get()) < 0 || ++packets > kPackets) {
      // The end, a damaged tail or enough read: what the decoder still holds is judged too.
      ended = true;
      sent = avcodec_send_packet(decoder.get(), nullptr);
    } else if (packet->stream_index == stream) {
      sent = avcodec_send_packet(decoder.get(), packet.get());
    }
    av_packet_unref(packet.get());
    if (sent == AVERROR(ENOMEM)) {
      *error = "Out of memory";
      return AV_FIELD_UNKNOWN;
    }
    // Any other refusal is a damaged packet, skipped as the conversion itself does.
    while (tally.decoded < kPictures && avcodec_receive_frame(decoder.get(), frame.get()) >= 0) {
      ++tally.decoded;
      if (frame->interlaced_frame) {
        ++tally.flagged;
        tally.flagged_top += frame->top_field_first != 0;
      }
      if (!judge.Built() && !judge.Build(frame.get(), st->time_base)) return AV_FIELD_UNKNOWN;
      if (!judge.Judge(frame.get(), &tally)) return AV_FIELD_UNKNOWN;
    }
  }
  if (tally.decoded == 0) {
    if (error->empty()) *error = "No picture of the source could be decoded";
    return AV_FIELD_UNKNOWN;
  }
  return Verdict(tally);
}

}  // namespace convert
