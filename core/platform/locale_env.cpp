#include "platform/locale_env.h"

#include <cstdlib>

namespace quintara {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
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
    return {Lower(l[0]), Lower(l[1])};
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
