#pragma once
// The main window: menus, toolbar, the file list, two status panes; start-up,
// command dispatch, closing.
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/CommandDispatcher.h"
#include "engine/FFDecoder.h"
#include "engine/FFEncoder.h"

struct AppState;
class CommandBars;
class CompletionNotice;
class FileList;
class OutputSettingsDialog;
class PresetsMenu;
struct Preset;
class FileView;
class QLabel;
class WindowMemory;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `state` is what the windows share; it must outlive this window.
  explicit MainWindow(AppState& state, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence. False when the engine libraries are missing: the message
  // has been shown and the program must end at once.
  bool Load();

  // How "end the program at once" happens (Exit, missing libraries). Tests replace it.
  using EndProgramHandler = std::function<void(int exitCode)>;
  static void SetEndProgramHandler(EndProgramHandler handler);

  bool EnsureListNotEmpty();
  void UpdateCheckPrompt(const QDate& today);

  CommandBars* Bars() const { return command_bars_; }
  FileView* FileListView() const { return file_view_; }
  FileList* Files() const { return file_list_.get(); }
  QLabel* FilesPane() const { return files_pane_; }
  QLabel* DurationPane() const { return duration_pane_; }
  FFEncoder& Encoder() { return encoder_; }
  FFDecoder& Decoder() { return decoder_; }
  const CommandDispatcher& Dispatcher() const { return dispatcher_; }
  CompletionNotice* Popup() const { return popup_; }
  OutputSettingsDialog* SettingsDialog() const { return settings_dialog_; }
  WindowMemory* Memory() const { return window_memory_; }
  PresetsMenu* Presets() const { return presets_menu_; }
  // Puts a preset's choices into the output settings dialog and remembers them.
  void ApplyPreset(const Preset& preset);

 public slots:
  void OnCommand(int id);
  void OnNoticeItemClicked(int id);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void RegisterCommands();
  void LoadSkin();
  void ResetStatusPanes();
  bool EnginePreparation();
  void ShowListContextMenu(const QPoint& globalPos);

  void AddFilesCommand();
  void ConvertCommand();
  void ExitCommand();
  void PlayCommand();
  void AboutCommand();
  void HelpContentsCommand();
  void QueueConversionFromDialog();
  OutputSettingsDialog* EnsureSettingsDialog();

  CommandDispatcher dispatcher_;
  CommandBars* command_bars_ = nullptr;
  FileView* file_view_ = nullptr;
  QLabel* files_pane_ = nullptr;
  QLabel* duration_pane_ = nullptr;
  QTimer totals_timer_;
  FFDecoder decoder_;
  AppState& state_;
  FFEncoder encoder_;
  std::unique_ptr<FileList> file_list_;
  OutputSettingsDialog* settings_dialog_ = nullptr;
  CompletionNotice* popup_ = nullptr;
  WindowMemory* window_memory_ = nullptr;
  PresetsMenu* presets_menu_ = nullptr;
};
