#include "player/PlayerWindow.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "core/AppState.h"
#include "core/Helpers.h"
#include "desktop/UiServices.h"
#include "desktop/WindowHelpers.h"
#include "player/PlayerIcons.h"
#include "player/PlayerSlider.h"
#include "player/PlayerVideoView.h"
#include "player/StoredSound.h"

using namespace PlayerMath;

namespace {
// How long a paused player runs after a seek before the exact seek that shows the picture.
constexpr int kPausedSeekSettleMs = 50;

PlayerWindow::QuitHandler& QuitHandlerSlot() {
  static PlayerWindow::QuitHandler handler;
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

void PlayerWindow::SetQuitHandler(QuitHandler handler) { QuitHandlerSlot() = std::move(handler); }

PlayerWindow::PlayerWindow(const QString& path, const QByteArray& nativePath, QWidget* owner,
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

PlayerWindow::~PlayerWindow() {
  // The engine draws into the video area and raises events: stop it first.
  events_.Detach();
  player_.Stop(false);
}

void PlayerWindow::CreateControls() {
  video_view_ = new PlayerVideoView(this);
  video_view_->setObjectName("PicPlayer");

  control_bar_ = new QWidget(this);
  control_bar_->setObjectName("Picture2");
  control_bar_->setAutoFillBackground(true);
  // The bar takes the sliders' back colour so they sit on it seamlessly.
  QPalette control_bar_palette = control_bar_->palette();
  control_bar_palette.setColor(
      QPalette::Window, PlayerSlider::ColorFromOle(PlayerSlider::kDefaultBackColor, control_bar_palette));
  control_bar_->setPalette(control_bar_palette);

  pause_button_ = new QPushButton(control_bar_);
  pause_button_->setObjectName("btnPause");
  pause_button_->setGeometry(TwipsToPixels(kPauseLeftTw), TwipsToPixels(kPauseTopTw),
                             TwipsToPixels(kPauseWidthTw), TwipsToPixels(kPauseHeightTw));
  pause_button_->setIcon(PlayerIcons::Pause());
  pause_button_->setToolTip(tr("Pause"));
  pause_button_->setFocusPolicy(Qt::TabFocus);

  mute_icon_ = new QLabel(control_bar_);
  mute_icon_->setObjectName("PicMute");
  mute_icon_->resize(TwipsToPixels(kMuteWidthTw), TwipsToPixels(kMuteHeightTw));
  mute_icon_->move(0, TwipsToPixels(kMuteTopTw));
  mute_icon_->setCursor(Qt::PointingHandCursor);
  mute_icon_->installEventFilter(this);

  time_label_ = new QLabel("00:00:00/00:00:00", control_bar_);
  time_label_->setObjectName("Label1");
  time_label_->resize(TwipsToPixels(kLabelWidthTw), TwipsToPixels(kLabelHeightTw));
  time_label_->move(0, TwipsToPixels(kLabelTopTw));
  QFont label_font = time_label_->font();
  label_font.setPixelSize(11);
  time_label_->setFont(label_font);
  time_label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  muted_picture_ = PlayerIcons::Speaker(true);
  sound_picture_ = PlayerIcons::Speaker(false);

  // The sliders lie over the bar as children of the window.
  position_slider_ = new PositionSlider(this);
  position_slider_->setObjectName("VeSlider1");
  position_slider_->resize(240, kPositionHeightPx);
  volume_slider_ = new VolumeSlider(this);
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
  connect(notice_close, &QPushButton::clicked, this, &PlayerWindow::reject);
  auto* notice_layout = new QGridLayout(notice_);
  notice_layout->addWidget(notice_icon, 0, 0, Qt::AlignTop);
  notice_layout->addWidget(notice_text_, 0, 1);
  notice_layout->addWidget(notice_close, 1, 1, Qt::AlignRight);
  notice_layout->setColumnStretch(1, 1);
  notice_->hide();

  display_timer_ = new QTimer(this);
  // Escape closes the player whichever control has the focus (the sliders take keys).
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &PlayerWindow::reject);
  display_timer_->setObjectName("Timer1");
  display_timer_->setInterval(1000);

  connect(pause_button_, &QPushButton::clicked, this, &PlayerWindow::onPauseClicked);
  connect(position_slider_, &PlayerSlider::mouseUp, this, &PlayerWindow::onPositionMouseUp);
  connect(position_slider_, &PlayerSlider::clicked, this, &PlayerWindow::onPositionClicked);
  connect(volume_slider_, &PlayerSlider::mouseUp, this, &PlayerWindow::onVolumeMouseUp);
  connect(volume_slider_, &PlayerSlider::clicked, this, &PlayerWindow::onVolumeClicked);
  connect(display_timer_, &QTimer::timeout, this, &PlayerWindow::onDisplaySizeTimer);
  connect(position_slider_, &PlayerSlider::valueEdited, this, &PlayerWindow::onPositionEdited);
  connect(volume_slider_, &PlayerSlider::valueEdited, this, &PlayerWindow::onVolumeEdited);
  NameControls();
}

void PlayerWindow::NameControls() {
  position_slider_->setAccessibleName(tr("Position"));
  // The position counts tenths of a second: read out as a time.
  position_slider_->SetValueText([](int tenths) { return FormatDuration(tenths / 10.0); });
  pause_button_->setAccessibleName(pause_button_->toolTip());
  volume_slider_->setAccessibleName(tr("Volume"));
  mute_icon_->setAccessibleDescription(tr("Press Space to turn the sound off or on"));
  mute_icon_->setFocusPolicy(Qt::TabFocus);
  // Tab follows the bar from left to right; the notice's button comes last.
  setTabOrder(pause_button_, position_slider_);
  setTabOrder(position_slider_, mute_icon_);
  setTabOrder(mute_icon_, volume_slider_);
  setTabOrder(volume_slider_, findChild<QPushButton*>("NoticeClose"));
}

void PlayerWindow::ConfigurePlayer() {
  player_.SetAudioVolume(128);
  player_.SetMute(false);
  player_.ShowAudio = FFPlayer::saWave;
  player_.AudioStreamIndex = -1;
  player_.VideoStreamIndex = -1;
  player_.ReadTimeout = 10000;
  player_.OnDuration = events_.Forward(&PlayerWindow::onDurationReported);
  player_.OnPosition = events_.Forward(&PlayerWindow::onPositionReported);
  player_.OnState = events_.Forward(&PlayerWindow::onStateReported);
}

void PlayerWindow::Load(const QString& path, const QByteArray& nativePath) {
  // The keys step the position by 5 and 30 seconds (it counts tenths) and the volume by
  // a sixteenth and a quarter; Home and End go to either end.
  position_slider_->SetSmallChange(50);
  position_slider_->SetLargeChange(300);
  position_slider_->SetShowTicks(false);
  position_slider_->SetFullKeyboard(true);
  volume_slider_->SetSmallChange(8);
  volume_slider_->SetLargeChange(32);
  volume_slider_->SetShowTicks(false);
  volume_slider_->SetFullKeyboard(true);
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
    Ui::ShowMessage(parentWidget() ? parentWidget() : this, tr("Video lib not found"),
                    Ui::MessageIcon::Critical);
    if (QuitHandlerSlot()) {
      QuitHandlerSlot()();
    } else {
      std::exit(EXIT_FAILURE);
    }
    return;
  }

  opened_ = player_.Open(nativePath.toStdString(), video_view_, false);
  if (!opened_) {
    ShowNotice(QString::fromStdString(player_.LastErrorMessage()));
    SetPauseCaption(kPlayTriangleSymbol);
  }

  ShowMuteToggle();
  SetSmallIcon(this);
  display_timer_->start();
}

void PlayerWindow::ApplyLayout() {
  Layout next = layout_;
  const bool complete = ComputeLayout(width(), height(), next);
  video_view_->setGeometry(0, 0, next.videoWidth, next.videoHeight);
  control_bar_->setGeometry(0, next.barTop, next.barWidth, kBarHeightPx);
  time_label_->move(TwipsToPixels(next.labelLeftTw), TwipsToPixels(kLabelTopTw));
  volume_slider_->move(next.volumeLeft, next.volumeTop);
  mute_icon_->move(TwipsToPixels(next.muteLeftTw), TwipsToPixels(kMuteTopTw));
  position_slider_->setGeometry(next.positionLeft, next.positionTop, next.positionWidth, kPositionHeightPx);
  layout_ = next;
  if (complete) position_slider_->Refresh();
  PlaceNotice();
}

void PlayerWindow::ShowNotice(const QString& text) {
  notice_text_->setText(text);
  notice_->show();
  notice_->raise();
  PlaceNotice();
}

QString PlayerWindow::NoticeText() const { return notice_->isVisible() ? notice_text_->text() : QString(); }

// Centred over the picture, as wide as it allows.
void PlayerWindow::PlaceNotice() {
  if (!notice_ || notice_->isHidden()) return;
  const QRect area = video_view_->geometry();
  const int width = std::max(120, std::min(area.width() - 20, 420));
  const int height = std::min(notice_->heightForWidth(width), std::max(area.height() - 10, 60));
  notice_->setGeometry(area.x() + (area.width() - width) / 2,
                       area.y() + std::max(0, (area.height() - height) / 2), width,
                       std::max(height, notice_->minimumSizeHint().height()));
}

void PlayerWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ApplyLayout();
}

bool PlayerWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mute_icon_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
    ShowMuteToggle();
  if (watched == mute_icon_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
      onMuteClicked();
      return true;
    }
  }
  if (watched == mute_icon_ && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && mute_icon_->rect().contains(mouse->position().toPoint())) {
      onMuteClicked();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void PlayerWindow::done(int result) {
  closing_ = true;
  display_timer_->stop();
  player_.Stop(false);
  QDialog::done(result);
}

void PlayerWindow::SetPauseCaption(const QString& caption) {
  pause_caption_ = caption;
  const bool paused = caption == kPlayTriangleSymbol;
  pause_button_->setIcon(paused ? PlayerIcons::Play() : PlayerIcons::Pause());
  pause_button_->setToolTip(paused ? tr("Play") : tr("Pause"));
  pause_button_->setAccessibleName(pause_button_->toolTip());
}

void PlayerWindow::onPauseClicked() {
  // Playing on after an early end: the notice has been read.
  if (player_.PlayState() != FFPlayer::kStateStopped) notice_->hide();
  player_.TogglePause();
  SetPauseCaption(player_.Paused() ? kPlayTriangleSymbol : kPauseBarsSymbol);
}

void PlayerWindow::SeekTo(int64_t target, int32_t flags) {
  player_.Seek(static_cast<int32_t>(static_cast<uint32_t>(target)),
               static_cast<int32_t>(static_cast<uint64_t>(target) >> 32), flags, false);
}

void PlayerWindow::onPositionMouseUp(int button, int /*shift*/, float x, float /*y*/) {
  if (button != SliderModel::kLeftButton) return;
  int np = 0;
  ValueAtX(x, position_slider_->Max(), position_slider_->width(), np);
  if (np >= 0 && np <= position_slider_->Max()) position_slider_->SetValue(np);
  SeekToSliderValue();
}

void PlayerWindow::onPositionEdited() { SeekToSliderValue(); }

void PlayerWindow::SeekToSliderValue() {
  {
    BusyCursor busy;
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

void PlayerWindow::onPositionClicked() { position_slider_->SetSelLength(position_slider_->Value()); }

void PlayerWindow::onVolumeMouseUp(int button, int /*shift*/, float x, float /*y*/) {
  if (button != SliderModel::kLeftButton) return;
  {
    BusyCursor busy;
    int np = 0;
    ValueAtX(x, volume_slider_->Max(), volume_slider_->width(), np);
    if (np >= 0 && np <= volume_slider_->Max()) volume_slider_->SetValue(np);
  }
  onVolumeEdited();
}

void PlayerWindow::onVolumeEdited() {
  player_.SetAudioVolume(static_cast<unsigned char>(volume_slider_->Value()));
  volume_slider_->SetSelLength(volume_slider_->Value());
  StoreVolume(volume_slider_->Value());
}

void PlayerWindow::onVolumeClicked() { volume_slider_->SetSelLength(volume_slider_->Value()); }

void PlayerWindow::onMuteClicked() {
  player_.SetMute(!player_.Mute());
  StoreMute(player_.Mute());
  ShowMuteToggle();
}

void PlayerWindow::ShowMuteToggle() {
  QPixmap picture = player_.Mute() ? muted_picture_ : sound_picture_;
  if (mute_icon_->hasFocus()) {
    // The label draws no focus of its own: a dotted frame on the picture shows it.
    QPainter painter(&picture);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
  }
  mute_icon_->setPixmap(picture);
  mute_icon_->setAccessibleName(player_.Mute() ? tr("Unmute") : tr("Mute"));
}

void PlayerWindow::onDurationReported(qint64 durationUs) {
  duration_ = durationUs;
  int max = 0;
  if (SliderMaxFromDuration(durationUs, max)) position_slider_->SetMax(max);
  if (duration_text_.isEmpty())
    duration_text_ = FormatDuration(MicrosToSeconds(static_cast<int64_t>(durationUs)));
}

void PlayerWindow::onPositionReported(qint64 positionUs) {
  if (positionUs <= 0 || duration_ <= 0) return;
  // While the thumb is held the pointer, not the playback, places it.
  if (position_slider_->Model().Dragging()) return;
  if (positionUs >= duration_) {
    // At (or, by the last packets, just past) the end: the thumb at the right end and
    // the label at the duration, so the two agree.
    position_slider_->SetValue(position_slider_->Max());
    position_slider_->SetSelLength(position_slider_->Value());
    time_label_->setText(duration_text_ + "/" + duration_text_);
    return;
  }
  const int64_t seconds = PositionSeconds(positionUs);
  const int64_t value = seconds * 10;
  if (value >= INT32_MIN && value <= INT32_MAX) position_slider_->SetValue(static_cast<int>(value));
  position_slider_->SetSelLength(position_slider_->Value());
  time_label_->setText(PositionCaption(seconds, duration_text_));
}

void PlayerWindow::onStateReported(int state) {
  if (closing_) return;
  if (state == FFPlayer::kEventScreenReady) {
    if (windowFlags() & Qt::WindowStaysOnTopHint) {
      const bool visible = isVisible();
      setWindowFlag(Qt::WindowStaysOnTopHint, false);
      if (visible) show();  // changing flags hides a window
    }
    if (player_.ScreenHandle() != 0) video_view_->repaint();
  } else if (state == FFPlayer::kEventEndedEarly ||
             (state == FFPlayer::kStateStopped && !player_.LastErrorMessage().empty())) {
    // The end came early or playback broke off: the position where it stopped
    // stays, and the window says why.
    SetPauseCaption(kPlayTriangleSymbol);
    ShowNotice(QString::fromStdString(player_.LastErrorMessage()));
  } else if (state == FFPlayer::kEventEndOfFile) {
    player_.Seek(0, 0, FFPlayer::kSeekKeyFrame, false);
    player_.Pause();
    position_slider_->SetValue(0);
    position_slider_->SetSelLength(0);
    time_label_->setText(PositionCaption(0, duration_text_));  // the label follows the rewound thumb
    SetPauseCaption(kPlayTriangleSymbol);
  }
}

void PlayerWindow::onDisplaySizeTimer() {
  // One correction per tick; the engine's picture follows within four ticks.
  bool changed = true;
  if (video_view_->width() != player_.ScreenWidth()) {
    player_.SetScreenWidth(video_view_->width());
  } else if (video_view_->height() != player_.ScreenHeight()) {
    player_.SetScreenHeight(video_view_->height());
  } else if (player_.ScreenWidth() != player_.FrameWidth()) {
    player_.SetFrameWidth(player_.ScreenWidth());
  } else if (player_.ScreenHeight() != player_.FrameHeight()) {
    player_.SetFrameHeight(player_.ScreenHeight());
  } else {
    changed = false;
  }
  if (changed) player_.UpdateScreen();
}
