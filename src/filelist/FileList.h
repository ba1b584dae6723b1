#pragma once
// The main window's file list logic: adding files (dialog, drop, folders, paths from
// outside) as one job that probes on a worker pool while the window stays alive, the
// list commands, and the status-bar totals.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop/UiEventBridge.h"
#include "filelist/FileRow.h"
#include "filelist/ProbePool.h"

class FFDecoder;
class FolderScan;
struct AppState;
class WaitWindow;
class FileView;
class QLabel;
class QWidget;

class FileList : public QObject {
  Q_OBJECT
 public:
  // `owner` is the main window: it owns the messages, the wait window and the busy
  // cursor. The list, the decoder and `state` (its output folder is left out of
  // folder scans) must outlive this object. `decoder` serves AddFile only; adding
  // from the window probes on the pool's own decoders.
  FileList(FileView* view, FFDecoder& decoder, const AppState& state, QWidget* owner);
  ~FileList() override;

  void SetPanes(QLabel* filesPane, QLabel* durationPane);

  // Every adding below but AddFile starts a job and returns at once: files are probed
  // on the pool and appended in the order given (duplicates left out), behind the
  // wait window; what could not be added is told in one message once the wait window
  // has closed. While a job runs, further adding joins it.

  // Shows the open-file dialog and adds the chosen files; afterwards only the last
  // row is selected (also when the dialog was cancelled).
  void AddFilesWithDialog();
  // Probes one file here and now and appends its row. False when it was already
  // listed or could not be opened (the user has then been told). For callers outside
  // the window's event handling (tests, tools).
  bool AddFile(const QString& path);
  bool AddNativeFile(const QByteArray& nativePath);
  // Adds dropped files in order; a folder adds what AddFolder adds.
  void AddDroppedFiles(const QList<QByteArray>& nativePaths);
  // Asks for a folder, adds it as AddFolder does, then selects only the last row.
  void AddFolderWithDialog();
  // Adds every file in the folder and its subfolders that the Add dialog's filters
  // list, in name order, with a count and a Cancel button on the wait window.
  void AddFolder(const QByteArray& nativeFolder);
  // Files and folders from outside the window (command line, a later start): like a
  // drop, with Cancel from the start and the output folder not left out.
  void AddFromOutside(const QList<QByteArray>& nativePaths);
  // True while an adding job runs.
  bool Adding() const { return job_ != nullptr; }
  // True when the last job that ended was cancelled by the user.
  bool LastAddCanceled() const { return last_add_canceled_; }
  // True when a row's text is exactly `path` (case-sensitive).
  bool IsListed(const QString& path) const;

  // What could not be added, gathered so that one message tells it once adding ends.
  struct AddProblems {
    QList<QPair<QString, QString>> files;  // path, why it could not be opened
    QStringList unreadableFolders;
    QStringList emptyFolders;  // folders without a single media file
    bool Empty() const { return files.isEmpty() && unreadableFolders.isEmpty() && emptyFolders.isEmpty(); }
  };
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
  FileView* View() const { return file_view_; }
  // The wait window while files are being read, else null.
  WaitWindow* CurrentWaitWindow() const;

 signals:
  // An adding job ended (finished or cancelled), after its message was shown.
  void addFinished();

 public slots:
  // Updates the two status panes when the list changed since the last refresh.
  void RefreshTotals();

 private slots:
  void OnRowsChanged();
  void OnRowTextsChanged();

 private:
  struct AddJob;
  // One path handed to a job.
  enum class Expect { File, FileOrFolder, Folder };  // a folder given as a file is told as one
  struct AddEntry {
    QByteArray path;
    Expect expect = Expect::FileOrFolder;
    bool skipOutputFolder = true;  // a listed folder leaves out the output folder
  };
  struct AddOptions {
    bool showWait = true;
    bool showCancel = false;  // from the start; else once a folder is reached
    bool selectLastRow = false;
  };

  void StartAdd(QList<AddEntry> entries, AddOptions options);
  void OpenWaitWindow(bool showCancel);
  void PumpAdd();   // hands the job's next paths to the pool or the folder scan
  void PollScan();  // looks at the folder being listed
  void OnProbed(const ProbeResult& result);
  void AppendReady();  // appends the results that are next in order
  void CancelAdd();
  void FinishAdd();
  void ShowCount();

  bool IsListedNative(const QByteArray& nativePath) const;
  void ShowOpenFailure(const QString& path, const QString& error);
  void SelectOnlyLastRow();
  void MoveCurrentRow(int offset);
  void MoveSelectedBlock(int offset);

  FileView* file_view_;
  FFDecoder& decoder_;
  const AppState& state_;
  QPointer<QWidget> owner_;
  QPointer<QLabel> files_pane_;
  QPointer<QLabel> duration_pane_;
  QPointer<WaitWindow> wait_window_;
  std::unique_ptr<AddJob> job_;
  uint64_t last_batch_ = 0;
  bool last_add_canceled_ = false;
  QTimer scan_timer_;
  int last_counted_rows_ = 0;
  bool rows_changed_ = false;
  // The exact paths of all rows, rebuilt when rows changed behind our back.
  mutable QSet<QByteArray> listed_paths_;
  mutable bool listed_paths_valid_ = false;
  QString last_open_folder_;
  // The rows Clear All removed, until the list changes again.
  std::vector<FileRow> cleared_rows_;
  // Results come from the pool's threads through the bridge; declared last, so the
  // pool's workers are stopped before anything they report to is gone.
  UiEventBridge<FileList> bridge_{this};
  std::unique_ptr<ProbePool> pool_;
};
