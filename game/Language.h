#pragma once

#include <QString>

// The one language value of the program. German texts are shown only for German; English
// stands in for a language never chosen.
enum class Language : int { Unset = -1, English = 0, German = 1 };

inline QString Pick(Language language, const QString& german, const QString& english) {
    return language == Language::German ? german : english;
}

// A stored number as a language; anything unknown counts as never chosen.
inline Language LanguageFromInt(int value) {
    return value == 0 ? Language::English : value == 1 ? Language::German : Language::Unset;
}
