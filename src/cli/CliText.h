#pragma once
// The command line's texts in the user's language: CliText::tr() looks them up in the
// translation main() installs (none for --json, whose events stay English).
#include <QCoreApplication>
#include <initializer_list>
#include <string>

class CliText {
  Q_DECLARE_TR_FUNCTIONS(CliText)
};

// The (translated) pattern as UTF-8 with %1..%9 replaced by `args` in one pass. The
// arguments are copied byte for byte: file names need not be UTF-8, and a "%2" inside
// one is not replaced again.
std::string CliFormat(const QString& pattern, std::initializer_list<std::string> args = {});
