#pragma once

#include <QString>

// The one language value of the program. German texts are shown only for German; English
// stands in for a language never chosen.
enum class Language : int { Unset = -1, English = 0, German = 1 };

inline QString Pick(Language language, const QString& german, const QString& english) {
    return language == Language::German ? german : english;
}

// A stored number as a language. A number other than -1, 0 and 1 is kept as it is: it shows
// English, counts as chosen, and goes back into the store unchanged.
inline Language LanguageFromInt(int value) {
    return static_cast<Language>(value);
}
