#include "ui/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QtTranslation::QtTranslation() = default;

QtTranslation::~QtTranslation() {
    if (installed && QCoreApplication::instance() != nullptr)
        QCoreApplication::removeTranslator(translator.get());
}

void QtTranslation::Follow(Language language) {
    const bool german = language == Language::German;
    if (german == installed) return;
    if (german && !loaded) {
        translator = std::make_unique<QTranslator>();
        loaded =
            translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (!loaded) return;
    }
    // Installing and removing both send every widget a language change, so Qt's dialogs that
    // already exist retranslate themselves.
    installed = german ? QCoreApplication::installTranslator(translator.get())
                       : !QCoreApplication::removeTranslator(translator.get());
}
