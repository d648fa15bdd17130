// The POSIX TZ rule of a TZif footer ("CET-1CEST,M3.5.0,M10.5.0/3"), with
// the RFC 8536 extensions (hours -167..167 in the change times). Compiled
// zone files list transitions only to 2037; the rule continues them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quintara {

// A day of the year a change falls on.
struct tTzRuleDay {
    enum class tKind { kJulian, kZeroBased, kMonthWeekDay } kind = tKind::kMonthWeekDay;
    int day = 0;      // Jn: 1..365 (29 February never counted); n: 0..365; M: weekday 0..6 (Sunday 0)
    int month = 1;    // M only: 1..12
    int week = 1;     // M only: 1..5, 5 the last such weekday of the month
};

struct tTzRule {
    std::int32_t standardOffset = 0;  // seconds east of UT
    std::int32_t summerOffset = 0;    // seconds east of UT, when hasSummer
    bool hasSummer = false;
    tTzRuleDay start, end;
    std::int32_t startTime = 7200;    // local time of the change, seconds, in the time before it
    std::int32_t endTime = 7200;
};

// Nothing (error set) for a text that is not such a rule.
std::optional<tTzRule> ParseTzRule(const std::string& text, std::string* error = nullptr);

// Offset in force (seconds east of UT) at a UT moment (seconds since
// 1970-01-01 00:00 UT).
std::int32_t RuleOffsetAtUt(const tTzRule& rule, std::int64_t utSeconds);

// Offset in force at a wall-clock time (seconds since 1970-01-01 00:00 of
// the local clock). A change counts from its own local time on, read in
// the time before it: a clock time skipped in spring is summer time, one
// repeated in autumn is still summer time.
std::int32_t RuleOffsetAtLocal(const tTzRule& rule, std::int64_t localSeconds);

}  // namespace quintara
