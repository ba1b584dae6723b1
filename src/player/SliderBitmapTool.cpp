// Writes the slider pictures, as drawn by SliderBitmaps::Draw, into a folder:
//   veltrane_slider_bitmaps <folder>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "player/SliderBitmaps.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) return 1;
  for (SliderKind kind : {SliderKind::Position, SliderKind::Volume}) {
    for (SliderPicture picture : {SliderPicture::Track, SliderPicture::Thumb, SliderPicture::ThumbDisabled,
                                  SliderPicture::Selection}) {
      const QString path = folder + "/" + SliderBitmaps::FileName(kind, picture);
      if (!SliderBitmaps::Draw(kind, picture).save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
      }
    }
  }
  return 0;
}
