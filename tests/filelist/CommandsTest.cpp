// The list commands, the status totals, the wait window and the context-menu signal.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "FileListTestUtil.h"
#include "filelist/WaitWindow.h"

using namespace filelisttest;

namespace {

// Appends rows 1..count; row n is "/m/n.mp4", lasts n minutes and has n in every fact.
void Fill(ListHarness& h, int count) {
  for (int n = 1; n <= count; ++n) {
    const QString t = QString::number(n);
    FileRow row{"/m/" + t + ".mp4", ("/m/" + t + ".mp4").toUtf8(), {}};
    row.source.durationUs = n * 60000000LL;
    row.source.storedWidth = row.source.uprightWidth = n;
    row.source.videoCodec = "V" + t;
    row.source.audioCodec = "A" + t;
    row.source.fileBytes = n;
    h.list->AppendRow(row);
  }
}

void Select(ListHarness& h, const QList<int>& rows, int current) {
  h.list->clearSelection();
  h.list->selectionModel()->setCurrentIndex(h.list->model()->index(current, 0),
                                            QItemSelectionModel::NoUpdate);
  for (int r : rows)
    h.list->SetRowSelected(r, true);
}

// The row numbers in display order, after checking that every fact still belongs
// to the same file.
QString Order(const ListHarness& h) {
  QString order;
  for (const FileRow& r : h.files->Rows()) {
    const QString n = r.path.mid(3, 1);
    const SourceSummary& s = r.source;
    EXPECT_EQ(QStringList({s.videoCodec, s.audioCodec}), QStringList({"V" + n, "A" + n}));
    EXPECT_EQ(QList<int64_t>({s.durationUs, s.uprightWidth, s.fileBytes}),
              QList<int64_t>({n.toInt() * 60000000LL, n.toInt(), n.toInt()}));
    EXPECT_EQ(r.nativePath, r.path.toUtf8());
    order += n;
  }
  return order;
}

}  // namespace

TEST(ListCommands, SelectInvertRemoveClear) {
  ListHarness h;
  h.owner.show();
  for (auto command : {&FileList::SelectAllRows, &FileList::InvertSelection, &FileList::RemoveSelectedRows,
                       &FileList::ClearAllRows, &FileList::MoveRowUp, &FileList::MoveRowDown})
    (h.files.get()->*command)();  // harmless on an empty list
  Fill(h, 5);
  h.owner.setFocus();
  h.files->SelectAllRows();
  EXPECT_EQ(h.SelectedRows(), QList<int>({0, 1, 2, 3, 4}));
  EXPECT_EQ(h.owner.focusWidget(), h.list);
  Select(h, {1, 3}, 1);
  h.owner.setFocus();
  h.files->InvertSelection();
  EXPECT_EQ(h.SelectedRows(), QList<int>({0, 2, 4}));
  EXPECT_EQ(h.owner.focusWidget(), h.list);
  h.files->RemoveSelectedRows();
  EXPECT_EQ(Order(h), "24");
  h.list->clearSelection();
  h.files->RemoveSelectedRows();
  EXPECT_EQ(Order(h), "24");
  h.files->ClearAllRows();
  EXPECT_EQ(h.files->RowCount(), 0);
}

TEST(ListCommands, MovesCarryTheWholeRowAndItsSelection) {
  ListHarness h;
  Fill(h, 3);
  Select(h, {0}, 0);
  h.files->MoveRowUp();  // already first
  EXPECT_EQ(Order(h), "123");
  h.files->MoveRowDown();
  EXPECT_EQ(Order(h), "213");
  EXPECT_EQ(h.SelectedRows(), QList<int>({1}));
  EXPECT_EQ(h.CurrentRow(), 1);
  h.files->MoveRowDown();
  h.files->MoveRowDown();  // already last
  EXPECT_EQ(Order(h), "231");
  EXPECT_EQ(h.files->SelectedRow()->path, "/m/1.mp4");
  h.list->clearSelection();
  h.list->setCurrentIndex(QModelIndex());
  h.files->MoveRowDown();  // no current row
  EXPECT_EQ(Order(h), "231");
}

TEST(ListCommands, SeveralSelectedRowsMoveAsABlock) {
  ListHarness h;
  Fill(h, 6);
  Select(h, {1, 2}, 2);
  h.files->MoveRowUp();
  EXPECT_EQ(Order(h), "231456");
  EXPECT_EQ(h.SelectedRows(), QList<int>({0, 1}));
  EXPECT_EQ(h.CurrentRow(), 1);  // the current row travels with its file
  h.files->MoveRowUp();          // the block is at the top: nothing moves
  EXPECT_EQ(Order(h), "231456");
  EXPECT_EQ(h.SelectedRows(), QList<int>({0, 1}));
  h.files->MoveRowDown();
  h.files->MoveRowDown();
  EXPECT_EQ(Order(h), "142356");
  EXPECT_EQ(h.SelectedRows(), QList<int>({2, 3}));
  EXPECT_EQ(h.files->SelectedRow()->path, "/m/3.mp4");

  // A selection with a gap keeps its gap; the current row need not be selected.
  Select(h, {0, 2, 5}, 3);
  h.files->MoveRowDown();  // the last row cannot go further: nothing moves
  EXPECT_EQ(Order(h), "142356");
  Select(h, {1, 3}, 0);
  h.files->MoveRowDown();
  EXPECT_EQ(Order(h), "124536");
  EXPECT_EQ(h.SelectedRows(), QList<int>({2, 4}));
  EXPECT_EQ(h.CurrentRow(), 0);
  h.files->MoveRowUp();
  EXPECT_EQ(Order(h), "142356");
  EXPECT_EQ(h.SelectedRows(), QList<int>({1, 3}));
}

TEST(Totals, FollowTheRowsOnTheTimer) {
  ListHarness h;
  QLabel files("Total Files: 0"), duration("Total Duration: 00:00:00");
  h.files->SetPanes(&files, &duration);
  Fill(h, 3);  // 1 + 2 + 3 minutes
  h.files->RefreshTotals();
  EXPECT_EQ(files.text() + "|" + duration.text(), "Total Files: 3|Total Duration: 00:06:00");
  EXPECT_EQ(h.files->LastCountedRows(), 3);

  // Nothing but a move since the last tick: the panes are left alone.
  files.setText("untouched");
  Select(h, {0}, 0);
  h.files->MoveRowDown();
  h.files->RefreshTotals();
  EXPECT_EQ(files.text(), "untouched");

  // A row removed and another added between two ticks: same count, but a new total.
  Select(h, {2}, 2);
  h.files->RemoveSelectedRows();
  Fill(h, 1);
  h.files->RefreshTotals();
  EXPECT_EQ(files.text() + "|" + duration.text(), "Total Files: 3|Total Duration: 00:04:00");

  h.files->ClearAllRows();
  h.files->RefreshTotals();
  EXPECT_EQ(files.text() + "|" + duration.text(), "Total Files: 0|Total Duration: 00:00:00");
  EXPECT_EQ(h.files->LastCountedRows(), 0);
}

TEST(WaitWindow, RefusesTheUserButNotTheProgram) {
  QWidget owner;
  WaitWindow wait(&owner);
  wait.show();
  EXPECT_EQ(wait.windowTitle(), "Please wait...");
  ASSERT_NE(wait.findChild<QLabel*>("LabelWait"), nullptr);
  EXPECT_EQ(wait.findChild<QLabel*>("LabelWait")->text(), "Reading files, please wait...");
  EXPECT_FALSE(wait.isModal());
  EXPECT_FALSE(wait.close());
  QTest::keyClick(&wait, Qt::Key_Escape);
  EXPECT_TRUE(wait.isVisible());
  wait.CloseByProgram();
  EXPECT_FALSE(wait.isVisible());
}

TEST(FileView, RightButtonReleaseAsksForTheMenu) {
  ListHarness h;
  h.owner.show();
  Fill(h, 3);
  QSignalSpy spy(h.list, &FileView::contextMenuRequested);
  QTest::mouseRelease(h.list->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
  QTest::mousePress(h.list->viewport(), Qt::RightButton, {}, QPoint(30, 10));
  EXPECT_EQ(spy.count(), 0);
  QTest::mouseRelease(h.list->viewport(), Qt::RightButton, {}, QPoint(30, 10));
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy[0][0].toPoint(), h.list->viewport()->mapToGlobal(QPoint(30, 10)));
  QTest::mouseRelease(h.list->viewport(), Qt::RightButton, {}, QPoint(30, 350));  // below the rows
  QTest::mouseRelease(h.list->header()->viewport(), Qt::RightButton, {}, QPoint(30, 5));
  EXPECT_EQ(spy.count(), 3);
}
