#include "output/GridValueFields.h"

// No default case: a grid item added without its field here is a compiler warning.
GridField GridFieldOf(GridValues& values, GridItem item) {
  switch (item) {
    case GridItem::FileExtension:
      return &values.fileExtension;
    case GridItem::KeepFileDate:
      return &values.keepFileDate;
    case GridItem::VideoBitrate:
      return &values.videoBitrate;
    case GridItem::FrameRate:
      return &values.frameRate;
    case GridItem::Aspect:
      return &values.aspect;
    case GridItem::Crop:
      return &values.crop;
    case GridItem::CropTop:
      return &values.cropTop;
    case GridItem::CropBottom:
      return &values.cropBottom;
    case GridItem::CropLeft:
      return &values.cropLeft;
    case GridItem::CropRight:
      return &values.cropRight;
    case GridItem::VerticalFlip:
      return &values.verticalFlip;
    case GridItem::HorizontalFlip:
      return &values.horizontalFlip;
    case GridItem::Rotate:
      return &values.rotate;
    case GridItem::Upscale:
      return &values.upscale;
    case GridItem::QualityMode:
      return &values.qualityMode;
    case GridItem::ConstantQuality:
      return &values.constantQuality;
    case GridItem::Deinterlace:
      return &values.deinterlace;
    case GridItem::StartTime:
      return &values.startTime;
    case GridItem::Duration:
      return &values.duration;
    case GridItem::AudioBitrate:
      return &values.audioBitrate;
    case GridItem::SampleRate:
      return &values.sampleRate;
    case GridItem::Channels:
      return &values.channels;
    case GridItem::AudioTracks:
      return &values.audioTracks;
    case GridItem::RemoveAudio:
      return &values.removeAudio;
    case GridItem::Subtitles:
      return &values.subtitles;
  }
  return static_cast<QString*>(nullptr);
}
