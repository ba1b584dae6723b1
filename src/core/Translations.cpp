#include "core/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/Helpers.h"

Translations::Translations(const QLocale& locale) {
  auto install = [this, &locale](const QString& prefix, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, prefix, "_", folder) ||
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
