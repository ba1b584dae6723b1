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

class CommandBars;
class CompletionNotice;
class FileList;
class FormVideoFormat;
class ListView1;
class QLabel;
class WindowMemory;

class FormMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit FormMain(QWidget* parent = nullptr);
  ~FormMain() override;

  // The start-up sequence. False when the engine libraries are missing: the message
  // has been shown and the program must end at once.
  bool Load();

  // How "end the program at once" happens (Exit, missing libraries). Tests replace it.
  using EndProgramHandler = std::function<void(int exitCode)>;
  static void SetEndProgramHandler(EndProgramHandler handler);

  bool EnsureListNotEmpty();
  void UpdateCheckPrompt(const QDate& today);

  CommandBars* Bars() const { return commandBars_; }
  ListView1* List() const { return listView1_; }
  FileList* Files() const { return fileList_.get(); }
  QLabel* FilesPane() const { return filesPane_; }
  QLabel* DurationPane() const { return durationPane_; }
  FFEncoder& Encoder() { return ffEncoder1_; }
  FFDecoder& Decoder() { return ffDecoder1_; }
  const CommandDispatcher& Dispatcher() const { return dispatcher_; }
  CompletionNotice* Popup() const { return popup_; }
  FormVideoFormat* VideoFormatDialog() const { return formVideoFormat_; }
  WindowMemory* Memory() const { return windowMemory_; }

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
  CommandBars* commandBars_ = nullptr;
  ListView1* listView1_ = nullptr;
  QLabel* filesPane_ = nullptr;
  QLabel* durationPane_ = nullptr;
  QTimer timer1_;
  FFDecoder ffDecoder1_;
  FFEncoder ffEncoder1_;
  std::unique_ptr<FileList> fileList_;
  FormVideoFormat* formVideoFormat_ = nullptr;
  CompletionNotice* popup_ = nullptr;
  WindowMemory* windowMemory_ = nullptr;
};
