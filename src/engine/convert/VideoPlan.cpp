// The picture's way through a conversion: its output size, frame rate, pixel
// format and the filter chain that turns, crops, scales and frames it.
#include <cmath>
#include <cstdio>
#include <utility>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/pixdesc.h>
}

#include "engine/convert/FitAndPad.h"
#include "engine/convert/OutputPlan.h"
#include "engine/convert/PictureSize.h"
#include "engine/convert/TargetSize.h"

namespace convert {
namespace {

bool IsQuarterTurn(double degrees) {
  const double q = degrees / 90.0;
  return std::fabs(q - std::round(q)) < 1e-9;
}

// The size of the picture after one rotation: quarter turns swap the sides, other
// angles give the box that holds the whole turned picture (as libavfilter's
// rotate filter computes it with ow=rotw(a):oh=roth(a)).
void TurnSize(const VideoFilter& f, int* w, int* h) {
  if (IsQuarterTurn(f.degrees)) {
    if (QuarterTurns({f}) % 2 == 1) std::swap(*w, *h);
    return;
  }
  const double a = f.degrees * M_PI / 180.0;
  const double c = std::fabs(std::cos(a)), s = std::fabs(std::sin(a));
  const double turned_w = *w * c + *h * s, turned_h = *w * s + *h * c;
  *w = static_cast<int>(turned_w + 0.5);
  *h = static_cast<int>(turned_h + 0.5);
}

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

std::string RotateFilter(const VideoFilter& f) {
  if (IsQuarterTurn(f.degrees)) {
    switch (QuarterTurns({f})) {
      case 1:
        return "transpose=clock";
      case 2:
        return "hflip,vflip";
      case 3:
        return "transpose=cclock";
      default:
        return "";
    }
  }
  // The frame grows to the box that holds the whole turned picture.
  char text[128];
  const double a = f.degrees * M_PI / 180.0;
  std::snprintf(text, sizeof text, "rotate=angle=%.9f:ow=rotw(%.9f):oh=roth(%.9f)", a, a, a);
  return text;
}

// The -vf chain in libavfilter syntax (rotation in degrees clockwise).
std::string UserChain(const std::vector<VideoFilter>& filters) {
  std::string chain;
  auto add = [&chain](const std::string& piece) {
    if (!piece.empty()) chain += (chain.empty() ? "" : ",") + piece;
  };
  for (const VideoFilter& f : filters) {
    switch (f.kind) {
      case VideoFilter::Kind::Crop:
        add("crop=" + std::to_string(f.width) + ":" + std::to_string(f.height) + ":" + std::to_string(f.x) +
            ":" + std::to_string(f.y) + ":exact=1");
        break;
      case VideoFilter::Kind::Scale:
        add("scale=" + std::to_string(f.width) + ":" + std::to_string(f.height));
        break;
      case VideoFilter::Kind::VFlip:
        add("vflip");
        break;
      case VideoFilter::Kind::HFlip:
        add("hflip");
        break;
      case VideoFilter::Kind::Rotate:
        add(RotateFilter(f));
        break;
    }
  }
  return chain;
}

// The filters that bring the picture to the planned frame: the disc norm's frame,
// a plain scale (with -aspect), or the whole picture fitted with bars.
std::string FrameChain(const Options& o, const media::StreamFacts& in, int* width, int* height) {
  const TargetFrame disc = FitTargetFrame(o, *width, *height);
  if (disc.fitted) {
    // A disc norm takes only a few frame sizes: the picture goes into its standard one.
    *width = disc.width;
    *height = disc.height;
    return TargetFrameChain(disc);
  }
  if (o.aspect.Set() || o.width <= 0 || o.height <= 0 || !o.target.empty()) {
    // An explicit aspect wins; without a requested size the picture keeps its shape;
    // a disc norm's own frame sizes are shown at the norm's aspect.
    std::string chain = "scale=" + std::to_string(*width) + ":" + std::to_string(*height);
    if (o.aspect.Set())
      chain += ",setdar=dar=" + std::to_string(o.aspect.num) + "/" + std::to_string(o.aspect.den);
    return chain;
  }
  // A requested frame of another shape gets the whole picture, undistorted, with bars.
  const AVRational sar = in.sample_aspect.num > 0 ? in.sample_aspect : AVRational{1, 1};
  PictureShape shape{in.shown_width, in.shown_height, av_q2d(sar)};
  if (in.turn.SwapsSides()) shape.pixel_aspect = 1.0 / shape.pixel_aspect;
  shape = AfterFilters(shape, o.filters);
  return FitChain(FitInside(shape, *width, *height), *width, *height);
}

// bwdif for interlaced pictures, or "": one whole picture per picture in (send_frame),
// so the frame rate stays. The field order the stream names (the order shown) sets the
// parity; without one, bwdif reads each frame's own flags.
std::string DeinterlaceFilter(const Options& o, const media::StreamFacts& in) {
  if (o.deinterlace == Options::Deinterlace::Off) return "";
  if (o.deinterlace == Options::Deinterlace::Auto && !in.Interlaced()) return "";
  const char* parity = "auto";
  if (in.field_order == AV_FIELD_TT || in.field_order == AV_FIELD_BT) parity = "tff";
  if (in.field_order == AV_FIELD_BB || in.field_order == AV_FIELD_TB) parity = "bff";
  return std::string("bwdif=mode=send_frame:parity=") + parity + ":deint=all,";
}

}  // namespace

bool OutputSize(const Options& options, const AVCodec* codec, int source_width, int source_height, int* width,
                int* height, std::string* error) {
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

bool PlanVideoLane(const Options& o, const media::StreamFacts& in, const AVCodec* codec,
                   const std::string& burn_in, LanePlan* lane, int* width, int* height, std::string* error) {
  lane->stream = in.index;
  lane->type = AVMEDIA_TYPE_VIDEO;
  lane->encoder = codec;
  if (!OutputSize(o, codec, in.shown_width, in.shown_height, width, height, error)) return false;
  AVRational rate = o.frame_rate.Set() ? AVRational{o.frame_rate.num, o.frame_rate.den} : in.frame_rate;
  if (rate.num <= 0 || rate.den <= 0) rate = {25, 1};
  lane->frame_rate = NearestSupportedRate(codec, rate);
  // Fields are woven into pictures before any frame is dropped or repeated.
  std::string chain = DeinterlaceFilter(o, in) + "fps=fps=" + media::Fraction(lane->frame_rate);
  // Upright first: the user's own turns and crops refer to the picture as shown.
  const std::string upright = media::UprightChain(in.turn);
  if (!upright.empty()) chain += "," + upright;
  const std::string user = UserChain(o.filters);
  if (!user.empty()) chain += "," + user;
  chain += "," + FrameChain(o, in, width, height);
  // Drawn at the output size, so the letters are sharp.
  if (!burn_in.empty()) chain += "," + burn_in;
  const AVPixelFormat pix = ChoosePixelFormat(codec, static_cast<AVPixelFormat>(in.pixel_format));
  chain += std::string(",format=pix_fmts=") + av_get_pix_fmt_name(pix);
  lane->chain = chain;
  return true;
}

}  // namespace convert
