#pragma once
// The preview player window: plays one file of the list into its video area, with
// a control bar holding play/pause, the position slider, mute, volume and the
// position/duration label. Shown modally by the main window's Play command.
#include <QDialog>
#include <QPixmap>
#include <cstdint>
#include <functional>
#include <optional>

#include "desktop/UiEventBridge.h"
#include "engine/FFPlayer.h"
#include "player/PlayerMath.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class PlayerVideoView;
class PositionSlider;
class VolumeSlider;

class PlayerWindow : public QDialog {
  Q_OBJECT

 public:
  // path: shown in the caption; nativePath: the file's exact bytes for the engine;
  // listedDurationUs: the duration the file list found, shown as the length (when
  // absent, the engine's duration is shown instead).
  PlayerWindow(const QString& path, const QByteArray& nativePath, QWidget* owner,
               std::optional<int64_t> listedDurationUs = std::nullopt);
  ~PlayerWindow() override;

  // What ends the program when the media libraries are missing (default: exit at
  // once with a failure code). Tests replace it.
  using QuitHandler = std::function<void()>;
  static void SetQuitHandler(QuitHandler handler);

  // The play/pause button's caption, a character of the symbol font: the pause bars
  // while playing, the play triangle while paused.
  static constexpr const char* kPauseBarsSymbol = ";";
  static constexpr const char* kPlayTriangleSymbol = "4";
  QString PauseCaption() const { return pause_caption_; }
  QString DurationText() const { return duration_text_; }
  qint64 Duration() const { return duration_; }
  bool Opened() const { return opened_; }
  // The text of the panel inside the window that says why playback could not
  // start or stopped early (it has a button to close the player); "" when hidden.
  QString NoticeText() const;
  FFPlayer& Player() { return player_; }
  const PlayerMath::Layout& CurrentLayout() const { return layout_; }

  void done(int result) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void onPauseClicked();
  void onPositionMouseUp(int button, int shift, float x, float y);
  void onPositionClicked();
  void onPositionEdited();
  void onVolumeMouseUp(int button, int shift, float x, float y);
  void onVolumeClicked();
  void onVolumeEdited();
  void onMuteClicked();
  void onDurationReported(qint64 durationUs);
  void onPositionReported(qint64 positionUs);
  void onStateReported(int state);
  void onDisplaySizeTimer();

 private:
  void CreateControls();
  void ConfigurePlayer();
  void Load(const QString& path, const QByteArray& nativePath);
  void ApplyLayout();
  void SetPauseCaption(const QString& caption);
  void SeekTo(int64_t target, int32_t flags);
  // Plays on from the position slider's value and shows it as played.
  void SeekToSliderValue();
  void NameControls();
  // The mute toggle's picture (framed while it has the focus) and its name, which says
  // what Space on it does now.
  void ShowMuteToggle();
  void ShowNotice(const QString& text);
  void PlaceNotice();

  FFPlayer player_;
  UiEventBridge<PlayerWindow> events_;  // declared after the player: cut before it stops
  PlayerVideoView* video_view_ = nullptr;
  QWidget* control_bar_ = nullptr;
  QPushButton* pause_button_ = nullptr;
  PositionSlider* position_slider_ = nullptr;
  QLabel* mute_icon_ = nullptr;
  VolumeSlider* volume_slider_ = nullptr;
  QLabel* time_label_ = nullptr;  // position / duration
  QPixmap muted_picture_;
  QPixmap sound_picture_;
  QTimer* display_timer_ = nullptr;  // matches the engine picture to the video area
  QFrame* notice_ = nullptr;         // why playback cannot start or stopped early
  QLabel* notice_text_ = nullptr;

  QString pause_caption_ = kPauseBarsSymbol;
  QString duration_text_;
  qint64 duration_ = 0;
  bool opened_ = false;
  bool closing_ = false;
  PlayerMath::Layout layout_;
};
