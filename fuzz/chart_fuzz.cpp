// Charts of any date, time, place, zone and house system the input checks
// let through: every body and cusp is a number, the returns end, and the
// positions print as numbers.
#include <cmath>
#include <cstdio>
#include <vector>

#include "cli/positions.h"
#include "core/chart/chart.h"
#include "core/chart/chart_input.h"
#include "core/chart/returns.h"
#include "fuzz_support.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::tBytes in(data, size);
    tChartRequest r;
    r.year = in.Int(0, 65535);
    r.month = in.Int(1, 12);
    r.day = in.Int(1, 31);
    r.hour = in.Int(0, 23);
    r.minute = in.Int(0, 59);
    r.adjust = in.Near(25);
    r.latitude = in.Near(90);
    r.longitude = in.Near(180);
    static const std::vector<int> houses = [] {
        std::vector<int> v = OfferedHouseSystems();
        v.push_back(255);
        return v;
    }();
    r.house = houses[static_cast<std::size_t>(in.Int(0, static_cast<int>(houses.size()) - 1))];
    r.zodiac = in.Int(0, 1);
    if (!CheckRequest(r).empty()) return 0;
    tChart c;
    ApplyRequest(r, c);
    CalcChart(c);
    for (int p = 1; p <= c.BodyCount(); ++p)
        if (!std::isfinite(c.BodyAt(p)->GetPosition())) {
            std::fprintf(stderr, "body %d at %d-%d-%d %d:%d adjust %g lat %g lon %g house %d zodiac %d\n",
                         c.BodyAt(p)->Num, r.year, r.month, r.day, r.hour, r.minute, r.adjust, r.latitude,
                         r.longitude, r.house, r.zodiac);
            fuzz::RequireFinite(c.BodyAt(p)->GetPosition(), "body not a number");
        }
    fuzz::RequireFinite(c.Ascendant() + c.Midheaven(), "angles not a number");
    fuzz::RequireNoNonFinite(cli::PositionsJson(c), "positions hold a non-finite number");
    if (in.Byte() < 16) {
        tChart ret;
        ret.Assign(c);
        SolarReturn(c, ret, in.Int(-50, 50));
        fuzz::RequireFinite(ret.BodyPosition(kSun), "return Sun not a number");
    }
    return 0;
}
