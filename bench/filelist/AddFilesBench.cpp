// Times adding many small files to the list (probe + row + window upkeep) against
// probing the same files with the decoder alone.
//   bench_filelist FOLDER   (every regular file in FOLDER, in name order)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "core/AppState.h"
#include "core/Helpers.h"
#include "desktop/UiServices.h"
#include "engine/FFDecoder.h"
#include "filelist/FileList.h"
#include "filelist/FileView.h"

namespace {

QList<QByteArray> FilesIn(const QString& folder) {
  QList<QByteArray> files;
  const QDir dir(folder);
  for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
    files << QFile::encodeName(dir.absoluteFilePath(name));
  return files;
}

// What AddFile asks the decoder, without the list.
double ProbeAlone(FFDecoder& decoder, const QList<QByteArray>& files, int* opened) {
  QElapsedTimer clock;
  clock.start();
  *opened = 0;
  for (const QByteArray& file : files) {
    if (!decoder.Open(file.toStdString(), "")) continue;
    ++*opened;
    const int a = decoder.AudioStreamIndex();
    const int v = decoder.VideoStreamIndex();
    volatile size_t sink = decoder.AudioCodecName(a).size() + decoder.VideoCodecName(v).size();
    sink = sink + static_cast<size_t>(decoder.Duration());
    if (decoder.VideoStreamCount() > 0)
      sink = sink + static_cast<size_t>(decoder.VideoWidth(v) + decoder.VideoHeight(v));
    sink = sink + static_cast<size_t>(decoder.AudioStreamCount());
    decoder.Close();
  }
  return clock.nsecsElapsed() / 1e9;
}

// The drop path: wait window, one probe per file, window upkeep between files, and
// the main window's 300 ms totals timer running.
double AddThroughList(FFDecoder& decoder, const QList<QByteArray>& files, int* rows) {
  QWidget owner;
  owner.resize(900, 500);
  auto* list = new FileView(&owner);
  list->resize(900, 480);
  QLabel filesPane, durationPane;
  const AppState state;
  FileList fileList(list, decoder, state, &owner);
  fileList.SetPanes(&filesPane, &durationPane);
  QTimer timer1;
  timer1.setInterval(300);
  QObject::connect(&timer1, &QTimer::timeout, &fileList, &FileList::RefreshTotals);
  owner.show();
  timer1.start();
  QApplication::processEvents();

  QElapsedTimer clock;
  clock.start();
  QEventLoop waiting;  // the adding runs from the event loop
  QObject::connect(&fileList, &FileList::addFinished, &waiting, &QEventLoop::quit);
  fileList.AddDroppedFiles(files);
  if (fileList.Adding()) waiting.exec();
  const double seconds = clock.nsecsElapsed() / 1e9;
  *rows = fileList.RowCount();
  fileList.RefreshTotals();
  return seconds;
}

// AddFile called in a plain loop, as the dialog does for each chosen file, without
// the window upkeep in between.
double AddFileLoop(FFDecoder& decoder, const QList<QByteArray>& files, int* rows) {
  QWidget owner;
  auto* list = new FileView(&owner);
  const AppState state;
  FileList fileList(list, decoder, state, &owner);
  QElapsedTimer clock;
  clock.start();
  for (const QByteArray& file : files)
    fileList.AddFile(QFile::decodeName(file));
  const double seconds = clock.nsecsElapsed() / 1e9;
  *rows = fileList.RowCount();
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  Ui::SetMessageHandler([](const Ui::MessageRequest&) { return QMessageBox::Ok; });
  const QList<QByteArray> files = FilesIn(QString::fromLocal8Bit(argv[1]));
  if (files.isEmpty()) {
    std::fprintf(stderr, "no files in %s\n", argv[1]);
    return 2;
  }
  // Alternate the two ways a few times and keep each one's best, so that other work on
  // the machine does not decide the ratio.
  constexpr int kRounds = 3;
  FFDecoder decoder;
  int opened = 0;
  int rows = 0;
  ProbeAlone(decoder, files, &opened);  // warm the file cache and the libraries
  double alone = 1e9;
  double listed = 1e9;
  double looped = 1e9;
  int loopRows = 0;
  for (int round = 0; round < kRounds; ++round) {
    alone = std::min(alone, ProbeAlone(decoder, files, &opened));
    listed = std::min(listed, AddThroughList(decoder, files, &rows));
    looped = std::min(looped, AddFileLoop(decoder, files, &loopRows));
  }
  std::printf("files: %lld, opened: %d, rows: %d, rounds: %d (best of each)\n",
              static_cast<long long>(files.size()), opened, rows, kRounds);
  std::printf("decoder alone: %.3f s (%.3f ms/file)\n", alone, alone * 1000 / files.size());
  std::printf("AddFile, plain loop: %.3f s (%.3f ms/file), ratio %.2f\n", looped,
              looped * 1000 / files.size(), looped / alone);
  std::printf("AddFile, dropped with window upkeep: %.3f s (%.3f ms/file), ratio %.2f\n", listed,
              listed * 1000 / files.size(), listed / alone);
  return rows == opened && loopRows == opened ? 0 : 1;
}
