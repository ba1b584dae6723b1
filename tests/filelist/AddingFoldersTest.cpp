// Adding whole folders: the Add Folder command, dropped folders, the wait window's
// count and Cancel, and one closing message for everything that could not be added.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include "FileListTestUtil.h"
#include "filelist/WaitWindow.h"

using namespace filelisttest;

namespace {

// A folder tree of media copies (hard links to one sample), with a few non-media
// files, a broken "video" and a link back to the top.
struct MediaTree {
  QTemporaryDir dir;
  QString Root() const { return dir.path() + "/"; }
  QString Add(const QString& rel) {
    QDir().mkpath(QFileInfo(Root() + rel).path());
    EXPECT_EQ(::link(AudioVideo().toUtf8().constData(), (Root() + rel).toUtf8().constData()), 0)
        << rel.toStdString();
    return Root() + rel;
  }
  void Text(const QString& rel, const QByteArray& content) {
    QDir().mkpath(QFileInfo(Root() + rel).path());
    QFile file(Root() + rel);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) > 0);
  }
};

// Records what the wait window showed whenever the list asked the window system to run.
struct WaitWatcher {
  QStringList counts;
  bool cancelShown = false;
  QTimer timer;
  explicit WaitWatcher(ListHarness& h) {
    QObject::connect(&timer, &QTimer::timeout, [this, &h] {
      WaitWindow* wait = h.files->CurrentWaitWindow();
      if (!wait) return;
      if (!wait->CountLabel()->isHidden()) counts << wait->CountLabel()->text();
      cancelShown = cancelShown || (wait->isVisible() && wait->CancelButton()->isVisible());
    });
    timer.start(0);
  }
};

}  // namespace

TEST(AddFolder, EverySupportedFileInNameOrderAndOneMessageForFailures) {
  ListHarness h;
  MessageRecorder messages;
  MediaTree t;
  const QString b2 = t.Add("b/2.mp4"), b10 = t.Add("b/10.MP4"), a = t.Add("A.mkv"),
                deep = t.Add("b/c/deep.avi");
  const QString z = t.Add("z.wav");
  t.Text("notes.txt", "not media");
  t.Add(".hidden.mp4");
  t.Add(".cache/thumb.mp4");
  t.Text("b/broken.avi", "not a video at all");
  ASSERT_EQ(::symlink("..", (t.Root() + "b/c/up").toUtf8().constData()), 0);  // a loop
  WaitWatcher watch(h);

  h.files->AddFolder(Bytes(t.Root()));
  EXPECT_TRUE(h.Finish());
  EXPECT_EQ(h.Texts(0), QStringList({a, z, b10, b2, t.Root() + "b/c/deep.avi"}));
  ASSERT_EQ(messages.Texts().size(), 1);
  EXPECT_TRUE(messages.Texts()[0].startsWith("Can not open file: \n" + t.Root() + "b/broken.avi\n"))
      << messages.Texts()[0].toStdString();
  EXPECT_TRUE(watch.cancelShown);
  // Which counts a turn of the event loop catches depends on speed; their form does not.
  ASSERT_FALSE(watch.counts.isEmpty());
  watch.counts.removeDuplicates();
  const QRegularExpression countForm("^(Files found: \\d+|Adding file [1-6] of 6)$");
  EXPECT_EQ(watch.counts.filter(countForm).size(), watch.counts.size())
      << watch.counts.join('|').toStdString();
  EXPECT_EQ(h.files->CurrentWaitWindow(), nullptr);
  (void)deep;

  // Again: everything is listed already, so nothing is added and no file is opened twice;
  // the broken file is reported again because it is still not in the list.
  h.files->AddFolder(Bytes(t.Root() + "b"));
  EXPECT_TRUE(h.Finish());
  EXPECT_EQ(h.files->RowCount(), 5);
  EXPECT_EQ(messages.Texts().size(), 2);

  // A folder that cannot be read is named, not passed over in silence.
  h.files->AddFolder(Bytes(t.Root() + "gone"));
  EXPECT_TRUE(h.Finish());
  ASSERT_EQ(messages.Texts().size(), 3);
  EXPECT_EQ(messages.Texts()[2], "1 folder(s) could not be read:\n" + t.Root() + "gone");
}

TEST(AddFolder, CancelStopsAddingAndClosesTheWaitWindow) {
  ListHarness h;
  MessageRecorder messages;
  MediaTree t;
  for (int i = 0; i < 30; ++i)
    t.Add(QString("clip %1.mp4").arg(i, 2, 10, QChar('0')));
  QTimer clicker;  // clicks Cancel once a few rows are in, as a user would
  QObject::connect(&clicker, &QTimer::timeout, [&] {
    if (h.files->RowCount() < 3 || !h.files->CurrentWaitWindow()) return;
    h.files->CurrentWaitWindow()->CancelButton()->click();
    EXPECT_FALSE(h.files->Adding());  // at once, not when the probes under way end
  });
  clicker.start(0);
  h.files->AddFolder(Bytes(t.Root()));
  EXPECT_FALSE(h.Finish());
  clicker.stop();
  EXPECT_GE(h.files->RowCount(), 3);
  EXPECT_LT(h.files->RowCount(), 30);  // the results that were in by the click, nothing later
  EXPECT_TRUE(messages.Texts().isEmpty());
  EXPECT_EQ(h.files->CurrentWaitWindow(), nullptr);

  // The next folder starts with a fresh window; the user's close box or Escape cancel too.
  QObject::connect(&clicker, &QTimer::timeout, [&] {
    if (h.files->CurrentWaitWindow()) h.files->CurrentWaitWindow()->close();
  });
  clicker.start(0);
  h.files->AddFolder(Bytes(t.Root()));
  EXPECT_FALSE(h.Finish());
  clicker.stop();
  EXPECT_LT(h.files->RowCount(), 30);
}

TEST(AddFolder, DialogAndDropBothAddFolders) {
  ListHarness h;
  MessageRecorder messages;
  MediaTree t;
  const QString inner = t.Add("in/x.mp4"), top = t.Add("top.mp4");
  QString seenStart;
  QString answer = t.Root() + "in";
  Ui::SetFolderHandler([&](const Ui::FolderRequest& r) {
    seenStart = r.start;
    return answer;
  });
  h.files->SetLastOpenFolder("/srv/");
  h.files->AddFolderWithDialog();
  h.Finish();
  EXPECT_EQ(seenStart, "/srv/");
  EXPECT_EQ(h.Texts(0), QStringList({inner}));
  EXPECT_EQ(h.files->LastOpenFolder(), t.Root() + "in/");
  EXPECT_EQ(h.SelectedRows(), QList<int>({0}));

  answer.clear();  // cancelled: nothing added, folder kept
  h.files->AddFolderWithDialog();
  h.Finish();
  EXPECT_EQ(h.files->RowCount(), 1);
  EXPECT_EQ(h.files->LastOpenFolder(), t.Root() + "in/");
  Ui::SetFolderHandler({});

  // A drop of a folder and a file: the folder's files in place, duplicates left out.
  h.files->AddDroppedFiles({Bytes(t.Root()), Bytes(AudioOnly())});
  h.Finish();
  EXPECT_EQ(h.Texts(0), QStringList({inner, top, AudioOnly()}));
  EXPECT_TRUE(messages.Texts().isEmpty());
}
