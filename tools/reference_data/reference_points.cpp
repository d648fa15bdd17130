#include "reference_points.h"

#include <cmath>

#include "core/engine/angles.h"

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
