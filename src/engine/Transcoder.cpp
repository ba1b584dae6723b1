// The conversion session: opens the source, runs the planned lanes, muxes their
// packets and commits the output file. What happens inside one stream lives in
// StreamLane; what to make was settled by the plan.
#include "engine/Transcoder.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

#include "engine/AVPointers.h"
#include "engine/MetadataCopy.h"
#include "engine/StreamLane.h"
#include "engine/SubtitleBurnIn.h"
#include "engine/SubtitleTrack.h"

namespace encoder {
namespace {

using Clock = std::chrono::steady_clock;

class Session final : public PacketWriter {
 public:
  Session(const Job& job, std::string* error, std::string* written)
      : job_(job), error_(error), written_(written), watch_(job.read_timeout_ms, job.stop) {}
  ~Session() { DiscardTemp(); }
  Outcome Run();
  bool Write(AVPacket* packet) override;

 private:
  bool Fail(const std::string& text) {
    if (error_->empty()) *error_ = text;
    return false;
  }
  bool Stopped() const { return job_.stop && job_.stop->load(); }
  bool OpenSource();
  bool PrepareBurnIn();
  bool OpenLanes();
  bool OpenLane(LanePlan& plan);
  bool OpenOutput();
  bool Pump();
  bool CheckComplete();
  bool Close();
  bool Commit();
  void ReportProgress(const AVPacket* packet, const AVStream* stream, bool force);
  void DiscardTemp();

  const Job& job_;
  std::string* error_;
  std::string* written_;
  bool skipped_ = false;
  media::FolderHandle folder_;    // every step on the output goes through it
  media::AtomicOutputFile file_;  // declared before output_: outlives the muxer using it
  media::ReadWatch watch_;
  media::SourceDescription description_;
  OutputPlan plan_;
  avptr::Input input_;
  media::BurnInText burn_text_;  // outlives the lanes whose filter reads it
  avptr::Output output_;
  std::vector<std::unique_ptr<Lane>> lanes_;
  std::vector<Lane*> lane_of_stream_;  // by source stream index; null for streams left out
  int64_t total_us_ = 0;
  Clock::time_point last_report_{};
  avptr::Packet packet_{av_packet_alloc()};
};

bool Session::OpenSource() {
  std::string problem;
  input_ = media::OpenInput(job_.source, &watch_, &problem);
  if (!input_) return Fail(problem);
  description_ = media::DescribeSource(input_.get(), job_.source);
  total_us_ = description_.duration_us;
  // The task's plan fits unless the file changed since it was described.
  if (job_.planned && media::SameSource(description_, job_.description))
    plan_ = job_.plan;
  else if (!MakeOutputPlan(job_.options, job_.source, job_.output, description_, &plan_, &problem))
    return Fail(problem);
  if (!plan_.burn_in.empty() && !PrepareBurnIn()) return false;
  return OpenLanes();
}

// The subtitles to draw are read through the guarded input into a memory file,
// which the picture lane's filter then reads instead of the source.
bool Session::PrepareBurnIn() {
  std::string problem;
  if (!burn_text_.Extract(job_.source, plan_.burn_in_stream, &watch_, &problem)) return Fail(problem);
  const std::string filter = burn_text_.Filter();
  for (LanePlan& lane : plan_.lanes) {
    const size_t at = lane.chain.find(plan_.burn_in);
    if (at != std::string::npos) lane.chain.replace(at, plan_.burn_in.size(), filter);
  }
  plan_.burn_in = filter;
  return true;
}

bool Session::OpenLanes() {
  const unsigned count = input_->nb_streams;
  lane_of_stream_.assign(count, nullptr);
  lanes_.reserve(plan_.lanes.size() + plan_.subtitles.size());
  for (LanePlan& lane : plan_.lanes)
    if (!OpenLane(lane)) return false;
  for (const media::SubtitleChoice& c : plan_.subtitles)
    lanes_.push_back(
        std::make_unique<media::SubtitleTrack>(input_->streams[c.stream], c, description_.start_us, error_));
  for (const std::unique_ptr<Lane>& lane : lanes_)
    lane_of_stream_[lane->SourceIndex()] = lane.get();
  // Streams we do not convert are not even demuxed.
  for (unsigned i = 0; i < count; ++i)
    if (!lane_of_stream_[i]) input_->streams[i]->discard = AVDISCARD_ALL;
  return true;
}

// Opens one picture or sound lane. Some formats are only known once the decoder
// is open: the lane is planned again for what the decoder reports.
bool Session::OpenLane(LanePlan& plan) {
  StreamLane::Shared shared;
  shared.options = &job_.options;
  shared.threads = job_.threads;
  shared.stop = job_.stop;
  shared.error = error_;
  shared.ts_jumps = description_.ts_jumps;
  shared.start_us = description_.start_us;
  auto lane = std::make_unique<StreamLane>(input_->streams[plan.stream], shared);
  media::StreamFacts& facts = description_.streams[plan.stream];
  const media::StreamFacts probed = facts;
  if (!lane->OpenDecoder(input_.get(), &facts)) return false;
  std::string problem;
  if (!media::SameStream(probed, facts)) {
    const bool planned = plan.type == AVMEDIA_TYPE_VIDEO
                             ? PlanVideoLane(job_.options, facts, plan.encoder, plan_.burn_in, &plan,
                                             &plan_.width, &plan_.height, &problem)
                             : PlanAudioLane(job_.options, facts, plan.encoder, &plan, &problem);
    if (!planned) return Fail(problem);
  }
  if (!lane->Open(plan, plan_.format)) return false;
  lanes_.push_back(std::move(lane));
  return true;
}

bool Session::OpenOutput() {
  AVFormatContext* raw = nullptr;
  int rc = avformat_alloc_output_context2(&raw, plan_.format, nullptr, job_.output.c_str());
  if (rc < 0 || !raw) return Fail("Cannot set up the output: " + avptr::ErrorText(rc));
  output_.reset(raw);
  for (const std::unique_ptr<Lane>& lane : lanes_)
    if (!lane->AddOutputStream(raw)) return false;
  if (!media::CopyFileMetadata(input_.get(), raw)) return Fail("Out of memory");
  const Options& o = job_.options;
  if (o.packet_size > 0) raw->packet_size = static_cast<unsigned>(o.packet_size);
  if (o.mux_rate > 0 && raw->priv_data) {
    // Only the MPEG muxers have a mux rate; the others go without one.
    rc = av_opt_set_int(raw->priv_data, "muxrate", o.mux_rate, 0);
    if (rc < 0 && rc != AVERROR_OPTION_NOT_FOUND)
      return Fail("Cannot set the mux rate: " + avptr::ErrorText(rc));
  }
  raw->max_delay = static_cast<int>(0.7 * AV_TIME_BASE);
  if (plan_.format->flags & AVFMT_NOFILE)
    return Fail(std::string("The output format ") + plan_.format->name + " writes no single file");
  std::string problem;
  if (!file_.Create(folder_, media::NamePart(job_.output), &problem)) return Fail(problem);
  raw->pb = file_.Writer();
  if (!raw->pb) return Fail("Out of memory");
  raw->flags |= AVFMT_FLAG_CUSTOM_IO;
  rc = avformat_write_header(raw, nullptr);
  if (rc < 0) return Fail("Cannot start the output file: " + avptr::ErrorText(rc));
  return true;
}

void Session::ReportProgress(const AVPacket* packet, const AVStream* stream, bool force) {
  if (!job_.progress) return;
  const Clock::time_point now = Clock::now();
  if (!force && now - last_report_ < std::chrono::milliseconds(250)) return;
  last_report_ = now;
  int64_t position = 0;
  if (packet && packet->dts != AV_NOPTS_VALUE)
    position = std::max<int64_t>(0, av_rescale_q(packet->dts, stream->time_base, AV_TIME_BASE_Q));
  const int64_t bytes = output_ && output_->pb ? avio_tell(output_->pb) : 0;
  job_.progress(bytes, position, total_us_);
}

bool Session::Write(AVPacket* packet) {
  const AVStream* stream = output_->streams[packet->stream_index];
  // Subtitle times jump ahead of the pictures: progress follows sound and pictures.
  if (stream->codecpar->codec_type != AVMEDIA_TYPE_SUBTITLE) ReportProgress(packet, stream, false);
  const int rc = av_interleaved_write_frame(output_.get(), packet);
  if (rc < 0) return Fail("Writing the output failed: " + avptr::ErrorText(rc));
  if (output_->pb && output_->pb->error < 0)
    return Fail("Writing the output failed: " + avptr::ErrorText(output_->pb->error));
  return true;
}

bool Session::Pump() {
  if (!packet_) return Fail("Out of memory");
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
    Lane* lane =
        index >= 0 && index < static_cast<int>(lane_of_stream_.size()) ? lane_of_stream_[index] : nullptr;
    const bool ok = !lane || lane->Feed(packet_.get(), *this);
    av_packet_unref(packet_.get());
    if (!ok) return false;
  }
}

// A source whose header promises more than the data holds was cut off: the
// output would silently be short, so the task fails instead. Each converted
// stream is held to its own length from the header; the file's length is held
// against the longest converted stream, and only when every stream of the file
// is converted (a dropped longer stream must not count against the others).
bool Session::CheckComplete() {
  if (input_->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE) return true;
  const int media_streams = description_.Count(AVMEDIA_TYPE_VIDEO) + description_.Count(AVMEDIA_TYPE_AUDIO);
  auto short_of = [this](int64_t expected, int64_t reached) {
    const int64_t missing = expected - reached;
    if (expected <= 0 || missing < AV_TIME_BASE / 2 || missing < expected / 10) return false;
    char text[160];
    std::snprintf(
        text, sizeof text,
        "The source ends early (only %.1f of %.1f seconds could be read); the file is truncated or damaged",
        reached / 1e6, expected / 1e6);
    Fail(text);
    return true;
  };
  int media_lanes = 0;
  int64_t longest = 0;
  for (const std::unique_ptr<Lane>& lane : lanes_) {
    int64_t reached = 0, expected = 0;
    if (!lane->MediaSpan(&reached, &expected)) continue;
    ++media_lanes;
    longest = std::max(longest, reached);
    if (short_of(expected, reached)) return false;
  }
  if (media_streams == media_lanes && short_of(input_->duration, longest)) return false;
  return true;
}

bool Session::Close() {
  for (const std::unique_ptr<Lane>& lane : lanes_)
    if (!lane->Flush(*this)) return false;
  if (!CheckComplete()) return false;
  const int rc = av_write_trailer(output_.get());
  if (rc < 0) return Fail("Finishing the output failed: " + avptr::ErrorText(rc));
  ReportProgress(nullptr, nullptr, true);
  // Flushing and closing may reveal a full disk only now.
  output_->pb = nullptr;
  std::string problem;
  if (!file_.Finish(&problem)) return Fail(problem);
  return Commit();
}

bool Session::Commit() {
  std::string problem;
  // The date is a courtesy: a file system that refuses it leaves a good output.
  struct timespec modified {};
  if (job_.options.keep_file_date && media::SourceDate(job_.source, &modified, &problem))
    file_.SetDate(modified, &problem);
  problem.clear();
  switch (file_.Commit(job_.existing, job_.keep, written_, &problem)) {
    case media::CommitResult::Committed:
      return true;
    case media::CommitResult::Skipped:
      skipped_ = true;
      return false;
    case media::CommitResult::Failed:
      return Fail(problem);
  }
  return false;
}

void Session::DiscardTemp() {
  if (output_) output_->pb = nullptr;
  file_.Discard();
}

Outcome Session::Run() {
  *written_ = job_.output;
  std::string problem;
  folder_ = job_.folder ? job_.folder : media::OutputFolder::Open(media::FolderPart(job_.output), &problem);
  if (!folder_) {
    *error_ = problem;
    return Outcome::Failed;
  }
  if (job_.existing == media::Existing::Skip && folder_->Has(media::NamePart(job_.output)))
    return Outcome::Skipped;
  if (OpenSource() && OpenOutput() && Pump() && Close()) {
    *error_ = plan_.note;
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
