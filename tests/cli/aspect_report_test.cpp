#include "aspect_report.h"

#include <gtest/gtest.h>

#include "chart/chart.h"
#include "options/option_set.h"
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
    const std::string json = AspectsJson(list, lang);
    EXPECT_EQ(json.rfind("{\"aspects\":[{\"body1\":1,", 0), 0u);
    EXPECT_EQ(json.back(), '}');
    EXPECT_NE(json.find("\"aspect_name\":\"Square\""), std::string::npos);
    EXPECT_NE(json.find("\"totals\":{\"positive\":"), std::string::npos);
}
