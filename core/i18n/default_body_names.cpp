#include "core/i18n/default_body_names.h"

#include <array>
#include <string_view>

namespace quintara {
namespace {

struct tNames {
    std::string_view full, brief;
};

constexpr std::array<tNames, 29> kNamed = {{
    {"", ""},
    {"Sun", "Sun"}, {"Moon", "Moon"}, {"Mercury", "Mer"}, {"Venus", "Ven"}, {"Mars", "Mars"},
    {"Jupiter", "Jup"}, {"Saturn", "Sat"}, {"Uranus", "Ura"}, {"Neptune", "Nep"}, {"Pluto", "Plu"},
    {"Lilith", "Lil"}, {"N node", "NMN"}, {"Ascendant", "Asc"},
    {"II", "II"}, {"III", "III"}, {"IV", "IV"}, {"V", "V"}, {"VI", "VI"}, {"VII", "VII"},
    {"VIII", "VIII"}, {"IX", "IX"}, {"Midheaven", "MH"}, {"XI", "XI"}, {"XII", "XII"},
    {"Chiron", "Chiron"}, {"Ceres", "Ceres"}, {"Pallas", "Pallas"}, {"Juno", "Juno"},
}};

// Bodies 37..48 are the house dominants.
bool IsDominant(int body) { return body >= 37 && body <= 48; }

}  // namespace

std::string DefaultPlanetName(int body)
{
    if (body >= 1 && body <= 28) return std::string(kNamed[static_cast<std::size_t>(body)].full);
    if (IsDominant(body)) return std::to_string(body - 36) + "\u00B0 Dominant";
    if (body == 49) return "Part of Fortune";
    return {};
}

std::string DefaultPlanetShortName(int body)
{
    if (body >= 1 && body <= 28) return std::string(kNamed[static_cast<std::size_t>(body)].brief);
    if (IsDominant(body)) return std::to_string(body - 36) + "\u00B0D";
    if (body == 49) return "PF";
    return {};
}

}  // namespace quintara
