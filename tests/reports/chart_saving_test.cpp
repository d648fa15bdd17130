#include <gtest/gtest.h>

#include "core/data/data_module.h"
#include "core/reports/chart_saving.h"
#include "support/birth.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

TEST(ChartSaving, CloseAsksOnlyAboutTheChartWhenBothChanged)
{
    EXPECT_EQ(CloseQuestion(true, true), tCloseQuestion::SaveChart);
    EXPECT_EQ(CloseQuestion(false, true), tCloseQuestion::SaveText);
    EXPECT_EQ(CloseQuestion(false, false), tCloseQuestion::None);
    EXPECT_TRUE(RebuildTextAfterModify(false, nullptr));
    EXPECT_FALSE(RebuildTextAfterModify(true, [] { return false; }));
    EXPECT_TRUE(RebuildTextAfterModify(true, [] { return true; }));
}

TEST(ChartSaving, OverwriteOnlyWhenAskedAndTextNeverLandsOnAnotherChart)
{
    test::tTempDir home;
    TData1 data(home.Path());
    tChart a, b;
    test::Birth(a, 1990, 5, 17, 14, 30);
    a.Name = "Durand";
    SaveChart(data, a, nullptr, [] { return true; });  // no row yet: appended
    const int first = a.Index;
    EXPECT_GT(first, 0);
    a.Comment = "edited";
    const std::string text = "{\\rtf1 x}";
    SaveChart(data, a, &text, [] { return true; });
    EXPECT_EQ(a.Index, first);
    EXPECT_EQ(data.ChartTable().RecordCount(), 1);
    EXPECT_EQ(data.ChartTable().Text("TEXT"), text);
    SaveChart(data, a, nullptr, [] { return false; });  // "No": a new row, the old one kept
    EXPECT_NE(a.Index, first);
    EXPECT_EQ(data.ChartTable().RecordCount(), 2);

    // A chart that was never stored: its text comes with a new row of its own.
    test::Birth(b, 1985, 3, 2, 8, 10);
    b.Name = "Martin";
    b.Index = -1;
    SaveText(data, b, "Martin's notes");
    EXPECT_GT(b.Index, 0);
    EXPECT_EQ(data.ChartTable().RecordCount(), 3);
    ASSERT_TRUE(data.ChartTable().Locate({"Index"}, {tSqlValue(std::int64_t{first})}));
    EXPECT_EQ(data.ChartTable().Text("TEXT"), text);
    SaveText(data, b, "changed notes");
    EXPECT_EQ(data.ChartTable().RecordCount(), 3);
    ASSERT_TRUE(data.ChartTable().Locate({"Index"}, {tSqlValue(std::int64_t{b.Index})}));
    EXPECT_EQ(data.ChartTable().Text("TEXT"), "changed notes");
    AppendChart(data, b, nullptr);
    EXPECT_EQ(data.ChartTable().RecordCount(), 4);
}

}  // namespace
}  // namespace quintara
