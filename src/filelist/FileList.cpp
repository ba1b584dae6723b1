#include "filelist/FileList.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "common/Helpers.h"
#include "common/UiServices.h"
#include "engine/FFDecoder.h"
#include "filelist/FormWait.h"
#include "filelist/ListView1.h"
#include "filelist/MediaFilters.h"
#include "filelist/NativePath.h"
#include "filelist/RowTexts.h"

namespace {

// Closes the decoder when probing ends, however it ends.
class DecoderCloser {
 public:
  explicit DecoderCloser(FFDecoder& decoder) : decoder_(decoder) {}
  ~DecoderCloser() { decoder_.Close(); }
  DecoderCloser(const DecoderCloser&) = delete;
  DecoderCloser& operator=(const DecoderCloser&) = delete;

 private:
  FFDecoder& decoder_;
};

// The folder part of a path, ending in "/".
QString FolderOf(const QString& path) { return path.left(path.lastIndexOf('/') + 1); }

}  // namespace

// Shows the wait window for as long as it lives; nested scopes share one window.
class FileList::WaitScope {
 public:
  explicit WaitScope(FileList& files) : files_(files) { files_.BeginWait(); }
  ~WaitScope() { files_.EndWait(); }
  WaitScope(const WaitScope&) = delete;
  WaitScope& operator=(const WaitScope&) = delete;

 private:
  FileList& files_;
};

// The owner window's hourglass for as long as it lives.
class FileList::BusyCursor {
 public:
  explicit BusyCursor(QWidget* owner) : owner_(owner) {
    if (owner_) owner_->setCursor(Qt::WaitCursor);
  }
  ~BusyCursor() {
    if (owner_) owner_->unsetCursor();
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  QPointer<QWidget> owner_;
};

FileList::FileList(ListView1* list, FFDecoder& decoder, const AppState& state, QWidget* owner)
    : list_(list), decoder_(decoder), state_(state), owner_(owner) {
  QAbstractItemModel* model = list_->model();
  connect(model, &QAbstractItemModel::rowsInserted, this, &FileList::OnRowsChanged);
  connect(model, &QAbstractItemModel::rowsRemoved, this, &FileList::OnRowsChanged);
  connect(model, &QAbstractItemModel::modelReset, this, &FileList::OnRowsChanged);
  connect(model, &QAbstractItemModel::dataChanged, this, &FileList::OnRowTextsChanged);
  connect(list_, &ListView1::filesDropped, this, &FileList::AddDroppedFiles);
}

FileList::~FileList() {
  if (wait_) wait_->CloseByProgram();
  delete wait_;
}

void FileList::SetPanes(QLabel* filesPane, QLabel* durationPane) {
  files_pane_ = filesPane;
  duration_pane_ = durationPane;
}

void FileList::AddFilesWithDialog() {
  const QStringList files = Ui::GetOpenFileNames(owner_, last_open_folder_, MediaDialogFilters());
  ProblemScope problems(*this);
  if (!files.isEmpty()) {
    BusyCursor busy(owner_);
    if (files.size() > 1) {
      WaitScope wait(*this);
      for (const QString& file : files) {
        if (file.isEmpty()) continue;
        last_open_folder_ = FolderOf(file);
        AddFile(file);
        LetWindowSystemRun();
      }
    } else {
      last_open_folder_ = FolderOf(files.front());
      AddFile(files.front());
    }
  }
  SelectOnlyLastRow();
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
  if (!ProbeInto(nativePath, row)) return false;
  const bool indexWasValid = listed_paths_valid_;
  list_->AppendRow(row);
  if (indexWasValid) {
    listed_paths_.insert(nativePath);
    listed_paths_valid_ = true;
  }
  return true;
}

void FileList::AddDroppedFiles(const QList<QByteArray>& nativePaths) {
  if (nativePaths.isEmpty()) return;
  ProblemScope problems(*this);
  WaitScope wait(*this);
  for (const QByteArray& nativePath : nativePaths) {
    if (CancelRequested()) break;  // Cancel appears once a dropped folder is being added
    if (NativePath::KindOf(nativePath) == NativePath::Kind::Directory) {
      if (!AddFolder(nativePath)) break;  // cancelled: the rest of the drop too
      continue;
    }
    AddNativeFile(nativePath);
    LetWindowSystemRun();
  }
}

bool FileList::IsListed(const QString& path) const {
  const std::vector<FileRow>& rows = list_->Rows()->Rows();
  return std::any_of(rows.begin(), rows.end(), [&](const FileRow& row) { return row.path == path; });
}

bool FileList::IsListedNative(const QByteArray& nativePath) const {
  if (!listed_paths_valid_) {
    listed_paths_.clear();
    for (const FileRow& row : list_->Rows()->Rows())
      listed_paths_.insert(row.nativePath);
    listed_paths_valid_ = true;
  }
  return listed_paths_.contains(nativePath);
}

bool FileList::ProbeInto(const QByteArray& nativePath, FileRow& row) {
  // Devices, pipes and sockets could block the read forever; folders are no media.
  const NativePath::Kind kind = NativePath::KindOf(nativePath);
  if (kind == NativePath::Kind::Directory) {
    ShowOpenFailure(row.path, "This is a folder, not a file.");
    return false;
  }
  if (kind == NativePath::Kind::Other) {
    ShowOpenFailure(row.path, "This is not a regular file (a device, pipe or socket).");
    return false;
  }
  if (!decoder_.Open(nativePath.toStdString(), std::string())) {
    ShowOpenFailure(row.path, QString::fromStdString(decoder_.LastErrorMessage()));
    return false;
  }
  DecoderCloser closer(decoder_);

  const int audioIndex = decoder_.AudioStreamIndex();
  const int videoIndex = decoder_.VideoStreamIndex();
  SourceSummary& source = row.source;
  // An unknown duration shows as 00:00:00, so it adds nothing to the total either.
  source.durationUs = std::max<int64_t>(decoder_.Duration(), 0);
  source.videoTracks = decoder_.VideoStreamCount();
  source.audioTracks = decoder_.AudioStreamCount();
  source.subtitleTracks = decoder_.SubtitleStreamCount();
  source.storedWidth = decoder_.VideoStoredWidth(videoIndex);
  source.storedHeight = decoder_.VideoStoredHeight(videoIndex);
  source.uprightWidth = decoder_.VideoWidth(videoIndex);
  source.uprightHeight = decoder_.VideoHeight(videoIndex);
  source.videoCodec = QString::fromStdString(decoder_.VideoCodecName(videoIndex));
  source.audioCodec = QString::fromStdString(decoder_.AudioCodecName(audioIndex));
  source.fileBytes = static_cast<int64_t>(NativePath::FileSize(nativePath));
  source.modified = NativePath::Modified(nativePath);
  return true;
}

void FileList::ShowOpenFailure(const QString& path, const QString& error) {
  if (problems_) {
    problems_->files.append({path, error.trimmed()});
    return;
  }
  Ui::ShowMessage(owner_, OpenFailureText(path, error), Ui::MessageIcon::Critical);
}

void FileList::SelectOnlyLastRow() {
  const int n = RowCount();
  if (n == 0) return;
  const QModelIndex last = list_->Rows()->index(n - 1, 0);
  list_->clearSelection();
  list_->selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
  list_->SetRowSelected(n - 1, true);
  list_->scrollTo(last);
}

void FileList::SelectAllRows() {
  if (RowCount() == 0) return;
  list_->selectAll();
  list_->setFocus();
}

void FileList::InvertSelection() {
  const int n = RowCount();
  if (n == 0) return;
  QAbstractItemModel* model = list_->model();
  const QItemSelection all(model->index(0, 0), model->index(n - 1, model->columnCount() - 1));
  list_->selectionModel()->select(all, QItemSelectionModel::Toggle);
  list_->setFocus();
}

void FileList::RemoveSelectedRows() {
  const int n = RowCount();
  if (n == 0) return;
  for (int i = n - 1; i >= 0; --i) {
    if (list_->IsRowSelected(i)) list_->Rows()->RemoveRow(i);
  }
  list_->setFocus();
}

void FileList::ClearAllRows() {
  std::vector<FileRow> rows = Rows();
  list_->Rows()->Clear();
  if (!rows.empty()) cleared_rows_ = std::move(rows);  // after the clear's own change
}

bool FileList::UndoClearAll() {
  if (cleared_rows_.empty()) return false;
  const std::vector<FileRow> rows = std::exchange(cleared_rows_, {});
  list_->Rows()->Append(rows);
  SelectOnlyLastRow();
  return true;
}

void FileList::MoveRowUp() { MoveCurrentRow(-1); }
void FileList::MoveRowDown() { MoveCurrentRow(+1); }

void FileList::MoveCurrentRow(int offset) {
  if (list_->selectionModel()->selectedRows().size() > 1) {
    MoveSelectedBlock(offset);
    return;
  }
  const int from = list_->CurrentRow();
  const int to = from + offset;
  if (from < 0 || list_->Rows()->Row(from).path.isEmpty()) return;
  if (to < 0 || to >= RowCount()) return;
  // Exchange the contents, so the rows themselves (and the totals) stay put.
  list_->Rows()->SwapRows(from, to);
  list_->SetRowSelected(from, false);
  list_->SetRowSelected(to, true);
  list_->selectionModel()->setCurrentIndex(list_->Rows()->index(to, 0), QItemSelectionModel::NoUpdate);
  list_->scrollTo(list_->Rows()->index(to, 0));
  list_->setFocus();
}

void FileList::MoveSelectedBlock(int offset) {
  const int count = RowCount();
  std::vector<int> selected;
  for (int i = 0; i < count; ++i) {
    if (list_->IsRowSelected(i)) selected.push_back(i);
  }
  // The selection moves as one piece, gaps included; at the edge it stays put.
  if (selected.empty() || selected.front() + offset < 0 || selected.back() + offset >= count) return;
  const int current = list_->CurrentRow();
  bool currentMoved = false;
  // Each selected row trades places with its neighbour in the moving direction,
  // starting with the row nearest that edge, so no row is moved twice.
  if (offset > 0) std::reverse(selected.begin(), selected.end());
  for (const int from : selected) {
    list_->Rows()->SwapRows(from, from + offset);
    list_->SetRowSelected(from, false);
    list_->SetRowSelected(from + offset, true);
    if (from == current) currentMoved = true;
  }
  if (currentMoved) {
    list_->selectionModel()->setCurrentIndex(list_->Rows()->index(current + offset, 0),
                                             QItemSelectionModel::NoUpdate);
  }
  list_->scrollTo(list_->Rows()->index(selected.front() + offset, 0));  // the leading row
  list_->setFocus();
}

std::vector<FileRow> FileList::Rows() const { return list_->Rows()->Rows(); }

std::optional<FileRow> FileList::SelectedRow() const {
  const int current = list_->CurrentRow();
  if (current < 0) return std::nullopt;
  return list_->Rows()->Row(current);
}

FormWait* FileList::WaitWindow() const { return wait_.data(); }

int FileList::RowCount() const { return list_->Rows()->Count(); }
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
  for (const FileRow& row : list_->Rows()->Rows())
    total += row.source.DurationSeconds();
  if (files_pane_) files_pane_->setText("Total Files: " + QString::number(n));
  if (duration_pane_) duration_pane_->setText("Total Duration: " + FormatDuration(total));
  last_counted_rows_ = n;
  rows_changed_ = false;
}

void FileList::LetWindowSystemRun() {
  // Repainting the list after every small file would cost more than probing it; a
  // few dozen refreshes a second keep the window just as alive.
  if (since_messages_.isValid() && since_messages_.elapsed() < message_interval_ms_) return;
  QCoreApplication::processEvents();
  since_messages_.start();
}

void FileList::BeginWait(bool letWindowSystemRun) {
  if (wait_depth_++ == 0) {
    wait_ = new FormWait(owner_);
    wait_->show();
  }
  if (!letWindowSystemRun) return;
  QCoreApplication::processEvents();
  since_messages_.start();
}

void FileList::EndWait() {
  if (--wait_depth_ > 0 || !wait_) return;
  wait_->CloseByProgram();
  wait_->deleteLater();
  wait_ = nullptr;
}
