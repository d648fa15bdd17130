#include "core/data/point_names.h"

#include "core/engine/body_numbers.h"
#include "core/i18n/default_body_names.h"

namespace quintara {

std::string PointKey(std::string_view name)
{
    std::string key;
    for (char c : name) {
        const bool alnum = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (c >= 'A' && c <= 'Z') key += static_cast<char>(c - 'A' + 'a');
        else if (alnum) key += c;
        else if (!key.empty() && key.back() != '-') key += '-';
    }
    while (!key.empty() && key.back() == '-') key.pop_back();
    return key;
}

std::vector<std::string> ComputedPointKeys()
{
    std::vector<std::string> keys;
    for (int n = kFirstComputedPoint; n <= kLastComputedPoint; ++n)
        if (IsComputedPoint(n)) keys.push_back(PointKey(DefaultPlanetName(n)));
    return keys;
}

std::vector<tPlanetRow> NeededRows(const std::vector<tPlanetRow>& catalogue, const tPlanetRow& row, std::set<int> have)
{
    std::vector<tPlanetRow> needed;
    have.insert(row.Num);
    const auto visit = [&](const tPlanetRow r) {
        if (r.PointType == 0 || r.PointType == 2 || r.PointType == kComputedPoint) return;
        for (int n : {r.Plus1, r.Plus2, r.Minus1}) {
            if (n <= kJuno || have.count(n)) continue;
            for (const tPlanetRow& c : catalogue)
                if (c.Num == n) {
                    have.insert(n);
                    needed.push_back(c);
                    break;
                }
        }
    };
    visit(row);
    for (std::size_t i = 0; i < needed.size(); ++i) visit(needed[i]);  // a copy: visit appends
    return needed;
}

bool AddPointNamed(const std::vector<tPlanetRow>& catalogue, std::string_view name, const std::set<int>& have,
                   std::vector<tPlanetRow>& out, std::string& error)
{
    const std::string key = PointKey(name);
    tPlanetRow found;
    bool known = false;
    for (const tPlanetRow& r : catalogue)
        if (!key.empty() && PointKey(r.Name) == key) {
            found = r;
            known = true;
            break;
        }
    for (int n = kFirstComputedPoint; !known && n <= kLastComputedPoint; ++n)
        if (IsComputedPoint(n) && PointKey(DefaultPlanetName(n)) == key) {
            found.Num = n;
            found.Name = DefaultPlanetName(n);
            found.PointType = kComputedPoint;
            known = true;
        }
    if (!known) {
        error = "no point named \"" + std::string(name) + "\" (give";
        for (const std::string& k : ComputedPointKeys()) error += " " + k + ",";
        error += " or the name of a lot, part or star of chart setup, like lot-of-spirit or aldebaran)";
        return false;
    }
    found.Visible = true;
    out.push_back(found);
    for (tPlanetRow& r : NeededRows(catalogue, found, have)) out.push_back(std::move(r));
    return true;
}

}  // namespace quintara
