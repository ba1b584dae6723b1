#pragma once
// The preview player window: plays one file of the list into its video area, with
// a control bar holding play/pause, the position slider, mute, volume and the
// position/duration label. Shown modally by the main window's Play command.
#include <QDialog>
#include <QPixmap>
#include <cstdint>
#include <functional>
#include <optional>

#include "common/UiEventBridge.h"
#include "engine/FFPlayer.h"
#include "player/PlayerMath.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class PlayerVideoView;
class VeSlider;
class VeSlider1;

class FormPlayer : public QDialog {
  Q_OBJECT

 public:
  // path: shown in the caption; nativePath: the file's exact bytes for the engine;
  // listedDurationUs: the duration the file list found, shown as the length (when
  // absent, the engine's duration is shown instead).
  FormPlayer(const QString& path, const QByteArray& nativePath, QWidget* owner,
             std::optional<int64_t> listedDurationUs = std::nullopt);
  ~FormPlayer() override;

  // What ends the program when the media libraries are missing (default: exit at
  // once with a failure code). Tests replace it.
  using QuitHandler = std::function<void()>;
  static void SetQuitHandler(QuitHandler handler);

  // The play/pause button's symbol: ";" (pause bars, playing) or "4" (play triangle).
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
  void onVolumeMouseUp(int button, int shift, float x, float y);
  void onVolumeClicked();
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
  void ShowNotice(const QString& text);
  void PlaceNotice();

  FFPlayer player_;  // FFPlayer1
  UiEventBridge<FormPlayer> events_;  // declared after the player: cut before it stops
  PlayerVideoView* pic_player_ = nullptr;  // PicPlayer
  QWidget* bar_ = nullptr;                 // Picture2
  QPushButton* btn_pause_ = nullptr;       // btnPause
  VeSlider* position_slider_ = nullptr;    // VeSlider1
  QLabel* pic_mute_ = nullptr;             // PicMute
  VeSlider1* volume_slider_ = nullptr;     // VeSliderVol
  QLabel* label_time_ = nullptr;           // Label1
  QPixmap image_muted_;                    // Image1
  QPixmap image_sound_;                    // Image2
  QTimer* display_timer_ = nullptr;        // Timer1
  QFrame* notice_ = nullptr;               // why playback cannot start or stopped early
  QLabel* notice_text_ = nullptr;

  QString pause_caption_ = ";";
  QString duration_text_;
  qint64 duration_ = 0;
  bool opened_ = false;
  bool closing_ = false;
  PlayerMath::Layout layout_;
};
