#include "app/FormMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QPalette>
#include <QShortcut>
#include <QStatusBar>
#include <QUrl>

#include "app/AboutWindow.h"
#include "app/CommandBars.h"
#include "app/CommandTable.h"
#include "app/UpdateCheck.h"
#include "app/WindowMemory.h"
#include "common/AppState.h"
#include "common/Helpers.h"
#include "common/ProgramInfo.h"
#include "common/StoredValues.h"
#include "common/UiServices.h"
#include "filelist/ListView1.h"

#include "conversion/CompletionNotice.h"
#include "conversion/QueueConversion.h"
#include "filelist/FileList.h"
#include "filelist/FormWait.h"
#include "output/OutputSettingsDialog.h"
#include "player/PlayerWindow.h"

namespace {
FormMain::EndProgramHandler g_endProgram;

void EndProgram(int exitCode) {
  if (g_endProgram) return g_endProgram(exitCode);
  // Leaves the event loop without closing any window, so no closing step runs.
  QCoreApplication::exit(exitCode);
}

constexpr int kFilesPaneId = 101;
constexpr int kDurationPaneId = 102;
constexpr int kTotalsIntervalMs = 300;
}  // namespace

void FormMain::SetEndProgramHandler(EndProgramHandler handler) { g_endProgram = std::move(handler); }

FormMain::FormMain(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
  setWindowTitle(ProgramInfo::kTitle);
  resize(1040, 600);
  FitWindowToScreen(this);  // at a large display scale 1040 x 600 may not fit
  // Design-time settings of the engine controls, set before any engine call.
  ff_encoder1_.ReadTimeout = 10000;

  list_view1_ = new ListView1(this);
  list_view1_->setObjectName("ListView1");
  setCentralWidget(list_view1_);  // the list always fills the area the bars leave free
  InstallFullTextToolTips(list_view1_);
  const int widths[] = {320, 60, 80, 100, 90, 150, 95, 95};
  for (int column = 0; column < 8; ++column) list_view1_->setColumnWidth(column, widths[column]);
  timer1_.setInterval(kTotalsIntervalMs);
}

FormMain::~FormMain() { ff_encoder1_.Stop(true); }

bool FormMain::Load() {
  // 1-2. The list accepts dropped files; the Add Files dialog starts with no folder.
  list_view1_->setAcceptDrops(true);
  file_list_ = std::make_unique<FileList>(list_view1_, ff_decoder1_, state_, this);
  connect(list_view1_, &ListView1::contextMenuRequested, this, &FormMain::ShowListContextMenu);
  // Enter or a double-click on a row plays it.
  connect(list_view1_, &QAbstractItemView::activated, this, [this] { OnCommand(Commands::Play); });
  auto* undoClear = new QShortcut(QKeySequence::Undo, this);
  connect(undoClear, &QShortcut::activated, file_list_.get(), &FileList::UndoClearAll);
  // 3. Command bars.
  command_bars_ = new CommandBars(this);
  connect(command_bars_, &CommandBars::executed, this, &FormMain::OnCommand);
  RegisterCommands();
  // 4. Skin (from the raw program folder).
  LoadSkin();
  // 5. Status panes.
  ResetStatusPanes();
  // 6. Engine.
  if (!EnginePreparation()) {
    EndProgram(1);
    return false;
  }
  // 7. Icon.
  SetSmallIcon(this);
  // 8. Web-site reminder, left out of distribution packages (their updates come with them).
  if constexpr (VELTRANE_UPDATE_QUESTION) UpdateCheckPrompt(QDate::currentDate());

  connect(&timer1_, &QTimer::timeout, file_list_.get(), &FileList::RefreshTotals);
  timer1_.start();
  window_memory_ = new WindowMemory(*this, *list_view1_, *file_list_);
  window_memory_->Restore();
  FitWindowToScreen(this);  // a size stored on a larger screen or scale
  return true;
}

void FormMain::RegisterCommands() {
  dispatcher_.Register(Commands::AddFiles, [this] { AddFilesCommand(); });
  dispatcher_.Register(Commands::ConvertFiles, [this] { ConvertCommand(); });
  dispatcher_.Register(Commands::Exit, [this] { ExitCommand(); });
  dispatcher_.Register(Commands::HelpContents, [this] { HelpContentsCommand(); });
  dispatcher_.Register(Commands::Website, [] { OpenWebSite(); });
  dispatcher_.Register(Commands::About, [this] { AboutCommand(); });
  dispatcher_.Register(Commands::Play, [this] { PlayCommand(); });
  FileList* files = file_list_.get();
  dispatcher_.Register(Commands::AddFolder, [this, files] {
    files->AddFolderWithDialog();
    if (window_memory_) window_memory_->StoreLastOpenFolder();
  });
  dispatcher_.Register(Commands::SelectAll, [files] { files->SelectAllRows(); });
  dispatcher_.Register(Commands::InvertSelection, [files] { files->InvertSelection(); });
  dispatcher_.Register(Commands::RemoveSelected, [files] { files->RemoveSelectedRows(); });
  dispatcher_.Register(Commands::ClearAll, [files] { files->ClearAllRows(); });
  dispatcher_.Register(Commands::MoveUp, [files] { files->MoveRowUp(); });
  dispatcher_.Register(Commands::MoveDown, [files] { files->MoveRowDown(); });
}

void FormMain::OnCommand(int id) { dispatcher_.Dispatch(id); }

void FormMain::LoadSkin() {
  QFile skin(ResourceFolder() + "skin.qss");
  if (!skin.open(QIODevice::ReadOnly | QIODevice::Text)) return;
  // The skin's accent as the palette's highlight pair, which its lists and menus use.
  QPalette palette = QApplication::palette();
  palette.setColor(QPalette::Highlight, QColor(0xe6, 0x7e, 0x22));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  QApplication::setPalette(palette);
  qApp->setStyleSheet(QString::fromUtf8(skin.readAll()));
}

void FormMain::ResetStatusPanes() {
  QStatusBar* bar = statusBar();
  bar->setVisible(true);
  files_pane_ = new QLabel("Total Files: 0", bar);
  files_pane_->setObjectName("FilesPane");
  files_pane_->setProperty("paneId", kFilesPaneId);
  files_pane_->setFixedWidth(150);
  duration_pane_ = new QLabel("Total Duration: 00:00:00", bar);
  duration_pane_->setObjectName("DurationPane");
  duration_pane_->setProperty("paneId", kDurationPaneId);
  duration_pane_->setFixedWidth(200);
  bar->addWidget(files_pane_);
  bar->addWidget(duration_pane_);
  file_list_->SetPanes(files_pane_, duration_pane_);
}

bool FormMain::EnginePreparation() {
  ResourceFolder() = ResourceFolder();
  state_.outputFolder = Stored::Text("OutPath").value_or(QString());
  if (FFEncoder::AVLibLoaded()) return true;
  if (FFEncoder::LoadAVLib((ResourceFolder() + "LibAV").toStdString())) return true;
  Ui::ShowMessage(this, "Video lib not found", Ui::MessageIcon::Critical);
  return false;
}

void FormMain::UpdateCheckPrompt(const QDate& today) {
  if (!UpdateCheck::IsDue(Stored::Text("LastCheckUpdate").value_or(QString()), today)) return;
  const auto answer = Ui::ShowMessage(
      this, "Do you want to visit our website to check if there is a new version released?",
      Ui::MessageIcon::Question, QMessageBox::Yes | QMessageBox::No);
  if (answer == QMessageBox::Yes) OpenWebSite();
  Stored::SetText("LastCheckUpdate", UpdateCheck::FormatCheckDate(today));
}

bool FormMain::EnsureListNotEmpty() {
  if (list_view1_->Rows()->Count() > 0) return true;
  Ui::ShowMessage(this, "Please add file to the list.", Ui::MessageIcon::Information);
  AddFilesCommand();
  return false;
}

void FormMain::AddFilesCommand() {
  file_list_->AddFilesWithDialog();
  if (window_memory_) window_memory_->StoreLastOpenFolder();
}

void FormMain::ConvertCommand() {
  if (!EnsureListNotEmpty()) return;
  if (!form_video_format_) {
    // Created once; afterwards only hidden, so its settings last while the program runs.
    form_video_format_ = new OutputSettingsDialog(this, state_.outputFolder);
    form_video_format_->SetOkHandler([this] { QueueConversionFromDialog(); });
  }
  form_video_format_->exec();
}

void FormMain::QueueConversionFromDialog() {
  if (!popup_) {
    popup_ = new CompletionNotice(this);
    connect(popup_, &CompletionNotice::itemClicked, this, &FormMain::OnNoticeItemClicked);
  }
  QueueConversion(*form_video_format_, file_list_->Rows(), ff_encoder1_, state_, *popup_, this);
}

void FormMain::ExitCommand() {
  const auto answer = Ui::ShowMessage(this, "Do you want to exit?", Ui::MessageIcon::Question,
                                      QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  // What the close box would keep is kept here too.
  Stored::SetText("OutPath", state_.outputFolder);
  if (window_memory_) window_memory_->StoreLayout();
  EndProgram(0);
}

void FormMain::PlayCommand() {
  const auto row = file_list_->SelectedRow();
  if (!row || row->path.isEmpty()) return;
  PlayerWindow player(row->path, row->nativePath, this, row->source.durationUs);
  player.exec();
}

void FormMain::AboutCommand() {
  AboutWindow about(this);
  about.exec();
}

void FormMain::HelpContentsCommand() {
  Ui::OpenUrl(QUrl::fromLocalFile(ResourceFolder() + "help/index.html"));
}

void FormMain::ShowListContextMenu(const QPoint& globalPos) {
  if (command_bars_) command_bars_->ShowContextMenu(globalPos);
}

void FormMain::OnNoticeItemClicked(int id) {
  if (id != 1 && id != 2 && id != 3) return;
  if (popup_) popup_->close();
  if (id == 3) Ui::OpenFolder(state_.outputFolder);
}

void FormMain::closeEvent(QCloseEvent* event) {
  // Quitting in the middle of a run would lose the files being converted: ask.
  if (ff_encoder1_.Running()) {
    if (!Ui::AskYesDefaultNo(this, "Stop converting and quit?")) {
      event->ignore();
      return;
    }
    state_.stopRequested = true;
    ff_encoder1_.Stop(true);  // waits, so every temporary file is gone before we exit
  }
  ff_encoder1_.Stop(false);
  Stored::SetText("OutPath", state_.outputFolder);
  event->accept();
}
