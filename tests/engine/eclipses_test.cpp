#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/engine/delta_t.h"
#include "core/engine/eclipses.h"
#include "core/engine/ephemeris_service.h"

namespace quintara {
namespace {

struct tFixture {
    bool solar;
    const char* kind;
    double jd;
};
constexpr tFixture kEclipses[] = {
#include "eclipse_fixtures.inc"
};

const char* KindName(tEclipseKind k)
{
    switch (k) {
    case tEclipseKind::Total: return "total";
    case tEclipseKind::Annular: return "annular";
    case tEclipseKind::Hybrid: return "hybrid";
    case tEclipseKind::Partial: return "partial";
    case tEclipseKind::Penumbral: return "penumbral";
    }
    return "";
}

// Every eclipse of 2020-2030, of the published kind, its greatest moment
// within two minutes from the precise ephemeris (six from the built-in
// theory, whose Moon is good to some seconds of arc); none that did not
// happen.
TEST(Eclipses, TwentyTwentyToTwentyThirtyAsPublished)
{
    for (std::uint8_t source : {kBuiltInSource, kPreciseSource}) {
        if (source == kPreciseSource && !PreciseEphemerisInstalled()) continue;
        const auto found = FindEclipses(2458849.5, 2462867.5, source);  // 2020-01-01 .. 2031-01-01
        EXPECT_EQ(found.size(), std::size(kEclipses)) << "source " << int(source);
        double worst = 0;
        for (const tFixture& f : kEclipses) {
            const tEclipse* match = nullptr;
            for (const tEclipse& e : found)
                if (e.solar == f.solar && std::fabs(e.jd - f.jd) < 1) match = &e;
            EXPECT_TRUE(match) << (f.solar ? "solar " : "lunar ") << f.kind << " " << f.jd;
            if (!match) continue;
            EXPECT_STREQ(KindName(match->kind), f.kind) << (f.solar ? "solar " : "lunar ") << f.jd;
            worst = std::max(worst, std::fabs(match->jd - f.jd) * 1440);
        }
        EXPECT_LT(worst, source == kPreciseSource ? 2.0 : 6.0) << "minutes, source " << int(source);
        std::printf("eclipses, source %d: worst %.2f min\n", int(source), worst);
    }
}

TEST(Eclipses, DeltaTFollowsThePublishedValues)
{
    EXPECT_NEAR(DeltaTSeconds(2000.0), 63.8, 0.2);
    EXPECT_NEAR(DeltaTSeconds(2020.0), 69.4, 2.5);  // the Canon's 2006 extrapolation: 71.6
    EXPECT_NEAR(DeltaTSeconds(1950.0), 29.1, 0.2);
    EXPECT_NEAR(DeltaTSeconds(1900.0), -2.8, 0.2);
}

}  // namespace
}  // namespace quintara
