#include "common/StoredValues.h"

#include "common/Settings.h"

namespace Stored {

std::optional<QString> Text(const QString& name) {
  const QString text = ReadSetting(name);
  if (text.isEmpty()) return std::nullopt;
  return text;
}

std::optional<int> Int(const QString& name, int min, int max) {
  const QString text = ReadSetting(name);
  // Plain decimal digits with an optional minus: no blanks, signs or bases.
  static const QString kAllowed = "-0123456789";
  if (text.isEmpty() || text.size() > 11) return std::nullopt;
  for (int i = 0; i < text.size(); ++i)
    if (!kAllowed.contains(text[i]) || (text[i] == '-' && i > 0)) return std::nullopt;
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < min || value > max) return std::nullopt;
  return value;
}

std::optional<bool> Bool(const QString& name) {
  const QString text = ReadSetting(name);
  if (text == "true") return true;
  if (text == "false") return false;
  return std::nullopt;
}

std::optional<QByteArray> Bytes(const QString& name) {
  const QString text = ReadSetting(name);
  if (text.isEmpty()) return std::nullopt;
  const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) return std::nullopt;
  return *decoded;
}

void SetText(const QString& name, const QString& value) { WriteSetting(name, value); }
void SetInt(const QString& name, int value) { WriteSetting(name, QString::number(value)); }
void SetBool(const QString& name, bool value) { WriteSetting(name, value ? "true" : "false"); }
void SetBytes(const QString& name, const QByteArray& value) {
  WriteSetting(name, QString::fromLatin1(value.toBase64()));
}

}  // namespace Stored
