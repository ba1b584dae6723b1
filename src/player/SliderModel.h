#pragma once
// The value arithmetic, mouse and key handling and paint plan of the self-drawn
// slider, with no drawing of its own. All geometry is in twips (15 per pixel);
// real-to-integer conversions round halves to even. A computation that would
// divide by zero is skipped and leaves its result at 0, as the control's handlers
// skip a failing statement and go on.
#include <cstdint>
#include <vector>

// How the selection band is placed.
enum class SliderBand {
  FromSelStart,  // starts at SelStart (offset by half the thumb), only when SelLength > 0
  FromLeft,      // starts at the control's left edge
};

// Pixel sizes of the bitmaps a slider draws with.
struct SliderImageSizes {
  int trackWidth = 0, trackHeight = 0;  // track skin, drawn in three slices
  int thumbWidth = 0, thumbHeight = 0;  // thumb (and its disabled look)
  int selWidth = 0, selHeight = 0;      // selection band
};

// One drawing step of a paint, in twips.
struct SliderDrawOp {
  enum Kind { TrackSlice, Tick, Band, Thumb };
  Kind kind = TrackSlice;
  double x = 0, y = 0, width = 0, height = 0;  // destination (a tick: from (x, y) up by height)
  double sourceX = 0, sourceWidth = 0;         // TrackSlice: the slice of the track picture
  bool disabled = false;                       // Thumb: draw the disabled thumb
};

class SliderModel {
 public:
  static constexpr int kTwipsPerPixel = 15;
  // Mouse buttons as the control reports them.
  static constexpr int kLeftButton = 1;
  static constexpr int kRightButton = 2;
  // Key codes the control acts on.
  static constexpr int kKeyPageUp = 33, kKeyPageDown = 34, kKeyLeft = 37, kKeyRight = 39;

  SliderModel(SliderBand band, SliderImageSizes sizes);

  // Properties. Only Value is validated; the others are stored as given.
  int32_t value = 0;
  int32_t min = 0;
  int32_t max = 1000;
  int32_t smallChange = 1;
  int32_t largeChange = 10;
  bool showTicks = true;
  int32_t tickNumber = 10;
  int32_t selStart = 0;
  int32_t selLength = 0;

  // Clamps to Max, then to Min (so Min wins when Min > Max), and stores.
  void SetValue(int64_t newValue);

  // The control was resized to this size in twips: half thumb and track length.
  void Resize(int widthTwips, int heightTwips);
  int HalfThumb() const { return half_thumb_; }
  int TrackLength() const { return track_; }
  int ThumbLeft() const { return thumb_x_; }  // as of the last paint
  bool Dragging() const { return dragging_; }
  int LastReleaseX() const { return last_release_x_; }

  // Value from a pointer position while dragging.
  void SetValueFromPosition(double x);
  // Value from the last left-button release, when the click arrives.
  void SetValueFromClick();

  // Mouse notifications. MouseMove returns false when it is ignored entirely
  // (right button alone): no repaint and no event then.
  void MouseDown(int button);
  bool MouseMove(int buttons, double x);
  void MouseUp(int button, double x);
  void Click() { SetValueFromClick(); }

  // Page Up/Down and Left/Right move Value; every other key leaves it.
  void KeyDown(int keyCode);

  // Thumb left edge for the current Value.
  int ComputeThumbLeft() const;
  // The drawing steps of one paint, in order; stores the thumb position.
  std::vector<SliderDrawOp> Paint(bool enabled);

 private:
  void ApplyStepRule(int64_t candidate, bool towardsMax);

  SliderBand band_;
  SliderImageSizes sizes_;
  int width_ = 0;
  int height_ = 0;
  int half_thumb_ = 0;
  int track_ = 0;
  int thumb_x_ = 0;
  bool dragging_ = false;
  int last_release_x_ = 0;
};

// Rounds to the nearest integer, halves to even.
int64_t RoundHalfEven(double value);
