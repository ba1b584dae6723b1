#pragma once
// Shared set-up for the file-list tests: generated media in one temporary folder, a
// main-window stand-in with the list, and a recorder that answers message boxes.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "common/UiServices.h"
#include "engine/FFDecoder.h"
#include "filelist/FileList.h"
#include "filelist/ListView1.h"

namespace filelisttest {

// The folder holding the generated files, ending in "/". Made once per test program.
QString Folder();
QString AudioVideo();  // 320x240 video with sound, 1 s, mp4
QString AudioOnly();   // tone, 1 s, wav
QString VideoOnly();   // picture, 1 s, mkv
QString Broken();      // text named like a video
// Copies the audio+video sample to `name` (raw bytes, may be any valid file name)
// inside Folder() and returns the full path's bytes.
QByteArray CopySample(const QByteArray& name);
QByteArray Bytes(const QString& path);

// Records every message box instead of showing it; restores the real boxes when done.
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  QStringList texts;
  std::function<void()> onMessage;
};

// A main window stand-in holding the list and the decoder.
struct ListHarness {
  ListHarness();
  ~ListHarness();
  QWidget owner;
  ListView1* list;
  FFDecoder decoder;
  std::unique_ptr<FileList> files;
  QStringList Texts(int column) const;  // one column of every row
  QList<int> SelectedRows() const;      // 0-based
  int CurrentRow() const;               // 0-based, -1 when none
};

}  // namespace filelisttest
