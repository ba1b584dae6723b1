// The list commands, the status totals, the wait window and the context-menu signal.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "FileListTestUtil.h"
#include "filelist/FormWait.h"

using namespace filelisttest;

namespace {

FileRow MakeRow(int n, double seconds) {
  FileRow row;
  row.path = QString("/media/clip%1.mp4").arg(n);
  row.nativePath = row.path.toUtf8();
  row.type = "MP4";
  row.duration = QString("d%1").arg(n);
  row.videoSize = QString("%1 X 240").arg(n);
  row.fileSize = QString("%1.0 MB").arg(n);
  row.modified = QString("2024/01/0%1 00:00:00").arg(n);
  row.videoCodec = QString("v%1").arg(n);
  row.audioCodec = QString("a%1").arg(n);
  row.durationSeconds = seconds;
  return row;
}

// A list of `count` rows: row i (0-based) has file number i + 1 and lasts (i + 1) * 60 s.
void Fill(ListHarness& h, int count) {
  for (int i = 0; i < count; ++i) h.list->AppendRow(MakeRow(i + 1, (i + 1) * 60.0));
}

void SelectOnly(ListHarness& h, const QList<int>& rows, int current) {
  h.list->clearSelection();
  h.list->setCurrentItem(h.list->topLevelItem(current), 0, QItemSelectionModel::NoUpdate);
  for (int r : rows) h.list->topLevelItem(r)->setSelected(true);
}

QStringList Order(const ListHarness& h) {
  QStringList names;
  for (const FileRow& row : h.files->Rows()) names << row.path.mid(11, 1);
  return names;
}

}  // namespace

TEST(ListCommands, SelectInvertRemoveClear) {
  ListHarness h;
  h.owner.show();
  // On an empty list every command is harmless.
  h.files->SelectAllRows();
  h.files->InvertSelection();
  h.files->RemoveSelectedRows();
  h.files->ClearAllRows();
  h.files->MoveRowUp();
  h.files->MoveRowDown();
  EXPECT_FALSE(h.files->SelectedRow().has_value());

  Fill(h, 5);
  h.owner.setFocus();
  h.files->SelectAllRows();
  EXPECT_EQ(h.SelectedRows(), QList<int>({0, 1, 2, 3, 4}));
  EXPECT_EQ(h.owner.focusWidget(), h.list);
  SelectOnly(h, {1, 3}, 1);
  h.files->InvertSelection();
  EXPECT_EQ(h.SelectedRows(), QList<int>({0, 2, 4}));
  EXPECT_EQ(h.owner.focusWidget(), h.list);
  h.files->RemoveSelectedRows();
  EXPECT_EQ(Order(h), QStringList({"2", "4"}));
  h.files->RemoveSelectedRows();  // nothing selected: nothing removed
  EXPECT_EQ(h.files->RowCount(), 2);
  h.files->ClearAllRows();
  EXPECT_EQ(h.files->RowCount(), 0);
}

TEST(ListCommands, MovesCarryTheWholeRowAndItsSelection) {
  ListHarness h;
  Fill(h, 3);
  const FileRow first = h.files->Rows()[0];
  const FileRow last = h.files->Rows()[2];

  SelectOnly(h, {0}, 0);
  h.files->MoveRowUp();  // first row: nothing happens
  EXPECT_EQ(Order(h), QStringList({"1", "2", "3"}));
  h.files->MoveRowDown();
  EXPECT_EQ(Order(h), QStringList({"2", "1", "3"}));
  EXPECT_EQ(h.SelectedRows(), QList<int>({1}));
  EXPECT_EQ(h.CurrentRow(), 1);
  const FileRow moved = h.files->Rows()[1];
  EXPECT_EQ(moved.path, first.path);
  EXPECT_EQ(moved.nativePath, first.nativePath);
  EXPECT_EQ(moved.type, first.type);
  EXPECT_EQ(moved.duration, first.duration);
  EXPECT_EQ(moved.videoSize, first.videoSize);
  EXPECT_EQ(moved.fileSize, first.fileSize);
  EXPECT_EQ(moved.modified, first.modified);
  EXPECT_EQ(moved.videoCodec, first.videoCodec);
  EXPECT_EQ(moved.audioCodec, first.audioCodec);
  EXPECT_EQ(moved.durationSeconds, first.durationSeconds);
  EXPECT_EQ(h.files->SelectedRow()->path, first.path);

  h.files->MoveRowDown();
  h.files->MoveRowDown();  // now last: nothing happens
  EXPECT_EQ(Order(h), QStringList({"2", "3", "1"}));
  EXPECT_EQ(h.files->Rows()[1].durationSeconds, last.durationSeconds);
  EXPECT_EQ(h.SelectedRows(), QList<int>({2}));

  // With two rows selected, the neighbour that was passed loses its selection.
  SelectOnly(h, {0, 1}, 1);
  h.files->MoveRowUp();
  EXPECT_EQ(Order(h), QStringList({"3", "2", "1"}));
  EXPECT_EQ(h.SelectedRows(), QList<int>({0}));
  EXPECT_EQ(h.CurrentRow(), 0);

  // No current row: nothing happens.
  h.list->setCurrentItem(nullptr);
  h.files->MoveRowDown();
  EXPECT_EQ(Order(h), QStringList({"3", "2", "1"}));
}

TEST(Totals, FollowTheRowsOnTheTimer) {
  ListHarness h;
  QLabel filesPane("Total Files: 0"), durationPane("Total Duration: 00:00:00");
  h.files->SetPanes(&filesPane, &durationPane);
  EXPECT_EQ(h.files->LastCountedRows(), 0);

  Fill(h, 3);  // 60 + 120 + 180 s
  h.files->RefreshTotals();
  EXPECT_EQ(filesPane.text(), "Total Files: 3");
  EXPECT_EQ(durationPane.text(), "Total Duration: 00:06:00");
  EXPECT_EQ(h.files->LastCountedRows(), 3);

  // Nothing changed (a move reorders only): the panes are left alone.
  filesPane.setText("untouched");
  SelectOnly(h, {0}, 0);
  h.files->MoveRowDown();
  h.files->RefreshTotals();
  EXPECT_EQ(filesPane.text(), "untouched");

  // One row removed and another added between two ticks: same count, new total.
  SelectOnly(h, {2}, 2);  // the 180 s row
  h.files->RemoveSelectedRows();
  h.list->AppendRow(MakeRow(9, 30));
  h.files->RefreshTotals();
  EXPECT_EQ(filesPane.text(), "Total Files: 3");
  EXPECT_EQ(durationPane.text(), "Total Duration: 00:03:30");

  // A tag that is not a number is skipped.
  h.list->topLevelItem(0)->setData(0, ListView1::DurationTagRole, QString("abc"));
  h.list->AppendRow(MakeRow(8, 1));
  h.files->RefreshTotals();
  EXPECT_EQ(durationPane.text(), "Total Duration: 00:01:31");  // 60 + 30 + 1

  h.files->ClearAllRows();
  h.files->RefreshTotals();
  EXPECT_EQ(filesPane.text(), "Total Files: 0");
  EXPECT_EQ(durationPane.text(), "Total Duration: 00:00:00");
  EXPECT_EQ(h.files->LastCountedRows(), 0);
}

TEST(FormWait, RefusesTheUserButNotTheProgram) {
  QWidget owner;
  FormWait wait(&owner);
  wait.show();
  EXPECT_EQ(wait.windowTitle(), "Please wait...");
  EXPECT_NE(wait.findChild<QLabel*>("LabelWait"), nullptr);
  EXPECT_EQ(wait.findChild<QLabel*>("LabelWait")->text(), "Reading files, please wait...");
  EXPECT_FALSE(wait.isModal());
  EXPECT_FALSE(wait.close());
  QTest::keyClick(&wait, Qt::Key_Escape);
  EXPECT_TRUE(wait.isVisible());
  wait.CloseByProgram();
  EXPECT_FALSE(wait.isVisible());
}

TEST(ListView1, RightButtonReleaseAsksForTheMenuAndHeadersDoNotSort) {
  ListHarness h;
  h.owner.show();
  Fill(h, 3);
  QSignalSpy spy(h.list, &ListView1::contextMenuRequested);
  QTest::mouseRelease(h.list->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
  EXPECT_EQ(spy.count(), 0);
  QTest::mousePress(h.list->viewport(), Qt::RightButton, {}, QPoint(30, 10));
  EXPECT_EQ(spy.count(), 0);
  QTest::mouseRelease(h.list->viewport(), Qt::RightButton, {}, QPoint(30, 10));
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy[0][0].toPoint(), h.list->viewport()->mapToGlobal(QPoint(30, 10)));
  QTest::mouseRelease(h.list->viewport(), Qt::RightButton, {}, QPoint(30, 350));  // empty area
  QTest::mouseRelease(h.list->header()->viewport(), Qt::RightButton, {}, QPoint(30, 5));
  EXPECT_EQ(spy.count(), 3);

  const QPoint header(h.list->header()->sectionPosition(0) + 10, 5);
  QTest::mouseClick(h.list->header()->viewport(), Qt::LeftButton, {}, header);
  EXPECT_EQ(Order(h), QStringList({"1", "2", "3"}));
  QTest::mouseClick(h.list->header()->viewport(), Qt::LeftButton, {}, header);
  EXPECT_EQ(Order(h), QStringList({"1", "2", "3"}));
}
