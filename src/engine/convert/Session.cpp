// The conversion session: opens the source, runs the planned lanes, muxes their
// packets and commits the output file. What happens inside one stream lives in
// StreamLane; what to make was settled by the plan.
#include "engine/convert/Session.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/convert/InterlaceCheck.h"
#include "engine/convert/MetadataCopy.h"
#include "engine/convert/SizeEstimate.h"
#include "engine/convert/StreamLane.h"
#include "engine/convert/SubtitleBurnIn.h"
#include "engine/convert/SubtitleTrack.h"
#include "engine/media/AVPointers.h"

namespace convert {
namespace {

using Clock = std::chrono::steady_clock;

// "00:01:05": a position for the notes.
std::string TimeText(int64_t us) {
  const int64_t s = std::max<int64_t>(0, us) / AV_TIME_BASE;
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
  return text;
}

// "12 damaged pictures were skipped (around 00:00:03)".
std::string DamageNote(const LaneDamage& d) {
  const bool one = (d.skipped > 0 ? d.skipped : d.patched) == 1;
  std::string what = d.video ? (one ? " damaged picture" : " damaged pictures")
                             : (one ? " damaged piece of sound" : " damaged pieces of sound");
  std::string text;
  if (d.skipped > 0) {
    text = std::to_string(d.skipped) + what + (d.skipped == 1 ? " was" : " were") + " skipped";
    if (d.patched > 0) text += " and " + std::to_string(d.patched) + " patched up";
  } else {
    text = std::to_string(d.patched) + what + (d.patched == 1 ? " was" : " were") + " patched up";
  }
  return text + " (around " + TimeText(d.first_us) + ")";
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

class Session final : public PacketWriter {
 public:
  Session(const Job& job, std::string* error, std::string* written)
      : job_(job), error_(error), written_(written), watch_(job.read_timeout_ms, job.stop) {}
  ~Session() { DiscardTemp(); }
  ConversionOutcome Run();
  bool Write(AVPacket* packet) override;

 private:
  bool Fail(const std::string& text) {
    if (error_->empty()) *error_ = text;
    return false;
  }
  bool Stopped() const { return job_.stop && job_.stop->load(); }
  bool OpenSource();
  void LookAtFields();
  bool SeekToStart();
  int64_t TrimmedLength(int64_t source_us) const;
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
  void AddNote(const std::string& note);

  const Job& job_;
  std::string* error_;
  std::string* written_;
  bool skipped_ = false;
  convert::FolderHandle folder_;  // every step on the output goes through it
  struct stat source_stat_ {};
  bool source_stat_ok_ = false;
  bool read_failed_ = false;        // the source could not be read to its end
  int64_t last_packet_pos_ = -1;    // file position of the last packet converted
  std::vector<std::string> notes_;  // said with a success: what was left out or skipped
  convert::AtomicOutputFile file_;  // declared before output_: outlives the muxer using it
  media::ReadWatch watch_;
  media::SourceDescription description_;
  OutputPlan plan_;
  media::Input input_;
  convert::BurnInText burn_text_;  // outlives the lanes whose filter reads it
  media::Output output_;
  std::vector<std::unique_ptr<Lane>> lanes_;
  std::vector<Lane*> lane_of_stream_;     // by source stream index; null for streams left out
  std::vector<StreamLane*> media_lanes_;  // the picture and sound lanes among lanes_
  int64_t total_us_ = 0;
  Clock::time_point last_report_{};
  media::Packet packet_{av_packet_alloc()};
};

bool Session::OpenSource() {
  std::string problem;
  source_stat_ok_ = stat(job_.source.c_str(), &source_stat_) == 0;
  input_ = media::OpenInput(job_.source, &watch_, &problem);
  if (!input_) return Fail(problem);
  description_ = media::DescribeSource(input_.get(), job_.source);
  total_us_ = TrimmedLength(description_.duration_us);
  if (job_.options.deinterlace == Options::Deinterlace::Auto && !job_.options.no_video) LookAtFields();
  // The task's plan fits unless the file changed since it was described.
  if (job_.planned && media::SameSource(description_, job_.description))
    plan_ = job_.plan;
  else if (!MakeOutputPlan(job_.options, job_.source, job_.output, description_, &plan_, &problem))
    return Fail(problem);
  if (!plan_.burn_in.empty() && !PrepareBurnIn()) return false;
  return OpenLanes() && SeekToStart();
}

int64_t Session::TrimmedLength(int64_t source_us) const {
  const Options& o = job_.options;
  return o.start_us <= 0 && o.duration_us <= 0 ? source_us : convert::TrimmedLength(o, source_us);
}

// A trimmed output starts reading at the key picture at or before its start; the
// lanes decode from there and leave out what lies before the start. A source that
// cannot seek is read from its beginning instead, which gives the same output.
bool Session::SeekToStart() {
  const int64_t start = job_.options.start_us;
  if (start <= 0) return true;
  const int64_t target = description_.start_us + start;
  // A failed seek leaves the reading where it was, at the beginning.
  if (avformat_seek_file(input_.get(), -1, INT64_MIN, target, target, 0) < 0) return !Stopped();
  return true;
}

// Deinterlacing on Auto needs to know whether the pictures are interlaced: where the
// header does not say, the first seconds are looked at (the description then differs
// from the task's, so the plan is made again). A look that fails leaves the pictures as
// they are; reading the source for the conversion reports what is wrong with it.
void Session::LookAtFields() {
  if (!description_.HasVideo()) return;
  media::StreamFacts& video = description_.streams[description_.best_video];
  if (video.field_order != AV_FIELD_UNKNOWN) return;
  std::string problem;
  const AVFieldOrder order =
      DetectFieldOrder(job_.source, video.index, job_.threads, job_.read_timeout_ms, job_.stop, &problem);
  if (order != AV_FIELD_UNKNOWN) video.field_order = order;
}

// The subtitles to draw are read through the guarded input into a memory file,
// which the picture lane's filter then reads instead of the source.
bool Session::PrepareBurnIn() {
  std::string problem;
  if (!burn_text_.Extract(job_.source, plan_.burn_in_stream, &watch_, &problem, job_.options.start_us))
    return Fail(problem);
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
  for (const convert::SubtitleChoice& c : plan_.subtitles)
    lanes_.push_back(std::make_unique<convert::SubtitleTrack>(
        input_->streams[c.stream], c, description_.start_us + job_.options.start_us, error_));
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
  shared.start_us = description_.start_us + job_.options.start_us;
  shared.skip_us = job_.options.start_us;
  shared.length_us = job_.options.duration_us;
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
  media_lanes_.push_back(lane.get());
  lanes_.push_back(std::move(lane));
  return true;
}

bool Session::OpenOutput() {
  AVFormatContext* raw = nullptr;
  int rc = avformat_alloc_output_context2(&raw, plan_.format, nullptr, job_.output.c_str());
  if (rc < 0 || !raw) return Fail("Cannot set up the output: " + media::ErrorText(rc));
  output_.reset(raw);
  for (const std::unique_ptr<Lane>& lane : lanes_)
    if (!lane->AddOutputStream(raw)) return false;
  if (!convert::CopyFileMetadata(input_.get(), raw)) return Fail("Out of memory");
  const Options& o = job_.options;
  if (o.packet_size > 0) raw->packet_size = static_cast<unsigned>(o.packet_size);
  if (o.mux_rate > 0 && raw->priv_data) {
    // Only the MPEG muxers have a mux rate; the others go without one.
    rc = av_opt_set_int(raw->priv_data, "muxrate", o.mux_rate, 0);
    if (rc < 0 && rc != AVERROR_OPTION_NOT_FOUND)
      return Fail("Cannot set the mux rate: " + media::ErrorText(rc));
  }
  raw->max_delay = static_cast<int>(0.7 * AV_TIME_BASE);
  if (plan_.format->flags & AVFMT_NOFILE)
    return Fail(std::string("The output format ") + plan_.format->name + " writes no single file");
  std::string problem;
  if (!file_.Create(folder_, convert::NamePart(job_.output), &problem)) return Fail(problem);
  raw->pb = file_.Writer();
  if (!raw->pb) return Fail("Out of memory");
  raw->flags |= AVFMT_FLAG_CUSTOM_IO;
  rc = avformat_write_header(raw, nullptr);
  if (rc < 0) return Fail("Cannot start the output file: " + media::ErrorText(rc));
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
  if (rc < 0) return Fail("Writing the output failed: " + media::ErrorText(rc));
  if (output_->pb && output_->pb->error < 0)
    return Fail("Writing the output failed: " + media::ErrorText(output_->pb->error));
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
      if (rc == AVERROR(ENOMEM)) return Fail("Out of memory");
      // A damaged or cut-off container ends the reading, as in the ffmpeg tool;
      // what was read is converted and the end of the source judges the loss.
      // An error at the very end of the data is the file being cut short, not damage.
      read_failed_ = !(input_->pb && input_->pb->eof_reached);
      return true;
    }
    const int index = packet_->stream_index;
    Lane* lane =
        index >= 0 && index < static_cast<int>(lane_of_stream_.size()) ? lane_of_stream_[index] : nullptr;
    if (lane) last_packet_pos_ = std::max(last_packet_pos_, packet_->pos);
    const bool ok = !lane || lane->Feed(packet_.get(), *this);
    av_packet_unref(packet_.get());
    if (!ok) return false;
    // A trimmed output ends once every picture and sound lane has reached its end.
    if (job_.options.duration_us > 0 && lane &&
        std::all_of(media_lanes_.begin(), media_lanes_.end(),
                    [](const StreamLane* l) { return l->PastEnd(); }))
      return true;
  }
}

// What could not be read is said with the result; the task fails only when the
// file changed while it was read, or when damage loses more than half of it. A stream
// ends early when the header promised more than its data held (each converted
// stream against its own length; the file's length against the longest converted
// stream, and only when every stream of the file is converted, since a dropped
// longer stream must not count against the others).
bool Session::CheckComplete() {
  struct stat now {};
  if (source_stat_ok_ && (stat(job_.source.c_str(), &now) != 0 || !SameFile(now, source_stat_)))
    return Fail("The source changed on disk during the conversion");
  const bool by_bitrate = input_->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE;
  auto short_of = [by_bitrate](int64_t expected, int64_t reached) {
    const int64_t missing = expected - reached;
    return !by_bitrate && expected > 0 && missing >= AV_TIME_BASE / 2 && missing >= expected / 10;
  };
  const int media_streams = description_.Count(AVMEDIA_TYPE_VIDEO) + description_.Count(AVMEDIA_TYPE_AUDIO);
  int media_lanes = 0;
  int64_t longest = 0;
  // The stream (or the file) that falls shortest of its promise, if any does.
  int64_t got = -1, wanted = 0;
  auto consider = [&](int64_t expected, int64_t reached) {
    if (short_of(expected, reached) && (got < 0 || double(reached) / expected < double(got) / wanted)) {
      got = reached;
      wanted = expected;
    }
  };
  std::vector<std::string> damage_notes;
  int64_t first_damage = INT64_MAX;
  for (const std::unique_ptr<Lane>& lane : lanes_) {
    int64_t reached = 0, expected = 0;
    if (!lane->MediaSpan(&reached, &expected)) continue;
    ++media_lanes;
    longest = std::max(longest, reached);
    consider(expected, reached);
    LaneDamage damage;
    if (!lane->Damage(&damage) || (damage.skipped == 0 && damage.patched == 0)) continue;
    first_damage = std::min(first_damage, damage.first_us);
    const int64_t span = expected > 0 ? expected : total_us_;
    if (span > 0 && 2 * damage.lost_us > span)
      return Fail(std::string(damage.video ? "The video" : "The sound") + " is damaged from " +
                  TimeText(damage.first_us) + " on and could not be read");
    damage_notes.push_back(DamageNote(damage));
  }
  if (media_streams == media_lanes) consider(TrimmedLength(input_->duration), longest);
  if (got >= 0) {
    char text[160];
    const std::string what = description_.HasVideo() ? "The video" : "The sound";
    // Damage well before the end of what was read is why the rest is missing; a
    // last packet cut in half is just the file being cut short.
    if (2 * got < wanted && first_damage < got - AV_TIME_BASE / 2)
      return Fail(what + " is damaged from " + TimeText(first_damage) + " on and could not be read");
    // Much of the file lying beyond the last packet read is data that could not be
    // read, not a file cut short.
    const int64_t size = input_->pb ? avio_size(input_->pb) : -1;
    const bool unreadable =
        read_failed_ || (size > 0 && last_packet_pos_ >= 0 && last_packet_pos_ < size * 8 / 10);
    if (2 * got < wanted && unreadable)
      return Fail(what + " is damaged from " + TimeText(got) + " on and could not be read");
    // A file that merely ends early keeps what it holds, however little.
    std::snprintf(text, sizeof text, "%.1f of %.1f seconds converted", got / 1e6, wanted / 1e6);
    AddNote((unreadable ? "the source is damaged from " + TimeText(got) + " on, "
                        : std::string("the source ends early, ")) +
            text);
  } else if (read_failed_) {
    AddNote("the source could not be read to its end; " + TimeText(longest) + " converted");
  }
  for (const std::string& note : damage_notes)
    AddNote(note);
  return true;
}

void Session::AddNote(const std::string& note) {
  if (std::find(notes_.begin(), notes_.end(), note) == notes_.end()) notes_.push_back(note);
}

bool Session::Close() {
  for (const std::unique_ptr<Lane>& lane : lanes_)
    if (!lane->Flush(*this)) return false;
  if (!CheckComplete()) return false;
  const int rc = av_write_trailer(output_.get());
  if (rc < 0) return Fail("Finishing the output failed: " + media::ErrorText(rc));
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
  if (job_.options.keep_file_date && convert::SourceDate(job_.source, &modified, &problem))
    file_.SetDate(modified, &problem);
  problem.clear();
  switch (file_.Commit(job_.existing, job_.keep, written_, &problem)) {
    case convert::CommitResult::Committed:
      return true;
    case convert::CommitResult::Skipped:
      skipped_ = true;
      return false;
    case convert::CommitResult::Failed:
      return Fail(problem);
  }
  return false;
}

void Session::DiscardTemp() {
  if (output_) output_->pb = nullptr;
  file_.Discard();
}

ConversionOutcome Session::Run() {
  *written_ = job_.output;
  std::string problem;
  folder_ =
      job_.folder ? job_.folder : convert::OutputFolder::Open(convert::FolderPart(job_.output), &problem);
  if (!folder_) return ConversionOutcome::Failure(problem);
  if (job_.existing == ExistingOutput::Skip && folder_->Has(convert::NamePart(job_.output)))
    return ConversionOutcome::Skip({});
  if (OpenSource() && OpenOutput() && Pump() && Close()) {
    std::vector<std::string> notes = plan_.notes;
    notes.insert(notes.end(), notes_.begin(), notes_.end());
    return ConversionOutcome::Succeeded(std::move(notes));
  }
  DiscardTemp();
  if (skipped_) return ConversionOutcome::Skip({});
  if (Stopped()) return ConversionOutcome::Stop();
  return ConversionOutcome::Failure(error_->empty() ? "The conversion failed" : *error_);
}

}  // namespace

ConversionOutcome Transcode(const Job& job, std::string* written) {
  std::string error;
  Session session(job, &error, written);
  return session.Run();
}

}  // namespace convert
