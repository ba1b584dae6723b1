#pragma once
// Owning pointers for libav objects, each released with its matching free call.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
}

#include <memory>
#include <string>

namespace media {
void FreeSourceIo(AVIOContext* pb);  // SourceGuard.h
}

namespace avptr {

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

using Input = std::unique_ptr<AVFormatContext, InputCloser>;
using Output = std::unique_ptr<AVFormatContext, OutputCloser>;
using Codec = std::unique_ptr<AVCodecContext, CodecCloser>;
using Frame = std::unique_ptr<AVFrame, FrameCloser>;
using Packet = std::unique_ptr<AVPacket, PacketCloser>;
using Graph = std::unique_ptr<AVFilterGraph, GraphCloser>;
using InOut = std::unique_ptr<AVFilterInOut, InOutCloser>;

// libav's text for an error code.
inline std::string ErrorText(int code) {
  char buffer[AV_ERROR_MAX_STRING_SIZE] = {0};
  if (av_strerror(code, buffer, sizeof buffer) < 0) return "error " + std::to_string(code);
  return buffer;
}

}  // namespace avptr
