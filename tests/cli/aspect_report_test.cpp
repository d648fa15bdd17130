#include "cli/aspect_report.h"
#include "cli/event_report.h"

#include <gtest/gtest.h>

#include "core/chart/chart.h"
#include "core/options/option_set.h"
#include "support/temp_dir.h"

using namespace quintara;
using namespace quintara::cli;

TEST(AspectReport, TextAndJsonCarryAspectsAndTotals)
{
    test::tTempDir home;
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    const tOptionRecord o = tOptionRecord::Defaults();
    tChart c(&o.BirthSet);
    for (int n = 1; n <= c.BodyCount(); ++n) c.SetBodyLongitude(n, 200.0 + 3.7 * n);
    c.SetBodyLongitude(1, 10.0);
    c.SetBodyLongitude(2, 100.5);  // Sun square Moon
    tAspectsCollection list({&o.NatalOrbs, &o.SynastryOrbs, 3});
    list.BuildNatal(c);
    list.ScoreNatal(c);
    const std::string text = AspectsText(list, lang);
    EXPECT_NE(text.find("Sun        Square          Moon        0.30"), std::string::npos) << text;
    EXPECT_NE(text.find("Global total"), std::string::npos);
    const std::string json = AspectsJson(list);
    EXPECT_EQ(json.rfind("{\"aspects\":[{\"body1\":1,", 0), 0u);
    EXPECT_EQ(json.back(), '}');
    EXPECT_NE(json.find("\"aspect_name\":\"Square\""), std::string::npos);
    EXPECT_NE(json.find("\"totals\":{\"positive\":"), std::string::npos);
}

TEST(TransitReport, JsonCarriesTheEventAndItsMoments)
{
    test::tTempDir home;
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    tTransitsCollection list;
    tTransitEvent e;
    e.Transiting = 6, e.Natal = 1, e.AspectIndex = 5, e.Orb = 0.75, e.Retrograde = true, e.Score = -240;
    e.Begin = {2026, 3, 1, 4, 5}, e.Exact = {2026, 3, 9, 0, 0}, e.End = {2026, 3, 20, 23, 59};
    list.Add(e);
    const std::string json = TransitsJson(list);
    EXPECT_NE(json.find("\"aspect_index\":5,\"aspect\":3,\"aspect_name\":\"Square\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"begin\":\"2026-03-01T04:05:00Z\""), std::string::npos) << json;
}
