// Proleptic Gregorian dates for the tables: day numbers counted from
// 1970-01-01 and the ISO text "yyyy-mm-dd" the DATE fields are stored as.
#pragma once

#include <cstdint>
#include <string>

namespace quintara {

struct tCivilDate {
    int year = 1970, month = 1, day = 1;
};

std::int64_t DaysFromCivil(tCivilDate date);
tCivilDate CivilFromDays(std::int64_t days);
// Today's date on the machine's clock: where the user is (the default date
// of the dialogs) or at Greenwich (the command line's, the same on every
// machine).
tCivilDate LocalToday();
tCivilDate UniversalToday();
// "yyyy-mm-dd"; years below 1 are written as 0001.
std::string IsoDate(tCivilDate date);

}  // namespace quintara
