#include "app/PathInbox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include "common/MediaExtensions.h"
#include "filelist/FolderScan.h"
#include "filelist/FormWait.h"
#include "filelist/NativePath.h"

namespace {
// One step probes files for about this long, then the window gets its turn.
constexpr int kStepMs = 30;
// How often a folder being listed is looked at.
constexpr int kScanPollMs = 25;
}  // namespace

PathInbox::PathInbox(QWidget* window) : window_(window) {
  retry_.setSingleShot(true);
  retry_.setInterval(250);
  connect(&retry_, &QTimer::timeout, this, &PathInbox::Step);
  step_.setSingleShot(true);
  connect(&step_, &QTimer::timeout, this, &PathInbox::Step);
}

PathInbox::PathInbox(FileList& files, QWidget* window) : PathInbox(window) { files_ = &files; }

PathInbox::~PathInbox() {
  scan_.reset();
  if (batch_open_ && files_) files_->CloseWaitWindow();
}

void PathInbox::SetFiles(FileList* files) {
  files_ = files;
  Schedule();
}

void PathInbox::Receive(const QStringList& paths) {
  for (const QString& path : paths)
    pending_ << NativePath::Resolve(path);
  if (window_) {
    if (window_->isMinimized()) window_->showNormal();
    window_->raise();
    window_->activateWindow();
  }
  Schedule();
}

void PathInbox::Schedule() {
  if (!step_.isActive() && !retry_.isActive()) step_.start(0);
}

bool PathInbox::Busy() const {
  // Adding into a list that a dialog is reading, or inside another adding, could
  // change rows under its feet; the files wait their turn instead.
  if (!files_) return true;
  return QApplication::activeModalWidget() != nullptr || files_->WaitDepth() > (batch_open_ ? 1 : 0);
}

void PathInbox::Step() {
  if (pending_.isEmpty() && !batch_open_) return;
  if (Busy()) {
    retry_.start();
    return;
  }
  if (!batch_open_) {
    batch_open_ = true;
    problems_ = {};
    files_->OpenWaitWindow();
    if (FormWait* wait = files_->WaitWindow()) wait->ShowCancel();
  }
  FormWait* wait = files_->WaitWindow();
  if (wait && wait->CancelRequested()) {
    pending_.clear();
    scan_.reset();
  }
  files_->GatherProblems(&problems_);
  QElapsedTimer slice;
  slice.start();
  bool waitingForScan = false;
  while (!pending_.isEmpty() && slice.elapsed() < kStepMs) {
    if (scan_ || NativePath::KindOf(pending_.front()) == NativePath::Kind::Directory) {
      waitingForScan = !StepFolder();
      if (waitingForScan) break;
      continue;
    }
    files_->AddNativeFile(pending_.takeFirst());
  }
  files_->GatherProblems(nullptr);
  if (waitingForScan) {
    step_.start(kScanPollMs);
    return;
  }
  if (!pending_.isEmpty()) {
    step_.start(0);
    return;
  }
  EndBatch();
}

// Lists the folder at the head of the queue on a thread of its own and puts its files
// in its place. False while the listing is still going on.
bool PathInbox::StepFolder() {
  if (!scan_) {
    scan_folder_ = pending_.front();
    scan_ = std::make_unique<FolderScan>(scan_folder_.toStdString(), mediaext::SupportedExtensions());
  }
  if (FormWait* wait = files_->WaitWindow())
    wait->SetCountText(QString("Files found: %1").arg(scan_->Found()));
  if (!scan_->Done()) return false;
  const folderwalk::Result result = scan_->Finish();
  scan_.reset();
  pending_.removeFirst();
  QList<QByteArray> found;
  for (const std::string& file : result.files)
    found << QByteArray::fromStdString(file);
  for (const std::string& folder : result.unreadable)
    problems_.unreadableFolders << NativePath::Display(QByteArray::fromStdString(folder));
  if (result.files.empty() && result.unreadable.empty())
    problems_.emptyFolders << NativePath::Display(scan_folder_);
  pending_ = found + pending_;
  return true;
}

void PathInbox::EndBatch() {
  batch_open_ = false;
  // The wait window goes first, so the message is not hidden behind it.
  files_->CloseWaitWindow();
  files_->ReportProblems(problems_);
  problems_ = {};
  if (!pending_.isEmpty()) Schedule();  // more arrived while the message was open
}
