// The output settings dialog.
#include "output/FormVideoFormat.h"

#include <QAction>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

#include "common/Globals.h"
#include "common/Helpers.h"
#include "common/Settings.h"
#include "common/OutputFolders.h"
#include "common/UiServices.h"
#include "output/FormatMenu.h"
#include "output/GridItems.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSizes.h"
#include "output/SettingsGrid.h"
#include "output/StoredChoices.h"

namespace {

const QStringList kQualities = {"High (larger file size)", "Normal", "Low (smaller file size)"};
const QStringList kIfExistsChoices = {"Keep both", "Overwrite", "Skip"};
constexpr const char* IfExistsSetting = "IfExists";
constexpr int GridStripMargin = 10;
constexpr int DialogHeight = 420;  // tall enough for the grid's rows and description

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

template <typename T>
T* Named(T* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

void FormatComboBox::showPopup() { emit dropDownRequested(); }

FormVideoFormat::FormVideoFormat(QWidget* owner) : QDialog(owner) {
  setObjectName("FormVideoFormat");
  setWindowTitle("Output Settings");
  BuildControls();
  LoadForm();
}

void FormVideoFormat::BuildControls() {
  leftPanel_ = new QWidget(this);
  leftPanel_->setFixedWidth(CollapsedWidth);

  frame1_ = Named(new QFrame(leftPanel_), "Frame1");
  frame1_->setFrameShape(QFrame::StyledPanel);
  frame1_->setFrameShadow(QFrame::Sunken);

  comboFormat_ = Named(new FormatComboBox(frame1_), "ComboFormat");
  comboSize_ = Named(new QComboBox(frame1_), "ComboSize");
  comboSize_->addItems(SizeEntries());
  comboSize_->setMaxVisibleItems(SizeEntries().size());

  auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
  textW_ = Named(new QLineEdit(frame1_), "TextW");
  textH_ = Named(new QLineEdit(frame1_), "TextH");
  for (QLineEdit* box : {textW_, textH_}) {
    box->setValidator(digits);
    box->setMaxLength(9);
    box->installEventFilter(this);
  }

  comboVideoQ_ = Named(new QComboBox(frame1_), "ComboVideoQ");
  comboVideoQ_->addItems(kQualities);
  comboAudioQ_ = Named(new QComboBox(frame1_), "ComboAudioQ");
  comboAudioQ_->addItems(kQualities);
  comboCPU_ = Named(new QComboBox(frame1_), "ComboCPU");
  textFolder_ = Named(new QLineEdit(frame1_), "TextFolder");
  btnBrowse_ = Named(new QPushButton("Browse...", frame1_), "BtnBrowse");
  comboIfExists_ = Named(new QComboBox(frame1_), "ComboIfExists");
  comboIfExists_->addItems(kIfExistsChoices);

  auto* form = new QGridLayout(frame1_);
  form->setContentsMargins(12, 12, 12, 12);
  form->setHorizontalSpacing(8);
  form->setVerticalSpacing(8);
  form->setColumnStretch(1, 1);
  form->setColumnStretch(3, 1);
  for (int row = 0; row < 8; ++row) form->setRowStretch(row, 1);
  form->addWidget(MakeLabel("Label1", "Output Format:", frame1_), 0, 0);
  form->addWidget(comboFormat_, 0, 1, 1, 4);
  form->addWidget(MakeLabel("Label3", "Video Size:", frame1_), 1, 0);
  form->addWidget(comboSize_, 1, 1, 1, 4);
  form->addWidget(MakeLabel("Label7", "Width:", frame1_), 2, 0);
  form->addWidget(textW_, 2, 1);
  form->addWidget(MakeLabel("Label4", "Height:", frame1_), 2, 2, Qt::AlignRight);
  form->addWidget(textH_, 2, 3, 1, 2);
  form->addWidget(MakeLabel("Label5", "Video Quality:", frame1_), 3, 0);
  form->addWidget(comboVideoQ_, 3, 1, 1, 4);
  form->addWidget(MakeLabel("Label6", "Audio Quality:", frame1_), 4, 0);
  form->addWidget(comboAudioQ_, 4, 1, 1, 4);
  form->addWidget(MakeLabel("Label8", "CPU Cores:", frame1_), 5, 0);
  form->addWidget(comboCPU_, 5, 1);
  form->addWidget(MakeLabel("Label2", "Destination:", frame1_), 6, 0);
  form->addWidget(textFolder_, 6, 1, 1, 3);
  form->addWidget(btnBrowse_, 6, 4);
  auto* ifExistsLabel = MakeLabel("LabelIfExists", "If the output file exists", frame1_);
  ifExistsLabel->setBuddy(comboIfExists_);
  form->addWidget(ifExistsLabel, 7, 0, 1, 2);
  form->addWidget(comboIfExists_, 7, 2, 1, 3);

  // Says when leaving a width or height box replaced its text; two lines are kept
  // free for it so the dialog does not change size.
  sizeNote_ = Named(new QLabel(leftPanel_), "SizeNote");
  sizeNote_->setWordWrap(true);
  sizeNote_->setTextFormat(Qt::PlainText);
  sizeNote_->setStyleSheet("color: #b03a00;");
  sizeNote_->setFixedHeight(2 * sizeNote_->fontMetrics().lineSpacing() + 2);

  btnMore_ = Named(new QPushButton("More >>", leftPanel_), "BtnMore");
  btnOK_ = Named(new QPushButton("OK", leftPanel_), "BtnOK");
  btnCancel_ = Named(new QPushButton("Cancel", leftPanel_), "BtnCancel");
  btnOK_->setDefault(true);
  for (QPushButton* button : {btnMore_, btnOK_, btnCancel_}) button->setMinimumWidth(90);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnMore_);
  buttons->addStretch(1);
  buttons->addWidget(btnOK_);
  buttons->addWidget(btnCancel_);

  auto* left = new QVBoxLayout(leftPanel_);
  left->setContentsMargins(GridStripMargin, GridStripMargin, GridStripMargin, GridStripMargin);
  left->setSpacing(GridStripMargin);
  left->addWidget(frame1_, 1);
  left->addWidget(sizeNote_);
  left->addLayout(buttons);

  grid_ = Named(new SettingsGrid(this), "PropertyGrid1");
  grid_->setFixedWidth(ExpandedWidth - CollapsedWidth - GridStripMargin);

  auto* main = new QHBoxLayout(this);
  main->setContentsMargins(0, 0, GridStripMargin, 0);
  main->setSpacing(0);
  main->setSizeConstraint(QLayout::SetNoConstraint);
  main->addWidget(leftPanel_);
  auto* gridColumn = new QVBoxLayout;
  gridColumn->setContentsMargins(0, GridStripMargin, 0, GridStripMargin);
  gridColumn->addWidget(grid_);
  main->addLayout(gridColumn);
  main->addStretch(1);

  connect(comboFormat_, &FormatComboBox::dropDownRequested, this,
          &FormVideoFormat::onFormatDropDown);
  connect(comboSize_, &QComboBox::activated, this, &FormVideoFormat::onSizeActivated);
  connect(comboVideoQ_, &QComboBox::activated, this, &FormVideoFormat::onVideoQualityActivated);
  connect(comboAudioQ_, &QComboBox::activated, this, &FormVideoFormat::onAudioQualityActivated);
  connect(btnBrowse_, &QPushButton::clicked, this, &FormVideoFormat::BrowseFolder);
  connect(btnMore_, &QPushButton::clicked, this, &FormVideoFormat::onMoreClicked);
  connect(btnOK_, &QPushButton::clicked, this, &FormVideoFormat::onOkClicked);
  connect(btnCancel_, &QPushButton::clicked, this, &FormVideoFormat::reject);
}

void FormVideoFormat::LoadForm() {
  grid_->BuildSettingsGrid();

  formatMenu_ = BuildFormatMenu(this);
  ConnectProfileMenu(formatMenu_);

  outputFormatKey_ = "mp4h264";
  grid_->SetText(GridItem::FileExtension, "mp4");

  comboFormat_->clear();
  comboFormat_->addItem("MP4 - H264 Video (*.mp4)");
  comboFormat_->setCurrentIndex(0);

  comboSize_->setCurrentIndex(SizeAutoIndex);
  onSizeActivated(SizeAutoIndex);
  textW_->setEnabled(false);
  textH_->setEnabled(false);

  comboVideoQ_->setCurrentIndex(1);
  onVideoQualityActivated(1);
  comboAudioQ_->setCurrentIndex(1);
  onAudioQualityActivated(1);

  textFolder_->setText(Globals::OutputFolder.isEmpty() ? DefaultOutputFolder() : Globals::OutputFolder);

  moreExpanded_ = true;
  onMoreClicked();

  comboCPU_->clear();
  const int processors = ProcessorCount();
  for (int n = 1; n <= processors; ++n) comboCPU_->addItem(QString::number(n));
  comboCPU_->setCurrentIndex(comboCPU_->count() - 1);

  comboIfExists_->setCurrentIndex(IfExistsFromSettingText(ReadSetting(IfExistsSetting)));
  OutputSettings remembered = Settings();
  OutputControls rememberedControls = Controls();
  StoredChoices::Restore(remembered, rememberedControls, processors);
  ShowSettings(remembered, rememberedControls);

  SetSmallIcon(this);
}

void FormVideoFormat::ConnectProfileMenu(QMenu* menu) {
  // Each submenu that holds profile entries reports its own actions; parent menus are
  // left unconnected so a click is applied once.
  bool holdsEntries = false;
  for (QAction* action : menu->actions()) {
    if (QMenu* sub = action->menu()) {
      ConnectProfileMenu(sub);
    } else {
      holdsEntries = true;
    }
  }
  if (holdsEntries) connect(menu, &QMenu::triggered, this, &FormVideoFormat::onProfileTriggered);
}

OutputSettings FormVideoFormat::Settings() const {
  OutputSettings settings;
  settings.outputFormatKey = outputFormatKey_;
  settings.audioOnly = audioOnly_;
  settings.profileCaption = comboFormat_->currentText();
  settings.sizeIndex = comboSize_->currentIndex();
  settings.width = textW_->text();
  settings.height = textH_->text();
  settings.videoQuality = comboVideoQ_->currentIndex();
  settings.audioQuality = comboAudioQ_->currentIndex();
  settings.threads = comboCPU_->currentText();
  settings.outputFolder = textFolder_->text();
  settings.ifExists = comboIfExists_->currentIndex();
  settings.grid = grid_->Values();
  return settings;
}

OutputControls FormVideoFormat::Controls() const {
  OutputControls controls;
  controls.sizeEnabled = comboSize_->isEnabled();
  controls.sizeBoxesEnabled = textW_->isEnabled();
  controls.videoQualityEnabled = comboVideoQ_->isEnabled();
  controls.videoSettingsVisible = !grid_->IsCategoryHidden(GridCategory::Video);
  controls.removeAudioVisible = !grid_->IsItemHidden(GridItem::RemoveAudio);
  controls.audioItemsVisible = !grid_->IsItemHidden(GridItem::AudioBitrate);
  controls.cropValuesEditable = !grid_->IsItemReadOnly(GridItem::CropTop);
  return controls;
}

void FormVideoFormat::ShowSettings(const OutputSettings& settings,
                                   const OutputControls& controls) {
  showing_ = true;
  outputFormatKey_ = settings.outputFormatKey;
  audioOnly_ = settings.audioOnly;
  comboFormat_->clear();
  comboFormat_->addItem(settings.profileCaption);
  comboFormat_->setCurrentIndex(0);

  comboSize_->setCurrentIndex(settings.sizeIndex);
  textW_->setText(settings.width);
  textH_->setText(settings.height);
  comboVideoQ_->setCurrentIndex(settings.videoQuality);
  comboAudioQ_->setCurrentIndex(settings.audioQuality);
  const int cpu = comboCPU_->findText(settings.threads);
  if (cpu >= 0) comboCPU_->setCurrentIndex(cpu);
  textFolder_->setText(settings.outputFolder);
  if (settings.ifExists >= 0 && settings.ifExists < comboIfExists_->count())
    comboIfExists_->setCurrentIndex(settings.ifExists);
  grid_->SetValues(settings.grid);

  comboSize_->setEnabled(controls.sizeEnabled);
  textW_->setEnabled(controls.sizeBoxesEnabled);
  textH_->setEnabled(controls.sizeBoxesEnabled);
  comboVideoQ_->setEnabled(controls.videoQualityEnabled);
  grid_->SetCategoryHidden(GridCategory::Video, !controls.videoSettingsVisible);
  grid_->SetCategoryHidden(GridCategory::Subtitle, !controls.videoSettingsVisible);
  grid_->SetItemHidden(GridItem::RemoveAudio, !controls.removeAudioVisible);
  for (GridItem item : {GridItem::AudioBitrate, GridItem::SampleRate, GridItem::Channels}) {
    grid_->SetItemHidden(item, !controls.audioItemsVisible);
  }
  for (GridItem item : {GridItem::CropTop, GridItem::CropBottom, GridItem::CropLeft,
                        GridItem::CropRight}) {
    grid_->SetItemReadOnly(item, !controls.cropValuesEditable);
  }
  showing_ = false;
}

void FormVideoFormat::SetOkHandler(std::function<void()> handler) {
  okHandler_ = std::move(handler);
}

void FormVideoFormat::BrowseFolder() {
  const QString folder = Ui::BrowseForFolder(this, "Destination", FolderChooserStart(textFolder_->text()));
  if (!folder.isEmpty()) textFolder_->setText(folder);
}

void FormVideoFormat::ApplyProfile(int id, const QString& caption) {
  OutputSettings settings = Settings();
  OutputControls controls = Controls();
  ::ApplyProfile(settings, controls, id, caption);
  ShowSettings(settings, controls);
  const ProfileEntry* entry = FindProfile(id);
  if (entry && entry->width > 0) textW_->setFocus(Qt::OtherFocusReason);
}

bool FormVideoFormat::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && (watched == textW_ || watched == textH_)) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Switching windows or opening a context menu is not leaving the box.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      CorrectDimensionBox(static_cast<QLineEdit*>(watched));
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FormVideoFormat::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  KeepOnScreen(0);
}

void FormVideoFormat::CorrectDimensionBox(QLineEdit* box) {
  // A box being emptied and disabled by code is not corrected.
  if (showing_ || !box->isEnabled()) return;
  const QString typed = box->text();
  const QString corrected = CorrectDimensionText(typed);
  if (corrected != typed) box->setText(corrected);
  sizeNote_->setText(DimensionReplacementNote(box == textW_ ? "Width" : "Height", typed, corrected));
}

QString FormVideoFormat::SizeNote() const { return sizeNote_->text(); }

void FormVideoFormat::onFormatDropDown() {
  formatMenu_->popup(comboFormat_->mapToGlobal(QPoint(0, comboFormat_->height())));
}

void FormVideoFormat::onProfileTriggered(QAction* action) {
  if (!action) return;
  bool ok = false;
  const int id = action->data().toInt(&ok);
  if (!ok) return;
  const ProfileEntry* entry = FindProfile(id);
  QString caption = entry ? QString::fromUtf8(entry->caption) : action->text();
  ApplyProfile(id, caption);
}

void FormVideoFormat::onSizeActivated(int index) {
  const SizeChoice choice = ChooseSize(index);
  sizeNote_->clear();  // the note spoke of the boxes as they were
  showing_ = true;
  if (!choice.keepText) {
    textW_->setText(choice.width);
    textH_->setText(choice.height);
  }
  textW_->setEnabled(choice.boxesEnabled);
  textH_->setEnabled(choice.boxesEnabled);
  showing_ = false;
  if (choice.focusWidth) textW_->setFocus(Qt::OtherFocusReason);
}

void FormVideoFormat::onVideoQualityActivated(int index) {
  Q_UNUSED(index);
  grid_->SetText(GridItem::VideoBitrate, "Auto");
}

void FormVideoFormat::onAudioQualityActivated(int index) {
  Q_UNUSED(index);
  grid_->SetText(GridItem::AudioBitrate, "Auto");
  grid_->SetText(GridItem::SampleRate, "Auto");
}

void FormVideoFormat::onMoreClicked() {
  const int before = width();
  if (moreExpanded_) {
    moreExpanded_ = false;
    grid_->hide();
    btnMore_->setText("More >>");
  } else {
    moreExpanded_ = true;
    grid_->show();
    btnMore_->setText("More <<");
  }
  FitHeight();
  if (isVisible()) KeepOnScreen(width() - before);
}

void FormVideoFormat::FitHeight() {
  const int width = moreExpanded_ ? ExpandedWidth : CollapsedWidth;
  const int height = qMax(leftPanel_->sizeHint().height(), DialogHeight);
  setFixedSize(width, height);
}

void FormVideoFormat::KeepOnScreen(int grownBy) {
  // The dialog widens and narrows around its middle, and never past the edges of
  // the screen's free area (a dialog opened near the right edge would otherwise run
  // off the screen when it widens).
  const QScreen* shownOn = screen();
  if (!shownOn) return;
  const QRect area = shownOn->availableGeometry();
  QRect frame = frameGeometry();
  frame.translate(-grownBy / 2, 0);
  if (frame.right() > area.right()) frame.moveRight(area.right());
  if (frame.bottom() > area.bottom()) frame.moveBottom(area.bottom());
  if (frame.left() < area.left()) frame.moveLeft(area.left());
  if (frame.top() < area.top()) frame.moveTop(area.top());
  if (frame.topLeft() != frameGeometry().topLeft()) move(frame.topLeft());
}

void FormVideoFormat::onOkClicked() {
  // Enter on the default button does not move the focus: apply the correction that
  // leaving a width or height box would.
  QWidget* focus = focusWidget();
  if (focus == textW_ || focus == textH_) CorrectDimensionBox(static_cast<QLineEdit*>(focus));
  WriteSetting(IfExistsSetting, IfExistsSettingText(comboIfExists_->currentIndex()));
  StoredChoices::Store(Settings());
  if (okHandler_) {
    okHandler_();
  } else {
    accept();
  }
}
