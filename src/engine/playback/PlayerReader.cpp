#include "engine/playback/PlayerReader.h"

#include <climits>

#include "engine/playback/PlaybackState.h"
#include "engine/playback/PlayerAudioOutput.h"

namespace playback {

bool PlayerReader::Interrupted() const { return shared_.abort_ || shared_.SeekPending(); }

void PlayerReader::Loop() {
  PlaybackState& s = shared_;
  s.Notify(s.Options().onDuration, s.Duration());
  media::Packet packet(av_packet_alloc());
  if (!packet) throw std::bad_alloc();
  while (!s.abort_) {
    if (s.SeekPending()) {
      Seek();
      continue;
    }
    if (s.eof_gen_ == s.gen_) {
      // All read: nothing to do until a seek asks for more (or the stop).
      s.WaitUntil([&s] { return s.SeekPending() || s.eof_gen_ != s.gen_; });
      continue;
    }
    const int ret = av_read_frame(s.Format(), packet.get());
    if (ret == AVERROR(EAGAIN)) {
      s.Nap(5000);
      continue;
    }
    if (ret < 0) {
      // The end, or a read error: what was read still plays out. An error before
      // the end of the data is damage that ends the reading.
      if (ret != AVERROR_EOF && !(s.Format()->pb && s.Format()->pb->eof_reached))
        s.read_failed_gen_ = s.gen_.load();
      MarkEndOfFile();
      continue;
    }
    const int gen = s.gen_;
    if (packet->stream_index == s.AudioIndex()) {
      Push(s.audio_packets_, packet.get(), gen);
    } else if (packet->stream_index == s.VideoIndex()) {
      Push(s.video_packets_, packet.get(), gen);
    }
    av_packet_unref(packet.get());
  }
}

void PlayerReader::Push(PlayerQueue<QueuedPacket>& queue, AVPacket* packet, int gen) {
  QueuedPacket item{media::Packet(av_packet_alloc()), gen};
  if (!item.packet) throw std::bad_alloc();
  av_packet_move_ref(item.packet.get(), packet);
  queue.Push(std::move(item), [this] { return Interrupted(); });
}

void PlayerReader::MarkEndOfFile() {
  PlaybackState& s = shared_;
  const int gen = s.gen_;
  auto interrupted = [this] { return Interrupted(); };
  if (s.AudioIndex() >= 0 && !s.audio_packets_.Push(QueuedPacket{nullptr, gen}, interrupted)) return;
  if (s.VideoIndex() >= 0 && !s.video_packets_.Push(QueuedPacket{nullptr, gen}, interrupted)) return;
  s.eof_gen_ = gen;
}

void PlayerReader::Seek() {
  PlaybackState& s = shared_;
  const auto [target, flags] = s.TakeSeek();
  const int64_t ts = target + s.StartTime();
  int ret = avformat_seek_file(s.Format(), -1, INT64_MIN, ts, ts, 0);
  // Nothing at or before the target (e.g. before the first key frame): take the next.
  if (ret < 0) ret = avformat_seek_file(s.Format(), -1, INT64_MIN, ts, INT64_MAX, 0);
  if (ret < 0) {
    s.requested_position_ = -1;
    return;  // the file cannot seek; playback goes on where it was
  }
  s.seek_floor_ = (flags & kSeekKeyFrame) ? INT64_MIN : target;
  ++s.gen_;
  s.audio_packets_.Clear();
  s.video_packets_.Clear();
  s.pictures_.Clear();
  if (audio_) audio_->Clear();
  s.clock_.Hold(target);
  s.refresh_pending_ = true;
  s.requested_position_ = -1;
  s.last_position_ = -1;
  s.SeekDone();
  s.Wake();
}

}  // namespace playback
