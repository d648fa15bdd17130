#include "reference_points.h"

#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/i18n/default_body_names.h"

namespace quintara::build {

namespace {

constexpr double kObliquityJ2000 = 23.4392911;  // degrees, IAU 1976 at J2000.0
constexpr int kAsc = 13, kDesc = 19, kEighth = 20, kMc = 22;

struct tFormula {
    const char* name;
    int plus1, plus2, minus1;
};

// Day formulas of the classic lots: Ascendant + first - second, in body
// numbers (5 Mars, 6 Jupiter, 7 Saturn).
constexpr tFormula kParts[] = {
    {"Part of Fortune", kAsc, 2, 1},     {"Part of Spirit", kAsc, 1, 2},    {"Part of Love", kAsc, 4, 1},
    {"Part of Marriage", kAsc, kDesc, 4}, {"Part of Father", kAsc, 1, 7},   {"Part of Mother", kAsc, 2, 4},
    {"Part of Children", kAsc, 7, 6},    {"Part of Commerce", kAsc, 3, 1},  {"Part of Death", kAsc, kEighth, 2},
    {"Part of Sickness", kAsc, 5, 7},    {"Part of Friends", kAsc, 2, 3},   {"Part of Passion", kAsc, 5, 1},
    {"Part of Inheritance", kAsc, 2, 7},
};

// The traditional lots, Ascendant + first - second by day, reversed by
// night unless `always`: the seven Hermetic lots after Paulus Alexandrinus
// (Introduction, ch. 23), the rest as al-Biruni lists them (The Book of
// Instruction in the Elements of the Art of Astrology, tr. R. Ramsay Wright,
// 1934, sections 476 ff.). Terms: body numbers, kFortuneLot and kSpiritLot
// the first two lots themselves, cusps 13..24.
constexpr int kFortuneLot = 301, kSpiritLot = 302;
struct tLot {
    const char* name;
    int first, second;
    bool always;
};
constexpr tLot kLots[] = {
    {"Lot of Fortune", 2, 1, false},            {"Lot of Spirit", 1, 2, false},
    {"Lot of Eros", 4, kSpiritLot, false},      {"Lot of Necessity", kFortuneLot, 3, false},
    {"Lot of Courage", kFortuneLot, 5, false},  {"Lot of Victory", 6, kSpiritLot, false},
    {"Lot of Nemesis", kFortuneLot, 7, false},  {"Lot of Life", 6, 7, false},
    {"Lot of Reason", 3, 5, false},             {"Lot of Debt", 3, 7, false},
    {"Lot of Substance", 14, 7, true},          {"Lot of Brothers", 6, 7, true},
    {"Lot of Death of Brothers", 7, 1, false},  {"Lot of Father", 7, 1, false},
    {"Lot of Death of Father", 6, 7, false},    {"Lot of Mother", 2, 4, false},
    {"Lot of Sons-in-law", 4, 7, true},
    {"Lot of Children", 7, 6, false},           {"Lot of Male Children", 6, 2, true},
    {"Lot of Female Children", 4, 2, true},     {"Lot of Sickness", 5, 7, false},
    {"Lot of Slaves", 2, 3, false},             {"Lot of Captivity", 7, 2, false},
    {"Lot of Marriage (men)", 4, 7, true},      {"Lot of Marriage (women)", 7, 4, true},
    {"Lot of Desire", 4, 6, false},             {"Lot of Adultery", 4, 5, false},
    {"Lot of Death", 20, 2, true},              {"Lot of the Killing Planet", 2, 13, false},
    {"Lot of Danger", 7, 3, false},
    {"Lot of Faith", 3, 2, false},              {"Lot of Wisdom", 2, 7, false},
    {"Lot of Kingship", 2, 5, false},           {"Lot of Work", 2, 7, true},
    {"Lot of Commerce", kSpiritLot, kFortuneLot, false}, {"Lot of Friends", 2, 3, true},
    {"Lot of Enemies", 5, 7, true},             {"Lot of Honour", 6, 1, false},
    {"Lot of Discord", 5, 6, false},            {"Lot of Accusation", 5, 3, false},
};

constexpr tFormula kMidpoints[] = {
    {"Sun/Moon midpoint", 1, 2, 0},
    {"Asc/MC midpoint", kAsc, kMc, 0},
    {"Venus/Mars midpoint", 4, 5, 0},
};

}  // namespace

void EquatorialToEcliptic(double ra, double dec, double& longitude, double& latitude)
{
    const double e = kObliquityJ2000 * kDegToRad, a = ra * kDegToRad, d = dec * kDegToRad;
    latitude = std::asin(std::sin(d) * std::cos(e) - std::cos(d) * std::sin(e) * std::sin(a)) * kRadToDeg;
    longitude = Normalize360(std::atan2(std::sin(a) * std::cos(e) + std::tan(d) * std::sin(e), std::cos(a)) * kRadToDeg);
}

std::size_t AddStars(const std::vector<std::vector<std::string>>& catalogue,
                     const std::function<void(const tPointRow&)>& add)
{
    // Above the program's own bodies (1..50) and the fixed planets rows
    // (up to 99): a point taken into a chart never stands in for the Sun.
    int num = 100;
    std::size_t stars = 0;
    for (const auto& r : catalogue) {
        if (r.size() < 4) continue;
        tPointRow p;
        p.name = r[0];
        p.num = ++num;
        p.type = 2;
        EquatorialToEcliptic(std::stod(r[1]), std::stod(r[2]), p.longitude, p.latitude);
        p.magnitude = std::stod(r[3]);
        add(p);
        ++stars;
    }
    auto formula = [&](const tFormula& f, int type, int divider) {
        tPointRow p;
        p.name = f.name;
        p.num = ++num;
        p.type = type;
        p.plus1 = f.plus1;
        p.plus2 = f.plus2;
        p.minus1 = f.minus1;
        p.divider = divider;
        add(p);
    };
    for (const tFormula& f : kParts) formula(f, 1, 0);
    for (const tFormula& f : kMidpoints) formula(f, 4, 2);
    return stars;
}

std::vector<tPointRow> ComputedPointRows()
{
    std::vector<tPointRow> rows;
    for (int n = kFirstComputedPoint; n <= kLastComputedPoint; ++n) {
        if (!IsComputedPoint(n)) continue;
        tPointRow& p = rows.emplace_back();
        p.num = n;
        p.type = -1;
        p.name = DefaultPlanetName(n);
        p.shortName = DefaultPlanetShortName(n);
    }
    return rows;
}

std::vector<tPointRow> LotRows()
{
    std::vector<tPointRow> rows;
    int num = kFortuneLot;
    for (const tLot& l : kLots) {
        tPointRow& p = rows.emplace_back();
        p.num = num++;
        p.name = l.name;
        p.type = l.always ? 1 : -2;
        p.plus1 = kAsc;
        p.plus2 = l.first;
        p.minus1 = l.second;
    }
    return rows;
}

std::vector<tPointRow> CatalogueStars(const std::string& path, const std::set<std::string>& known)
{
    std::vector<tPointRow> rows;
    std::ifstream in(path);
    std::set<std::string> names = known, designations;
    int num = 1000;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string v; std::getline(fields, v, ',');) {
            const auto a = v.find_first_not_of(' '), b = v.find_last_not_of(" \r");
            f.push_back(a == std::string::npos ? std::string() : v.substr(a, b - a + 1));
        }
        // name, designation, frame, RA h m s, Dec d m s, motions, velocity, parallax, magnitude
        if (f.size() < 14 || (f[2] != "ICRS" && f[2] != "2000")) continue;
        std::string name = f[0].empty() ? f[1] : f[0];
        if (name.empty() || name.size() > 30 || !designations.insert(f[1]).second || !names.insert(name).second)
            continue;
        try {
            const double ra = 15.0 * (std::stod(f[3]) + std::stod(f[4]) / 60 + std::stod(f[5]) / 3600);
            const double dec = (f[6].find('-') != std::string::npos ? -1 : 1) *
                               (std::fabs(std::stod(f[6])) + std::stod(f[7]) / 60 + std::stod(f[8]) / 3600);
            tPointRow& p = rows.emplace_back();
            p.name = name;
            p.num = ++num;
            p.type = 2;
            EquatorialToEcliptic(ra, dec, p.longitude, p.latitude);
            p.magnitude = std::stod(f[13]);
        } catch (const std::exception&) {
            continue;  // a line the catalogue's format does not fit
        }
    }
    return rows;
}

std::vector<tPointRow> DefaultPlanetRows()
{
    std::vector<tPointRow> rows;
    for (int n = 1; n <= 12; ++n) {
        tPointRow p;
        p.num = 36 + n;
        p.name = std::to_string(n).append("\xC2\xB0 Dominant");
        p.shortName = std::to_string(n).append("\xC2\xB0" "D");
        p.type = 3;
        p.plus1 = 12 + n;
        p.plus2 = 12 + (n % 12) + 1;
        p.divider = 2;
        rows.push_back(p);
    }
    tPointRow& fortune = rows.emplace_back();
    fortune.num = 49;
    fortune.name = "Part of Fortune";
    fortune.shortName.assign("PF");
    fortune.type = 1;
    fortune.plus1 = kAsc;
    fortune.plus2 = 2;
    fortune.minus1 = 1;
    fortune.visible = fortune.aspects = true;
    return rows;
}

}  // namespace quintara::build
