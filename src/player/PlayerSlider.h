#pragma once
// The self-drawn horizontal sliders of the player: PositionSlider (playback
// position) and VolumeSlider. They share every property and event and differ only in
// where the selection band starts. The value arithmetic lives in
// SliderModel; this widget turns Qt's mouse, key and paint events into it.
#include <QFont>
#include <QWidget>
#include <functional>

#include "player/SliderBitmaps.h"
#include "player/SliderModel.h"

class PlayerSlider : public QWidget {
  Q_OBJECT

 public:
  // Colours are OLE colours: 0x00BBGGRR, or 0x800000nn for system colour nn.
  static constexpr quint32 kDefaultBackColor = 15916757;      // red 213, green 222, blue 242
  static constexpr quint32 kFirstPassBackColor = 0x8000000F;  // button face
  static constexpr quint32 kDefaultForeColor = 0x80000012;    // button text

  int Value() const { return model_.value; }
  void SetValue(int value);
  // A value chosen by the user through an assistive tool: set, then reported by valueEdited.
  void EditValue(int value);
  // Off (the default), only Page Up/Down and Left/Right step Value. On, Up and Down step
  // it too (Up towards Max), and Home and End move it to Min and Max.
  void SetFullKeyboard(bool on) { full_keyboard_ = on; }
  // How assistive tools read Value (default: the number).
  void SetValueText(std::function<QString(int)> text) { value_text_ = std::move(text); }
  QString ValueText() const { return value_text_ ? value_text_(Value()) : QString::number(Value()); }
  int Min() const { return model_.min; }
  void SetMin(int value);
  int Max() const { return model_.max; }
  void SetMax(int value);
  int SmallChange() const { return model_.smallChange; }
  void SetSmallChange(int value);
  int LargeChange() const { return model_.largeChange; }
  void SetLargeChange(int value);
  bool ShowTicks() const { return model_.showTicks; }
  void SetShowTicks(bool value);
  int TickNumber() const { return model_.tickNumber; }
  void SetTickNumber(int value);
  int SelStart() const { return model_.selStart; }
  void SetSelStart(int value);
  int SelLength() const { return model_.selLength; }
  void SetSelLength(int value);

  // Surface properties. Setters that can refuse a value return false.
  quint32 BackColor() const { return back_color_; }
  void SetBackColor(quint32 color);
  quint32 ForeColor() const { return fore_color_; }
  void SetForeColor(quint32 color);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool enabled);
  QFont Font() const { return font(); }
  void SetFont(const QFont& font);
  short BackStyle() const { return back_style_; }
  bool SetBackStyle(short style);  // 0 transparent, 1 opaque
  short BorderStyle() const { return border_style_; }
  bool SetBorderStyle(short style);  // 0 none, 1 single line

  void Refresh();
  // A newly placed control: ambient font and the default slider values.
  void InitNew();

  const SliderModel& Model() const { return model_; }
  static QColor ColorFromOle(quint32 color, const QPalette& palette);

 signals:
  void clicked();
  void mouseUp(int button, int shift, float x, float y);
  // A key or an assistive tool changed Value (a mouse change ends in mouseUp instead).
  void valueEdited();

 protected:
  PlayerSlider(SliderKind kind, SliderBand band, QWidget* parent);

  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QFont AmbientFont() const;
  void ClearAndRepaint();
  // Tells assistive tools when Value is no longer `before`.
  void ReportValueChange(int before);

  SliderKind kind_;
  SliderModel model_;
  quint32 back_color_ = kDefaultBackColor;
  quint32 fore_color_ = kDefaultForeColor;
  short back_style_ = 1;
  short border_style_ = 0;
  bool full_keyboard_ = false;
  std::function<QString(int)> value_text_;
};

// Position slider: the band starts at SelStart, half a thumb in.
class PositionSlider : public PlayerSlider {
  Q_OBJECT
 public:
  explicit PositionSlider(QWidget* parent = nullptr);
};

// Volume slider: the band starts at the left edge.
class VolumeSlider : public PlayerSlider {
  Q_OBJECT
 public:
  explicit VolumeSlider(QWidget* parent = nullptr);
};

// Qt key and modifier state as the slider's events report them.
int SliderKeyCode(int qtKey);
int SliderShiftState(Qt::KeyboardModifiers modifiers);
int SliderButtons(Qt::MouseButtons buttons);
