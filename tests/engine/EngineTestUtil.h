#pragma once
// Shared fixture folder and small helpers for the engine tests.
#include <QString>
#include <QTemporaryDir>
#include <string>

#include "support/Fixtures.h"

namespace enginetest {

// The test program's temporary folder holding generated media.
using Fixtures::Folder;
using Fixtures::PathIn;
std::string Bytes(const QString& path);  // the file-system bytes of a path

// Generated once per process and cached: 320x240 25 fps with stereo tone, 2 s.
QString SampleVideo();
QString SampleAudio();  // 2 s stereo 44.1 kHz WAV
void WriteFile(const QString& path, const QByteArray& data);
QByteArray ReadAll(const QString& path);  // empty when unreadable
// An empty folder `name` in the test folder (emptied if it exists), ending in "/".
QString FreshFolder(const QString& name);

}  // namespace enginetest

#include <QMap>

namespace enginetest {

// One ffprobe reading of a file: the first video and audio stream and the format.
struct Probed {
  bool ok = false;
  QString format;  // format_name, e.g. "mov,mp4,m4a,3gp,3g2,mj2"
  double duration = 0;
  QString video_codec, audio_codec;  // empty when absent
  int width = 0, height = 0;
  double frame_rate = 0;
  QString dar;  // display_aspect_ratio, e.g. "16:9"
  int sample_rate = 0, channels = 0;
};
Probed ProbeFile(const QString& path);

// Average colour of a region of the first frame, via ffmpeg: used to see that
// flips and turns really moved the picture. Returns r,g,b packed as 0xRRGGBB.
unsigned CornerColour(const QString& path, int x, int y, int w, int h);

}  // namespace enginetest
