#pragma once
// The preview controls of the output settings dialog: the "Preview 10 s" button, a
// progress bar with its Cancel button while the sample is made, and a line saying
// what the sample came to. The work is PreviewRun's; this only shows it.
#include <QWidget>
#include <functional>
#include <optional>

#include "filelist/FileRow.h"
#include "output/OutputSettings.h"

class PreviewRun;
class QLabel;
class QProgressBar;
class QPushButton;

class PreviewPanel : public QWidget {
  Q_OBJECT

 public:
  using SettingsSource = std::function<OutputSettings()>;
  using Player = std::function<void(const QString& path)>;

  // `settings` gives the dialog's current settings when a preview starts.
  PreviewPanel(SettingsSource settings, QWidget* parent);

  // The start button; the dialog places it beside its own buttons.
  QPushButton* CancelButton() const { return cancel_button_; }
  QProgressBar* Bar() const { return bar_; }
  QLabel* Result() const { return result_; }
  PreviewRun& Run() const { return *run_; }

  // The file to preview: the main list's selected row, or none (the button is then
  // disabled and says why in its tooltip).
  void SetSource(std::optional<FileRow> row);
  // Plays a finished sample; without one nothing is played.
  void SetPlayer(Player player) { player_ = std::move(player); }
  // The dialog closes: the sample stops and its file is removed.
  void Discard();

 private:
  void StartClicked();
  void OnProgress(int percent);
  void OnFinished(bool ok, const QString& message);
  void ShowRunning(bool running);
  void UpdateStartButton();

  SettingsSource settings_;
  Player player_;
  std::optional<FileRow> source_;
  PreviewRun* run_;
  QPushButton* start_button_;
  QPushButton* cancel_button_;
  QProgressBar* bar_;
  QLabel* result_;
};
