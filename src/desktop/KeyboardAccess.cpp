#include "desktop/KeyboardAccess.h"

#include <QAbstractButton>
#include <QLabel>

namespace {

// The letter after the first single "&" of a caption, lower case; null when none.
QChar MnemonicOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1].toLower();
    ++i;  // "&&" is a plain ampersand
  }
  return {};
}

bool TypedThroughInputMethod(QChar c) {
  switch (c.script()) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
      return true;
    default:
      return false;
  }
}

}  // namespace

QString WithMnemonic(const QString& caption, QString& used, const char* english) {
  if (const QChar existing = MnemonicOf(caption); !existing.isNull()) {
    used += existing;
    return caption;
  }
  for (qsizetype i = 0; i < caption.size(); ++i) {
    const QChar c = caption[i].toLower();
    if (!c.isLetter() || TypedThroughInputMethod(c) || used.contains(c)) continue;
    used += c;
    return caption.left(i) + "&" + caption.mid(i);
  }
  // As those desktops write it: "ファイル(&F)", a letter of the English caption.
  for (const QChar letter : QString(english)) {
    const QChar c = letter.toLower();
    if (!c.isLetter() || used.contains(c)) continue;
    used += c;
    return caption + "(&" + c.toUpper() + ")";
  }
  return caption;
}

void AddLabelMnemonics(QWidget* window) {
  QString used;
  for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
    if (const QChar c = MnemonicOf(button->text()); !c.isNull()) used += c;
  QList<QLabel*> unmarked;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->buddy()) continue;
    if (const QChar c = MnemonicOf(label->text()); !c.isNull()) {
      used += c;
    } else {
      unmarked.append(label);
    }
  }
  for (QLabel* label : unmarked)
    label->setText(WithMnemonic(label->text(), used));
}
