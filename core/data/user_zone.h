// The zone the user lives in, for showing moments on the user's clock: an
// IANA zone read from the system's compiled zone files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/data/tz_rule.h"
#include "core/data/tzif.h"

namespace quintara {

inline constexpr const char* kSystemZoneDir = "/usr/share/zoneinfo";

// The system's zone name: TZ (without a leading ':'), else /etc/timezone,
// else where /etc/localtime points inside a zoneinfo folder; "UTC" when
// none says.
std::string SystemZoneName();

class tUserZone {
public:
    // The zone called name ("Europe/Paris", "UTC"); nothing, with error
    // naming it, when dir has no such zone file.
    static std::optional<tUserZone> Load(const std::string& name, std::string& error,
                                         const std::string& dir = kSystemZoneDir);
    // Universal time itself.
    static tUserZone Utc();

    const std::string& Name() const { return name; }
    // Seconds east of UT in force at a UT moment (seconds since 1970-01-01 00:00 UT).
    std::int32_t OffsetAt(std::int64_t utSeconds) const;

private:
    std::string name = "UTC";
    tTzHistory history;
    std::optional<tTzRule> rule;  // beyond the last transition
};

}  // namespace quintara
