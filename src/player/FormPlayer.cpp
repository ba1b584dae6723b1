#include "player/FormPlayer.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "common/AppState.h"
#include "common/Helpers.h"
#include "common/UiServices.h"
#include "player/PlayerIcons.h"
#include "player/PlayerVideoView.h"
#include "player/StoredSound.h"
#include "player/VeSlider.h"

using namespace PlayerMath;

namespace {
// How long a paused player runs after a seek before the exact seek that shows the picture.
constexpr int kPausedSeekSettleMs = 50;

FormPlayer::QuitHandler& QuitHandlerSlot() {
  static FormPlayer::QuitHandler handler;
  return handler;
}

int TwipsToPixels(int twips) { return static_cast<int>(RoundHalfEven(twips / static_cast<double>(kTwips))); }

// Restores the normal cursor however a handler leaves.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};
}  // namespace

void FormPlayer::SetQuitHandler(QuitHandler handler) { QuitHandlerSlot() = std::move(handler); }

FormPlayer::FormPlayer(const QString& path, const QByteArray& nativePath, QWidget* owner,
                       std::optional<int64_t> listedDurationUs)
    : QDialog(owner), events_(this) {
  if (listedDurationUs) duration_text_ = FormatDuration(MicrosToSeconds(*listedDurationUs));
  setObjectName("FormPlayer");
  setModal(true);
  resize(kClientWidthPx, kClientHeightPx);
  CreateControls();
  ConfigurePlayer();
  Load(path, nativePath);
}

FormPlayer::~FormPlayer() {
  // The engine draws into the video area and raises events: stop it first.
  events_.Detach();
  player_.Stop(false);
}

void FormPlayer::CreateControls() {
  pic_player_ = new PlayerVideoView(this);
  pic_player_->setObjectName("PicPlayer");

  bar_ = new QWidget(this);
  bar_->setObjectName("Picture2");
  bar_->setAutoFillBackground(true);
  // The bar takes the sliders' back colour so they sit on it seamlessly.
  QPalette bar_palette = bar_->palette();
  bar_palette.setColor(QPalette::Window, VeSliderBase::ColorFromOle(VeSliderBase::kDefaultBackColor, bar_palette));
  bar_->setPalette(bar_palette);

  btn_pause_ = new QPushButton(bar_);
  btn_pause_->setObjectName("btnPause");
  btn_pause_->setGeometry(TwipsToPixels(kPauseLeftTw), TwipsToPixels(kPauseTopTw), TwipsToPixels(kPauseWidthTw),
                          TwipsToPixels(kPauseHeightTw));
  btn_pause_->setIcon(PlayerIcons::Pause());
  btn_pause_->setToolTip(tr("Pause"));
  btn_pause_->setFocusPolicy(Qt::TabFocus);

  pic_mute_ = new QLabel(bar_);
  pic_mute_->setObjectName("PicMute");
  pic_mute_->resize(TwipsToPixels(kMuteWidthTw), TwipsToPixels(kMuteHeightTw));
  pic_mute_->move(0, TwipsToPixels(kMuteTopTw));
  pic_mute_->setCursor(Qt::PointingHandCursor);
  pic_mute_->installEventFilter(this);

  label_time_ = new QLabel("00:00:00/00:00:00", bar_);
  label_time_->setObjectName("Label1");
  label_time_->resize(TwipsToPixels(kLabelWidthTw), TwipsToPixels(kLabelHeightTw));
  label_time_->move(0, TwipsToPixels(kLabelTopTw));
  QFont label_font = label_time_->font();
  label_font.setPixelSize(11);
  label_time_->setFont(label_font);
  label_time_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  image_muted_ = PlayerIcons::Speaker(true);
  image_sound_ = PlayerIcons::Speaker(false);

  // The sliders lie over the bar as children of the window.
  position_slider_ = new VeSlider(this);
  position_slider_->setObjectName("VeSlider1");
  position_slider_->resize(240, kPositionHeightPx);
  volume_slider_ = new VeSlider1(this);
  volume_slider_->setObjectName("VeSliderVol");
  volume_slider_->resize(kVolumeWidthPx, kVolumeHeightPx);

  // Why playback cannot start or stopped early is said inside the window, over
  // the picture, with the way out next to it (no separate box).
  notice_ = new QFrame(this);
  notice_->setObjectName("PlayerNotice");
  notice_->setFrameShape(QFrame::StyledPanel);
  notice_->setAutoFillBackground(true);
  auto* notice_icon = new QLabel(notice_);
  notice_icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
  notice_text_ = new QLabel(notice_);
  notice_text_->setWordWrap(true);
  notice_text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* notice_close = new QPushButton(tr("Close"), notice_);
  notice_close->setObjectName("NoticeClose");
  connect(notice_close, &QPushButton::clicked, this, &FormPlayer::reject);
  auto* notice_layout = new QGridLayout(notice_);
  notice_layout->addWidget(notice_icon, 0, 0, Qt::AlignTop);
  notice_layout->addWidget(notice_text_, 0, 1);
  notice_layout->addWidget(notice_close, 1, 1, Qt::AlignRight);
  notice_layout->setColumnStretch(1, 1);
  notice_->hide();

  display_timer_ = new QTimer(this);
  // Escape closes the player whichever control has the focus (the sliders take keys).
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &FormPlayer::reject);
  display_timer_->setObjectName("Timer1");
  display_timer_->setInterval(1000);

  connect(btn_pause_, &QPushButton::clicked, this, &FormPlayer::onPauseClicked);
  connect(position_slider_, &VeSliderBase::mouseUp, this, &FormPlayer::onPositionMouseUp);
  connect(position_slider_, &VeSliderBase::clicked, this, &FormPlayer::onPositionClicked);
  connect(volume_slider_, &VeSliderBase::mouseUp, this, &FormPlayer::onVolumeMouseUp);
  connect(volume_slider_, &VeSliderBase::clicked, this, &FormPlayer::onVolumeClicked);
  connect(display_timer_, &QTimer::timeout, this, &FormPlayer::onDisplaySizeTimer);
}

void FormPlayer::ConfigurePlayer() {
  player_.SetAudioVolume(128);
  player_.SetMute(false);
  player_.ShowAudio = FFPlayer::saWave;
  player_.AudioStreamIndex = -1;
  player_.VideoStreamIndex = -1;
  player_.ReadTimeout = 10000;
  player_.OnDuration = events_.Forward(&FormPlayer::onDurationReported);
  player_.OnPosition = events_.Forward(&FormPlayer::onPositionReported);
  player_.OnState = events_.Forward(&FormPlayer::onStateReported);
}

void FormPlayer::Load(const QString& path, const QByteArray& nativePath) {
  // Keys move neither slider: both steps are 0.
  position_slider_->SetSmallChange(0);
  position_slider_->SetLargeChange(0);
  position_slider_->SetShowTicks(false);
  volume_slider_->SetSmallChange(0);
  volume_slider_->SetLargeChange(0);
  volume_slider_->SetShowTicks(false);
  volume_slider_->SetMax(128);
  const SoundLevel level = RestoreSoundLevel(volume_slider_->Max());
  volume_slider_->SetValue(level.volume);
  volume_slider_->SetSelLength(volume_slider_->Value());  // full volume shows a full band
  player_.SetAudioVolume(level.volume);
  player_.SetMute(level.mute);
  ApplyLayout();

  setWindowTitle(path);

  if (!FFPlayer::AVLibLoaded() && !FFPlayer::LoadAVLib((ResourceFolder() + "LibAV").toStdString(), true)) {
    // This window is not shown yet: the box is centred on its owner instead.
    Ui::ShowMessage(parentWidget() ? parentWidget() : this, "Video lib not found", Ui::MessageIcon::Critical);
    if (QuitHandlerSlot()) {
      QuitHandlerSlot()();
    } else {
      std::exit(EXIT_FAILURE);
    }
    return;
  }

  opened_ = player_.Open(nativePath.toStdString(), pic_player_, false);
  if (!opened_) {
    ShowNotice(QString::fromStdString(player_.LastErrorMessage()));
    SetPauseCaption("4");
  }

  pic_mute_->setPixmap(player_.Mute() ? image_muted_ : image_sound_);
  SetSmallIcon(this);
  display_timer_->start();
}

void FormPlayer::ApplyLayout() {
  Layout next = layout_;
  const bool complete = ComputeLayout(width(), height(), next);
  pic_player_->setGeometry(0, 0, next.videoWidth, next.videoHeight);
  bar_->setGeometry(0, next.barTop, next.barWidth, kBarHeightPx);
  label_time_->move(TwipsToPixels(next.labelLeftTw), TwipsToPixels(kLabelTopTw));
  volume_slider_->move(next.volumeLeft, next.volumeTop);
  pic_mute_->move(TwipsToPixels(next.muteLeftTw), TwipsToPixels(kMuteTopTw));
  position_slider_->setGeometry(next.positionLeft, next.positionTop, next.positionWidth, kPositionHeightPx);
  layout_ = next;
  if (complete) position_slider_->Refresh();
  PlaceNotice();
}

void FormPlayer::ShowNotice(const QString& text) {
  notice_text_->setText(text);
  notice_->show();
  notice_->raise();
  PlaceNotice();
}

QString FormPlayer::NoticeText() const { return notice_->isVisible() ? notice_text_->text() : QString(); }

// Centred over the picture, as wide as it allows.
void FormPlayer::PlaceNotice() {
  if (!notice_ || notice_->isHidden()) return;
  const QRect area = pic_player_->geometry();
  const int width = std::max(120, std::min(area.width() - 20, 420));
  const int height = std::min(notice_->heightForWidth(width), std::max(area.height() - 10, 60));
  notice_->setGeometry(area.x() + (area.width() - width) / 2,
                       area.y() + std::max(0, (area.height() - height) / 2), width,
                       std::max(height, notice_->minimumSizeHint().height()));
}

void FormPlayer::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ApplyLayout();
}

bool FormPlayer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pic_mute_ && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && pic_mute_->rect().contains(mouse->position().toPoint())) {
      onMuteClicked();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void FormPlayer::done(int result) {
  closing_ = true;
  display_timer_->stop();
  player_.Stop(false);
  QDialog::done(result);
}

void FormPlayer::SetPauseCaption(const QString& caption) {
  pause_caption_ = caption;
  const bool paused = caption == "4";
  btn_pause_->setIcon(paused ? PlayerIcons::Play() : PlayerIcons::Pause());
  btn_pause_->setToolTip(paused ? tr("Play") : tr("Pause"));
}

void FormPlayer::onPauseClicked() {
  // Playing on after an early end: the notice has been read.
  if (player_.PlayState() != FFPlayer::kStateStopped) notice_->hide();
  player_.TogglePause();
  SetPauseCaption(player_.Paused() ? "4" : ";");
}

void FormPlayer::SeekTo(int64_t target, int32_t flags) {
  player_.Seek(static_cast<int32_t>(static_cast<uint32_t>(target)),
               static_cast<int32_t>(static_cast<uint64_t>(target) >> 32), flags, false);
}

void FormPlayer::onPositionMouseUp(int button, int /*shift*/, float x, float /*y*/) {
  if (button != SliderModel::kLeftButton) return;
  {
    BusyCursor busy;
    int np = 0;
    ValueAtX(x, position_slider_->Max(), position_slider_->width(), np);
    if (np >= 0 && np <= position_slider_->Max()) position_slider_->SetValue(np);
    int64_t target = 0;
    SeekTarget(duration_, position_slider_->Value(), position_slider_->Max(), target);
    SeekTo(target, FFPlayer::kSeekExact);
    const int32_t state = player_.PlayState();
    if (state == FFPlayer::kStateEnded || state == FFPlayer::kStatePaused) {
      // A paused player shows the new picture after a short run; the exact seek
      // follows from the event loop, not from a wait inside this handler.
      player_.Resume();
      player_.Pause();
      QTimer::singleShot(kPausedSeekSettleMs, this, [this, target] {
        if (!closing_) SeekTo(target, FFPlayer::kSeekExact);
      });
    }
  }
  position_slider_->SetSelLength(position_slider_->Value());
}

void FormPlayer::onPositionClicked() { position_slider_->SetSelLength(position_slider_->Value()); }

void FormPlayer::onVolumeMouseUp(int button, int /*shift*/, float x, float /*y*/) {
  if (button != SliderModel::kLeftButton) return;
  {
    BusyCursor busy;
    int np = 0;
    ValueAtX(x, volume_slider_->Max(), volume_slider_->width(), np);
    if (np >= 0 && np <= volume_slider_->Max()) volume_slider_->SetValue(np);
    player_.SetAudioVolume(static_cast<unsigned char>(volume_slider_->Value()));
  }
  volume_slider_->SetSelLength(volume_slider_->Value());
  StoreVolume(volume_slider_->Value());
}

void FormPlayer::onVolumeClicked() { volume_slider_->SetSelLength(volume_slider_->Value()); }

void FormPlayer::onMuteClicked() {
  if (player_.Mute()) {
    player_.SetMute(false);
    pic_mute_->setPixmap(image_sound_);
  } else {
    player_.SetMute(true);
    pic_mute_->setPixmap(image_muted_);
  }
  StoreMute(player_.Mute());
}

void FormPlayer::onDurationReported(qint64 durationUs) {
  duration_ = durationUs;
  int max = 0;
  if (SliderMaxFromDuration(durationUs, max)) position_slider_->SetMax(max);
  if (duration_text_.isEmpty()) duration_text_ = FormatDuration(MicrosToSeconds(static_cast<int64_t>(durationUs)));
}

void FormPlayer::onPositionReported(qint64 positionUs) {
  if (positionUs <= 0 || duration_ <= 0) return;
  // While the thumb is held the pointer, not the playback, places it.
  if (position_slider_->Model().Dragging()) return;
  if (positionUs >= duration_) {
    // At (or, by the last packets, just past) the end: the thumb at the right end and
    // the label at the duration, so the two agree.
    position_slider_->SetValue(position_slider_->Max());
    position_slider_->SetSelLength(position_slider_->Value());
    label_time_->setText(duration_text_ + "/" + duration_text_);
    return;
  }
  const int64_t seconds = PositionSeconds(positionUs);
  const int64_t value = seconds * 10;
  if (value >= INT32_MIN && value <= INT32_MAX) position_slider_->SetValue(static_cast<int>(value));
  position_slider_->SetSelLength(position_slider_->Value());
  label_time_->setText(PositionCaption(seconds, duration_text_));
}

void FormPlayer::onStateReported(int state) {
  if (closing_) return;
  if (state == FFPlayer::kEventScreenReady) {
    if (windowFlags() & Qt::WindowStaysOnTopHint) {
      const bool visible = isVisible();
      setWindowFlag(Qt::WindowStaysOnTopHint, false);
      if (visible) show();  // changing flags hides a window
    }
    if (player_.ScreenHandle() != 0) pic_player_->repaint();
  } else if (state == FFPlayer::kEventEndedEarly ||
             (state == FFPlayer::kStateStopped && !player_.LastErrorMessage().empty())) {
    // The end came early or playback broke off: the position where it stopped
    // stays, and the window says why.
    SetPauseCaption("4");
    ShowNotice(QString::fromStdString(player_.LastErrorMessage()));
  } else if (state == FFPlayer::kEventEndOfFile) {
    player_.Seek(0, 0, FFPlayer::kSeekKeyFrame, false);
    player_.Pause();
    position_slider_->SetValue(0);
    position_slider_->SetSelLength(0);
    label_time_->setText(PositionCaption(0, duration_text_));  // the label follows the rewound thumb
    SetPauseCaption("4");
  }
}

void FormPlayer::onDisplaySizeTimer() {
  // One correction per tick; the engine's picture follows within four ticks.
  bool changed = true;
  if (pic_player_->width() != player_.ScreenWidth()) {
    player_.SetScreenWidth(pic_player_->width());
  } else if (pic_player_->height() != player_.ScreenHeight()) {
    player_.SetScreenHeight(pic_player_->height());
  } else if (player_.ScreenWidth() != player_.FrameWidth()) {
    player_.SetFrameWidth(player_.ScreenWidth());
  } else if (player_.ScreenHeight() != player_.FrameHeight()) {
    player_.SetFrameHeight(player_.ScreenHeight());
  } else {
    changed = false;
  }
  if (changed) player_.UpdateScreen();
}
