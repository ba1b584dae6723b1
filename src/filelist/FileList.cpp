#include "filelist/FileList.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "core/Helpers.h"
#include "desktop/UiServices.h"
#include "engine/FFDecoder.h"
#include "filelist/FileView.h"
#include "filelist/MediaFilters.h"
#include "filelist/NativePath.h"
#include "filelist/RowTexts.h"
#include "filelist/WaitWindow.h"

namespace {

// The folder part of a path, ending in "/".
QString FolderOf(const QString& path) { return path.left(path.lastIndexOf('/') + 1); }

}  // namespace

void FileList::SetPanes(QLabel* filesPane, QLabel* durationPane) {
  files_pane_ = filesPane;
  duration_pane_ = durationPane;
}

void FileList::AddFilesWithDialog() {
  const QStringList files = Ui::GetOpenFileNames(owner_, last_open_folder_, MediaDialogFilters());
  QList<AddEntry> entries;
  for (const QString& file : files) {
    if (file.isEmpty()) continue;
    last_open_folder_ = FolderOf(file);
    // The exact bytes are the row's identity; for any name that is valid text this
    // is the same as comparing the row texts.
    entries.append({NativePath::Resolve(file), Expect::File, true});
  }
  AddOptions options;
  options.showWait = entries.size() > 1;  // one file comes in behind the busy cursor alone
  options.selectLastRow = true;
  StartAdd(std::move(entries), options);
}

bool FileList::AddFile(const QString& path) {
  // The exact bytes are the row's identity; for any name that is valid text this is
  // the same as comparing the row texts.
  return AddNativeFile(NativePath::Resolve(path));
}

bool FileList::AddNativeFile(const QByteArray& nativePath) {
  if (IsListedNative(nativePath)) return false;
  FileRow row;
  row.path = NativePath::Display(nativePath);
  row.nativePath = nativePath;
  QString error;
  if (!ProbePool::Describe(decoder_, nativePath, row.source, error)) {
    ShowOpenFailure(row.path, error);
    return false;
  }
  const bool indexWasValid = listed_paths_valid_;
  file_view_->AppendRow(row);
  if (indexWasValid) {
    listed_paths_.insert(nativePath);
    listed_paths_valid_ = true;
  }
  return true;
}

void FileList::AddDroppedFiles(const QList<QByteArray>& nativePaths) {
  if (nativePaths.isEmpty()) return;
  QList<AddEntry> entries;
  for (const QByteArray& nativePath : nativePaths)
    entries.append({nativePath, Expect::FileOrFolder, true});
  StartAdd(std::move(entries), AddOptions{});  // Cancel appears once a dropped folder is reached
}

bool FileList::IsListed(const QString& path) const {
  const std::vector<FileRow>& rows = file_view_->Rows()->Rows();
  return std::any_of(rows.begin(), rows.end(), [&](const FileRow& row) { return row.path == path; });
}

bool FileList::IsListedNative(const QByteArray& nativePath) const {
  if (!listed_paths_valid_) {
    listed_paths_.clear();
    for (const FileRow& row : file_view_->Rows()->Rows())
      listed_paths_.insert(row.nativePath);
    listed_paths_valid_ = true;
  }
  return listed_paths_.contains(nativePath);
}

void FileList::ShowOpenFailure(const QString& path, const QString& error) {
  Ui::ShowMessage(owner_, OpenFailureText(path, error), Ui::MessageIcon::Critical);
}

void FileList::SelectOnlyLastRow() {
  const int n = RowCount();
  if (n == 0) return;
  const QModelIndex last = file_view_->Rows()->index(n - 1, 0);
  file_view_->clearSelection();
  file_view_->selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
  file_view_->SetRowSelected(n - 1, true);
  file_view_->scrollTo(last);
}

void FileList::SelectAllRows() {
  if (RowCount() == 0) return;
  file_view_->selectAll();
  file_view_->setFocus();
}

void FileList::InvertSelection() {
  const int n = RowCount();
  if (n == 0) return;
  QAbstractItemModel* model = file_view_->model();
  const QItemSelection all(model->index(0, 0), model->index(n - 1, model->columnCount() - 1));
  file_view_->selectionModel()->select(all, QItemSelectionModel::Toggle);
  file_view_->setFocus();
}

void FileList::RemoveSelectedRows() {
  const int n = RowCount();
  if (n == 0) return;
  for (int i = n - 1; i >= 0; --i) {
    if (file_view_->IsRowSelected(i)) file_view_->Rows()->RemoveRow(i);
  }
  file_view_->setFocus();
}

void FileList::ClearAllRows() {
  std::vector<FileRow> rows = Rows();
  file_view_->Rows()->Clear();
  if (!rows.empty()) cleared_rows_ = std::move(rows);  // after the clear's own change
}

bool FileList::UndoClearAll() {
  if (cleared_rows_.empty()) return false;
  const std::vector<FileRow> rows = std::exchange(cleared_rows_, {});
  file_view_->Rows()->Append(rows);
  SelectOnlyLastRow();
  return true;
}

void FileList::MoveRowUp() { MoveCurrentRow(-1); }
void FileList::MoveRowDown() { MoveCurrentRow(+1); }

void FileList::MoveCurrentRow(int offset) {
  if (file_view_->selectionModel()->selectedRows().size() > 1) {
    MoveSelectedBlock(offset);
    return;
  }
  const int from = file_view_->CurrentRow();
  const int to = from + offset;
  if (from < 0 || file_view_->Rows()->Row(from).path.isEmpty()) return;
  if (to < 0 || to >= RowCount()) return;
  // Exchange the contents, so the rows themselves (and the totals) stay put.
  file_view_->Rows()->SwapRows(from, to);
  file_view_->SetRowSelected(from, false);
  file_view_->SetRowSelected(to, true);
  file_view_->selectionModel()->setCurrentIndex(file_view_->Rows()->index(to, 0),
                                                QItemSelectionModel::NoUpdate);
  file_view_->scrollTo(file_view_->Rows()->index(to, 0));
  file_view_->setFocus();
}

void FileList::MoveSelectedBlock(int offset) {
  const int count = RowCount();
  std::vector<int> selected;
  for (int i = 0; i < count; ++i) {
    if (file_view_->IsRowSelected(i)) selected.push_back(i);
  }
  // The selection moves as one piece, gaps included; at the edge it stays put.
  if (selected.empty() || selected.front() + offset < 0 || selected.back() + offset >= count) return;
  const int current = file_view_->CurrentRow();
  bool currentMoved = false;
  // Each selected row trades places with its neighbour in the moving direction,
  // starting with the row nearest that edge, so no row is moved twice.
  if (offset > 0) std::reverse(selected.begin(), selected.end());
  for (const int from : selected) {
    file_view_->Rows()->SwapRows(from, from + offset);
    file_view_->SetRowSelected(from, false);
    file_view_->SetRowSelected(from + offset, true);
    if (from == current) currentMoved = true;
  }
  if (currentMoved) {
    file_view_->selectionModel()->setCurrentIndex(file_view_->Rows()->index(current + offset, 0),
                                                  QItemSelectionModel::NoUpdate);
  }
  file_view_->scrollTo(file_view_->Rows()->index(selected.front() + offset, 0));  // the leading row
  file_view_->setFocus();
}

std::vector<FileRow> FileList::Rows() const { return file_view_->Rows()->Rows(); }

std::optional<FileRow> FileList::SelectedRow() const {
  const int current = file_view_->CurrentRow();
  if (current < 0) return std::nullopt;
  return file_view_->Rows()->Row(current);
}

WaitWindow* FileList::CurrentWaitWindow() const { return wait_window_.data(); }

int FileList::RowCount() const { return file_view_->Rows()->Count(); }
void FileList::OnRowsChanged() {
  rows_changed_ = true;
  listed_paths_valid_ = false;
  cleared_rows_.clear();  // Clear All can be undone only until the next change
}

void FileList::OnRowTextsChanged() {
  listed_paths_valid_ = false;
  cleared_rows_.clear();
}

void FileList::RefreshTotals() {
  const int n = RowCount();
  // The count alone would miss a removal and an addition between two refreshes.
  if (n == last_counted_rows_ && !rows_changed_) return;
  double total = 0;
  for (const FileRow& row : file_view_->Rows()->Rows())
    total += row.source.DurationSeconds();
  if (files_pane_) files_pane_->setText(tr("Total Files: %1").arg(n));
  if (duration_pane_) duration_pane_->setText(tr("Total Duration: %1").arg(FormatDuration(total)));
  last_counted_rows_ = n;
  rows_changed_ = false;
}
