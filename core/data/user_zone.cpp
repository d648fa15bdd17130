#include "core/data/user_zone.h"

#include <cstdlib>
#include <filesystem>

#include "core/platform/ascii.h"
#include "core/platform/atomic_file.h"

namespace quintara {

std::string SystemZoneName()
{
    if (const char* tz = std::getenv("TZ"); tz && *tz) return std::string(tz[0] == ':' ? tz + 1 : tz);
    std::string text;
    if (ReadWholeFile("/etc/timezone", text) && !Trimmed(text).empty()) return std::string(Trimmed(text));
    std::error_code ec;
    const std::string target = std::filesystem::read_symlink("/etc/localtime", ec).string();
    if (const auto at = target.find("zoneinfo/"); !ec && at != std::string::npos) return target.substr(at + 9);
    return "UTC";
}

std::optional<tUserZone> tUserZone::Load(const std::string& name, std::string& error, const std::string& dir)
{
    if (name == "UTC" || name == "Etc/UTC" || name == "Z") return Utc();
    auto history = ReadZone(dir, name, &error);
    if (!history) {
        error = "zone \"" + name + "\": " + (error.empty() ? "not a zone" : error) +
                " (give an IANA zone name such as Europe/Paris or America/New_York)";
        return std::nullopt;
    }
    tUserZone z;
    z.name = name;
    z.history = std::move(*history);
    if (!z.history.footer.empty()) z.rule = ParseTzRule(z.history.footer);
    return z;
}

tUserZone tUserZone::Utc()
{
    tUserZone z;
    z.history.types.push_back({0, false, "UTC"});
    return z;
}

std::int32_t tUserZone::OffsetAt(std::int64_t utSeconds) const
{
    if (rule && (history.transitions.empty() || utSeconds >= history.transitions.back().at))
        return RuleOffsetAtUt(*rule, utSeconds);
    return history.types.empty() ? 0 : history.TypeAt(utSeconds).utOffset;
}

}  // namespace quintara
