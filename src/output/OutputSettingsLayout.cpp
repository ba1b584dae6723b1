// The output settings dialog's controls: built, laid out and named for screen readers
// and the keyboard.
#include "output/OutputSettingsDialog.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "desktop/KeyboardAccess.h"
#include "output/OutputSizes.h"
#include "output/PreviewPanel.h"
#include "output/SettingsGrid.h"

namespace {

const char* const kQualities[] = {QT_TRANSLATE_NOOP("OutputSettingsDialog", "High (larger file size)"),
                                  QT_TRANSLATE_NOOP("OutputSettingsDialog", "Normal"),
                                  QT_TRANSLATE_NOOP("OutputSettingsDialog", "Low (smaller file size)")};
// "If the output file exists": the list's entries, in the order of its rules.
const char* const kIfExistsChoices[] = {QT_TRANSLATE_NOOP("OutputSettingsDialog", "Keep both"),
                                        QT_TRANSLATE_NOOP("OutputSettingsDialog", "Overwrite"),
                                        QT_TRANSLATE_NOOP("OutputSettingsDialog", "Skip")};
constexpr int GridStripMargin = 10;

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

// A list's English entries in the user's language.
template <size_t N>
QStringList Shown(const char* const (&entries)[N], const char* context) {
  QStringList shown;
  for (const char* entry : entries)
    shown << QCoreApplication::translate(context, entry);
  return shown;
}

template <typename T>
T* Named(T* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

void OutputSettingsDialog::NameControls() {
  // Each field is named by the label beside it: screen readers read a combo box's choice
  // as its name and the label as what it is for. Alt and the label's letter reach it.
  const std::pair<const char*, QWidget*> labelled[] = {
      {"Label1", combo_format_},  {"Label3", combo_size_},    {"Label7", width_box_}, {"Label4", height_box_},
      {"Label5", combo_video_q_}, {"Label6", combo_audio_q_}, {"Label8", combo_cpu_}, {"Label2", folder_box_},
  };
  for (const auto& [labelName, field] : labelled)
    if (auto* label = choices_frame_->findChild<QLabel*>(labelName)) label->setBuddy(field);
  AddLabelMnemonics(this);

  combo_format_->setAccessibleDescription(tr("Opens the menu of output profiles"));
  combo_size_->setAccessibleDescription(tr("Custom... lets you type the width and height"));
  combo_cpu_->setAccessibleDescription(tr("How many files are converted at the same time"));
  folder_box_->setAccessibleDescription(tr("The folder the converted files are written to"));
  combo_if_exists_->setAccessibleDescription(
      tr("What happens when a file of the same name is already there"));
  more_button_->setAccessibleDescription(tr("Shows or hides the advanced settings"));
  size_note_->setAccessibleName(tr("Size note"));
}

void OutputSettingsDialog::BuildControls() {
  left_panel_ = new QWidget(this);
  left_panel_->setFixedWidth(CollapsedWidth);

  choices_frame_ = Named(new QFrame(left_panel_), "Frame1");
  choices_frame_->setFrameShape(QFrame::StyledPanel);
  choices_frame_->setFrameShadow(QFrame::Sunken);

  combo_format_ = Named(new FormatComboBox(choices_frame_), "ComboFormat");
  combo_size_ = Named(new QComboBox(choices_frame_), "ComboSize");
  for (const QString& entry : SizeEntries())
    combo_size_->addItem(QCoreApplication::translate("OutputSizes", entry.toUtf8().constData()));
  combo_size_->setMaxVisibleItems(SizeEntries().size());

  auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
  width_box_ = Named(new QLineEdit(choices_frame_), "TextW");
  height_box_ = Named(new QLineEdit(choices_frame_), "TextH");
  for (QLineEdit* box : {width_box_, height_box_}) {
    box->setValidator(digits);
    box->setMaxLength(9);
    box->installEventFilter(this);
  }

  combo_video_q_ = Named(new QComboBox(choices_frame_), "ComboVideoQ");
  combo_video_q_->addItems(Shown(kQualities, "OutputSettingsDialog"));
  combo_audio_q_ = Named(new QComboBox(choices_frame_), "ComboAudioQ");
  combo_audio_q_->addItems(Shown(kQualities, "OutputSettingsDialog"));
  combo_cpu_ = Named(new QComboBox(choices_frame_), "ComboCPU");
  folder_box_ = Named(new QLineEdit(choices_frame_), "TextFolder");
  browse_button_ = Named(new QPushButton(tr("&Browse..."), choices_frame_), "BtnBrowse");
  combo_if_exists_ = Named(new QComboBox(choices_frame_), "ComboIfExists");
  combo_if_exists_->addItems(Shown(kIfExistsChoices, "OutputSettingsDialog"));

  auto* form = new QGridLayout(choices_frame_);
  form->setContentsMargins(12, 12, 12, 12);
  form->setHorizontalSpacing(8);
  form->setVerticalSpacing(8);
  form->setColumnStretch(1, 1);
  form->setColumnStretch(3, 1);
  for (int row = 0; row < 8; ++row)
    form->setRowStretch(row, 1);
  form->addWidget(MakeLabel("Label1", tr("Output Format:"), choices_frame_), 0, 0);
  form->addWidget(combo_format_, 0, 1, 1, 4);
  form->addWidget(MakeLabel("Label3", tr("Video Size:"), choices_frame_), 1, 0);
  form->addWidget(combo_size_, 1, 1, 1, 4);
  form->addWidget(MakeLabel("Label7", tr("Width:"), choices_frame_), 2, 0);
  form->addWidget(width_box_, 2, 1);
  form->addWidget(MakeLabel("Label4", tr("Height:"), choices_frame_), 2, 2, Qt::AlignRight);
  form->addWidget(height_box_, 2, 3, 1, 2);
  form->addWidget(MakeLabel("Label5", tr("Video Quality:"), choices_frame_), 3, 0);
  form->addWidget(combo_video_q_, 3, 1, 1, 4);
  form->addWidget(MakeLabel("Label6", tr("Audio Quality:"), choices_frame_), 4, 0);
  form->addWidget(combo_audio_q_, 4, 1, 1, 4);
  form->addWidget(MakeLabel("Label8", tr("CPU Cores:"), choices_frame_), 5, 0);
  form->addWidget(combo_cpu_, 5, 1);
  form->addWidget(MakeLabel("Label2", tr("Destination:"), choices_frame_), 6, 0);
  form->addWidget(folder_box_, 6, 1, 1, 3);
  form->addWidget(browse_button_, 6, 4);
  auto* ifExistsLabel = MakeLabel("LabelIfExists", tr("If the output file exists"), choices_frame_);
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

  more_button_ = Named(new QPushButton(tr("&More >>"), left_panel_), "BtnMore");
  ok_button_ = Named(new QPushButton(tr("OK"), left_panel_), "BtnOK");
  cancel_button_ = Named(new QPushButton(tr("Cancel"), left_panel_), "BtnCancel");
  ok_button_->setDefault(true);
  for (QPushButton* button : {more_button_, ok_button_, cancel_button_})
    button->setMinimumWidth(90);

  save_preset_button_ = Named(new QPushButton(tr("Save as &Preset…"), left_panel_), "BtnSavePreset");
  preview_panel_ = Named(new PreviewPanel([this] { return Settings(); }, left_panel_), "PreviewPanel");

  // The preview and the preset share a row: with translated captions the button row has
  // no room for either.
  auto* extras = new QHBoxLayout;
  extras->addWidget(preview_panel_, 1);
  extras->addWidget(save_preset_button_, 0, Qt::AlignTop);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(more_button_);
  buttons->addStretch(1);
  buttons->addWidget(ok_button_);
  buttons->addWidget(cancel_button_);

  auto* left = new QVBoxLayout(left_panel_);
  left->setContentsMargins(GridStripMargin, GridStripMargin, GridStripMargin, GridStripMargin);
  left->setSpacing(GridStripMargin);
  left->addWidget(choices_frame_, 1);
  left->addWidget(size_note_);
  left->addLayout(extras);
  left->addLayout(buttons);

  settings_grid_ = Named(new SettingsGrid(this), "PropertyGrid1");
  settings_grid_->setFixedWidth(ExpandedWidth - CollapsedWidth - GridStripMargin);

  auto* main = new QHBoxLayout(this);
  main->setContentsMargins(0, 0, GridStripMargin, 0);
  main->setSpacing(0);
  main->setSizeConstraint(QLayout::SetNoConstraint);
  main->addWidget(left_panel_);
  auto* gridColumn = new QVBoxLayout;
  gridColumn->setContentsMargins(0, GridStripMargin, 0, GridStripMargin);
  gridColumn->addWidget(settings_grid_);
  main->addLayout(gridColumn);
  main->addStretch(1);

  connect(combo_format_, &FormatComboBox::dropDownRequested, this, &OutputSettingsDialog::onFormatDropDown);
  connect(combo_size_, &QComboBox::activated, this, &OutputSettingsDialog::onSizeActivated);
  connect(combo_video_q_, &QComboBox::activated, this, &OutputSettingsDialog::onVideoQualityActivated);
  connect(combo_audio_q_, &QComboBox::activated, this, &OutputSettingsDialog::onAudioQualityActivated);
  connect(browse_button_, &QPushButton::clicked, this, &OutputSettingsDialog::BrowseFolder);
  connect(more_button_, &QPushButton::clicked, this, &OutputSettingsDialog::onMoreClicked);
  connect(ok_button_, &QPushButton::clicked, this, &OutputSettingsDialog::onOkClicked);
  connect(cancel_button_, &QPushButton::clicked, this, &OutputSettingsDialog::reject);
  connect(save_preset_button_, &QPushButton::clicked, this, &OutputSettingsDialog::onSavePresetClicked);
}
