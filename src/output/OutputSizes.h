#pragma once
// The picture-size list of the output settings dialog and the width/height rules.
#include <QString>
#include <QStringList>

inline constexpr int SizeAutoIndex = 0;
inline constexpr int SizeCustomIndex = 15;
inline constexpr int MinDimension = 16;
inline constexpr int MaxDimension = 5000;

// The 16 ComboSize entries: "Auto", 14 named sizes, "Custom..." last.
const QStringList& SizeEntries();

// Reads "W x H" or "W x H (name)" into the two numbers as plain decimal text
// ("320 x 240 (qvga)" gives "320" and "240"). False when the entry has no " x ".
bool ParseSizeEntry(const QString& entry, QString& width, QString& height);

// The number made of the leading digits of `text` (blanks before them skipped);
// 0 when there are none. Saturates instead of overflowing.
long long LeadingNumber(const QString& text);

// The correction a width or height box applies when it loses the focus: below 16
// gives "16", above 5000 gives "5000", an odd value is raised by one. A value already
// in range and even is kept exactly as typed (leading zeros included).
QString CorrectDimensionText(const QString& text);

// Digits that leaving the width or height box would keep as they are.
bool IsKeptDimensionText(const QString& text);

// The note shown when leaving a width or height box replaced its text, naming the
// box (`caption`), both texts and the range; empty when the text was kept.
QString DimensionReplacementNote(const QString& caption, const QString& typed, const QString& kept);

// What choosing a ComboSize entry does to the width and height boxes.
struct SizeChoice {
  bool boxesEnabled = false;
  bool keepText = false;    // "Custom...": the boxes keep their text
  bool focusWidth = false;  // "Custom...": the focus goes to the width box
  QString width;
  QString height;
};
SizeChoice ChooseSize(int index);
