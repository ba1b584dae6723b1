#include "core/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/Helpers.h"

namespace {

// Loads prefix_<language> for the first of the user's languages that has one with texts in
// it. English is the programs' own language: where it comes first, a later one is not wanted.
bool LoadFirstLanguage(QTranslator& translator, const QLocale& locale, const QString& prefix,
                       const QString& folder) {
  for (QString language : locale.uiLanguages()) {
    language.replace('-', '_');
    if (language == "C" || language.startsWith("en")) return false;
    if (translator.load(prefix + "_" + language, folder) && !translator.isEmpty()) return true;
  }
  return false;
}

}  // namespace

Translations::Translations(const QLocale& locale) {
  auto install = [this, &locale](const QString& prefix, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!LoadFirstLanguage(*translator, locale, prefix, folder) ||
        !QCoreApplication::installTranslator(translator.get()))
      return false;
    installed_.push_back(std::move(translator));
    return true;
  };
  loaded_ = install("veltrane", ResourceFolder() + "translations");
  // Qt's own texts only where the program speaks the language too: an English program
  // with translated standard buttons would read as two languages.
  if (loaded_) install("qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Translations::~Translations() {
  for (const auto& translator : installed_)
    QCoreApplication::removeTranslator(translator.get());
}
