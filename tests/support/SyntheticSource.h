#pragma once
// Source descriptions made up in memory, for planning tests that need no file.
extern "C" {
#include <libavutil/pixfmt.h>
#include <libavutil/samplefmt.h>
}

#include "engine/media/MediaInput.h"

namespace testing_support {

// A source with an H.264 picture of `width`x`height` (none when width is 0) at
// `rate` frames per second, and AAC sound of `channels` channels at 48 kHz
// (none when channels is 0).
inline media::SourceDescription SyntheticSource(int width, int height, int channels,
                                                AVRational rate = {25, 1}) {
  media::SourceDescription d;
  if (width > 0) {
    media::StreamFacts v;
    v.index = static_cast<int>(d.streams.size());
    v.type = AVMEDIA_TYPE_VIDEO;
    v.codec = AV_CODEC_ID_H264;
    v.decodable = true;
    v.time_base = {1, 90000};
    v.width = v.shown_width = width;
    v.height = v.shown_height = height;
    v.pixel_format = AV_PIX_FMT_YUV420P;
    v.sample_aspect = {1, 1};
    v.frame_rate = rate;
    d.best_video = v.index;
    d.streams.push_back(v);
  }
  if (channels > 0) {
    media::StreamFacts a;
    a.index = static_cast<int>(d.streams.size());
    a.type = AVMEDIA_TYPE_AUDIO;
    a.codec = AV_CODEC_ID_AAC;
    a.decodable = true;
    a.time_base = {1, 48000};
    a.sample_rate = 48000;
    a.sample_format = AV_SAMPLE_FMT_FLTP;
    a.channels = channels;
    d.best_audio = a.index;
    d.streams.push_back(a);
  }
  d.duration_us = 10'000'000;
  return d;
}

}  // namespace testing_support
