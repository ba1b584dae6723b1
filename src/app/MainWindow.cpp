#include "app/MainWindow.h"

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
#include "app/PresetsMenu.h"
#include "app/UpdateCheck.h"
#include "app/WindowMemory.h"
#include "core/AppState.h"
#include "core/FileNames.h"
#include "core/Helpers.h"
#include "core/ProgramInfo.h"
#include "core/StoredValues.h"
#include "desktop/UiServices.h"
#include "desktop/WindowHelpers.h"
#include "filelist/FileView.h"

#include "conversion/CompletionNotice.h"
#include "conversion/QueueConversion.h"
#include "filelist/FileList.h"
#include "filelist/WaitWindow.h"
#include "output/OutputSettingsDialog.h"
#include "output/PreviewPanel.h"
#include "player/PlayerWindow.h"

namespace {
MainWindow::EndProgramHandler g_endProgram;

void EndProgram(int exitCode) {
  if (g_endProgram) return g_endProgram(exitCode);
  // Leaves the event loop without closing any window, so no closing step runs.
  QCoreApplication::exit(exitCode);
}

constexpr int kFilesPaneId = 101;
constexpr int kDurationPaneId = 102;
constexpr int kTotalsIntervalMs = 300;
}  // namespace

void MainWindow::SetEndProgramHandler(EndProgramHandler handler) { g_endProgram = std::move(handler); }

MainWindow::MainWindow(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
  setWindowTitle(ProgramInfo::kTitle);
  resize(1040, 600);
  FitWindowToScreen(this);  // at a large display scale 1040 x 600 may not fit
  // Design-time settings of the engine controls, set before any engine call.
  encoder_.ReadTimeout = 10000;

  file_view_ = new FileView(this);
  file_view_->setObjectName("ListView1");
  setCentralWidget(file_view_);  // the list always fills the area the bars leave free
  InstallFullTextToolTips(file_view_);
  const int widths[] = {320, 60, 80, 100, 90, 150, 95, 95};
  for (int column = 0; column < 8; ++column)
    file_view_->setColumnWidth(column, widths[column]);
  totals_timer_.setInterval(kTotalsIntervalMs);
  file_view_->setAccessibleName(tr("Files to convert"));
  file_view_->setAccessibleDescription(tr("Enter plays the selected file; Alt+Up and Alt+Down move it"));
}

MainWindow::~MainWindow() { encoder_.Stop(true); }

bool MainWindow::Load() {
  // 1-2. The list accepts dropped files; the Add Files dialog starts with no folder.
  file_view_->setAcceptDrops(true);
  file_list_ = std::make_unique<FileList>(file_view_, decoder_, state_, this);
  connect(file_view_, &FileView::contextMenuRequested, this, &MainWindow::ShowListContextMenu);
  // Enter or a double-click on a row plays it.
  connect(file_view_, &QAbstractItemView::activated, this, [this] { OnCommand(Commands::Play); });
  auto* undoClear = new QShortcut(QKeySequence::Undo, this);
  connect(undoClear, &QShortcut::activated, file_list_.get(), &FileList::UndoClearAll);
  // 3. Command bars.
  command_bars_ = new CommandBars(this);
  connect(command_bars_, &CommandBars::executed, this, &MainWindow::OnCommand);
  presets_menu_ = new PresetsMenu(command_bars_->Menu("My Presets"), this,
                                  std::bind_front(&MainWindow::ApplyPreset, this));
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

  connect(&totals_timer_, &QTimer::timeout, file_list_.get(), &FileList::RefreshTotals);
  totals_timer_.start();
  window_memory_ = new WindowMemory(*this, *file_view_, *file_list_);
  window_memory_->Restore();
  FitWindowToScreen(this);  // a size stored on a larger screen or scale
  return true;
}

void MainWindow::RegisterCommands() {
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
  PresetsMenu* presets = presets_menu_;
  dispatcher_.Register(Commands::PresetRename, [presets] { presets->Rename(); });
  dispatcher_.Register(Commands::PresetDelete, [presets] { presets->Delete(); });
  dispatcher_.Register(Commands::PresetImport, [presets] { presets->Import(); });
  dispatcher_.Register(Commands::PresetExport, [presets] { presets->Export(); });
}

void MainWindow::OnCommand(int id) { dispatcher_.Dispatch(id); }

void MainWindow::LoadSkin() {
  QFile skin(ResourceFolder() + "skin.qss");
  if (!skin.open(QIODevice::ReadOnly | QIODevice::Text)) return;
  // The skin's accent as the palette's highlight pair, which its lists and menus use: a
  // deeper shade of the orange, on which white text keeps a 4.8:1 contrast.
  QPalette palette = QApplication::palette();
  palette.setColor(QPalette::Highlight, QColor(0xb3, 0x59, 0x00));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  QApplication::setPalette(palette);
  qApp->setStyleSheet(QString::fromUtf8(skin.readAll()));
}

void MainWindow::ResetStatusPanes() {
  QStatusBar* bar = statusBar();
  bar->setVisible(true);
  files_pane_ = new QLabel(QCoreApplication::translate("FileList", "Total Files: %1").arg(0), bar);
  files_pane_->setObjectName("FilesPane");
  files_pane_->setProperty("paneId", kFilesPaneId);
  files_pane_->setFixedWidth(150);
  duration_pane_ =
      new QLabel(QCoreApplication::translate("FileList", "Total Duration: %1").arg("00:00:00"), bar);
  duration_pane_->setObjectName("DurationPane");
  duration_pane_->setProperty("paneId", kDurationPaneId);
  duration_pane_->setFixedWidth(200);
  bar->addWidget(files_pane_);
  bar->addWidget(duration_pane_);
  file_list_->SetPanes(files_pane_, duration_pane_);
}

bool MainWindow::EnginePreparation() {
  ResourceFolder() = ResourceFolder();
  state_.outputFolder = Stored::Get(Setting::OutputFolder);
  if (FFEncoder::AVLibLoaded()) return true;
  if (FFEncoder::LoadAVLib((ResourceFolder() + "LibAV").toStdString())) return true;
  Ui::ShowMessage(this, tr("Video lib not found"), Ui::MessageIcon::Critical);
  return false;
}

void MainWindow::UpdateCheckPrompt(const QDate& today) {
  if (!UpdateCheck::IsDue(Stored::Get(Setting::LastCheckUpdate), today)) return;
  const auto answer = Ui::ShowMessage(
      this, tr("Do you want to visit our website to check if there is a new version released?"),
      Ui::MessageIcon::Question, QMessageBox::Yes | QMessageBox::No);
  if (answer == QMessageBox::Yes) OpenWebSite();
  Stored::Set(Setting::LastCheckUpdate, UpdateCheck::FormatCheckDate(today));
}

bool MainWindow::EnsureListNotEmpty() {
  if (file_view_->Rows()->Count() > 0) return true;
  Ui::ShowMessage(this, tr("Please add file to the list."), Ui::MessageIcon::Information);
  AddFilesCommand();
  return false;
}

void MainWindow::AddFilesCommand() {
  file_list_->AddFilesWithDialog();
  if (window_memory_) window_memory_->StoreLastOpenFolder();
}

void MainWindow::ConvertCommand() {
  if (!EnsureListNotEmpty()) return;
  OutputSettingsDialog* dialog = EnsureSettingsDialog();
  dialog->SetPreviewSource(file_list_->SelectedRow());
  dialog->exec();
}

OutputSettingsDialog* MainWindow::EnsureSettingsDialog() {
  if (!settings_dialog_) {
    // Created once; afterwards only hidden, so its settings last while the program runs.
    settings_dialog_ = new OutputSettingsDialog(this, state_.outputFolder);
    settings_dialog_->SetOkHandler([this] { QueueConversionFromDialog(); });
    // A finished preview plays in the player window, over the dialog.
    settings_dialog_->Preview()->SetPlayer([this](const QString& path) {
      auto* player = new PlayerWindow(path, TextToName(path), settings_dialog_);
      player->setAttribute(Qt::WA_DeleteOnClose);
      player->open();
    });
  }
  return settings_dialog_;
}

void MainWindow::ApplyPreset(const Preset& preset) { EnsureSettingsDialog()->ApplyPreset(preset); }

void MainWindow::QueueConversionFromDialog() {
  if (!popup_) {
    popup_ = new CompletionNotice(this);
    connect(popup_, &CompletionNotice::itemClicked, this, &MainWindow::OnNoticeItemClicked);
  }
  QueueConversion(*settings_dialog_, file_list_->Rows(), encoder_, state_, *popup_, this);
}

void MainWindow::ExitCommand() {
  const auto answer = Ui::ShowMessage(this, tr("Do you want to exit?"), Ui::MessageIcon::Question,
                                      QMessageBox::Yes | QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  // What the close box would keep is kept here too.
  Stored::Set(Setting::OutputFolder, state_.outputFolder);
  if (window_memory_) window_memory_->StoreLayout();
  EndProgram(0);
}

void MainWindow::PlayCommand() {
  const auto row = file_list_->SelectedRow();
  if (!row || row->path.isEmpty()) return;
  PlayerWindow player(row->path, row->nativePath, this, row->source.durationUs);
  player.exec();
}

void MainWindow::AboutCommand() {
  AboutWindow about(this);
  about.exec();
}

void MainWindow::HelpContentsCommand() {
  Ui::OpenUrl(QUrl::fromLocalFile(ResourceFolder() + "help/index.html"));
}

void MainWindow::ShowListContextMenu(const QPoint& globalPos) {
  if (command_bars_) command_bars_->ShowContextMenu(globalPos);
}

void MainWindow::OnNoticeItemClicked(int id) {
  if (id != 1 && id != 2 && id != 3) return;
  if (popup_) popup_->close();
  if (id == 3) Ui::OpenFolder(state_.outputFolder);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Quitting in the middle of a run would lose the files being converted: ask.
  if (encoder_.Running()) {
    if (!Ui::AskYesDefaultNo(this, tr("Stop converting and quit?"))) {
      event->ignore();
      return;
    }
    state_.stopRequested = true;
    encoder_.Stop(true);  // waits, so every temporary file is gone before we exit
  }
  encoder_.Stop(false);
  Stored::Set(Setting::OutputFolder, state_.outputFolder);
  event->accept();
}
