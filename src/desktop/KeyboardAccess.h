#pragma once
// Keyboard access shared by the windows: mnemonics worked out from captions as they are
// shown (translated or not), so Alt and a letter reaches every labelled field.
#include <QString>

class QWidget;

// The caption with "&" before its first letter that is not in `used` (which then holds it
// too). A caption that already has a mnemonic keeps it; letters of scripts typed through
// an input method (Chinese, Japanese, Korean) are skipped. When nothing else is left, a
// free letter of `english` (the untranslated caption) is added in brackets, "ファイル(&F)";
// without one the caption is returned as it is.
QString WithMnemonic(const QString& caption, QString& used, const char* english = nullptr);

// Gives every label of `window` that names a field (its buddy) and has no mnemonic yet one
// that no button or other label of the window already uses.
void AddLabelMnemonics(QWidget* window);
