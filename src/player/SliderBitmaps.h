#pragma once
// The pictures the sliders draw with. They are read from "slider/" beside the
// program; a missing or unreadable file is replaced by the same picture drawn here,
// so a slider always paints.
#include <QImage>
#include <QString>

#include "player/SliderModel.h"

enum class SliderKind { Position, Volume };  // PositionSlider, VolumeSlider
enum class SliderPicture { Track, Thumb, ThumbDisabled, Selection };

namespace SliderBitmaps {
// Pixel sizes of one kind's pictures.
SliderImageSizes Sizes(SliderKind kind);
// File name (inside "slider/") of a picture.
QString FileName(SliderKind kind, SliderPicture picture);
// The picture, from its file when present and of the right size, else drawn.
QImage Get(SliderKind kind, SliderPicture picture);
// Draws a picture from scratch (what the shipped files hold).
QImage Draw(SliderKind kind, SliderPicture picture);
}  // namespace SliderBitmaps
