#pragma once
// File names are bytes; the windows and the builder hold them as QString. These two
// turn one into the other without loss: valid UTF-8 becomes its text, and every
// byte that is not part of valid UTF-8 becomes one of the lone surrogates
// U+DC80..U+DCFF, which turn back into that same byte. A name shown this way may
// look odd, but the file written carries the exact bytes.
#include <QByteArray>
#include <QString>
#include <string>

QString NameToText(const QByteArray& bytes);
inline QString NameToText(const std::string& bytes) { return NameToText(QByteArray::fromStdString(bytes)); }
QByteArray TextToName(const QString& text);
inline std::string TextToNameString(const QString& text) { return TextToName(text).toStdString(); }
