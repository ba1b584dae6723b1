#include "app/FormMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QUrl>

#include "app/CommandBars.h"
#include "app/CommandTable.h"
#include "app/FormFlash.h"
#include "app/UpdateCheck.h"
#include "app/WindowMemory.h"
#include "common/Globals.h"
#include "common/Helpers.h"
#include "common/Settings.h"
#include "common/UiServices.h"
#include "filelist/ListView1.h"

#include "conversion/CompletionNotice.h"
#include "conversion/QueueConversion.h"
#include "filelist/FileList.h"
#include "filelist/FormWait.h"
#include "output/FormVideoFormat.h"
#include "player/FormPlayer.h"

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

FormMain::FormMain(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(Globals::ProgramTitle);
  resize(1040, 600);
  // Design-time settings of the engine controls, set before any engine call.
  ffDecoder1_.BitmapBitsPixel = 32;
  ffDecoder1_.Deinterlace = false;
  ffEncoder1_.CustomMaxFiles = 20;
  ffEncoder1_.Verbose = 1;
  ffEncoder1_.ReadTimeout = 10000;

  listView1_ = new ListView1(this);
  listView1_->setObjectName("ListView1");
  setCentralWidget(listView1_);  // the list always fills the area the bars leave free
  const int widths[] = {320, 60, 80, 100, 90, 150, 95, 95};
  for (int column = 0; column < 8; ++column) listView1_->setColumnWidth(column, widths[column]);
  timer1_.setInterval(kTotalsIntervalMs);
}

FormMain::~FormMain() { ffEncoder1_.Stop(true); }

bool FormMain::Load() {
  // 1-2. The list accepts dropped files; the Add Files dialog starts with no folder.
  listView1_->setAcceptDrops(true);
  fileList_ = std::make_unique<FileList>(listView1_, ffDecoder1_, this);
  connect(listView1_, &ListView1::contextMenuRequested, this, &FormMain::ShowListContextMenu);
  // 3. Command bars.
  commandBars_ = new CommandBars(this);
  connect(commandBars_, &CommandBars::executed, this, &FormMain::OnCommand);
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
  // 8. Web-site reminder.
  UpdateCheckPrompt(QDate::currentDate());

  connect(&timer1_, &QTimer::timeout, fileList_.get(), &FileList::RefreshTotals);
  timer1_.start();
  windowMemory_ = new WindowMemory(*this, *listView1_, *fileList_);
  windowMemory_->Restore();
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
  FileList* files = fileList_.get();
  dispatcher_.Register(Commands::AddFolder, [this, files] {
    files->AddFolderWithDialog();
    if (windowMemory_) windowMemory_->StoreLastOpenFolder();
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
  if (skin.open(QIODevice::ReadOnly | QIODevice::Text))
    qApp->setStyleSheet(QString::fromUtf8(skin.readAll()));
}

void FormMain::ResetStatusPanes() {
  QStatusBar* bar = statusBar();
  bar->setVisible(true);
  filesPane_ = new QLabel("Total Files: 0", bar);
  filesPane_->setObjectName("FilesPane");
  filesPane_->setProperty("paneId", kFilesPaneId);
  filesPane_->setFixedWidth(150);
  durationPane_ = new QLabel("Total Duration: 00:00:00", bar);
  durationPane_->setObjectName("DurationPane");
  durationPane_->setProperty("paneId", kDurationPaneId);
  durationPane_->setFixedWidth(200);
  bar->addWidget(filesPane_);
  bar->addWidget(durationPane_);
  fileList_->SetPanes(filesPane_, durationPane_);
}

bool FormMain::EnginePreparation() {
  Globals::AppFolder = ResourceFolder();
  Globals::OutputFolder = ReadSetting("OutPath");
  if (FFEncoder::AVLibLoaded()) return true;
  if (FFEncoder::LoadAVLib((Globals::AppFolder + "LibAV").toStdString())) return true;
  Ui::ShowMessage(this, "Video lib not found", Ui::MessageIcon::Critical);
  return false;
}

void FormMain::UpdateCheckPrompt(const QDate& today) {
  if (!UpdateCheck::IsDue(ReadSetting("LastCheckUpdate"), today)) return;
  const auto answer = Ui::ShowMessage(
      this, "Do you want to visit our website to check if there is a new version released?",
      Ui::MessageIcon::Question, QMessageBox::Yes | QMessageBox::No);
  if (answer == QMessageBox::Yes) OpenWebSite();
  WriteSetting("LastCheckUpdate", UpdateCheck::FormatCheckDate(today));
}

bool FormMain::EnsureListNotEmpty() {
  if (listView1_->topLevelItemCount() > 0) return true;
  Ui::ShowMessage(this, "Please add file to the list.", Ui::MessageIcon::Information);
  AddFilesCommand();
  return false;
}

void FormMain::AddFilesCommand() {
  fileList_->AddFilesWithDialog();
  if (windowMemory_) windowMemory_->StoreLastOpenFolder();
}

void FormMain::ConvertCommand() {
  if (!EnsureListNotEmpty()) return;
  if (!formVideoFormat_) {
    // Created once; afterwards only hidden, so its settings last while the program runs.
    formVideoFormat_ = new FormVideoFormat(this);
    formVideoFormat_->SetOkHandler([this] { QueueConversionFromDialog(); });
  }
  formVideoFormat_->exec();
}

void FormMain::QueueConversionFromDialog() {
  if (!popup_) {
    popup_ = new CompletionNotice(this);
    connect(popup_, &CompletionNotice::itemClicked, this, &FormMain::OnNoticeItemClicked);
  }
  QueueConversion(*formVideoFormat_, fileList_->Rows(), ffEncoder1_, *popup_, this);
}

void FormMain::ExitCommand() {
  const auto answer = Ui::ShowMessage(this, "Do you want to exit?", Ui::MessageIcon::Question,
                                      QMessageBox::Yes | QMessageBox::No);
  if (answer == QMessageBox::Yes) EndProgram(0);
}

void FormMain::PlayCommand() {
  const auto row = fileList_->SelectedRow();
  if (!row || row->path.isEmpty()) return;
  FormPlayer player(row->path, row->nativePath, this, row->duration);
  player.exec();
}

void FormMain::AboutCommand() {
  FormFlash about(this);
  about.exec();
}

void FormMain::HelpContentsCommand() {
  Ui::OpenUrl(QUrl::fromLocalFile(Globals::AppFolder + "help/index.html"));
}

void FormMain::ShowListContextMenu(const QPoint& globalPos) {
  if (commandBars_) commandBars_->ShowContextMenu(globalPos);
}

void FormMain::OnNoticeItemClicked(int id) {
  if (id != 1 && id != 2 && id != 3) return;
  if (popup_) popup_->close();
  if (id == 3) Ui::OpenFolder(Globals::OutputFolder);
}

void FormMain::closeEvent(QCloseEvent* event) {
  // Quitting in the middle of a run would lose the files being converted: ask.
  if (ffEncoder1_.Running()) {
    const auto answer = Ui::ShowMessage(this, "Stop converting and quit?", Ui::MessageIcon::Question,
                                        QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) {
      event->ignore();
      return;
    }
    Globals::StopRequested = true;
    ffEncoder1_.Stop(true);  // waits, so every temporary file is gone before we exit
  }
  ffEncoder1_.Stop(false);
  WriteSetting("OutPath", Globals::OutputFolder);
  event->accept();
}
