// The adding job: paths are taken in order; a folder is listed by a FolderScan on its
// own thread (polled from a timer) and its files take its place; files are probed on
// the pool, and their results, which come back in any order through the event
// bridge, are appended in the order the paths were given. Nothing here waits: the
// window paints and answers throughout, and Cancel ends the job at once (results
// still under way carry the old batch number and are dropped).
#include <QWidget>
#include <algorithm>
#include <map>
#include <memory>
#include <utility>

#include "base/MediaExtensions.h"
#include "core/AppState.h"
#include "core/FileNames.h"
#include "filelist/FileList.h"
#include "filelist/FileView.h"
#include "filelist/FolderScan.h"
#include "filelist/NativePath.h"
#include "filelist/WaitWindow.h"

namespace {
// How often the folder being listed is looked at (count shown, end noticed).
constexpr int kScanPollMs = 25;
}  // namespace

struct FileList::AddJob {
  uint64_t batch = 0;
  AddOptions options;
  QList<AddEntry> pending;              // not looked at yet, in the order given
  std::vector<QByteArray> probing;      // files handed to the pool, by index
  std::map<size_t, ProbeResult> ready;  // results that came ahead of their turn
  size_t next = 0;                      // the index appended next
  std::unique_ptr<FolderScan> scan;     // the folder being listed, if any
  QByteArray scanFolder;
  bool counting = false;  // the wait window shows a count
  bool canceled = false;
  AddProblems problems;
};

FileList::FileList(FileView* view, FFDecoder& decoder, const AppState& state, QWidget* owner)
    : file_view_(view), decoder_(decoder), state_(state), owner_(owner) {
  pool_ = std::make_unique<ProbePool>(bridge_.Forward(&FileList::OnProbed));
  connect(&scan_timer_, &QTimer::timeout, this, &FileList::PollScan);
  QAbstractItemModel* model = file_view_->model();
  connect(model, &QAbstractItemModel::rowsInserted, this, &FileList::OnRowsChanged);
  connect(model, &QAbstractItemModel::rowsRemoved, this, &FileList::OnRowsChanged);
  connect(model, &QAbstractItemModel::modelReset, this, &FileList::OnRowsChanged);
  connect(model, &QAbstractItemModel::dataChanged, this, &FileList::OnRowTextsChanged);
  connect(file_view_, &FileView::filesDropped, this, &FileList::AddDroppedFiles);
}

FileList::~FileList() {
  bridge_.Detach();
  pool_.reset();
  job_.reset();
  if (wait_window_) wait_window_->CloseByProgram();
  delete wait_window_;
}

void FileList::StartAdd(QList<AddEntry> entries, AddOptions options) {
  if (job_) {  // joins the job under way, behind what it was given before
    job_->pending.append(std::move(entries));
    job_->options.selectLastRow = job_->options.selectLastRow || options.selectLastRow;
    if (options.showWait) OpenWaitWindow(options.showCancel);
    PumpAdd();
    return;
  }
  if (entries.isEmpty()) {
    if (options.selectLastRow) SelectOnlyLastRow();
    return;
  }
  job_ = std::make_unique<AddJob>();
  job_->batch = ++last_batch_;
  job_->options = options;
  job_->pending = std::move(entries);
  if (owner_) owner_->setCursor(Qt::WaitCursor);
  if (options.showWait) OpenWaitWindow(options.showCancel);
  PumpAdd();
}

void FileList::OpenWaitWindow(bool showCancel) {
  if (!wait_window_) {
    wait_window_ = new WaitWindow(owner_);
    connect(wait_window_, &WaitWindow::cancelRequested, this, &FileList::CancelAdd);
    wait_window_->show();
  }
  if (showCancel) wait_window_->ShowCancel();
}

void FileList::PumpAdd() {
  AddJob& job = *job_;
  const size_t firstNew = job.probing.size();
  while (!job.scan && !job.pending.isEmpty()) {
    const AddEntry entry = job.pending.takeFirst();
    if (entry.expect == Expect::Folder || (entry.expect == Expect::FileOrFolder &&
                                           NativePath::KindOf(entry.path) == NativePath::Kind::Directory)) {
      // The output folder's files are this program's outputs, not new sources.
      const std::string skip = entry.skipOutputFolder ? TextToNameString(state_.outputFolder) : std::string();
      job.scanFolder = entry.path;
      job.scan =
          std::make_unique<FolderScan>(entry.path.toStdString(), mediaext::SupportedExtensions(), skip);
      job.counting = true;
      if (wait_window_) {
        wait_window_->ShowCancel();
        wait_window_->SetCountText(tr("Files found: %1").arg(0));
      }
      scan_timer_.start(kScanPollMs);
      break;
    }
    // Already listed: not probed at all. Duplicates within the job are caught when
    // appended.
    if (IsListedNative(entry.path)) continue;
    job.probing.push_back(entry.path);
  }
  pool_->Submit(
      job.batch, firstNew,
      std::vector<QByteArray>(job.probing.begin() + static_cast<ptrdiff_t>(firstNew), job.probing.end()));
  ShowCount();
  AppendReady();
}

void FileList::PollScan() {
  if (!job_ || !job_->scan) {
    scan_timer_.stop();
    return;
  }
  AddJob& job = *job_;
  if (wait_window_) wait_window_->SetCountText(tr("Files found: %1").arg(job.scan->Found()));
  if (!job.scan->Done()) return;
  scan_timer_.stop();
  folderwalk::Result result = job.scan->Finish();
  job.scan.reset();
  QList<AddEntry> found;
  for (const std::string& file : result.files)
    found.append({QByteArray::fromStdString(file), Expect::File, false});
  for (const std::string& folder : result.unreadable)
    job.problems.unreadableFolders << NativePath::Display(QByteArray::fromStdString(folder));
  if (result.files.empty() && result.unreadable.empty())
    job.problems.emptyFolders << NativePath::Display(job.scanFolder);
  job.pending = found + job.pending;  // the folder's files in its place
  PumpAdd();
}

void FileList::OnProbed(const ProbeResult& result) {
  if (!job_ || result.batch != job_->batch) return;  // from a cancelled job
  job_->ready.emplace(result.index, result);
  AppendReady();
}

void FileList::AppendReady() {
  AddJob& job = *job_;
  std::vector<FileRow> rows;
  for (auto it = job.ready.find(job.next); it != job.ready.end(); it = job.ready.find(job.next)) {
    const ProbeResult& result = it->second;
    const QByteArray& nativePath = job.probing[job.next];
    if (!result.ok) {
      job.problems.files.append({NativePath::Display(nativePath), result.error.trimmed()});
    } else if (!IsListedNative(nativePath)) {
      FileRow row;
      row.path = NativePath::Display(nativePath);
      row.nativePath = nativePath;
      row.source = result.source;
      rows.push_back(std::move(row));
      listed_paths_.insert(nativePath);  // the index is valid after IsListedNative
    }
    job.ready.erase(it);
    ++job.next;
  }
  if (!rows.empty()) {
    file_view_->Rows()->Append(rows);
    listed_paths_valid_ = true;  // it holds the new rows already
    ShowCount();
  }
  if (!job.scan && job.pending.isEmpty() && job.next == job.probing.size()) FinishAdd();
}

void FileList::ShowCount() {
  if (!job_ || !job_->counting || !wait_window_ || job_->scan || job_->probing.empty()) return;
  const size_t total = job_->probing.size();
  const size_t current = std::min(job_->next + 1, total);
  wait_window_->SetCountText(tr("Adding file %1 of %2").arg(current).arg(total));
}

void FileList::CancelAdd() {
  if (!job_) return;
  job_->canceled = true;
  pool_->DropQueued();
  if (job_->scan) job_->scan->Cancel();
  FinishAdd();
}

void FileList::FinishAdd() {
  std::unique_ptr<AddJob> job = std::move(job_);
  scan_timer_.stop();
  job->scan.reset();  // asked to stop already when cancelled; joins the walk
  last_add_canceled_ = job->canceled;
  // The wait window goes first, so the message is not hidden behind it.
  if (wait_window_) {
    wait_window_->CloseByProgram();
    wait_window_->deleteLater();
    wait_window_ = nullptr;
  }
  if (owner_) owner_->unsetCursor();
  if (job->options.selectLastRow) SelectOnlyLastRow();
  ReportProblems(job->problems);
  emit addFinished();
}
