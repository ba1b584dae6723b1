#pragma once
// One converted picture or sound stream: its decoder, the filters of its plan and
// its encoder, as FFmpeg's transcode example pairs them per stream.
#include <atomic>
#include <cstdint>
#include <string>

#include "engine/convert/Lane.h"
#include "engine/convert/OutputPlan.h"
#include "engine/media/AVPointers.h"
#include "engine/media/MediaInput.h"

namespace convert {

class StreamLane final : public Lane {
 public:
  // What every lane of one conversion shares. The first failure's text is kept in
  // `error`; later ones do not replace it.
  struct Shared {
    const Options* options = nullptr;
    int threads = 1;  // codec and filter threads; 0: as many as the machine has
    const std::atomic<bool>* stop = nullptr;
    std::string* error = nullptr;
    bool ts_jumps = false;  // the source's clock may jump (broadcast streams)
    int64_t start_us = 0;   // where the output starts: the source's start time plus skip_us
    int64_t skip_us = 0;    // how much of the source is left out before the output starts
    int64_t length_us = 0;  // how long the output lasts; 0: to the end of the source
  };

  StreamLane(AVStream* in, const Shared& shared);
  StreamLane(const StreamLane&) = delete;
  StreamLane& operator=(const StreamLane&) = delete;

  // Opens the decoder; `facts` is updated with what it reports.
  bool OpenDecoder(AVFormatContext* input, media::StreamFacts* facts);
  // Builds the filters and opens the encoder for `plan` (made for the facts the
  // decoder reported). `format` is the output container.
  bool Open(const LanePlan& plan, const AVOutputFormat* format);

  int SourceIndex() const override { return in_->index; }
  bool AddOutputStream(AVFormatContext* out) override;
  // Decodes one packet and passes what comes out along to `writer`.
  bool Feed(const AVPacket* packet, PacketWriter& writer) override { return Decode(packet, writer); }
  // Drains decoder, filters and encoder at the end of the source.
  bool Flush(PacketWriter& writer) override;
  bool MediaSpan(int64_t* decoded_end_us, int64_t* expected_end_us) const override;
  bool Damage(LaneDamage* damage) const override;
  // The output's end (Shared::length_us) has been reached: no later packet is needed.
  bool PastEnd() const { return past_end_; }

 private:
  bool Fail(const std::string& text);
  bool Decode(const AVPacket* packet, PacketWriter& writer);
  bool Stopped() const { return shared_.stop && shared_.stop->load(); }
  bool SetUpVideo(const LanePlan& plan);
  bool SetUpAudio(const LanePlan& plan);
  bool OpenEncoder(const AVOutputFormat* format);
  bool BuildGraph(const char* source_filter, const std::string& source_args, const char* sink_filter);
  bool BuildVideoGraph(int width, int height, int format, AVRational sar);
  bool BuildAudioGraph(int rate, AVSampleFormat format, const AVChannelLayout& layout);
  bool FollowVideoChange(const AVFrame* frame);
  bool FollowAudioChange(const AVFrame* frame);
  void FixAudioFrameSize();
  int64_t ContinuousVideoPts(int64_t pts, int64_t duration);
  bool Place(AVFrame* frame);
  bool FilterFrame(AVFrame* frame, PacketWriter& writer);
  bool DrainFilter(PacketWriter& writer);
  bool EncodeFrame(AVFrame* frame, PacketWriter& writer);
  bool NoteDamage(int rc, const AVPacket* packet);
  bool Trim(AVFrame* frame, bool* keep);
  int64_t FrameLength(const AVFrame* frame) const;
  bool FillSoundGap(const AVFrame* frame, PacketWriter& writer);

  Shared shared_;
  AVMediaType type_ = AVMEDIA_TYPE_UNKNOWN;
  AVStream* in_ = nullptr;
  AVStream* out_ = nullptr;
  media::Codec decoder_;
  media::Codec encoder_;
  media::Graph graph_;
  AVFilterContext* source_ = nullptr;
  AVFilterContext* sink_ = nullptr;
  std::string chain_;                  // the filter chain, kept for rebuilding the graph
  media::Orientation turn_;            // video: how the source's pictures are shown upright
  int64_t start_offset_ = 0;           // source start time in the stream's time base
  int64_t next_pts_ = AV_NOPTS_VALUE;  // audio: running sample count; video: where the last picture ends
  int64_t pts_shift_ = 0;              // video: correction for clock jumps in the source
  int64_t end_pts_ = AV_NOPTS_VALUE;   // video: where the last frame ends, for the filters' end
  int in_width_ = 0;                   // video: what the graph was built for
  int in_height_ = 0;
  int in_rate_ = 0;  // audio: what the graph was built for
  int in_format_ = -1;
  media::Layout in_layout_;
  int64_t frames_decoded_ = 0;
  int64_t frames_left_out_ = 0;  // decoded but outside the trimmed span
  int64_t decoded_end_us_ = 0;   // where the decoded media of this stream ends
  LaneDamage damage_;
  int64_t last_packet_us_ = 0;          // where the last packet fed lies
  bool gap_pending_ = false;            // audio: packets were skipped since the last frame
  int64_t sound_end_ = AV_NOPTS_VALUE;  // audio: where the last frame ended, in samples
  int64_t end_ts_ = AV_NOPTS_VALUE;     // where the output ends, from start_offset_ in the stream's time base
  bool past_end_ = false;
  media::Frame frame_{av_frame_alloc()};
  media::Frame filtered_{av_frame_alloc()};
  media::Packet encoded_{av_packet_alloc()};
};

}  // namespace convert
