// Adding whole folders to the file list, and the one message that tells what could
// not be added.
#include <QCoreApplication>
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
  if (names.size() > kNamesShown)
    text += "\n" +
            QCoreApplication::translate("FileList", "... and %n more", nullptr, names.size() - kNamesShown);
}

}  // namespace

void FileList::AddFolderWithDialog() {
  const QString folder = Ui::BrowseForFolder(owner_, tr("Add Folder"), last_open_folder_);
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
  AppendNames(text, tr("%n file(s) could not be opened:", nullptr, files.size()), files);
  AppendNames(text, tr("%n folder(s) could not be read:", nullptr, problems.unreadableFolders.size()),
              problems.unreadableFolders);
  for (const QString& folder : problems.emptyFolders) {
    if (!text.isEmpty()) text += "\n\n";
    text += tr("No media files were found in %1.").arg(folder);
  }
  // Only empty folders: nothing failed, the user just learns why nothing came in.
  const bool failed = !problems.files.isEmpty() || !problems.unreadableFolders.isEmpty();
  Ui::ShowMessage(owner_, text, failed ? Ui::MessageIcon::Critical : Ui::MessageIcon::Information);
}
