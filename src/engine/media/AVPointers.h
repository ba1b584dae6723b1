#pragma once
// Owning pointers for libav objects, each released with its matching free call.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <memory>
#include <string>

namespace media {
void FreeSourceIo(AVIOContext* pb);  // SourceGuard.h
}

namespace media {

// Sources read through the engine's own I/O, which the closer releases too.
struct InputCloser {
  void operator()(AVFormatContext* ctx) const {
    AVIOContext* custom = ctx && (ctx->flags & AVFMT_FLAG_CUSTOM_IO) ? ctx->pb : nullptr;
    avformat_close_input(&ctx);
    if (custom) media::FreeSourceIo(custom);
  }
};
struct OutputCloser {
  void operator()(AVFormatContext* ctx) const {
    if (!ctx) return;
    // A writer we supplied ourselves (custom I/O) belongs to its owner.
    if (ctx->pb && !(ctx->oformat->flags & AVFMT_NOFILE) && !(ctx->flags & AVFMT_FLAG_CUSTOM_IO))
      avio_closep(&ctx->pb);
    avformat_free_context(ctx);
  }
};
struct CodecCloser {
  void operator()(AVCodecContext* ctx) const { avcodec_free_context(&ctx); }
};
struct FrameCloser {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketCloser {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct GraphCloser {
  void operator()(AVFilterGraph* graph) const { avfilter_graph_free(&graph); }
};
struct InOutCloser {
  void operator()(AVFilterInOut* io) const { avfilter_inout_free(&io); }
};

struct ResamplerCloser {
  void operator()(SwrContext* swr) const { swr_free(&swr); }
};
struct ScalerCloser {
  void operator()(SwsContext* sws) const { sws_freeContext(sws); }
};
struct DictCloser {
  void operator()(AVDictionary* dict) const { av_dict_free(&dict); }
};

using Input = std::unique_ptr<AVFormatContext, InputCloser>;
using Output = std::unique_ptr<AVFormatContext, OutputCloser>;
using Codec = std::unique_ptr<AVCodecContext, CodecCloser>;
using Frame = std::unique_ptr<AVFrame, FrameCloser>;
using Packet = std::unique_ptr<AVPacket, PacketCloser>;
using Graph = std::unique_ptr<AVFilterGraph, GraphCloser>;
using InOut = std::unique_ptr<AVFilterInOut, InOutCloser>;
using Resampler = std::unique_ptr<SwrContext, ResamplerCloser>;
using Scaler = std::unique_ptr<SwsContext, ScalerCloser>;
using Dict = std::unique_ptr<AVDictionary, DictCloser>;

// An owned channel layout: custom layouts hold a heap-allocated channel map that
// av_channel_layout_uninit frees.
class Layout {
 public:
  Layout() = default;
  Layout(Layout&& other) noexcept : value_(other.value_) { other.value_ = AVChannelLayout{}; }
  Layout& operator=(Layout&& other) noexcept {
    if (this != &other) {
      av_channel_layout_uninit(&value_);
      value_ = other.value_;
      other.value_ = AVChannelLayout{};
    }
    return *this;
  }
  Layout(const Layout&) = delete;
  Layout& operator=(const Layout&) = delete;
  ~Layout() { av_channel_layout_uninit(&value_); }

  // Copies `from`; false (and an empty layout) when memory ran out.
  bool CopyFrom(const AVChannelLayout& from) {
    av_channel_layout_uninit(&value_);
    return av_channel_layout_copy(&value_, &from) >= 0;
  }
  // The usual layout for `channels` channels (native order, never allocates).
  void SetDefault(int channels) {
    av_channel_layout_uninit(&value_);
    av_channel_layout_default(&value_, channels);
  }
  // `from` itself, or the usual layout of its channel count when its order is
  // unknown, which filters and resamplers cannot take.
  bool CopyUsable(const AVChannelLayout& from) {
    if (from.order != AV_CHANNEL_ORDER_UNSPEC) return CopyFrom(from);
    SetDefault(from.nb_channels);
    return true;
  }
  const AVChannelLayout& get() const { return value_; }
  AVChannelLayout* out() { return &value_; }  // for libav calls that fill a layout

 private:
  AVChannelLayout value_{};
};

// An error code of libav or the system in the user's words ("the file is
// damaged"); the table lives in ErrorWords.cpp.
std::string ErrorText(int code);

}  // namespace media
