#pragma once

#include <memory>

#include "base/Language.h"

class QTranslator;

// Qt's own texts (the colour chooser's, the standard buttons') in the game's language. German
// loads Qt's German catalogue; any other language takes it away again. Without the catalogue
// on the system Qt simply stays English.
class QtTranslation {
public:
    QtTranslation();
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    void Follow(Language language);
    bool German() const { return installed; }

private:
    std::unique_ptr<QTranslator> translator;
    bool loaded = false;
    bool installed = false;
};
