#pragma once
// Typed reading of remembered values. Everything is stored as text; a value that is
// missing, cannot be read as the wanted type or lies out of range reads as "none", so
// the caller keeps its default. A damaged settings file can cost a choice, never a start.
#include <QByteArray>
#include <QString>
#include <optional>

namespace Stored {

std::optional<QString> Text(const QString& name);           // present and not empty
std::optional<int> Int(const QString& name, int min, int max);
std::optional<bool> Bool(const QString& name);              // "true" or "false"
std::optional<QByteArray> Bytes(const QString& name);       // base64 text

void SetText(const QString& name, const QString& value);
void SetInt(const QString& name, int value);
void SetBool(const QString& name, bool value);
void SetBytes(const QString& name, const QByteArray& value);

}  // namespace Stored
