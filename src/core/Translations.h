#pragma once
// The program's texts in the user's language: loads translations/veltrane_<lang>.qm from
// the resource folder and Qt's own qtbase_<lang>.qm (standard buttons and dialogs), and
// installs them in the running application. English needs neither.
#include <QLocale>
#include <memory>
#include <vector>

class QTranslator;

class Translations {
 public:
  // Picks the first of the locale's user-interface languages that has a translation, none
  // when English comes first (QLocale::system() reads LANGUAGE, LC_ALL, LC_MESSAGES and
  // LANG, with or without the C library's locale data installed). Needs a QCoreApplication.
  explicit Translations(const QLocale& locale = QLocale::system());
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // True when the program's own translation was found and installed.
  bool Loaded() const { return loaded_; }

 private:
  std::vector<std::unique_ptr<QTranslator>> installed_;
  bool loaded_ = false;
};
