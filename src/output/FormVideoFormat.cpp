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
#include <iterator>

#include "common/Helpers.h"
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
// "If the output file exists": the list's entries and the rule each one stands for.
const QStringList kIfExistsChoices = {"Keep both", "Overwrite", "Skip"};
constexpr ExistingOutput kIfExistsRules[] = {ExistingOutput::KeepBoth, ExistingOutput::Overwrite,
                                             ExistingOutput::Skip};
int IfExistsIndex(ExistingOutput rule) {
  for (int i = 0; i < static_cast<int>(std::size(kIfExistsRules)); ++i)
    if (kIfExistsRules[i] == rule) return i;
  return 0;
}
ExistingOutput IfExistsRule(int index) {
  return index >= 0 && index < static_cast<int>(std::size(kIfExistsRules)) ? kIfExistsRules[index]
                                                                           : ExistingOutput::KeepBoth;
}
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

FormVideoFormat::FormVideoFormat(QWidget* owner, const QString& outputFolder)
    : QDialog(owner), start_folder_(outputFolder) {
  setObjectName("FormVideoFormat");
  setWindowTitle("Output Settings");
  BuildControls();
  LoadForm();
}

void FormVideoFormat::BuildControls() {
  left_panel_ = new QWidget(this);
  left_panel_->setFixedWidth(CollapsedWidth);

  frame1_ = Named(new QFrame(left_panel_), "Frame1");
  frame1_->setFrameShape(QFrame::StyledPanel);
  frame1_->setFrameShadow(QFrame::Sunken);

  combo_format_ = Named(new FormatComboBox(frame1_), "ComboFormat");
  combo_size_ = Named(new QComboBox(frame1_), "ComboSize");
  combo_size_->addItems(SizeEntries());
  combo_size_->setMaxVisibleItems(SizeEntries().size());

  auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
  text_w_ = Named(new QLineEdit(frame1_), "TextW");
  text_h_ = Named(new QLineEdit(frame1_), "TextH");
  for (QLineEdit* box : {text_w_, text_h_}) {
    box->setValidator(digits);
    box->setMaxLength(9);
    box->installEventFilter(this);
  }

  combo_video_q_ = Named(new QComboBox(frame1_), "ComboVideoQ");
  combo_video_q_->addItems(kQualities);
  combo_audio_q_ = Named(new QComboBox(frame1_), "ComboAudioQ");
  combo_audio_q_->addItems(kQualities);
  combo_cpu_ = Named(new QComboBox(frame1_), "ComboCPU");
  text_folder_ = Named(new QLineEdit(frame1_), "TextFolder");
  btn_browse_ = Named(new QPushButton("&Browse...", frame1_), "BtnBrowse");
  combo_if_exists_ = Named(new QComboBox(frame1_), "ComboIfExists");
  combo_if_exists_->addItems(kIfExistsChoices);

  auto* form = new QGridLayout(frame1_);
  form->setContentsMargins(12, 12, 12, 12);
  form->setHorizontalSpacing(8);
  form->setVerticalSpacing(8);
  form->setColumnStretch(1, 1);
  form->setColumnStretch(3, 1);
  for (int row = 0; row < 8; ++row) form->setRowStretch(row, 1);
  form->addWidget(MakeLabel("Label1", "Output Format:", frame1_), 0, 0);
  form->addWidget(combo_format_, 0, 1, 1, 4);
  form->addWidget(MakeLabel("Label3", "Video Size:", frame1_), 1, 0);
  form->addWidget(combo_size_, 1, 1, 1, 4);
  form->addWidget(MakeLabel("Label7", "Width:", frame1_), 2, 0);
  form->addWidget(text_w_, 2, 1);
  form->addWidget(MakeLabel("Label4", "Height:", frame1_), 2, 2, Qt::AlignRight);
  form->addWidget(text_h_, 2, 3, 1, 2);
  form->addWidget(MakeLabel("Label5", "Video Quality:", frame1_), 3, 0);
  form->addWidget(combo_video_q_, 3, 1, 1, 4);
  form->addWidget(MakeLabel("Label6", "Audio Quality:", frame1_), 4, 0);
  form->addWidget(combo_audio_q_, 4, 1, 1, 4);
  form->addWidget(MakeLabel("Label8", "CPU Cores:", frame1_), 5, 0);
  form->addWidget(combo_cpu_, 5, 1);
  form->addWidget(MakeLabel("Label2", "Destination:", frame1_), 6, 0);
  form->addWidget(text_folder_, 6, 1, 1, 3);
  form->addWidget(btn_browse_, 6, 4);
  auto* ifExistsLabel = MakeLabel("LabelIfExists", "If the output file exists", frame1_);
  ifExistsLabel->setBuddy(combo_if_exists_);
  form->addWidget(ifExistsLabel, 7, 0, 1, 2);
  form->addWidget(combo_if_exists_, 7, 2, 1, 3);

  // Says when leaving a width or height box replaced its text; two lines are kept
  // free for it so the dialog does not change size.
  size_note_ = Named(new QLabel(left_panel_), "SizeNote");
  size_note_->setWordWrap(true);
  size_note_->setTextFormat(Qt::PlainText);
  size_note_->setStyleSheet("color: #b03a00;");
  size_note_->setFixedHeight(2 * size_note_->fontMetrics().lineSpacing() + 2);

  btn_more_ = Named(new QPushButton("&More >>", left_panel_), "BtnMore");
  btn_ok_ = Named(new QPushButton("OK", left_panel_), "BtnOK");
  btn_cancel_ = Named(new QPushButton("Cancel", left_panel_), "BtnCancel");
  btn_ok_->setDefault(true);
  for (QPushButton* button : {btn_more_, btn_ok_, btn_cancel_}) button->setMinimumWidth(90);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btn_more_);
  buttons->addStretch(1);
  buttons->addWidget(btn_ok_);
  buttons->addWidget(btn_cancel_);

  auto* left = new QVBoxLayout(left_panel_);
  left->setContentsMargins(GridStripMargin, GridStripMargin, GridStripMargin, GridStripMargin);
  left->setSpacing(GridStripMargin);
  left->addWidget(frame1_, 1);
  left->addWidget(size_note_);
  left->addLayout(buttons);

  grid_ = Named(new SettingsGrid(this), "PropertyGrid1");
  grid_->setFixedWidth(ExpandedWidth - CollapsedWidth - GridStripMargin);

  auto* main = new QHBoxLayout(this);
  main->setContentsMargins(0, 0, GridStripMargin, 0);
  main->setSpacing(0);
  main->setSizeConstraint(QLayout::SetNoConstraint);
  main->addWidget(left_panel_);
  auto* gridColumn = new QVBoxLayout;
  gridColumn->setContentsMargins(0, GridStripMargin, 0, GridStripMargin);
  gridColumn->addWidget(grid_);
  main->addLayout(gridColumn);
  main->addStretch(1);

  connect(combo_format_, &FormatComboBox::dropDownRequested, this,
          &FormVideoFormat::onFormatDropDown);
  connect(combo_size_, &QComboBox::activated, this, &FormVideoFormat::onSizeActivated);
  connect(combo_video_q_, &QComboBox::activated, this, &FormVideoFormat::onVideoQualityActivated);
  connect(combo_audio_q_, &QComboBox::activated, this, &FormVideoFormat::onAudioQualityActivated);
  connect(btn_browse_, &QPushButton::clicked, this, &FormVideoFormat::BrowseFolder);
  connect(btn_more_, &QPushButton::clicked, this, &FormVideoFormat::onMoreClicked);
  connect(btn_ok_, &QPushButton::clicked, this, &FormVideoFormat::onOkClicked);
  connect(btn_cancel_, &QPushButton::clicked, this, &FormVideoFormat::reject);
}

void FormVideoFormat::LoadForm() {
  grid_->BuildSettingsGrid();

  format_menu_ = BuildFormatMenu(this);
  ConnectProfileMenu(format_menu_);

  output_format_key_ = "mp4h264";
  grid_->SetText(GridItem::FileExtension, "mp4");

  combo_format_->clear();
  combo_format_->addItem("MP4 - H264 Video (*.mp4)");
  combo_format_->setCurrentIndex(0);

  combo_size_->setCurrentIndex(SizeAutoIndex);
  onSizeActivated(SizeAutoIndex);
  text_w_->setEnabled(false);
  text_h_->setEnabled(false);

  combo_video_q_->setCurrentIndex(1);
  onVideoQualityActivated(1);
  combo_audio_q_->setCurrentIndex(1);
  onAudioQualityActivated(1);

  text_folder_->setText(start_folder_.isEmpty() ? DefaultOutputFolder() : start_folder_);

  more_expanded_ = true;
  onMoreClicked();

  combo_cpu_->clear();
  const int processors = ProcessorCount();
  for (int n = 1; n <= processors; ++n) combo_cpu_->addItem(QString::number(n));
  combo_cpu_->setCurrentIndex(combo_cpu_->count() - 1);

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
  settings.outputFormatKey = output_format_key_;
  settings.audioOnly = audio_only_;
  settings.profileCaption = combo_format_->currentText();
  settings.sizeIndex = combo_size_->currentIndex();
  settings.width = text_w_->text();
  settings.height = text_h_->text();
  settings.videoQuality = combo_video_q_->currentIndex();
  settings.audioQuality = combo_audio_q_->currentIndex();
  settings.threads = combo_cpu_->currentText();
  settings.outputFolder = text_folder_->text();
  settings.ifExists = IfExistsRule(combo_if_exists_->currentIndex());
  settings.grid = grid_->Values();
  return settings;
}

OutputControls FormVideoFormat::Controls() const {
  OutputControls controls;
  controls.sizeEnabled = combo_size_->isEnabled();
  controls.sizeBoxesEnabled = text_w_->isEnabled();
  controls.videoQualityEnabled = combo_video_q_->isEnabled();
  controls.videoSettingsVisible = !grid_->IsCategoryHidden(GridCategory::Video);
  controls.removeAudioVisible = !grid_->IsItemHidden(GridItem::RemoveAudio);
  controls.audioItemsVisible = !grid_->IsItemHidden(GridItem::AudioBitrate);
  controls.cropValuesEditable = !grid_->IsItemReadOnly(GridItem::CropTop);
  return controls;
}

void FormVideoFormat::ShowSettings(const OutputSettings& settings,
                                   const OutputControls& controls) {
  showing_ = true;
  output_format_key_ = settings.outputFormatKey;
  audio_only_ = settings.audioOnly;
  combo_format_->clear();
  combo_format_->addItem(settings.profileCaption);
  combo_format_->setCurrentIndex(0);

  combo_size_->setCurrentIndex(settings.sizeIndex);
  text_w_->setText(settings.width);
  text_h_->setText(settings.height);
  combo_video_q_->setCurrentIndex(settings.videoQuality);
  combo_audio_q_->setCurrentIndex(settings.audioQuality);
  const int cpu = combo_cpu_->findText(settings.threads);
  if (cpu >= 0) combo_cpu_->setCurrentIndex(cpu);
  text_folder_->setText(settings.outputFolder);
  combo_if_exists_->setCurrentIndex(IfExistsIndex(settings.ifExists));
  grid_->SetValues(settings.grid);

  combo_size_->setEnabled(controls.sizeEnabled);
  text_w_->setEnabled(controls.sizeBoxesEnabled);
  text_h_->setEnabled(controls.sizeBoxesEnabled);
  combo_video_q_->setEnabled(controls.videoQualityEnabled);
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
  ok_handler_ = std::move(handler);
}

void FormVideoFormat::BrowseFolder() {
  const QString folder = Ui::BrowseForFolder(this, "Destination", FolderChooserStart(text_folder_->text()));
  if (!folder.isEmpty()) text_folder_->setText(folder);
}

void FormVideoFormat::ApplyProfile(int id, const QString& caption) {
  OutputSettings settings = Settings();
  OutputControls controls = Controls();
  ::ApplyProfile(settings, controls, id, caption);
  ShowSettings(settings, controls);
  const ProfileEntry* entry = FindProfile(id);
  if (entry && entry->width > 0) text_w_->setFocus(Qt::OtherFocusReason);
}

bool FormVideoFormat::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && (watched == text_w_ || watched == text_h_)) {
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
  size_note_->setText(DimensionReplacementNote(box == text_w_ ? "Width" : "Height", typed, corrected));
}

QString FormVideoFormat::SizeNote() const { return size_note_->text(); }

void FormVideoFormat::onFormatDropDown() {
  format_menu_->popup(combo_format_->mapToGlobal(QPoint(0, combo_format_->height())));
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
  size_note_->clear();  // the note spoke of the boxes as they were
  showing_ = true;
  if (!choice.keepText) {
    text_w_->setText(choice.width);
    text_h_->setText(choice.height);
  }
  text_w_->setEnabled(choice.boxesEnabled);
  text_h_->setEnabled(choice.boxesEnabled);
  showing_ = false;
  if (choice.focusWidth) text_w_->setFocus(Qt::OtherFocusReason);
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
  if (more_expanded_) {
    more_expanded_ = false;
    grid_->hide();
    btn_more_->setText("&More >>");
  } else {
    more_expanded_ = true;
    grid_->show();
    btn_more_->setText("&More <<");
  }
  FitHeight();
  if (isVisible()) KeepOnScreen(width() - before);
}

void FormVideoFormat::FitHeight() {
  const int width = more_expanded_ ? ExpandedWidth : CollapsedWidth;
  const int height = qMax(left_panel_->sizeHint().height(), DialogHeight);
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
  if (focus == text_w_ || focus == text_h_) CorrectDimensionBox(static_cast<QLineEdit*>(focus));
  StoredChoices::Store(Settings());
  if (ok_handler_) {
    ok_handler_();
  } else {
    accept();
  }
}
