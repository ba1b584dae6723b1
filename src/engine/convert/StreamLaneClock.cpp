// Where each decoded frame of a stream lane sits on the output's clock, and which
// frames a trimmed output keeps.
#include "engine/convert/StreamLane.h"

#include <algorithm>

namespace convert {

// Picture times as the filters need them: rising, without holes that the frame
// rate filter would fill with hours of copies. Joined recordings restart their
// clock and broadcast streams may jump; both are closed up here.
int64_t StreamLane::ContinuousVideoPts(int64_t pts, int64_t duration) {
  const int64_t step = std::max<int64_t>(1, duration);
  if (pts != AV_NOPTS_VALUE) pts += pts_shift_;
  if (next_pts_ == AV_NOPTS_VALUE) {
    if (pts == AV_NOPTS_VALUE) pts = start_offset_;
  } else if (pts == AV_NOPTS_VALUE) {
    pts = next_pts_;
  } else {
    const int64_t limit = av_rescale_q(10 * AV_TIME_BASE, AV_TIME_BASE_Q, in_->time_base);
    if (pts < next_pts_ - step || (shared_.ts_jumps && pts - next_pts_ > limit)) {
      pts_shift_ += next_pts_ - pts;
      pts = next_pts_;
    }
  }
  next_pts_ = std::max(next_pts_ == AV_NOPTS_VALUE ? pts + step : next_pts_, pts + step);
  return pts;
}

// Gives a decoded frame its place on the output's clock and keeps the filters
// fitting its format. Notes how far the stream's decoded media reaches.
bool StreamLane::Place(AVFrame* f) {
  ++frames_decoded_;
  const int64_t pts = f->best_effort_timestamp;
  if (pts != AV_NOPTS_VALUE) {
    const int64_t length = type_ == AVMEDIA_TYPE_AUDIO
                               ? av_rescale_q(f->nb_samples, AVRational{1, f->sample_rate}, in_->time_base)
                               : f->pkt_duration;
    decoded_end_us_ =
        std::max(decoded_end_us_, av_rescale_q(pts - start_offset_ + length, in_->time_base, AV_TIME_BASE_Q));
    if (shared_.length_us > 0) decoded_end_us_ = std::min(decoded_end_us_, shared_.length_us);
  }
  if (type_ == AVMEDIA_TYPE_VIDEO) {
    f->pts = ContinuousVideoPts(pts, f->pkt_duration) - start_offset_;
    end_pts_ = next_pts_ - start_offset_;
    if (end_ts_ != AV_NOPTS_VALUE) end_pts_ = std::min(end_pts_, end_ts_);
    return FollowVideoChange(f);
  }
  f->pts = pts == AV_NOPTS_VALUE
               ? AV_NOPTS_VALUE
               : av_rescale_q(pts - start_offset_, in_->time_base, AVRational{1, f->sample_rate});
  return FollowAudioChange(f);
}

// How long a decoded frame lasts in the stream's time base.
int64_t StreamLane::FrameLength(const AVFrame* f) const {
  if (type_ == AVMEDIA_TYPE_AUDIO)
    return f->sample_rate > 0 ? av_rescale_q(f->nb_samples, AVRational{1, f->sample_rate}, in_->time_base)
                              : 0;
  if (f->pkt_duration > 0) return f->pkt_duration;
  const AVRational rate = in_->avg_frame_rate.num > 0 ? in_->avg_frame_rate : in_->r_frame_rate;
  return rate.num > 0 && rate.den > 0 ? std::max<int64_t>(1, av_rescale_q(1, av_inv_q(rate), in_->time_base))
                                      : 1;
}

// Leaves out what lies outside the trimmed span (before Shared::skip_us, from its end
// on). A picture across the start is shown from the start; sound across either edge
// is cut to the sample, so sound and pictures start together. Without a trim every
// frame is kept as it is.
bool StreamLane::Trim(AVFrame* f, bool* keep) {
  *keep = true;
  const bool cut_start = shared_.skip_us > 0;
  const int64_t pts = f->best_effort_timestamp;
  if ((!cut_start && end_ts_ == AV_NOPTS_VALUE) || pts == AV_NOPTS_VALUE) {
    *keep = !past_end_;
    return true;
  }
  const int64_t at = pts - start_offset_;
  if (type_ == AVMEDIA_TYPE_VIDEO) {
    const int64_t length = FrameLength(f);
    if (end_ts_ != AV_NOPTS_VALUE && at >= end_ts_) past_end_ = true;
    if (past_end_ || (cut_start && at + length <= 0)) {
      *keep = false;
      return true;
    }
    if (end_ts_ != AV_NOPTS_VALUE && at + length >= end_ts_) past_end_ = true;
    if (cut_start && at < 0) f->best_effort_timestamp = start_offset_;
    return true;
  }
  if (f->sample_rate <= 0 || f->nb_samples <= 0) return true;
  const AVRational samples_tb{1, f->sample_rate};
  const int64_t first = av_rescale_q(at, in_->time_base, samples_tb);
  const int64_t last = first + f->nb_samples;
  const int64_t end =
      shared_.length_us > 0 ? av_rescale_q(shared_.length_us, AV_TIME_BASE_Q, samples_tb) : INT64_MAX;
  const int64_t from = cut_start ? std::max<int64_t>(first, 0) : first;
  const int64_t to = std::min(last, end);
  if (past_end_ || to <= from) {
    if (first >= end) past_end_ = true;
    *keep = false;
    return true;
  }
  if (last >= end) past_end_ = true;
  if (from == first && to == last) return true;
  // Copies the samples inside the span into a frame of their own.
  media::Frame cut(av_frame_alloc());
  if (!cut) return Fail("Out of memory");
  cut->format = f->format;
  cut->sample_rate = f->sample_rate;
  cut->nb_samples = static_cast<int>(to - from);
  if (av_channel_layout_copy(&cut->ch_layout, &f->ch_layout) < 0 || av_frame_get_buffer(cut.get(), 0) < 0 ||
      av_frame_copy_props(cut.get(), f) < 0)
    return Fail("Out of memory");
  const int rc =
      av_samples_copy(cut->extended_data, f->extended_data, 0, static_cast<int>(from - first),
                      cut->nb_samples, f->ch_layout.nb_channels, static_cast<AVSampleFormat>(f->format));
  if (rc < 0) return Fail("Cutting the sound failed: " + media::ErrorText(rc));
  cut->best_effort_timestamp = pts + av_rescale_q(from - first, samples_tb, in_->time_base);
  cut->pts = cut->best_effort_timestamp;
  av_frame_unref(f);
  av_frame_move_ref(f, cut.get());
  return true;
}

}  // namespace convert
