// The output settings dialog: what it shows and keeps, and how it answers the user.
#include "output/OutputSettingsDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <iterator>
#include <utility>

#include "core/Helpers.h"
#include "desktop/OutputFolders.h"
#include "desktop/UiServices.h"
#include "desktop/WindowHelpers.h"
#include "output/FormatMenu.h"
#include "output/GridItems.h"
#include "output/OutputCatalogue.h"
#include "output/OutputSizes.h"
#include "output/PresetCommands.h"
#include "output/PreviewPanel.h"
#include "output/SettingsGrid.h"
#include "output/StoredChoices.h"

namespace {

// "If the output file exists": the rule each entry of the list stands for.
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
constexpr int DialogHeight = 420;  // tall enough for the grid's rows and description

}  // namespace

void FormatComboBox::showPopup() { emit dropDownRequested(); }

OutputSettingsDialog::OutputSettingsDialog(QWidget* owner, const QString& outputFolder)
    : QDialog(owner), start_folder_(outputFolder) {
  setObjectName("FormVideoFormat");
  setWindowTitle(tr("Output Settings"));
  BuildControls();
  LoadForm();
  NameControls();
}

void OutputSettingsDialog::LoadForm() {
  settings_grid_->BuildSettingsGrid();

  format_menu_ = BuildFormatMenu(this);
  ConnectProfileMenu(format_menu_);

  output_format_key_ = "mp4h264";
  settings_grid_->SetText(GridItem::FileExtension, "mp4");

  combo_format_->clear();
  combo_format_->addItem(ProfileCaptionShown("MP4 - H264 Video (*.mp4)"),
                         QString("MP4 - H264 Video (*.mp4)"));
  combo_format_->setCurrentIndex(0);

  combo_size_->setCurrentIndex(SizeAutoIndex);
  onSizeActivated(SizeAutoIndex);
  width_box_->setEnabled(false);
  height_box_->setEnabled(false);

  combo_video_q_->setCurrentIndex(1);
  onVideoQualityActivated(1);
  combo_audio_q_->setCurrentIndex(1);
  onAudioQualityActivated(1);

  folder_box_->setText(start_folder_.isEmpty() ? DefaultOutputFolder() : start_folder_);

  more_expanded_ = true;
  onMoreClicked();

  combo_cpu_->clear();
  const int processors = ProcessorCount();
  for (int n = 1; n <= processors; ++n)
    combo_cpu_->addItem(QString::number(n));
  combo_cpu_->setCurrentIndex(combo_cpu_->count() - 1);

  OutputSettings remembered = Settings();
  OutputControls rememberedControls = Controls();
  StoredChoices::Restore(remembered, rememberedControls, processors);
  ShowSettings(remembered, rememberedControls);

  SetSmallIcon(this);
}

void OutputSettingsDialog::ConnectProfileMenu(QMenu* menu) {
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
  if (holdsEntries) connect(menu, &QMenu::triggered, this, &OutputSettingsDialog::onProfileTriggered);
}

OutputSettings OutputSettingsDialog::Settings() const {
  OutputSettings settings;
  settings.outputFormatKey = output_format_key_;
  settings.audioOnly = audio_only_;
  settings.profileCaption = combo_format_->currentData().toString();
  settings.sizeIndex = combo_size_->currentIndex();
  settings.width = width_box_->text();
  settings.height = height_box_->text();
  settings.videoQuality = combo_video_q_->currentIndex();
  settings.audioQuality = combo_audio_q_->currentIndex();
  settings.threads = combo_cpu_->currentText();
  settings.outputFolder = folder_box_->text();
  settings.ifExists = IfExistsRule(combo_if_exists_->currentIndex());
  settings.grid = settings_grid_->Values();
  return settings;
}

OutputControls OutputSettingsDialog::Controls() const {
  OutputControls controls;
  controls.sizeEnabled = combo_size_->isEnabled();
  controls.sizeBoxesEnabled = width_box_->isEnabled();
  controls.videoQualityEnabled = combo_video_q_->isEnabled();
  controls.videoSettingsVisible = !settings_grid_->IsCategoryHidden(GridCategory::Video);
  controls.removeAudioVisible = !settings_grid_->IsItemHidden(GridItem::RemoveAudio);
  controls.audioItemsVisible = !settings_grid_->IsItemHidden(GridItem::AudioBitrate);
  controls.cropValuesEditable = !settings_grid_->IsItemReadOnly(GridItem::CropTop);
  return controls;
}

void OutputSettingsDialog::ShowSettings(const OutputSettings& settings, const OutputControls& controls) {
  showing_ = true;
  output_format_key_ = settings.outputFormatKey;
  audio_only_ = settings.audioOnly;
  combo_format_->clear();
  combo_format_->addItem(ProfileCaptionShown(settings.profileCaption), settings.profileCaption);
  combo_format_->setCurrentIndex(0);

  combo_size_->setCurrentIndex(settings.sizeIndex);
  width_box_->setText(settings.width);
  height_box_->setText(settings.height);
  combo_video_q_->setCurrentIndex(settings.videoQuality);
  combo_audio_q_->setCurrentIndex(settings.audioQuality);
  const int cpu = combo_cpu_->findText(settings.threads);
  if (cpu >= 0) combo_cpu_->setCurrentIndex(cpu);
  folder_box_->setText(settings.outputFolder);
  combo_if_exists_->setCurrentIndex(IfExistsIndex(settings.ifExists));
  settings_grid_->SetValues(settings.grid);
  settings_grid_->SetQualityScale(QualityScaleFor(settings.outputFormatKey));

  combo_size_->setEnabled(controls.sizeEnabled);
  width_box_->setEnabled(controls.sizeBoxesEnabled);
  height_box_->setEnabled(controls.sizeBoxesEnabled);
  combo_video_q_->setEnabled(controls.videoQualityEnabled);
  settings_grid_->SetCategoryHidden(GridCategory::Video, !controls.videoSettingsVisible);
  settings_grid_->SetCategoryHidden(GridCategory::Subtitle, !controls.videoSettingsVisible);
  settings_grid_->SetItemHidden(GridItem::RemoveAudio, !controls.removeAudioVisible);
  for (GridItem item : {GridItem::AudioBitrate, GridItem::SampleRate, GridItem::Channels}) {
    settings_grid_->SetItemHidden(item, !controls.audioItemsVisible);
  }
  for (GridItem item : {GridItem::CropTop, GridItem::CropBottom, GridItem::CropLeft, GridItem::CropRight}) {
    settings_grid_->SetItemReadOnly(item, !controls.cropValuesEditable);
  }
  showing_ = false;
}

void OutputSettingsDialog::SetOkHandler(std::function<void()> handler) { ok_handler_ = std::move(handler); }

void OutputSettingsDialog::BrowseFolder() {
  const QString folder =
      Ui::BrowseForFolder(this, tr("Destination"), FolderChooserStart(folder_box_->text()));
  if (!folder.isEmpty()) folder_box_->setText(folder);
}

void OutputSettingsDialog::ApplyProfile(int id, const QString& caption) {
  OutputSettings settings = Settings();
  OutputControls controls = Controls();
  ::ApplyProfile(settings, controls, id, caption);
  ShowSettings(settings, controls);
  const ProfileEntry* entry = FindProfile(id);
  if (entry && entry->width > 0) width_box_->setFocus(Qt::OtherFocusReason);
}

void OutputSettingsDialog::ApplyPreset(const Preset& preset) {
  OutputSettings settings = Settings();
  OutputControls controls;
  ::ApplyPreset(preset, settings, controls);
  ShowSettings(settings, controls);
  StoredChoices::Store(Settings());
}

void OutputSettingsDialog::onSavePresetClicked() { PresetCommands::SaveAs(this, PresetStore(), Settings()); }

bool OutputSettingsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && (watched == width_box_ || watched == height_box_)) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Switching windows or opening a context menu is not leaving the box.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      CorrectDimensionBox(static_cast<QLineEdit*>(watched));
    }
  }
  return QDialog::eventFilter(watched, event);
}

void OutputSettingsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  KeepOnScreen(0);
}

void OutputSettingsDialog::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  // Closing, canceling or starting the conversion hides the dialog; minimising does not count.
  if (!event->spontaneous()) preview_panel_->Discard();
}

void OutputSettingsDialog::SetPreviewSource(std::optional<FileRow> row) {
  preview_panel_->SetSource(std::move(row));
}

void OutputSettingsDialog::CorrectDimensionBox(QLineEdit* box) {
  // A box being emptied and disabled by code is not corrected.
  if (showing_ || !box->isEnabled()) return;
  const QString typed = box->text();
  const QString corrected = CorrectDimensionText(typed);
  if (corrected != typed) box->setText(corrected);
  size_note_->setText(
      DimensionReplacementNote(box == width_box_ ? tr("Width") : tr("Height"), typed, corrected));
}

QString OutputSettingsDialog::SizeNote() const { return size_note_->text(); }

void OutputSettingsDialog::onFormatDropDown() {
  format_menu_->popup(combo_format_->mapToGlobal(QPoint(0, combo_format_->height())));
}

void OutputSettingsDialog::onProfileTriggered(QAction* action) {
  if (!action) return;
  bool ok = false;
  const int id = action->data().toInt(&ok);
  if (!ok) return;
  const ProfileEntry* entry = FindProfile(id);
  QString caption = entry ? QString::fromUtf8(entry->caption) : action->text();
  ApplyProfile(id, caption);
}

void OutputSettingsDialog::onSizeActivated(int index) {
  const SizeChoice choice = ChooseSize(index);
  size_note_->clear();  // the note spoke of the boxes as they were
  showing_ = true;
  if (!choice.keepText) {
    width_box_->setText(choice.width);
    height_box_->setText(choice.height);
  }
  width_box_->setEnabled(choice.boxesEnabled);
  height_box_->setEnabled(choice.boxesEnabled);
  showing_ = false;
  if (choice.focusWidth) width_box_->setFocus(Qt::OtherFocusReason);
}

void OutputSettingsDialog::onVideoQualityActivated(int index) {
  Q_UNUSED(index);
  settings_grid_->SetText(GridItem::VideoBitrate, "Auto");
}

void OutputSettingsDialog::onAudioQualityActivated(int index) {
  Q_UNUSED(index);
  settings_grid_->SetText(GridItem::AudioBitrate, "Auto");
  settings_grid_->SetText(GridItem::SampleRate, "Auto");
}

void OutputSettingsDialog::onMoreClicked() {
  const int before = width();
  if (more_expanded_) {
    more_expanded_ = false;
    settings_grid_->hide();
    more_button_->setText(tr("&More >>"));
  } else {
    more_expanded_ = true;
    settings_grid_->show();
    more_button_->setText(tr("&More <<"));
  }
  FitHeight();
  if (isVisible()) KeepOnScreen(width() - before);
}

void OutputSettingsDialog::FitHeight() {
  const int width = more_expanded_ ? ExpandedWidth : CollapsedWidth;
  const int height = qMax(left_panel_->sizeHint().height(), DialogHeight);
  setFixedSize(width, height);
}

void OutputSettingsDialog::KeepOnScreen(int grownBy) {
  // The dialog widens and narrows around its middle, and never past the edges of
  // the screen's free area (a dialog opened near the right edge would otherwise run
  // off the screen when it widens).
  const QScreen* shownOn = screen();
  if (!shownOn || !CanPlaceWindows()) return;
  const QRect area = shownOn->availableGeometry();
  QRect frame = frameGeometry();
  frame.translate(-grownBy / 2, 0);
  if (frame.right() > area.right()) frame.moveRight(area.right());
  if (frame.bottom() > area.bottom()) frame.moveBottom(area.bottom());
  if (frame.left() < area.left()) frame.moveLeft(area.left());
  if (frame.top() < area.top()) frame.moveTop(area.top());
  if (frame.topLeft() != frameGeometry().topLeft()) move(frame.topLeft());
}

void OutputSettingsDialog::onOkClicked() {
  // Enter on the default button does not move the focus: apply the correction that
  // leaving a width or height box would.
  QWidget* focus = focusWidget();
  if (focus == width_box_ || focus == height_box_) CorrectDimensionBox(static_cast<QLineEdit*>(focus));
  StoredChoices::Store(Settings());
  if (ok_handler_) {
    ok_handler_();
  } else {
    accept();
  }
}
