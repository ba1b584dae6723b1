#pragma once
// Tiny media fixtures made with the ffmpeg command-line tool, and ffprobe readings of
// outputs. Test equipment only: the program itself never runs these tools.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

namespace Fixtures {

// Runs ffmpeg with `args` (after "-y -loglevel error") producing `output`.
// Returns false when ffmpeg failed.
bool Make(const QString& output, const QStringList& args);

// 320x240 25 fps test picture with a 440 Hz stereo tone, `seconds` long.
bool VideoWithAudio(const QString& output, double seconds = 1.0);
bool VideoOnly(const QString& output, double seconds = 1.0);
bool AudioOnly(const QString& output, double seconds = 1.0);

// One temporary folder per test program, removed when it ends.
const QTemporaryDir& Folder();
QString PathIn(const QString& name);
// `name` in Folder(), made with `make(path, seconds)` the first time it is asked
// for (or again when a test removed it). Empty when it could not be made.
QString Cached(const QString& name, bool (*make)(const QString&, double), double seconds);

// ffprobe -show_entries value of one stream or the format, e.g.
// Probe(file, "v:0", "stream=codec_name"). Empty when absent.
QString Probe(const QString& file, const QString& streamSelector, const QString& entry);
double ProbeDuration(const QString& file);

// Media as people have it: `seconds` of 320x240 pictures (a key picture every
// second) with sound in `output`'s container, its index at the front; with
// `sound_only`, sound alone.
bool Recording(const QString& output, double seconds, bool sound_only = false);
// A copy of `source` in `output` with a few runs of garbage written over its
// middle (45 % to 55 % of its bytes), or cut off after `keep` of its bytes.
bool Damaged(const QString& source, const QString& output);
bool CutShort(const QString& source, const QString& output, double keep);

// Runs a program and returns its exit code (-1 when it could not start).
int Run(const QString& program, const QStringList& args, QString* output = nullptr, int timeoutMs = 120000);

}  // namespace Fixtures
