#include "engine/convert/EncoderQuality.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/opt.h>
}

#include "engine/media/AVPointers.h"

namespace convert {

int WorstQuality(const std::string& encoder) {
  // Each wrapper's "crf" option; libavcodec's own ranges are wider than the libraries take.
  if (encoder == "libx264" || encoder == "libx265") return 51;
  if (encoder == "libvpx-vp9" || encoder == "libaom-av1") return 63;
  return -1;
}

bool CheckConstantQuality(const std::string& encoder, int crf, std::string* error) {
  const int worst = WorstQuality(encoder);
  if (worst < 0) {
    *error = "The " + encoder + " encoder has no constant quality mode (-crf)";
    return false;
  }
  if (crf < 0 || crf > worst) {
    *error = "The " + encoder + " encoder takes a constant quality from 0 to " + std::to_string(worst) +
             ", not " + std::to_string(crf);
    return false;
  }
  return true;
}

bool ApplyConstantQuality(AVCodecContext* enc, int crf, std::string* error) {
  const std::string name = enc->codec->name;
  if (!CheckConstantQuality(name, crf, error)) return false;
  enc->bit_rate = 0;
  enc->rc_max_rate = 0;
  const int rc = av_opt_set_int(enc->priv_data, "crf", crf, 0);
  if (rc < 0)
    *error = "The " + name + " encoder refused crf=" + std::to_string(crf) + ": " + media::ErrorText(rc);
  return rc >= 0;
}

}  // namespace convert
