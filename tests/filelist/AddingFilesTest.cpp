// Adding files through AddFile, the open-file dialog and drops, with real probing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QTimer>

#include "FileListTestUtil.h"
#include "core/Helpers.h"
#include "filelist/MediaFilters.h"
#include "filelist/NativePath.h"
#include "filelist/RowTexts.h"
#include "filelist/WaitWindow.h"
#include "support/Fixtures.h"

using namespace filelisttest;

namespace {

// Drags `paths` over the list and drops them, as a file manager does; true when the
// list took them as a copy. The adding runs once the drop has returned.
bool Drop(ListHarness& h, const QList<QByteArray>& paths, bool asFiles = true) {
  QMimeData mime;
  QByteArray uris;
  for (const QByteArray& p : paths)
    uris += "file://" + p.toPercentEncoding("/") + "\r\n";
  if (asFiles)
    mime.setData("text/uri-list", uris);
  else
    mime.setText(QString::fromUtf8(paths.value(0)));
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(h.list->viewport(), &enter);
  if (!enter.isAccepted() || enter.dropAction() != Qt::CopyAction) return false;
  QDropEvent drop(QPointF(20, 20), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(h.list->viewport(), &drop);
  QApplication::processEvents();  // the list takes the drop from the event loop
  h.Finish();
  return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

QString Codec(const QString& file, const char* stream) {
  return Fixtures::Probe(file, stream, "stream=codec_name");
}

}  // namespace

TEST(AddFile, FillsEveryColumn) {
  ListHarness h;
  MessageRecorder messages;
  ASSERT_TRUE(h.files->AddFile(AudioVideo()));
  ASSERT_TRUE(h.files->AddFile(AudioOnly()));
  ASSERT_TRUE(h.files->AddFile(VideoOnly()));
  EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join("|").toStdString();

  EXPECT_EQ(h.Texts(0), QStringList({AudioVideo(), AudioOnly(), VideoOnly()}));
  EXPECT_EQ(h.Texts(1), QStringList({"MP4", "WAV", "MKV"}));
  EXPECT_EQ(h.Texts(2), QStringList({"00:00:01", "00:00:01", "00:00:01"}));
  EXPECT_EQ(h.Texts(3), QStringList({"320 X 240", "N/A", "320 X 240"}));
  EXPECT_EQ(h.Texts(6), QStringList({Codec(AudioVideo(), "v:0"), "N/A", Codec(VideoOnly(), "v:0")}));
  EXPECT_EQ(h.Texts(7), QStringList({Codec(AudioVideo(), "a:0"), "pcm_s16le", "N/A"}));
  EXPECT_EQ(h.Cell(2, 3, Qt::ToolTipRole), "Audio tracks: 0, subtitle tracks: 0");
  EXPECT_EQ(h.Cell(0, 0, Qt::ToolTipRole), "Audio tracks: 1, subtitle tracks: 0");
  const std::vector<FileRow> rows = h.files->Rows();
  for (int i = 0; i < 3; ++i) {
    const FileRow& row = rows[size_t(i)];
    const QFileInfo info(row.path);
    EXPECT_EQ(row.source.fileBytes, info.size());
    EXPECT_EQ(h.Cell(i, 4, Qt::DisplayRole), FormatFileSizeText(info.size()));
    EXPECT_EQ(h.Cell(i, 5, Qt::DisplayRole), info.lastModified().toString("yyyy/MM/dd HH:mm:ss"));
    EXPECT_NEAR(row.source.durationUs / 1e6, 1.0, 0.1);
    EXPECT_EQ(row.nativePath, Bytes(row.path));
  }
  // A camcorder-like recording whose header marks its fields says so in the tooltip.
  const QString interlaced = Fixtures::PathIn("interlaced.ts");
  ASSERT_TRUE(
      Fixtures::Make(interlaced, {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25", "-t", "1", "-flags",
                                  "+ilme+ildct", "-field_order", "tt", "-c:v", "mpeg2video"}));
  ASSERT_TRUE(h.files->AddFile(interlaced));
  EXPECT_EQ(h.Cell(3, 0, Qt::ToolTipRole), "Audio tracks: 0, subtitle tracks: 0, interlaced");
  EXPECT_EQ(rows[0].source.storedWidth, 320);
  EXPECT_EQ(rows[2].source.uprightHeight, 240);
}

TEST(AddFile, DuplicatesOnlyByExactPath) {
  ListHarness h;
  MessageRecorder messages;
  const QString lower = QString::fromUtf8(CopySample("case.mp4"));
  const QString upper = QString::fromUtf8(CopySample("CASE.mp4"));
  EXPECT_TRUE(h.files->AddFile(lower));
  EXPECT_TRUE(h.files->IsListed(lower));
  EXPECT_FALSE(h.files->IsListed(upper));
  EXPECT_FALSE(h.files->AddFile(lower));
  EXPECT_TRUE(h.files->AddFile(upper));
  // Moved rows are still known; removed or cleared ones can come back.
  h.SetCurrentRow(0);
  h.files->MoveRowDown();
  EXPECT_FALSE(h.files->AddFile(lower));
  h.files->RemoveSelectedRows();  // the moved "case.mp4"
  EXPECT_TRUE(h.files->AddFile(lower));
  h.files->ClearAllRows();
  EXPECT_TRUE(h.files->AddFile(upper));
  EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST(AddFile, UnopenableFilesGiveTheMessageAndNoRow) {
  ListHarness h;
  MessageRecorder messages;
  const QString empty = Folder() + "empty.mp3", link = Folder() + "dangling.mp4",
                fifo = Folder() + "pipe.mp4";
  QFile(empty).open(QIODevice::WriteOnly);
  QFile::link(Folder() + "gone.mp4", link);
  ::mkfifo(QFile::encodeName(fifo).constData(), 0600);  // would block a plain read forever
  const QStringList bad = {Broken(), empty, link, fifo, Folder() + "missing.avi", Folder()};
  for (const QString& path : bad)
    EXPECT_FALSE(h.files->AddFile(path)) << path.toStdString();
  EXPECT_EQ(h.files->RowCount(), 0);
  ASSERT_EQ(messages.Texts().size(), bad.size());
  for (int i = 0; i < bad.size(); ++i) {
    const QString head = "Can not open file: \n" + bad[i] + "\n\nError: \n";
    EXPECT_TRUE(messages.Texts()[i].startsWith(head)) << messages.Texts()[i].toStdString();
    EXPECT_GT(messages.Texts()[i].size(), head.size());  // the reason follows
  }
  EXPECT_TRUE(h.files->AddFile(AudioVideo()));  // the decoder still works
  QFile::remove(fifo);
}

TEST(AddFile, AwkwardNamesKeepTheirExactBytes) {
  ListHarness h;
  MessageRecorder messages;
  QList<QByteArray> paths;
  for (const char* name :
       {"with space.mp4", "quote\"s 'both'.mp4", "semi;colon.mp4", "-leading-dash.mp4",
        "\xD0\xBA\xD0\xB8\xD0\xBD\xD0\xBE \xE6\x98\xA0\xE7\x94\xBB.mp4", "latin1-caf\xE9.mp4"})
    paths << CopySample(name);
  // As text, the way the dialog hands them over; the last one lost its invalid byte.
  for (const QByteArray& p : paths)
    EXPECT_TRUE(h.files->AddFile(QString::fromUtf8(p)));
  const QByteArray dropped = CopySample("dropped\xFE.mp4");
  EXPECT_TRUE(Drop(h, {dropped}));
  paths << dropped;
  EXPECT_TRUE(messages.Texts().isEmpty()) << messages.Texts().join("|").toStdString();

  const std::vector<FileRow> rows = h.files->Rows();
  ASSERT_EQ(rows.size(), size_t(paths.size()));
  for (int i = 0; i < paths.size(); ++i) {
    EXPECT_EQ(rows[i].nativePath, paths[i]);
    EXPECT_EQ(NativePath::Encode(rows[i].path), paths[i]);  // the text keeps every byte
    EXPECT_EQ(h.Cell(i, 3, Qt::DisplayRole), "320 X 240");
  }
  EXPECT_EQ(rows[4].path, QString::fromUtf8(paths[4]));
  EXPECT_TRUE(rows.back().path.endsWith(QString("dropped") + QChar(0xDCFE) + ".mp4"));
  for (const QByteArray& p : paths)
    ::unlink(p.constData());
}

TEST(AddFilesWithDialog, FolderFiltersWaitWindowAndLastRowSelected) {
  ListHarness h;
  MessageRecorder messages;
  h.files->SetLastOpenFolder("/srv/media/");
  Ui::OpenFilesRequest seen;
  QStringList answer = {AudioVideo(), Broken(), AudioOnly()};
  Ui::SetOpenFilesHandler([&](const Ui::OpenFilesRequest& r) {
    seen = r;
    return answer;
  });
  // The broken files are told once adding is over, with the wait window gone.
  bool waitShown = true;
  messages.onMessage = [&] { waitShown = h.files->CurrentWaitWindow() != nullptr; };
  answer.insert(1, Broken2());
  h.files->AddFilesWithDialog();
  h.Finish();
  EXPECT_EQ(seen.folder, "/srv/media/");
  EXPECT_EQ(seen.owner, &h.owner);
  EXPECT_EQ(seen.filters, MediaDialogFilters());
  ASSERT_EQ(messages.Texts().size(), 1);  // both broken files in one box; the others came in
  EXPECT_TRUE(messages.Texts()[0].startsWith("2 file(s) could not be opened:\n" + Broken2()))
      << messages.Texts()[0].toStdString();
  EXPECT_FALSE(waitShown);
  EXPECT_EQ(h.files->CurrentWaitWindow(), nullptr);
  EXPECT_EQ(h.owner.cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(h.Texts(0), QStringList({AudioVideo(), AudioOnly()}));
  EXPECT_EQ(h.files->LastOpenFolder(), Folder());
  EXPECT_EQ(h.SelectedRows(), QList<int>({1}));
  EXPECT_EQ(h.CurrentRow(), 1);

  // One file: no wait window, and the folder is the file's.
  QDir().mkpath(Folder() + "sub");
  answer = {Folder() + "sub/single.avi"};
  QFile::copy(Broken(), answer[0]);
  messages.onMessage = [&] { EXPECT_EQ(h.files->CurrentWaitWindow(), nullptr); };
  h.files->AddFilesWithDialog();
  h.Finish();
  EXPECT_EQ(messages.Texts().size(), 2);
  EXPECT_EQ(h.files->LastOpenFolder(), Folder() + "sub/");

  // Cancelled after the user picked another row: only the last row is selected again.
  h.SetCurrentRow(0);
  answer.clear();
  h.files->AddFilesWithDialog();
  h.Finish();
  EXPECT_EQ(h.SelectedRows(), QList<int>({1}));
  EXPECT_EQ(h.files->SelectedRow()->path, AudioOnly());
}

TEST(DropFiles, FoldersSkippedSelectionAndFolderUntouched) {
  ListHarness h;
  MessageRecorder messages;
  EXPECT_FALSE(Drop(h, {"plain text"}, false));  // no file list: no drop
  ASSERT_TRUE(h.files->AddFile(VideoOnly()));
  h.SetCurrentRow(0);
  h.files->SetLastOpenFolder("/keep/");
  bool waitShown = true;
  messages.onMessage = [&] { waitShown = h.files->CurrentWaitWindow() != nullptr; };
  QDir().mkpath(Folder() + "a folder");
  EXPECT_TRUE(Drop(h, {Bytes(Folder() + "a folder"), Bytes(AudioVideo()), Bytes(Broken()), Bytes(AudioOnly()),
                       Bytes(VideoOnly())}));
  EXPECT_EQ(h.Texts(0), QStringList({VideoOnly(), AudioVideo(), AudioOnly()}));
  ASSERT_EQ(messages.Texts().size(), 1);
  EXPECT_TRUE(messages.Texts()[0].endsWith("No media files were found in " + Folder() + "a folder."))
      << messages.Texts()[0].toStdString();
  EXPECT_FALSE(waitShown);
  EXPECT_EQ(h.files->LastOpenFolder(), "/keep/");
  EXPECT_EQ(h.SelectedRows(), QList<int>({0}));
}

TEST(DropFiles, ManyFilesKeepTheWindowAliveAndTotalsMoving) {
  ListHarness h;
  QLabel filesPane, durationPane;
  h.files->SetPanes(&filesPane, &durationPane);
  QList<QByteArray> paths;
  for (int i = 0; i < 40; ++i)
    paths << CopySample("many-" + QByteArray::number(i) + ".mp4");
  QStringList seen;
  QTimer timer;  // stands in for the main window's totals timer
  QObject::connect(&timer, &QTimer::timeout, h.files.get(), &FileList::RefreshTotals);
  QObject::connect(&timer, &QTimer::timeout, [&] { seen << filesPane.text(); });
  timer.start(0);
  EXPECT_TRUE(Drop(h, paths));
  timer.stop();
  EXPECT_EQ(h.files->RowCount(), 40);
  seen.removeDuplicates();
  EXPECT_GT(seen.size(), 3) << "the totals did not move while adding";
  for (const QByteArray& p : paths)
    ::unlink(p.constData());
}
