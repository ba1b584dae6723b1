// Adds a folder of many small files (default 10,000 in 100 subfolders) and measures how
// well the window keeps up: the longest gap between two turns of the event loop and
// between two paints of the wait window, and how long Cancel takes to take effect,
// once while the folder is listed and once while its files are probed.
//   bench_folder SAMPLE_FILE [COUNT]
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/AppState.h"
#include "desktop/UiServices.h"
#include "engine/FFDecoder.h"
#include "filelist/FileList.h"
#include "filelist/FileView.h"
#include "filelist/WaitWindow.h"

namespace {

// Longest gap between two events of one kind.
struct GapMeter {
  QElapsedTimer clock;
  qint64 last = -1;
  std::vector<qint64> gaps;
  int count = 0;
  void Mark() {
    const qint64 now = clock.nsecsElapsed();
    if (last >= 0) gaps.push_back(now - last);
    last = now;
    ++count;
  }
  double LongestMs() const { return gaps.empty() ? 0 : *std::max_element(gaps.begin(), gaps.end()) / 1e6; }
  int Over(double ms) const {
    return static_cast<int>(std::count_if(gaps.begin(), gaps.end(), [ms](qint64 g) { return g > ms * 1e6; }));
  }
};

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(GapMeter& meter) : meter_(meter) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) meter_.Mark();
    return false;
  }

 private:
  GapMeter& meter_;
};

struct Run {
  double seconds = 0;
  int rows = 0;
  double loopGapMs = 0;
  double paintGapMs = 0;
  int paints = 0;
  int paintGapsOver100 = 0;
  double cancelMs = -1;  // from the click to the end of the adding
};

// Adds `folder`; when cancelAfterMs >= 0, clicks Cancel that long after the wait
// window first appears.
Run AddOnce(FFDecoder& decoder, const QByteArray& folder, int cancelAfterMs) {
  QWidget owner;
  owner.resize(900, 500);
  auto* list = new FileView(&owner);
  list->resize(900, 480);
  AppState state;
  FileList files(list, decoder, state, &owner);
  owner.show();
  QApplication::processEvents();

  GapMeter loop, paints;
  PaintCounter painted(paints);
  QElapsedTimer clock, sinceWait;
  qint64 clickedAt = -1;
  QTimer ticker;  // every turn of the event loop while adding
  ticker.setInterval(0);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    loop.Mark();
    WaitWindow* wait = files.CurrentWaitWindow();
    if (!wait) return;
    if (!sinceWait.isValid()) {
      sinceWait.start();
      wait->installEventFilter(&painted);
      paints.clock.start();
    }
    if (cancelAfterMs >= 0 && clickedAt < 0 && sinceWait.elapsed() >= cancelAfterMs &&
        wait->CancelButton()->isVisible()) {
      clickedAt = clock.nsecsElapsed();
      wait->CancelButton()->click();
    }
  });
  loop.clock.start();
  clock.start();
  ticker.start();
  // The adding runs from the event loop; the bench waits for its end there.
  qint64 end = -1;
  QEventLoop waiting;
  QObject::connect(&files, &FileList::addFinished, &waiting, [&] {
    end = clock.nsecsElapsed();
    waiting.quit();
  });
  files.AddFolder(folder);
  if (files.Adding()) waiting.exec();
  if (end < 0) end = clock.nsecsElapsed();
  ticker.stop();
  Run run;
  run.seconds = end / 1e9;
  run.rows = files.RowCount();
  run.loopGapMs = loop.LongestMs();
  run.paintGapMs = paints.LongestMs();
  run.paints = paints.count;
  run.paintGapsOver100 = paints.Over(100);
  if (clickedAt >= 0) run.cancelMs = (end - clickedAt) / 1e6;
  return run;
}

void Print(const char* what, const Run& r) {
  std::printf(
      "%-34s %7.2f s  rows %5d  longest loop gap %6.1f ms  longest paint gap %6.1f ms"
      " (%d paints, %d gaps over 100 ms)",
      what, r.seconds, r.rows, r.loopGapMs, r.paintGapMs, r.paints, r.paintGapsOver100);
  if (r.cancelMs >= 0) std::printf("  cancel took %.1f ms", r.cancelMs);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s SAMPLE_FILE [COUNT]\n", argv[0]);
    return 2;
  }
  const QByteArray sample = argv[1];
  const int count = argc > 2 ? std::max(1, atoi(argv[2])) : 10000;
  Ui::SetMessageHandler([](const Ui::MessageRequest&) { return QMessageBox::Ok; });

  // The tree: hard links to the one sample, so 10,000 files cost no space.
  QTemporaryDir dir;
  const int perFolder = 100;
  for (int i = 0; i < count; ++i) {
    const QString sub = dir.path() + QString("/folder %1").arg(i / perFolder, 3, 10, QChar('0'));
    if (i % perFolder == 0) QDir().mkpath(sub);
    const QByteArray name = QFile::encodeName(sub + QString("/clip %1.mp4").arg(i, 5, 10, QChar('0')));
    if (::link(sample.constData(), name.constData()) != 0) {
      std::perror("link");
      return 2;
    }
  }
  const QByteArray folder = QFile::encodeName(dir.path());
  FFDecoder decoder;
  std::printf("%d files in %d folders\n", count, (count + perFolder - 1) / perFolder);
  const Run full = AddOnce(decoder, folder, -1);
  Print("whole folder", full);
  const Run cancelListing = AddOnce(decoder, folder, 0);
  Print("cancel at once (while listing)", cancelListing);
  const Run cancelProbing = AddOnce(decoder, folder, 1000);
  Print("cancel after 1 s (while probing)", cancelProbing);
  const bool ok = full.rows == count && full.loopGapMs <= 100 && full.paintGapMs <= 100 &&
                  cancelListing.cancelMs >= 0 && cancelListing.cancelMs <= 200 &&
                  cancelProbing.cancelMs >= 0 && cancelProbing.cancelMs <= 200;
  std::printf("%s (targets: gaps <= 100 ms, cancel <= 200 ms)\n", ok ? "targets met" : "TARGETS MISSED");
  return ok ? 0 : 1;
}
