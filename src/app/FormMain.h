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
class ListView1;
class QLabel;
class WindowMemory;

class FormMain : public QMainWindow {
  Q_OBJECT
 public:
  // `state` is what the windows share; it must outlive this window.
  explicit FormMain(AppState& state, QWidget* parent = nullptr);
  ~FormMain() override;

  // The start-up sequence. False when the engine libraries are missing: the message
  // has been shown and the program must end at once.
  bool Load();

  // How "end the program at once" happens (Exit, missing libraries). Tests replace it.
  using EndProgramHandler = std::function<void(int exitCode)>;
  static void SetEndProgramHandler(EndProgramHandler handler);

  bool EnsureListNotEmpty();
  void UpdateCheckPrompt(const QDate& today);

  CommandBars* Bars() const { return command_bars_; }
  ListView1* List() const { return list_view1_; }
  FileList* Files() const { return file_list_.get(); }
  QLabel* FilesPane() const { return files_pane_; }
  QLabel* DurationPane() const { return duration_pane_; }
  FFEncoder& Encoder() { return ff_encoder1_; }
  FFDecoder& Decoder() { return ff_decoder1_; }
  const CommandDispatcher& Dispatcher() const { return dispatcher_; }
  CompletionNotice* Popup() const { return popup_; }
  OutputSettingsDialog* VideoFormatDialog() const { return form_video_format_; }
  WindowMemory* Memory() const { return window_memory_; }

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

  CommandDispatcher dispatcher_;
  CommandBars* command_bars_ = nullptr;
  ListView1* list_view1_ = nullptr;
  QLabel* files_pane_ = nullptr;
  QLabel* duration_pane_ = nullptr;
  QTimer timer1_;
  FFDecoder ff_decoder1_;
  AppState& state_;
  FFEncoder ff_encoder1_;
  std::unique_ptr<FileList> file_list_;
  OutputSettingsDialog* form_video_format_ = nullptr;
  CompletionNotice* popup_ = nullptr;
  WindowMemory* window_memory_ = nullptr;
};
