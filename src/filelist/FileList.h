#pragma once
// The main window's file list logic: adding files (dialog and drop) with probing
// through the decoder, the list commands, and the status-bar totals.
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
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

class FileList : public QObject {
  Q_OBJECT
 public:
  // `owner` is the main window: it owns the messages, the wait window and the busy
  // cursor. The list and the decoder must outlive this object.
  FileList(ListView1* list, FFDecoder& decoder, QWidget* owner);
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

  void SelectAllRows();
  void InvertSelection();
  void RemoveSelectedRows();
  void ClearAllRows();
  void MoveRowUp();
  void MoveRowDown();

  std::vector<FileRow> Rows() const;
  std::optional<FileRow> SelectedRow() const;  // the list's current row
  int RowCount() const;

  int LastCountedRows() const { return lastCountedRows_; }
  QString LastOpenFolder() const { return lastOpenFolder_; }
  void SetLastOpenFolder(const QString& folder) { lastOpenFolder_ = folder; }
  ListView1* List() const { return list_; }
  // The wait window while files are being read, else null.
  FormWait* WaitWindow() const;
  // While adding many files, pending window messages are handled between two files
  // once this many milliseconds have passed (0: after every file).
  void SetMessageInterval(int ms) { messageIntervalMs_ = ms; }

 public slots:
  // Updates the two status panes when the list changed since the last refresh.
  void RefreshTotals();

 private slots:
  void OnRowsChanged();
  void OnRowTextsChanged();

 private:
  class WaitScope;
  class BusyCursor;

  bool IsListedNative(const QByteArray& nativePath) const;
  bool ProbeInto(const QByteArray& nativePath, FileRow& row);
  void ShowOpenFailure(const QString& path, const QString& error);
  void SelectOnlyLastRow();
  void MoveCurrentRow(int offset);
  void MoveSelectedBlock(int offset);
  void LetWindowSystemRun();
  void BeginWait();
  void EndWait();
  bool CancelRequested() const;  // the user asked the wait window to cancel
  bool ListFolder(const QByteArray& nativeFolder, std::vector<std::string>& files,
                  std::vector<std::string>& unreadable);
  void ReportFolderProblems(const QStringList& failures, const std::vector<std::string>& unreadable);

  ListView1* list_;
  FFDecoder& decoder_;
  QPointer<QWidget> owner_;
  QPointer<QLabel> filesPane_;
  QPointer<QLabel> durationPane_;
  QPointer<FormWait> wait_;
  int waitDepth_ = 0;
  int messageIntervalMs_ = 40;
  QElapsedTimer sinceMessages_;
  int lastCountedRows_ = 0;
  bool rowsChanged_ = false;
  // The exact paths of all rows, rebuilt when rows changed behind our back.
  mutable QSet<QByteArray> listedPaths_;
  mutable bool listedPathsValid_ = false;
  QString lastOpenFolder_;
  // While a folder is added: open failures are collected here instead of shown.
  QStringList* openFailures_ = nullptr;
};
