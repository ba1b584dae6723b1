#pragma once
// Shared set-up for the file-list tests: generated media in one temporary folder, a
// main-window stand-in with the list, and message boxes answered and recorded.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "core/AppState.h"
#include "desktop/UiServices.h"
#include "engine/FFDecoder.h"
#include "filelist/FileList.h"
#include "filelist/FileView.h"
#include "support/Fixtures.h"
#include "support/UiRecorder.h"
#include "support/WaitUntil.h"

namespace filelisttest {

inline QString Folder() { return Fixtures::Folder().path() + "/"; }
inline QByteArray Bytes(const QString& path) { return path.toUtf8(); }

// 1 s fixtures: video with sound (mp4), sound only (wav), picture only (mkv), text.
inline QString Sample(const QString& name, bool (*make)(const QString&, double)) {
  EXPECT_FALSE(Fixtures::Cached(name, make, 1.0).isEmpty()) << name.toStdString();
  return Folder() + name;
}
inline QString AudioVideo() { return Sample("av.mp4", &Fixtures::VideoWithAudio); }
inline QString AudioOnly() { return Sample("tone.wav", &Fixtures::AudioOnly); }
inline QString VideoOnly() { return Sample("picture.mkv", &Fixtures::VideoOnly); }
inline QString BrokenNamed(const QString& name) {
  QFile file(Folder() + name);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("plain text, not a video\n") > 0);
  return file.fileName();
}
inline QString Broken() { return BrokenNamed("broken.avi"); }
inline QString Broken2() { return BrokenNamed("also broken.mp4"); }

// Copies the video sample to `name` (any bytes) in Folder() and returns the path.
inline QByteArray CopySample(const QByteArray& name) {
  QFile source(AudioVideo());
  EXPECT_TRUE(source.open(QIODevice::ReadOnly));
  const QByteArray data = source.readAll(), target = Bytes(Folder()) + name;
  std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(target.constData(), "wb"), &std::fclose);
  EXPECT_TRUE(out && std::fwrite(data.constData(), 1, data.size(), out.get()) == size_t(data.size()));
  return target;
}

// Answers every message box, all of which must be errors, and keeps its text.
struct MessageRecorder : UiRecorder {
  MessageRecorder() { onlyIcon = Ui::MessageIcon::Critical; }
};

// A main window stand-in holding the list and the decoder.
struct ListHarness {
  QWidget owner;
  FileView* list = new FileView(&owner);
  FFDecoder decoder;
  AppState state;
  std::unique_ptr<FileList> files = std::make_unique<FileList>(list, decoder, state, &owner);
  ListHarness() { list->resize(900, 400); }
  ~ListHarness() { Ui::SetOpenFilesHandler({}); }

  QStringList Texts(int column) const {
    QStringList out;
    for (int i = 0; i < list->Rows()->Count(); ++i)
      out << Cell(i, column, Qt::DisplayRole);
    return out;
  }
  QString Cell(int row, int column, int role) const {
    return list->model()->index(row, column).data(role).toString();
  }
  QList<int> SelectedRows() const {
    QList<int> out;
    for (int i = 0; i < list->Rows()->Count(); ++i)
      if (list->IsRowSelected(i)) out << i;
    return out;
  }
  int CurrentRow() const { return list->CurrentRow(); }
  // Waits for the adding job to end; false when it was cancelled (or never ended).
  bool Finish() {
    return WaitUntil([this] { return !files->Adding(); }) && !files->LastAddCanceled();
  }
  void SetCurrentRow(int row) { list->setCurrentIndex(list->model()->index(row, 0)); }
};

}  // namespace filelisttest
