// The process locale as the environment names it: what the platform's
// regional ("intl") settings are on this system.
#pragma once

#include <string>

namespace quintara {

// LC_ALL, else LC_MESSAGES, else LANG; "C" when none is set.
std::string MessagesLocale();

// Two lower-case language letters of MessagesLocale ("fr" of "fr_CA.UTF-8");
// "en" for "C", "POSIX" or anything without letters.
std::string LocaleLanguageLetters();

// Territory letters ("CA" of "fr_CA.UTF-8"), empty when none.
std::string LocaleTerritory();

}  // namespace quintara

namespace quintara {

// Regional defaults of the process locale, as the platform's regional
// settings would give them.
struct tLocaleConventions {
    int Country = 1;      // telephone country code of the territory
    int MeasureUnit = 0;  // 0 centimetres, 1 inches
    int TimeFormat = 1;   // 0 12-hour clock, 1 24-hour clock
    int DateFormat = 1;   // 0 month first, 1 day first
};

tLocaleConventions LocaleConventions();

}  // namespace quintara
