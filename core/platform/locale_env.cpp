#include "core/platform/locale_env.h"

#include "core/platform/ascii.h"

#include <cstdlib>
#include <initializer_list>

namespace quintara {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string MessagesLocale()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(name);
        if (v && *v) return v;
    }
    return "C";
}

std::string LocaleLanguageLetters()
{
    const std::string l = MessagesLocale();
    if (l == "C" || l == "POSIX" || l.size() < 2 || !IsLetter(l[0]) || !IsLetter(l[1])) return "en";
    if (l.size() > 2 && IsLetter(l[2])) {
        // Three-letter codes have no two-letter form here.
        return "en";
    }
    return {AsciiLower(l[0]), AsciiLower(l[1])};
}

std::string LocaleTerritory()
{
    const std::string l = MessagesLocale();
    const std::size_t us = l.find('_');
    if (us == std::string::npos || us + 2 >= l.size() || !IsLetter(l[us + 1]) || !IsLetter(l[us + 2]))
        return {};
    return {Upper(l[us + 1]), Upper(l[us + 2])};
}

}  // namespace quintara

namespace quintara {
namespace {

struct tTerritory {
    const char* code;
    int phone;
};

constexpr tTerritory kTerritories[] = {
    {"US", 1}, {"CA", 1}, {"GB", 44}, {"IE", 353}, {"FR", 33}, {"BE", 32}, {"CH", 41},
    {"LU", 352}, {"MC", 377}, {"DE", 49}, {"AT", 43}, {"NL", 31}, {"IT", 39}, {"ES", 34},
    {"PT", 351}, {"BR", 55}, {"DK", 45}, {"SE", 46}, {"NO", 47}, {"FI", 358}, {"PL", 48},
    {"CZ", 420}, {"HU", 36}, {"GR", 30}, {"TR", 90}, {"RU", 7}, {"AU", 61}, {"NZ", 64},
    {"ZA", 27}, {"IN", 91}, {"JP", 81}, {"CN", 86}, {"MX", 52}, {"AR", 54}, {"IL", 972},
};

bool In(const std::string& t, std::initializer_list<const char*> list)
{
    for (const char* c : list)
        if (t == c) return true;
    return false;
}

}  // namespace

tLocaleConventions LocaleConventions()
{
    tLocaleConventions c;
    const std::string t = LocaleTerritory();
    if (t.empty()) return c;
    for (const tTerritory& k : kTerritories)
        if (t == k.code) c.Country = k.phone;
    if (In(t, {"US", "LR", "MM"})) c.MeasureUnit = 1;
    if (In(t, {"US", "CA", "AU", "NZ", "IN", "PH", "EG", "SA", "PK"})) c.TimeFormat = 0;
    if (In(t, {"US", "PH"})) c.DateFormat = 0;
    return c;
}

}  // namespace quintara
