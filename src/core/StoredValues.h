#pragma once
// Typed reading and writing of the remembered values in the settings table
// (SettingsTable.h). Everything is stored as text; a value that is missing, cannot be
// read as its type or lies out of range reads as the entry's default (Get) or as none
// (Find, for callers whose own current value is the default). A damaged settings file
// can cost a choice, never a start.
#include <QByteArray>
#include <QString>
#include <algorithm>
#include <limits>
#include <optional>

#include "core/SettingsTable.h"

namespace Stored {

// Whether `text` as stored is a value of the entry (type and range); an empty text
// counts as missing.
bool Accepts(const Setting::Entry& entry, const QString& text, int max = std::numeric_limits<int>::max());

// `max` narrows the table's range where the limit depends on the machine or the window.
std::optional<QString> Find(const Setting::Key<QString>& key);
std::optional<int> Find(const Setting::Key<int>& key, int max = std::numeric_limits<int>::max());
std::optional<bool> Find(const Setting::Key<bool>& key);
std::optional<QByteArray> Find(const Setting::Key<QByteArray>& key);

QString Default(const Setting::Key<QString>& key);
int Default(const Setting::Key<int>& key);
bool Default(const Setting::Key<bool>& key);
QByteArray Default(const Setting::Key<QByteArray>& key);

template <typename T>
T Get(const Setting::Key<T>& key) {
  return Find(key).value_or(Default(key));
}
inline int Get(const Setting::Key<int>& key, int max) {
  return Find(key, max).value_or(std::min(Default(key), max));
}

void Set(const Setting::Key<QString>& key, const QString& value);
void Set(const Setting::Key<int>& key, int value);
void Set(const Setting::Key<bool>& key, bool value);
void Set(const Setting::Key<QByteArray>& key, const QByteArray& value);

}  // namespace Stored
