#pragma once
// "Output Settings": the dialog in which the user picks the output profile, size,
// qualities, threads, destination folder and the advanced values of the grid. It is
// created once and afterwards only hidden, so its settings last while the program runs.
#include <QComboBox>
#include <QDialog>
#include <functional>
#include <optional>

#include "filelist/FileRow.h"

#include "output/OutputProfile.h"
#include "output/OutputSettings.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class PreviewPanel;
class QPushButton;
class SettingsGrid;
struct Preset;

// The format box: opening its list shows the profile menu instead.
class FormatComboBox : public QComboBox {
  Q_OBJECT
 public:
  using QComboBox::QComboBox;
  void showPopup() override;
 signals:
  void dropDownRequested();
};

class OutputSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int CollapsedWidth = 487;  // 7305 twips
  static constexpr int ExpandedWidth = 818;   // 12270 twips

  // `outputFolder` fills the folder box at first (empty: the default folder).
  explicit OutputSettingsDialog(QWidget* owner, const QString& outputFolder = {});

  // The record shown by the controls and the grid (grid values normalised).
  OutputSettings Settings() const;
  // The enabled and visible states that the profile handling changes.
  OutputControls Controls() const;
  // Shows a record and control states in the controls and the grid.
  void ShowSettings(const OutputSettings& settings, const OutputControls& controls);

  // Shows a preset's choices (the folder and cores stay) and remembers them as OK would.
  void ApplyPreset(const Preset& preset);

  // BtnOK calls the handler; without one, OK just hides the dialog.
  void SetOkHandler(std::function<void()> handler);

  QLineEdit* FolderBox() const { return folder_box_; }
  // The note about the last width or height box that was corrected, else "".
  QString SizeNote() const;
  QMenu* FormatMenu() const { return format_menu_; }
  SettingsGrid* Grid() const { return settings_grid_; }
  bool MoreExpanded() const { return more_expanded_; }
  // The preview of the current settings on the main list's selected file (none: no
  // preview); its sample is removed when the dialog closes.
  PreviewPanel* Preview() const { return preview_panel_; }
  void SetPreviewSource(std::optional<FileRow> row);

 public slots:
  // Folder dialog; writes the chosen folder into FolderBox, keeps it on cancel.
  void BrowseFolder();
  // Applies a profile menu entry by its command id.
  void ApplyProfile(int id, const QString& caption);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private slots:
  void onFormatDropDown();
  void onProfileTriggered(QAction* action);
  void onSizeActivated(int index);
  void onVideoQualityActivated(int index);
  void onAudioQualityActivated(int index);
  void onMoreClicked();
  void onOkClicked();
  void onSavePresetClicked();

 private:
  void BuildControls();
  // Labels, names and descriptions for assistive tools, and the labels' mnemonics.
  void NameControls();
  void LoadForm();
  void ConnectProfileMenu(QMenu* menu);
  void CorrectDimensionBox(QLineEdit* box);
  void FitHeight();
  void KeepOnScreen(int grownBy);

  FormatComboBox* combo_format_ = nullptr;
  QComboBox* combo_size_ = nullptr;
  QLineEdit* width_box_ = nullptr;
  QLineEdit* height_box_ = nullptr;
  QComboBox* combo_video_q_ = nullptr;
  QComboBox* combo_audio_q_ = nullptr;
  QComboBox* combo_cpu_ = nullptr;
  QComboBox* combo_if_exists_ = nullptr;
  QLabel* size_note_ = nullptr;
  QString start_folder_;  // what the folder box shows when the dialog is made
  QLineEdit* folder_box_ = nullptr;
  QPushButton* browse_button_ = nullptr;
  QPushButton* more_button_ = nullptr;
  QPushButton* save_preset_button_ = nullptr;
  QPushButton* ok_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  QFrame* choices_frame_ = nullptr;
  QWidget* left_panel_ = nullptr;
  SettingsGrid* settings_grid_ = nullptr;
  QMenu* format_menu_ = nullptr;
  PreviewPanel* preview_panel_ = nullptr;

  QString output_format_key_;
  bool audio_only_ = false;
  bool more_expanded_ = false;
  bool showing_ = false;  // true while code fills the controls
  std::function<void()> ok_handler_;
};
