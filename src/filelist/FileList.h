#pragma once
// The main window's file list logic: adding files (dialog and drop) with probing
// through the decoder, the list commands, and the status-bar totals.
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "filelist/FileRow.h"

class FFDecoder;
class FormWait;
class ListView1;
class QLabel;
class QWidget;

struct AppState;

class FileList : public QObject {
  Q_OBJECT
 public:
  // `owner` is the main window: it owns the messages, the wait window and the busy
  // cursor. The list, the decoder and `state` (its output folder is left out of
  // folder scans) must outlive this object.
  FileList(ListView1* list, FFDecoder& decoder, const AppState& state, QWidget* owner);
  ~FileList() override;

  void SetPanes(QLabel* filesPane, QLabel* durationPane);

  // Shows the open-file dialog and adds the chosen files; afterwards only the last
  // row is selected (also when the dialog was cancelled).
  void AddFilesWithDialog();
  // Probes one file and appends its row. False when it was already listed or could
  // not be opened (the user has then been told).
  bool AddFile(const QString& path);
  bool AddNativeFile(const QByteArray& nativePath);
  // Adds dropped files in order behind the wait window; a folder adds what AddFolder adds.
  void AddDroppedFiles(const QList<QByteArray>& nativePaths);
  // Asks for a folder, adds it as AddFolder does, then selects only the last row.
  void AddFolderWithDialog();
  // Adds every file in the folder and its subfolders that the Add dialog's filters
  // list, in name order, behind the wait window with a count and a Cancel button.
  // Files that cannot be opened and folders that cannot be read are reported in one
  // message at the end. False when the user cancelled.
  bool AddFolder(const QByteArray& nativeFolder);
  // True when a row's text is exactly `path` (case-sensitive).
  bool IsListed(const QString& path) const;

  // What could not be added, gathered so that one message tells it once adding ends.
  struct AddProblems {
    QList<QPair<QString, QString>> files;  // path, why it could not be opened
    QStringList unreadableFolders;
    QStringList emptyFolders;  // folders without a single media file
    bool Empty() const { return files.isEmpty() && unreadableFolders.isEmpty() && emptyFolders.isEmpty(); }
  };
  // From now on open failures go into `problems` instead of a message each (null:
  // each failure is shown at once).
  void GatherProblems(AddProblems* problems) { problems_ = problems; }
  // One message for all of `problems`; nothing when there are none.
  void ReportProblems(const AddProblems& problems);

  void SelectAllRows();
  void InvertSelection();
  void RemoveSelectedRows();
  void ClearAllRows();
  // Puts back the rows of the last Clear All while the list has not changed since.
  // False when there is nothing to put back.
  bool UndoClearAll();
  void MoveRowUp();
  void MoveRowDown();

  std::vector<FileRow> Rows() const;
  std::optional<FileRow> SelectedRow() const;  // the list's current row
  int RowCount() const;

  int LastCountedRows() const { return last_counted_rows_; }
  QString LastOpenFolder() const { return last_open_folder_; }
  void SetLastOpenFolder(const QString& folder) { last_open_folder_ = folder; }
  ListView1* List() const { return list_; }
  // The wait window while files are being read, else null.
  FormWait* WaitWindow() const;
  // How many addings are under way (each holds the wait window open).
  int WaitDepth() const { return wait_depth_; }
  // Holds the wait window open for adding that goes on in steps from the event loop:
  // unlike the window's own adding, this never runs the window system in between.
  void OpenWaitWindow() { BeginWait(false); }
  void CloseWaitWindow() { EndWait(); }
  // While adding many files, pending window messages are handled between two files
  // once this many milliseconds have passed (0: after every file).
  void SetMessageInterval(int ms) { message_interval_ms_ = ms; }

 public slots:
  // Updates the two status panes when the list changed since the last refresh.
  void RefreshTotals();

 private slots:
  void OnRowsChanged();
  void OnRowTextsChanged();

 private:
  class WaitScope;
  class BusyCursor;
  class ProblemScope;

  bool IsListedNative(const QByteArray& nativePath) const;
  bool ProbeInto(const QByteArray& nativePath, FileRow& row);
  void ShowOpenFailure(const QString& path, const QString& error);
  void SelectOnlyLastRow();
  void MoveCurrentRow(int offset);
  void MoveSelectedBlock(int offset);
  void LetWindowSystemRun();
  void BeginWait(bool letWindowSystemRun = true);
  void EndWait();
  bool CancelRequested() const;  // the user asked the wait window to cancel
  bool ListFolder(const QByteArray& nativeFolder, std::vector<std::string>& files,
                  std::vector<std::string>& unreadable);

  ListView1* list_;
  FFDecoder& decoder_;
  const AppState& state_;
  QPointer<QWidget> owner_;
  QPointer<QLabel> files_pane_;
  QPointer<QLabel> duration_pane_;
  QPointer<FormWait> wait_;
  int wait_depth_ = 0;
  int message_interval_ms_ = 40;
  QElapsedTimer since_messages_;
  int last_counted_rows_ = 0;
  bool rows_changed_ = false;
  // The exact paths of all rows, rebuilt when rows changed behind our back.
  mutable QSet<QByteArray> listed_paths_;
  mutable bool listed_paths_valid_ = false;
  QString last_open_folder_;
  // The rows Clear All removed, until the list changes again.
  std::vector<FileRow> cleared_rows_;
  // While files are added: what went wrong is collected here instead of shown.
  AddProblems* problems_ = nullptr;
};

// Gathers what cannot be added while it lives; the outermost scope then tells it in
// one message. Declared before the wait scope, so the wait window is gone by then.
class FileList::ProblemScope {
 public:
  explicit ProblemScope(FileList& files) : files_(files), outer_(files.problems_ == nullptr) {
    if (outer_) files_.problems_ = &problems_;
  }
  ~ProblemScope() {
    if (!outer_) return;
    files_.problems_ = nullptr;
    files_.ReportProblems(problems_);
  }
  ProblemScope(const ProblemScope&) = delete;
  ProblemScope& operator=(const ProblemScope&) = delete;

 private:
  FileList& files_;
  const bool outer_;
  AddProblems problems_;
};
