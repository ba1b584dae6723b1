// Adding files through AddFile, the open-file dialog and drops, with real probing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include "FileListTestUtil.h"
#include "common/Globals.h"
#include "filelist/FormWait.h"
#include "common/Helpers.h"
#include "filelist/MediaFilters.h"
#include "filelist/RowTexts.h"
#include "support/Fixtures.h"

using namespace filelisttest;

namespace {

QString Modified(const QString& path) {
  return QFileInfo(path).lastModified().toString("yyyy/MM/dd HH:mm:ss");
}

QMimeData* UriList(const QList<QByteArray>& paths) {
  QByteArray data;
  for (const QByteArray& p : paths) data += "file://" + p.toPercentEncoding("/") + "\r\n";
  auto* mime = new QMimeData;
  mime->setData("text/uri-list", data);
  return mime;
}

// Drops `paths` on the list the way a file manager would, and waits for the adding.
void Drop(ListHarness& h, const QList<QByteArray>& paths) {
  std::unique_ptr<QMimeData> mime(UriList(paths));
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton,
                        Qt::NoModifier);
  QApplication::sendEvent(h.list->viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(20, 20), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton,
                  Qt::NoModifier);
  QApplication::sendEvent(h.list->viewport(), &drop);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
  QApplication::processEvents();  // the adding starts once the drop has returned
}

}  // namespace

TEST(AddFile, FillsEveryColumnFromTheProbe) {
  ListHarness h;
  MessageRecorder messages;
  ASSERT_TRUE(h.files->AddFile(AudioVideo()));
  EXPECT_TRUE(Globals::HasVideo && Globals::HasAudio);
  ASSERT_TRUE(h.files->AddFile(AudioOnly()));
  EXPECT_TRUE(!Globals::HasVideo && Globals::HasAudio);
  ASSERT_TRUE(h.files->AddFile(VideoOnly()));
  EXPECT_TRUE(Globals::HasVideo && !Globals::HasAudio);
  EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join("|").toStdString();

  EXPECT_EQ(h.Texts(0), QStringList({AudioVideo(), AudioOnly(), VideoOnly()}));
  EXPECT_EQ(h.Texts(1), QStringList({"MP4", "WAV", "MKV"}));
  EXPECT_EQ(h.Texts(2), QStringList({"00:00:01", "00:00:01", "00:00:01"}));
  EXPECT_EQ(h.Texts(3), QStringList({"320 X 240", "N/A", "320 X 240"}));
  for (int i = 0; i < 3; ++i) {
    const QString path = h.Texts(0)[i];
    EXPECT_EQ(h.Texts(4)[i], FormatFileSizeText(QFileInfo(path).size()));
    EXPECT_TRUE(h.Texts(4)[i].endsWith(" MB"));
    EXPECT_EQ(h.Texts(5)[i], Modified(path));
  }
  EXPECT_EQ(h.Texts(6), QStringList({Fixtures::Probe(AudioVideo(), "v:0", "stream=codec_name"), "N/A",
                                     Fixtures::Probe(VideoOnly(), "v:0", "stream=codec_name")}));
  EXPECT_EQ(h.Texts(7), QStringList({Fixtures::Probe(AudioVideo(), "a:0", "stream=codec_name"),
                                     "pcm_s16le", "N/A"}));

  const std::vector<FileRow> rows = h.files->Rows();
  ASSERT_EQ(rows.size(), 3u);
  for (const FileRow& row : rows) EXPECT_NEAR(row.durationSeconds, 1.0, 0.1);
  EXPECT_EQ(rows[0].nativePath, Bytes(AudioVideo()));
  EXPECT_EQ(rows[2].videoSize, "320 X 240");
  EXPECT_EQ(h.files->RowCount(), 3);
}

TEST(AddFile, DuplicatesOnlyByExactText) {
  ListHarness h;
  MessageRecorder messages;
  const QByteArray lower = CopySample("case.mp4");
  const QByteArray upper = CopySample("CASE.mp4");
  EXPECT_FALSE(h.files->IsListed(QString::fromUtf8(lower)));
  EXPECT_TRUE(h.files->AddFile(QString::fromUtf8(lower)));
  EXPECT_TRUE(h.files->IsListed(QString::fromUtf8(lower)));
  EXPECT_FALSE(h.files->AddFile(QString::fromUtf8(lower)));
  EXPECT_FALSE(h.files->AddNativeFile(lower));
  EXPECT_FALSE(h.files->IsListed(QString::fromUtf8(upper)));
  EXPECT_TRUE(h.files->AddFile(QString::fromUtf8(upper)));
  EXPECT_EQ(h.files->RowCount(), 2);
  // Reordered rows are still known; a removed one can come back; so can a cleared one.
  h.list->setCurrentItem(h.list->topLevelItem(0));
  h.files->MoveRowDown();
  EXPECT_FALSE(h.files->AddFile(QString::fromUtf8(lower)));
  EXPECT_FALSE(h.files->AddFile(QString::fromUtf8(upper)));
  h.list->clearSelection();
  h.list->topLevelItem(0)->setSelected(true);
  h.files->RemoveSelectedRows();
  EXPECT_EQ(h.files->Rows()[0].nativePath, lower);
  EXPECT_TRUE(h.files->AddFile(QString::fromUtf8(upper)));
  h.files->ClearAllRows();
  EXPECT_TRUE(h.files->AddNativeFile(lower));
  EXPECT_EQ(h.files->RowCount(), 1);
  EXPECT_TRUE(messages.texts.isEmpty());
}

TEST(AddFile, UnopenableFilesGiveOneMessageEachAndNoRow) {
  ListHarness h;
  MessageRecorder messages;
  const QString empty = Folder() + "empty.mp3";
  QFile(empty).open(QIODevice::WriteOnly);
  const QString link = Folder() + "dangling.mp4";
  QFile::link(Folder() + "gone.mp4", link);
  const QString fifo = Folder() + "pipe.mp4";
  ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
  const QString unreadable = Folder() + "locked.mp4";
  QFile::copy(AudioVideo(), unreadable);
  QFile::setPermissions(unreadable, QFileDevice::Permissions());
  const bool root = ::geteuid() == 0;  // root reads it anyway

  const QStringList bad = {Broken(), empty, link, fifo, Folder() + "missing.avi", Folder()};
  for (const QString& path : bad) EXPECT_FALSE(h.files->AddFile(path)) << path.toStdString();
  if (!root) {
    EXPECT_FALSE(h.files->AddFile(unreadable));
  }

  EXPECT_EQ(h.files->RowCount(), 0);
  ASSERT_EQ(messages.texts.size(), bad.size() + (root ? 0 : 1));
  for (int i = 0; i < bad.size(); ++i) {
    EXPECT_TRUE(messages.texts[i].startsWith("Can not open file: \n" + bad[i] + "\n\nError: \n"))
        << messages.texts[i].toStdString();
    EXPECT_GT(messages.texts[i].size(), QString("Can not open file: \n\n\nError: \n").size() + bad[i].size());
  }
  // The decoder is usable afterwards.
  EXPECT_TRUE(h.files->AddFile(AudioVideo()));
  QFile::remove(fifo);
  QFile::remove(unreadable);
}

TEST(AddFile, AwkwardNamesKeepTheirExactBytes) {
  ListHarness h;
  MessageRecorder messages;
  const QList<QByteArray> names = {"with space.mp4", "quote\"s 'both'.mp4", "semi;colon.mp4",
                                   "-leading-dash.mp4", "\xD0\xBA\xD0\xB8\xD0\xBD\xD0\xBE \xE6\x98\xA0\xE7\x94\xBB.mp4",
                                   "latin1-caf\xE9.mp4"};
  QList<QByteArray> paths;
  for (const QByteArray& name : names) paths << CopySample(name);
  // The first five come as text (the dialog's way); the last one as text that lost its
  // invalid byte on the way, which must still find the file.
  for (int i = 0; i < paths.size(); ++i) EXPECT_TRUE(h.files->AddFile(QFile::decodeName(paths[i])));
  EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join("|").toStdString();

  const std::vector<FileRow> rows = h.files->Rows();
  ASSERT_EQ(rows.size(), static_cast<size_t>(paths.size()));
  for (int i = 0; i < paths.size(); ++i) {
    EXPECT_EQ(rows[i].nativePath, paths[i]);
    EXPECT_EQ(rows[i].path, QFile::decodeName(paths[i]));
    EXPECT_EQ(rows[i].videoSize, "320 X 240");
  }
  EXPECT_TRUE(rows.back().path.contains(QChar::ReplacementCharacter));
  EXPECT_EQ(rows[4].path, QFile::decodeName(Bytes(Folder())) + QString::fromUtf8("кино 映画.mp4"));
  for (const QByteArray& p : paths) ::unlink(p.constData());
}

TEST(AddFilesWithDialog, FiltersFolderWaitWindowAndSelection) {
  ListHarness h;
  MessageRecorder messages;
  h.files->SetLastOpenFolder("/srv/media/");
  Ui::OpenFilesRequest seen;
  QStringList answer = {AudioVideo(), Broken(), AudioOnly()};
  Ui::SetOpenFilesHandler([&](const Ui::OpenFilesRequest& r) {
    seen = r;
    return answer;
  });
  bool waitShownDuringAdd = false;
  messages.onMessage = [&] {
    waitShownDuringAdd = h.files->WaitWindow() && h.files->WaitWindow()->isVisible();
    EXPECT_EQ(h.owner.cursor().shape(), Qt::WaitCursor);
  };
  h.files->AddFilesWithDialog();
  EXPECT_EQ(seen.folder, "/srv/media/");
  EXPECT_EQ(seen.owner, &h.owner);
  EXPECT_EQ(seen.filters, MediaDialogFilters());
  EXPECT_EQ(messages.texts.size(), 1);  // the broken file; the rest still came in
  EXPECT_TRUE(waitShownDuringAdd);
  EXPECT_EQ(h.files->WaitWindow(), nullptr);
  EXPECT_EQ(h.owner.cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(h.Texts(0), QStringList({AudioVideo(), AudioOnly()}));
  EXPECT_EQ(h.files->LastOpenFolder(), Folder());
  EXPECT_EQ(h.SelectedRows(), QList<int>({1}));
  EXPECT_EQ(h.CurrentRow(), 1);

  // One file: no wait window; the folder comes from the path.
  const QByteArray one = CopySample("single.mp4");
  QDir().mkpath(Folder() + "sub");
  const QString moved = Folder() + "sub/single.mp4";
  QFile::rename(QFile::decodeName(one), moved);
  bool waitShownForOne = true;
  messages.onMessage = [&] { waitShownForOne = h.files->WaitWindow() != nullptr; };
  answer = {Broken()};
  h.files->AddFilesWithDialog();
  EXPECT_FALSE(waitShownForOne);
  EXPECT_EQ(messages.texts.size(), 2);
  answer = {moved};
  h.files->AddFilesWithDialog();
  EXPECT_EQ(h.files->LastOpenFolder(), Folder() + "sub/");
  EXPECT_EQ(h.files->RowCount(), 3);

  // Cancelled, after the user picked other rows: only the last row is selected again.
  h.list->topLevelItem(0)->setSelected(true);
  h.list->setCurrentItem(h.list->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
  answer.clear();
  h.files->AddFilesWithDialog();
  EXPECT_EQ(h.SelectedRows(), QList<int>({2}));
  EXPECT_EQ(h.CurrentRow(), 2);
  EXPECT_EQ(h.files->LastOpenFolder(), Folder() + "sub/");
  EXPECT_EQ(h.files->SelectedRow()->path, moved);
}

TEST(DropFiles, CopyEffectFoldersSkippedSelectionAndFolderKept) {
  ListHarness h;
  MessageRecorder messages;
  std::unique_ptr<QMimeData> files(UriList({Bytes(AudioVideo())}));
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, files.get(), Qt::LeftButton,
                        Qt::NoModifier);
  QApplication::sendEvent(h.list->viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
  QMimeData text;
  text.setText("not files");
  QDragEnterEvent enterText(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(h.list->viewport(), &enterText);
  EXPECT_FALSE(enterText.isAccepted());

  ASSERT_TRUE(h.files->AddFile(VideoOnly()));
  h.list->setCurrentItem(h.list->topLevelItem(0));
  h.files->SetLastOpenFolder("/keep/");
  bool waitShown = false;
  messages.onMessage = [&] { waitShown = h.files->WaitWindow() && h.files->WaitWindow()->isVisible(); };
  QDir().mkpath(Folder() + "a folder");
  Drop(h, {Bytes(Folder() + "a folder"), Bytes(AudioVideo()), Bytes(Broken()), Bytes(AudioOnly()),
           Bytes(VideoOnly())});
  EXPECT_EQ(h.Texts(0), QStringList({VideoOnly(), AudioVideo(), AudioOnly()}));
  EXPECT_EQ(messages.texts.size(), 1);
  EXPECT_TRUE(waitShown);
  EXPECT_EQ(h.files->WaitWindow(), nullptr);
  EXPECT_EQ(h.files->LastOpenFolder(), "/keep/");
  EXPECT_EQ(h.SelectedRows(), QList<int>({0}));
  EXPECT_EQ(h.CurrentRow(), 0);

  // A dropped name that is not UTF-8 arrives with its bytes intact.
  const QByteArray odd = CopySample("drop\xFE.mp4");
  Drop(h, {odd});
  EXPECT_EQ(h.files->Rows().back().nativePath, odd);
  ::unlink(odd.constData());
}

TEST(DropFiles, ManyFilesKeepTheWindowAliveAndTotalsMoving) {
  ListHarness h;
  MessageRecorder messages;
  QLabel filesPane, durationPane;
  h.files->SetPanes(&filesPane, &durationPane);
  h.files->SetMessageInterval(0);  // every file, so the test does not depend on speed
  QList<QByteArray> paths;
  for (int i = 0; i < 40; ++i) paths << CopySample(QByteArray("many-") + QByteArray::number(i) + ".mp4");
  QStringList seenTotals;
  QTimer timer;  // stands in for the main window's totals timer
  timer.setInterval(0);
  QObject::connect(&timer, &QTimer::timeout, h.files.get(), &FileList::RefreshTotals);
  QObject::connect(&timer, &QTimer::timeout, [&] { seenTotals << filesPane.text(); });
  timer.start();
  Drop(h, paths);
  timer.stop();
  EXPECT_EQ(h.files->RowCount(), 40);
  seenTotals.removeDuplicates();
  EXPECT_GT(seenTotals.size(), 3) << "totals did not move while adding";
  h.files->RefreshTotals();
  EXPECT_EQ(filesPane.text(), "Total Files: 40");
  EXPECT_EQ(durationPane.text(), "Total Duration: " + FormatDuration(40 * h.files->Rows()[0].durationSeconds));
  for (const QByteArray& p : paths) ::unlink(p.constData());
}
