#include <gtest/gtest.h>

#include <cmath>

#include "core/chart/time_lords.h"
#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/houses.h"
#include "support/birth.h"

namespace quintara {
namespace {

using test::Birth;

constexpr double kYear = 365.2425 / 36525;

// Paris, 17 May 1990 14:30 UT: Ascendant in Libra. A sign a year from it,
// a sign a month within the year, the lords the signs' rulers.
TEST(Profections, ASignAYearAndASignAMonth)
{
    tChart natal;
    Birth(natal, 1990, 5, 17, 14, 30);
    ASSERT_EQ(SignOf(natal.Ascendant()), 7);
    tProfection p;
    ASSERT_TRUE(ProfectionAt(natal, {1990, 5, 17, 0, 0}, p));
    EXPECT_EQ(p.age, 0);
    EXPECT_EQ(p.annualSign, 7);
    EXPECT_EQ(p.annualLord, 4);  // Venus rules Libra
    EXPECT_EQ(p.house, 1);
    for (int age = 0; age < 30; ++age) {
        ASSERT_TRUE(ProfectionAt(natal, {1990 + age, 5, 17, 0, 0}, p));
        EXPECT_EQ(p.annualSign, (6 + age) % 12 + 1) << age;
        EXPECT_EQ(p.annualLord, TraditionalRuler(p.annualSign));
        ASSERT_TRUE(ProfectionAt(natal, {1991 + age, 5, 16, 0, 0}, p));
        EXPECT_EQ(p.age, age) << "the day before the birthday";
        EXPECT_EQ(p.month, 11);
    }
    ASSERT_TRUE(ProfectionAt(natal, {2026, 12, 10, 0, 0}, p));
    EXPECT_EQ(p.age, 36);
    EXPECT_EQ(p.annualSign, 7);  // 36 years: three turns
    EXPECT_EQ(p.month, 6);
    EXPECT_EQ(p.monthlySign, 1);
    EXPECT_EQ(p.monthlyLord, 5);  // Mars rules Aries
    EXPECT_FALSE(ProfectionAt(natal, {1990, 5, 16, 0, 0}, p));  // before the birth
    natal.HouseType = kTimeUnknown;
    EXPECT_FALSE(ProfectionAt(natal, {2000, 1, 1, 0, 0}, p));
}

// 75 years of periods by day from the Sun, by night from the Moon, each
// planet's period in seven parts from its own lord; the nodes' whole.
TEST(Firdaria, SeventyFiveYearsInSectOrder)
{
    tChart day, night;
    Birth(day, 1990, 5, 17, 14, 30);
    Birth(night, 1990, 5, 17, 1, 30);
    ASSERT_TRUE(day.SunAboveHorizon());
    ASSERT_FALSE(night.SunAboveHorizon());
    for (tChart* c : {&day, &night}) {
        const auto f = Firdaria(*c);
        ASSERT_EQ(f.size(), 9u + 7 * 7);
        EXPECT_EQ(f.front().lord, c == &day ? 1 : 2);
        EXPECT_NEAR(f.front().from, c->Centuries, 1e-12);
        EXPECT_NEAR((f.back().to - f.front().from) / kYear, 75, 0.01);
        double periods = 0;
        for (std::size_t i = 0; i < f.size(); ++i) {
            if (f[i].subLord != 0) continue;
            periods += f[i].to - f[i].from;
            if (f[i].lord == kNode || f[i].lord == kSouthNode) continue;
            EXPECT_EQ(f[i + 1].subLord, f[i].lord);  // the first part is the lord's own
            EXPECT_NEAR(f[i + 7].to, f[i].to, 1e-12);
        }
        EXPECT_NEAR(periods / kYear, 75, 0.01);
        EXPECT_EQ(f[f.size() - 2].lord, kNode);
        EXPECT_EQ(f.back().lord, kSouthNode);
    }
    const auto n = Firdaria(night);
    EXPECT_EQ(n[8].lord, 7);  // after the Moon's period and its parts: Saturn
}

}  // namespace
}  // namespace quintara
