#include "core/data/tz_rule.h"

#include <cctype>

#include "core/data/civil_date.h"
#include "core/engine/julian_day.h"

namespace quintara {

namespace {

class tRuleReader {
public:
    explicit tRuleReader(const std::string& t) : text(t) {}
    bool AtEnd() const { return pos >= text.size(); }
    char Peek() const { return AtEnd() ? '\0' : text[pos]; }
    bool Take(char c)
    {
        if (Peek() != c) return false;
        ++pos;
        return true;
    }
    // A zone name: three or more letters, or <...> of letters, digits, + and -.
    bool Name()
    {
        if (Take('<')) {
            const std::size_t from = pos;
            while (!AtEnd() && (std::isalnum(static_cast<unsigned char>(Peek())) || Peek() == '+' || Peek() == '-'))
                ++pos;
            return pos - from >= 3 && Take('>');
        }
        const std::size_t from = pos;
        while (!AtEnd() && std::isalpha(static_cast<unsigned char>(Peek()))) ++pos;
        return pos - from >= 3;
    }
    std::optional<int> Number(int maxValue)
    {
        if (!std::isdigit(static_cast<unsigned char>(Peek()))) return std::nullopt;
        int n = 0;
        while (std::isdigit(static_cast<unsigned char>(Peek()))) {
            n = n * 10 + (text[pos++] - '0');
            if (n > maxValue) return std::nullopt;
        }
        return n;
    }
    // [+-]hh[:mm[:ss]] in seconds.
    std::optional<std::int32_t> Time(int maxHours)
    {
        int sign = 1;
        if (Take('-')) sign = -1;
        else Take('+');
        const auto h = Number(maxHours);
        if (!h) return std::nullopt;
        std::int32_t seconds = *h * 3600;
        for (int unit : {60, 1}) {
            if (!Take(':')) break;
            const auto part = Number(59);
            if (!part) return std::nullopt;
            seconds += *part * unit;
        }
        return sign * seconds;
    }
    std::optional<tTzRuleDay> Day()
    {
        tTzRuleDay d;
        if (Take('M')) {
            d.kind = tTzRuleDay::tKind::kMonthWeekDay;
            const auto m = Number(12);
            if (!m || *m < 1 || !Take('.')) return std::nullopt;
            const auto w = Number(5);
            if (!w || *w < 1 || !Take('.')) return std::nullopt;
            const auto wd = Number(6);
            if (!wd) return std::nullopt;
            d.month = *m, d.week = *w, d.day = *wd;
            return d;
        }
        const bool julian = Take('J');
        const auto n = Number(365);
        if (!n || (julian && *n < 1)) return std::nullopt;
        d.kind = julian ? tTzRuleDay::tKind::kJulian : tTzRuleDay::tKind::kZeroBased;
        d.day = *n;
        return d;
    }

private:
    const std::string& text;
    std::size_t pos = 0;
};

bool Fail(std::string* error, const std::string& text, const char* why)
{
    if (error) *error = "zone rule \"" + text + "\": " + why;
    return false;
}

// Days since 1970-01-01 of the rule's day in a year.
std::int64_t DayOf(const tTzRuleDay& d, int year)
{
    const std::int64_t jan1 = DaysFromCivil({year, 1, 1});
    switch (d.kind) {
    case tTzRuleDay::tKind::kJulian:
        return jan1 + d.day - 1 + (IsLeapYear(year) && d.day >= 60 ? 1 : 0);
    case tTzRuleDay::tKind::kZeroBased:
        return jan1 + d.day;
    case tTzRuleDay::tKind::kMonthWeekDay:
        break;
    }
    const std::int64_t first = DaysFromCivil({year, d.month, 1});
    // 1970-01-01 was a Thursday (weekday 4).
    const std::int64_t weekday = ((first + 4) % 7 + 7) % 7;
    std::int64_t day = first + (d.day - weekday + 7) % 7 + 7 * (d.week - 1);
    const std::int64_t next = d.month == 12 ? DaysFromCivil({year + 1, 1, 1}) : DaysFromCivil({year, d.month + 1, 1});
    while (day >= next) day -= 7;
    return day;
}

int YearOfDay(std::int64_t days) { return CivilFromDays(days).year; }

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Whether summer time is in force at a moment measured on the standard
// clock, the changes of the year read there too.
bool SummerOnStandardClock(const tTzRule& r, std::int64_t standardSeconds)
{
    const int year = YearOfDay(FloorDiv(standardSeconds, 86400));
    const std::int32_t saving = r.summerOffset - r.standardOffset;
    // The end is given on the summer clock: on the standard clock it is earlier by the saving.
    const std::int64_t start = DayOf(r.start, year) * 86400 + r.startTime;
    const std::int64_t end = DayOf(r.end, year) * 86400 + r.endTime - saving;
    if (start < end) return standardSeconds >= start && standardSeconds < end;
    return standardSeconds < end || standardSeconds >= start;
}

}  // namespace

std::optional<tTzRule> ParseTzRule(const std::string& text, std::string* error)
{
    tRuleReader r(text);
    tTzRule rule;
    if (!r.Name()) return Fail(error, text, "no standard time name"), std::nullopt;
    const auto std = r.Time(24);
    if (!std) return Fail(error, text, "no standard offset"), std::nullopt;
    rule.standardOffset = -*std;  // POSIX counts west
    if (r.AtEnd()) return rule;
    if (!r.Name()) return Fail(error, text, "no summer time name"), std::nullopt;
    rule.hasSummer = true;
    rule.summerOffset = rule.standardOffset + 3600;
    if (r.Peek() != ',' && !r.AtEnd()) {
        const auto dst = r.Time(24);
        if (!dst) return Fail(error, text, "bad summer offset"), std::nullopt;
        rule.summerOffset = -*dst;
    }
    // Without dates, POSIX leaves the changes to the system; the IANA files
    // never omit them. The United States' rules are the usual default.
    if (r.AtEnd()) {
        rule.start = {tTzRuleDay::tKind::kMonthWeekDay, 0, 3, 2};
        rule.end = {tTzRuleDay::tKind::kMonthWeekDay, 0, 11, 1};
        return rule;
    }
    for (auto [day, time] : {std::pair{&rule.start, &rule.startTime}, std::pair{&rule.end, &rule.endTime}}) {
        if (!r.Take(',')) return Fail(error, text, "expected ','"), std::nullopt;
        const auto d = r.Day();
        if (!d) return Fail(error, text, "bad change date"), std::nullopt;
        *day = *d;
        if (r.Take('/')) {
            const auto t = r.Time(167);
            if (!t) return Fail(error, text, "bad change time"), std::nullopt;
            *time = *t;
        }
    }
    if (!r.AtEnd()) return Fail(error, text, "text after the rule"), std::nullopt;
    return rule;
}

std::int32_t RuleOffsetAtUt(const tTzRule& r, std::int64_t ut)
{
    if (!r.hasSummer) return r.standardOffset;
    return SummerOnStandardClock(r, ut + r.standardOffset) ? r.summerOffset : r.standardOffset;
}

std::int32_t RuleOffsetAtLocal(const tTzRule& r, std::int64_t local)
{
    if (!r.hasSummer) return r.standardOffset;
    // Read on the standard clock, a summer clock time lies earlier by the
    // saving; a time in the gap or the overlap reads as summer time either way.
    const std::int32_t saving = r.summerOffset - r.standardOffset;
    if (SummerOnStandardClock(r, local)) return r.summerOffset;
    if (SummerOnStandardClock(r, local - saving)) return r.summerOffset;
    return r.standardOffset;
}

}  // namespace quintara
