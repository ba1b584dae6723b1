#include "core/StoredValues.h"

#include "core/Settings.h"

namespace Stored {

namespace {

// Plain decimal digits with an optional minus: no blanks, signs or bases.
std::optional<int> IntText(const QString& text, int min, int max) {
  static const QString kAllowed = "-0123456789";
  if (text.isEmpty() || text.size() > 11) return std::nullopt;
  for (int i = 0; i < text.size(); ++i)
    if (!kAllowed.contains(text[i]) || (text[i] == '-' && i > 0)) return std::nullopt;
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || value < min || value > max) return std::nullopt;
  return value;
}

std::optional<QByteArray> BytesText(const QString& text) {
  if (text.isEmpty()) return std::nullopt;
  const auto decoded =
      QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) return std::nullopt;
  return *decoded;
}

// The stored text when the entry accepts it.
std::optional<QString> Read(const Setting::Entry& entry, int max = std::numeric_limits<int>::max()) {
  const QString text = ReadSetting(entry.name);
  if (!Accepts(entry, text, max)) return std::nullopt;
  return text;
}

}  // namespace

bool Accepts(const Setting::Entry& entry, const QString& text, int max) {
  switch (entry.type) {
    case Setting::Type::Text:
      return !text.isEmpty();
    case Setting::Type::Int:
      return IntText(text, entry.min, std::min(entry.max, max)).has_value();
    case Setting::Type::Bool:
      return text == "true" || text == "false";
    case Setting::Type::Bytes:
      return BytesText(text).has_value();
  }
  return false;
}

std::optional<QString> Find(const Setting::Key<QString>& key) { return Read(key.entry); }
std::optional<int> Find(const Setting::Key<int>& key, int max) {
  if (const auto text = Read(key.entry, max)) return text->toInt();
  return std::nullopt;
}
std::optional<bool> Find(const Setting::Key<bool>& key) {
  if (const auto text = Read(key.entry)) return *text == "true";
  return std::nullopt;
}
std::optional<QByteArray> Find(const Setting::Key<QByteArray>& key) {
  if (const auto text = Read(key.entry)) return BytesText(*text);
  return std::nullopt;
}

QString Default(const Setting::Key<QString>& key) { return QString::fromUtf8(key.entry.fallback); }
int Default(const Setting::Key<int>& key) { return QString::fromLatin1(key.entry.fallback).toInt(); }
bool Default(const Setting::Key<bool>& key) { return QString::fromLatin1(key.entry.fallback) == "true"; }
QByteArray Default(const Setting::Key<QByteArray>& key) {
  return BytesText(QString::fromLatin1(key.entry.fallback)).value_or(QByteArray());
}

void Set(const Setting::Key<QString>& key, const QString& value) { WriteSetting(key.entry.name, value); }
void Set(const Setting::Key<int>& key, int value) { WriteSetting(key.entry.name, QString::number(value)); }
void Set(const Setting::Key<bool>& key, bool value) {
  WriteSetting(key.entry.name, value ? "true" : "false");
}
void Set(const Setting::Key<QByteArray>& key, const QByteArray& value) {
  WriteSetting(key.entry.name, QString::fromLatin1(value.toBase64()));
}

}  // namespace Stored
