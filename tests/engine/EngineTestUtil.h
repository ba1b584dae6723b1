#pragma once
// Shared fixture folder and small helpers for the engine tests.
#include <QString>
#include <QTemporaryDir>
#include <string>

namespace enginetest {

// A per-process temporary folder holding generated media, made once.
const QTemporaryDir& Folder();
QString PathIn(const QString& name);
std::string Bytes(const QString& path);  // the file-system bytes of a path

// Generated once per process and cached: 320x240 25 fps with stereo tone, 2 s.
QString SampleVideo();
QString SampleAudio();  // 2 s stereo 44.1 kHz WAV
void WriteFile(const QString& path, const QByteArray& data);

}  // namespace enginetest
