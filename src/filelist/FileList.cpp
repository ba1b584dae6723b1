#include "filelist/FileList.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

#include "common/Helpers.h"
#include "common/Int64.h"
#include "common/UiServices.h"
#include "engine/FFDecoder.h"
#include "filelist/FormWait.h"
#include "filelist/ListView1.h"
#include "filelist/MediaFilters.h"
#include "filelist/NativePath.h"
#include "filelist/RowTexts.h"

namespace {

const char* const kNotAvailable = "N/A";

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
  const int n = list_->topLevelItemCount();
  for (int i = 0; i < n; ++i) {
    if (list_->topLevelItem(i)->text(0) == path) return true;
  }
  return false;
}

bool FileList::IsListedNative(const QByteArray& nativePath) const {
  if (!listed_paths_valid_) {
    listed_paths_.clear();
    const int n = list_->topLevelItemCount();
    for (int i = 0; i < n; ++i) listed_paths_.insert(ListView1::RowFromItem(list_->topLevelItem(i)).nativePath);
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
  const QString audioCodec = QString::fromStdString(decoder_.AudioCodecName(audioIndex));
  const QString videoCodec = QString::fromStdString(decoder_.VideoCodecName(videoIndex));
  const double bytes = NativePath::FileSize(nativePath);
  const int32_t low = decoder_.DurationLow();
  const int32_t high = decoder_.DurationHigh();
  const double seconds = MicrosToSeconds(low, high);
  const bool hasVideo = decoder_.VideoStreamCount() > 0;
  const bool hasAudio = decoder_.AudioStreamCount() > 0;

  row.type = FileExtensionUpper(row.path);
  row.duration = FormatDuration(seconds);
  row.videoSize = hasVideo
                      ? FormatVideoSizeText(decoder_.VideoWidth(videoIndex), decoder_.VideoHeight(videoIndex))
                      : QString(kNotAvailable);
  row.fileSize = FormatFileSizeText(bytes);
  row.modified = FormatModifiedText(NativePath::Modified(nativePath));
  row.videoCodec = hasVideo ? videoCodec : QString(kNotAvailable);
  row.audioCodec = hasAudio ? audioCodec : QString(kNotAvailable);
  // An unknown duration shows as 00:00:00, so it adds nothing to the total either.
  row.durationSeconds = std::isfinite(seconds) && seconds > 0 ? seconds : 0.0;
  row.tracks = TrackCountText(decoder_.AudioStreamCount(), decoder_.SubtitleStreamCount());
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
  const int n = list_->topLevelItemCount();
  if (n == 0) return;
  QTreeWidgetItem* last = list_->topLevelItem(n - 1);
  list_->clearSelection();
  list_->setCurrentItem(last);
  last->setSelected(true);
  list_->scrollToItem(last);
}

void FileList::SelectAllRows() {
  if (list_->topLevelItemCount() == 0) return;
  list_->selectAll();
  list_->setFocus();
}

void FileList::InvertSelection() {
  const int n = list_->topLevelItemCount();
  if (n == 0) return;
  QAbstractItemModel* model = list_->model();
  const QItemSelection all(model->index(0, 0), model->index(n - 1, model->columnCount() - 1));
  list_->selectionModel()->select(all, QItemSelectionModel::Toggle);
  list_->setFocus();
}

void FileList::RemoveSelectedRows() {
  const int n = list_->topLevelItemCount();
  if (n == 0) return;
  for (int i = n - 1; i >= 0; --i) {
    QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item->isSelected()) delete list_->takeTopLevelItem(i);
  }
  list_->setFocus();
}

void FileList::ClearAllRows() {
  std::vector<FileRow> rows = Rows();
  list_->clear();
  if (!rows.empty()) cleared_rows_ = std::move(rows);  // after the clear's own change
}

bool FileList::UndoClearAll() {
  if (cleared_rows_.empty()) return false;
  const std::vector<FileRow> rows = std::exchange(cleared_rows_, {});
  for (const FileRow& row : rows)
    list_->AppendRow(row);
  SelectOnlyLastRow();
  return true;
}

void FileList::MoveRowUp() { MoveCurrentRow(-1); }
void FileList::MoveRowDown() { MoveCurrentRow(+1); }

void FileList::MoveCurrentRow(int offset) {
  if (list_->selectedItems().size() > 1) {
    MoveSelectedBlock(offset);
    return;
  }
  QTreeWidgetItem* item = list_->currentItem();
  if (!item || item->text(0).isEmpty()) return;
  const int from = list_->indexOfTopLevelItem(item);
  const int to = from + offset;
  if (from < 0 || to < 0 || to >= list_->topLevelItemCount()) return;
  QTreeWidgetItem* other = list_->topLevelItem(to);
  // Exchange the contents, so the rows themselves (and the totals) stay put.
  const FileRow moving = ListView1::RowFromItem(item);
  ListView1::FillItem(item, ListView1::RowFromItem(other));
  ListView1::FillItem(other, moving);
  item->setSelected(false);
  other->setSelected(true);
  list_->selectionModel()->setCurrentIndex(list_->model()->index(to, 0), QItemSelectionModel::NoUpdate);
  list_->scrollToItem(other);
  list_->setFocus();
}

void FileList::MoveSelectedBlock(int offset) {
  const int count = list_->topLevelItemCount();
  std::vector<int> selected;
  for (int i = 0; i < count; ++i) {
    if (list_->topLevelItem(i)->isSelected()) selected.push_back(i);
  }
  // The selection moves as one piece, gaps included; at the edge it stays put.
  if (selected.empty() || selected.front() + offset < 0 || selected.back() + offset >= count) return;
  const int current = list_->indexOfTopLevelItem(list_->currentItem());
  bool currentMoved = false;
  // Each selected row trades places with its neighbour in the moving direction,
  // starting with the row nearest that edge, so no row is moved twice.
  if (offset > 0) std::reverse(selected.begin(), selected.end());
  for (const int from : selected) {
    QTreeWidgetItem* item = list_->topLevelItem(from);
    QTreeWidgetItem* other = list_->topLevelItem(from + offset);
    const FileRow moving = ListView1::RowFromItem(item);
    ListView1::FillItem(item, ListView1::RowFromItem(other));
    ListView1::FillItem(other, moving);
    item->setSelected(false);
    other->setSelected(true);
    if (from == current) currentMoved = true;
  }
  if (currentMoved) {
    list_->selectionModel()->setCurrentIndex(list_->model()->index(current + offset, 0),
                                             QItemSelectionModel::NoUpdate);
  }
  list_->scrollToItem(list_->topLevelItem(selected.front() + offset));  // the leading row
  list_->setFocus();
}

std::vector<FileRow> FileList::Rows() const {
  std::vector<FileRow> rows;
  const int n = list_->topLevelItemCount();
  rows.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) rows.push_back(ListView1::RowFromItem(list_->topLevelItem(i)));
  return rows;
}

std::optional<FileRow> FileList::SelectedRow() const {
  const QTreeWidgetItem* item = list_->currentItem();
  if (!item) return std::nullopt;
  return ListView1::RowFromItem(item);
}

FormWait* FileList::WaitWindow() const { return wait_.data(); }

int FileList::RowCount() const { return list_->topLevelItemCount(); }

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
  const int n = list_->topLevelItemCount();
  // The count alone would miss a removal and an addition between two refreshes.
  if (n == last_counted_rows_ && !rows_changed_) return;
  double total = 0;
  for (int i = 0; i < n; ++i) {
    bool ok = false;
    const double seconds = list_->topLevelItem(i)->data(0, ListView1::DurationTagRole).toDouble(&ok);
    if (ok && std::isfinite(seconds)) total += seconds;
  }
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
