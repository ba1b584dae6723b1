// Adding whole folders to the file list: the folder is listed on a thread of its own
// while the wait window counts, then each file is probed like a dropped one.
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <utility>

#include "common/AppState.h"
#include "common/FileNames.h"
#include "common/MediaExtensions.h"
#include "common/UiServices.h"
#include "filelist/FileList.h"
#include "filelist/FolderScan.h"
#include "filelist/FormWait.h"
#include "filelist/NativePath.h"
#include "filelist/RowTexts.h"

namespace {

// How often the count is refreshed and a cancel request passed on while listing.
constexpr int kScanTickMs = 25;
// A folder may hold thousands of files: the window gets its turn at least this often
// while they are probed, so it repaints well within a tenth of a second on a busy machine.
constexpr int kFolderMessageIntervalMs = 20;
// At most this many names of each kind in the closing message.
constexpr int kNamesShown = 10;

// Runs a step when the scope ends, however it ends.
class AtExit {
 public:
  explicit AtExit(std::function<void()> step) : step_(std::move(step)) {}
  ~AtExit() { step_(); }
  AtExit(const AtExit&) = delete;
  AtExit& operator=(const AtExit&) = delete;

 private:
  std::function<void()> step_;
};

void AppendNames(QString& text, const QString& heading, const QStringList& names) {
  if (names.isEmpty()) return;
  if (!text.isEmpty()) text += "\n\n";
  text += heading;
  for (int i = 0; i < names.size() && i < kNamesShown; ++i) text += "\n" + names[i];
  if (names.size() > kNamesShown) text += QString("\n... and %1 more").arg(names.size() - kNamesShown);
}

}  // namespace

void FileList::AddFolderWithDialog() {
  const QString folder = Ui::BrowseForFolder(owner_, "Add Folder", last_open_folder_);
  ProblemScope problems(*this);
  if (!folder.isEmpty()) {
    last_open_folder_ = folder.endsWith('/') ? folder : folder + "/";
    AddFolder(NativePath::Resolve(folder));
  }
  SelectOnlyLastRow();
}

bool FileList::AddFolder(const QByteArray& nativeFolder) {
  ProblemScope problems(*this);
  BeginWait();
  const AtExit endWait([this] { EndWait(); });
  if (wait_) wait_->ShowCancel();

  std::vector<std::string> files, unreadable;
  if (!ListFolder(nativeFolder, files, unreadable)) return false;
  for (const std::string& folder : unreadable)
    problems_->unreadableFolders << NativePath::Display(QByteArray::fromStdString(folder));
  if (files.empty() && unreadable.empty()) problems_->emptyFolders << NativePath::Display(nativeFolder);

  const int outerInterval = message_interval_ms_;
  message_interval_ms_ = std::min(outerInterval, kFolderMessageIntervalMs);
  const QString total = QString::number(files.size());
  for (size_t i = 0; i < files.size() && !CancelRequested(); ++i) {
    if (wait_) wait_->SetCountText(QString("Adding file %1 of %2").arg(i + 1).arg(total));
    AddNativeFile(QByteArray::fromStdString(files[i]));
    LetWindowSystemRun();
  }
  message_interval_ms_ = outerInterval;
  return !CancelRequested();
}

bool FileList::CancelRequested() const { return wait_ && wait_->CancelRequested(); }

bool FileList::ListFolder(const QByteArray& nativeFolder, std::vector<std::string>& files,
                          std::vector<std::string>& unreadable) {
  // The output folder's files are this program's outputs, not new sources.
  FolderScan scan(nativeFolder.toStdString(), mediaext::SupportedExtensions(),
                  TextToNameString(state_.outputFolder));
  QEventLoop loop;
  QTimer tick;
  tick.setInterval(kScanTickMs);
  const auto update = [&] {
    if (CancelRequested()) scan.Cancel();
    if (wait_) wait_->SetCountText(QString("Files found: %1").arg(scan.Found()));
    if (scan.Done()) loop.quit();
  };
  connect(&tick, &QTimer::timeout, &loop, update);
  tick.start();
  update();
  // The window keeps painting and answering while the folder is listed.
  if (!scan.Done()) loop.exec();
  tick.stop();
  folderwalk::Result result = scan.Finish();
  if (result.canceled || CancelRequested()) return false;
  files = std::move(result.files);
  unreadable = std::move(result.unreadable);
  return true;
}

void FileList::ReportProblems(const AddProblems& problems) {
  if (problems.Empty()) return;
  if (problems.files.size() == 1 && problems.unreadableFolders.isEmpty() && problems.emptyFolders.isEmpty()) {
    Ui::ShowMessage(owner_, OpenFailureText(problems.files[0].first, problems.files[0].second),
                    Ui::MessageIcon::Critical);
    return;
  }
  QStringList files;
  for (const auto& [path, why] : problems.files)
    files << path + "\n    " + why;
  QString text;
  AppendNames(text, QString("%1 file(s) could not be opened:").arg(files.size()), files);
  AppendNames(text, QString("%1 folder(s) could not be read:").arg(problems.unreadableFolders.size()),
              problems.unreadableFolders);
  for (const QString& folder : problems.emptyFolders) {
    if (!text.isEmpty()) text += "\n\n";
    text += "No media files were found in " + folder + ".";
  }
  // Only empty folders: nothing failed, the user just learns why nothing came in.
  const bool failed = !problems.files.isEmpty() || !problems.unreadableFolders.isEmpty();
  Ui::ShowMessage(owner_, text, failed ? Ui::MessageIcon::Critical : Ui::MessageIcon::Information);
}
