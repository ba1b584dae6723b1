#include "core/FileNames.h"

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at `at`, or 0 when it is not one.
int ValidSequence(const QByteArray& bytes, qsizetype at, char32_t* code) {
  const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(at);
  int length = 0;
  char32_t value = 0, least = 0;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2, value = lead & 0x1F, least = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3, value = lead & 0x0F, least = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4, value = lead & 0x07, least = 0x10000;
  else
    return 0;
  if (at + length > bytes.size()) return 0;
  for (int i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(at + i) & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *code = value;
  return length;
}

}  // namespace

QString NameToText(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (qsizetype i = 0; i < bytes.size();) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    char32_t code = 0;
    if (b < 0x80) {
      text += QChar(b);
      ++i;
    } else if (const int length = ValidSequence(bytes, i, &code)) {
      text += QString::fromUcs4(&code, 1);
      i += length;
    } else {
      text += QChar(static_cast<char16_t>(kEscapeBase + b));
      ++i;
    }
  }
  return text;
}

QByteArray TextToName(const QString& text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i].unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      bytes += QString(text.mid(i, 2)).toUtf8();
      ++i;
    } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
      bytes += static_cast<char>(unit - kEscapeBase);
    } else {
      bytes += QString(QChar(unit)).toUtf8();  // a stray surrogate becomes U+FFFD
    }
  }
  return bytes;
}
