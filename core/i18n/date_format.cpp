#include "core/i18n/date_format.h"

#include <cstdio>
#include <string_view>

namespace quintara {
namespace {

std::string Padded(int v, int width)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, v);
    return buf;
}

struct tToken {
    std::string_view text;
    std::string value;
};

std::string Replace(const std::string& format, std::initializer_list<tToken> tokens)
{
    std::string out;
    for (std::size_t i = 0; i < format.size();) {
        bool matched = false;
        for (const tToken& t : tokens)
            if (std::string_view(format).substr(i, t.text.size()) == t.text) {
                out += t.value;
                i += t.text.size();
                matched = true;
                break;
            }
        if (!matched) out += format[i++];
    }
    return out;
}

}  // namespace

std::string FormatDate(int year, int month, int day, const std::string& format)
{
    return Replace(format, {{"yyyy", Padded(year, 4)}, {"dd", Padded(day, 2)}, {"mm", Padded(month, 2)}});
}

std::string FormatTime(int hour, int minute, const std::string& format)
{
    const bool twelve = format.find("am/pm") != std::string::npos;
    const int shown = twelve ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
    return Replace(format,
                   {{"am/pm", hour < 12 ? "am" : "pm"}, {"hh", Padded(shown, 2)}, {"nn", Padded(minute, 2)}});
}

}  // namespace quintara
