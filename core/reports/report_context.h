// What report builders read besides the charts: the vocabulary and the
// display formats, country names, the house rule and the aspect rules.
#pragma once

#include <functional>
#include <string>

#include "core/aspects/aspects.h"
#include "core/chart/house_membership.h"
#include "core/i18n/languages.h"

namespace quintara {

class tChart;
class TData1;
class TMainOptions;

struct tReportContext {
    TLanguages* Lang = nullptr;  // captions, body names, date and time formats; not owned
    // Country name in the current language; empty function: no names.
    std::function<std::string(int country)> CountryName;
    // State name of a country; empty function or "": none shown.
    std::function<std::string(int country, int state)> StateName;
    tHouseRule HouseRule;
    tAspectRules AspectRules;

    std::string Caption(int n) const { return Lang->Caption(n); }
    std::string BodyName(int n) const { return Lang->PlanetName(n); }
    // The same in chart c, where cusps 1 and 10 off the true angles (Whole
    // Sign, Equal) read "I" and "X".
    std::string BodyName(const tChart& c, int n) const;
    // The sign's full name for 1..12, else "".
    std::string SignName(int sign) const { return sign >= 1 && sign <= 12 ? Caption(sign) : std::string(); }
    // The vocabulary's name of aspect type 1..21 or a parallel (22, 23), else "".
    std::string AspectName(int type) const { return Lang->AspectName(type); }
    std::string Date(int year, int month, int day) const;
    std::string Time(int hour, int minute) const;
    // "dddd d mmmm yyyy t": weekday, day, month name, year, clock time.
    std::string LongDateTime(const tChart& chart) const;
};

// The context of the program's settings: the vocabulary, country names
// from the data module (none when its tables cannot be opened), the house
// rule and the aspect rules. data is asked for the module when a name is
// first needed.
tReportContext MakeReportContext(const TMainOptions& options, TLanguages& lang, std::function<TData1&()> data);

// Fixed point with d decimals, right-aligned in at least w characters.
std::string Fixed(double v, int w, int d);
// An integer right-aligned in at least w characters.
std::string Whole(long long v, int w);
// A decimal angle in d.mm form (minutes rounded, never 60), as Fixed.
std::string DegMin(double v, int w, int d = 2);
// The first n characters (code points) of UTF-8 text.
std::string FirstChars(const std::string& text, std::size_t n);
// Rounded to an integer, halves to even.
long long RoundScore(double score);

// The aspect rules of the settings: orbs, aspect groups, the parallels' orb.
tAspectRules AspectRulesOf(const TMainOptions& o);

}  // namespace quintara
