// Adding whole folders to the file list, and the one message that tells what could
// not be added.
#include <QWidget>

#include "desktop/UiServices.h"
#include "filelist/FileList.h"
#include "filelist/NativePath.h"
#include "filelist/RowTexts.h"

namespace {

// At most this many names of each kind in the closing message.
constexpr int kNamesShown = 10;

void AppendNames(QString& text, const QString& heading, const QStringList& names) {
  if (names.isEmpty()) return;
  if (!text.isEmpty()) text += "\n\n";
  text += heading;
  for (int i = 0; i < names.size() && i < kNamesShown; ++i)
    text += "\n" + names[i];
  if (names.size() > kNamesShown) text += QString("\n... and %1 more").arg(names.size() - kNamesShown);
}

}  // namespace

void FileList::AddFolderWithDialog() {
  const QString folder = Ui::BrowseForFolder(owner_, "Add Folder", last_open_folder_);
  QList<AddEntry> entries;
  if (!folder.isEmpty()) {
    last_open_folder_ = folder.endsWith('/') ? folder : folder + "/";
    entries.append({NativePath::Resolve(folder), Expect::Folder, true});
  }
  AddOptions options;
  options.showCancel = true;
  options.selectLastRow = true;
  StartAdd(std::move(entries), options);
}

void FileList::AddFolder(const QByteArray& nativeFolder) {
  AddOptions options;
  options.showCancel = true;
  StartAdd({{nativeFolder, Expect::Folder, true}}, options);
}

void FileList::AddFromOutside(const QList<QByteArray>& nativePaths) {
  QList<AddEntry> entries;
  for (const QByteArray& nativePath : nativePaths)
    entries.append({nativePath, Expect::FileOrFolder, false});
  AddOptions options;
  options.showCancel = true;
  StartAdd(std::move(entries), options);
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
