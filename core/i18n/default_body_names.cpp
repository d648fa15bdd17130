#include "core/i18n/default_body_names.h"

#include <array>
#include <string_view>
#include <vector>

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
    {"VIII", "VIII"}, {"IX", "IX"}, {"Midheaven", "MC"}, {"XI", "XI"}, {"XII", "XII"},
    {"Chiron", "Chiron"}, {"Ceres", "Ceres"}, {"Pallas", "Pallas"}, {"Juno", "Juno"},
}};

// The computed points 51..68 (body_numbers.h); 60 has none.
constexpr std::array<tNames, 18> kPoints = {{
    {"Vesta", "Vesta"}, {"Pholus", "Pholus"}, {"Mean node", "MNode"}, {"True node", "TNode"},
    {"South node", "SNode"}, {"True Lilith", "TLil"}, {"Vertex", "Vx"}, {"Anti-Vertex", "AVx"},
    {"East Point", "EP"}, {"", ""}, {"Cupido", "Cup"}, {"Hades", "Had"}, {"Zeus", "Zeus"},
    {"Kronos", "Kron"}, {"Apollon", "Apol"}, {"Admetos", "Adm"}, {"Vulkanus", "Vulk"}, {"Poseidon", "Pos"},
}};

// Bodies 37..48 are the house dominants.
bool IsDominant(int body) { return body >= 37 && body <= 48; }

}  // namespace

std::string DefaultPlanetName(int body)
{
    if (body >= 1 && body <= 28) return std::string(kNamed[static_cast<std::size_t>(body)].full);
    if (IsDominant(body)) return std::to_string(body - 36) + "\u00B0 Dominant";
    if (body == 49) return "Part of Fortune";
    if (body >= 51 && body <= 68) return std::string(kPoints[static_cast<std::size_t>(body - 51)].full);
    return {};
}

std::string DefaultPlanetShortName(int body)
{
    if (body >= 1 && body <= 28) return std::string(kNamed[static_cast<std::size_t>(body)].brief);
    if (IsDominant(body)) return std::to_string(body - 36) + "\u00B0D";
    if (body == 49) return "PF";
    if (body >= 51 && body <= 68) return std::string(kPoints[static_cast<std::size_t>(body - 51)].brief);
    return {};
}

std::string AbbreviatedPointName(const std::string& name)
{
    std::string_view rest = name;
    for (std::string_view prefix : {"Lot of ", "Part of ", "Lot of the ", "Part of the "})
        if (rest.size() > prefix.size() && rest.substr(0, prefix.size()) == prefix) rest.remove_prefix(prefix.size());
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at < rest.size();) {
        const std::size_t end = std::min(rest.find_first_of(" ()", at), rest.size());
        const std::string_view w = rest.substr(at, end - at);
        if (!w.empty() && w != "of" && w != "the") words.push_back(w);
        at = end + 1;
    }
    // ASCII letters are cut whole; a name in another script keeps its bytes.
    const auto first = [](std::string_view w, std::size_t n) {
        std::size_t cut = 0;
        for (std::size_t k = 0; k < n && cut < w.size(); ++k) {
            ++cut;
            // A character has at most three continuation bytes, whatever the text holds.
            for (int more = 0; more < 3 && cut < w.size() && (static_cast<unsigned char>(w[cut]) & 0xC0) == 0x80; ++more)
                ++cut;
        }
        return std::string(w.substr(0, cut));
    };
    if (words.empty()) return first(name, 4);
    if (words.size() == 1) return first(words[0], 4);
    std::string last = first(words.back(), 1);
    if (!last.empty() && last[0] >= 'a' && last[0] <= 'z') last[0] = static_cast<char>(last[0] - 'a' + 'A');
    return first(words[0], 3) + last;
}

}  // namespace quintara
