#include <gtest/gtest.h>

#include "core/reports/margin.h"
#include "core/reports/report_text.h"
#include "core/reports/rtf_reader.h"
#include "core/reports/text_writers.h"

namespace quintara {
namespace {

TEST(ReportText, TabStopsAreRunningSumsOfTabUnits)
{
    const tFixedMetrics metrics(6.0);  // "mm mm nnnm" is 60 points: the unit is 6
    tReportText text(metrics);
    text.SetTabs({8, 10, 10, 8, 10, 8});
    text.AddLine("a");
    const std::vector<double> expected = {48, 108, 168, 216, 276, 324};
    EXPECT_EQ(text.Paragraphs()[0].TabStops, expected);
    // A proportional unit is rounded per stop, halves to even.
    const tFixedMetrics odd(0.25);  // unit 0.25: stops 2, 4.5 -> 4, 7
    tReportText t2(odd);
    t2.SetTabs({8, 10, 10});
    t2.AddLine("b");
    EXPECT_EQ(t2.Paragraphs()[0].TabStops, (std::vector<double>{2, 4, 7}));
}

TEST(ReportText, PlainTextAlignsColumnsAtTheParagraphsStops)
{
    const tFixedMetrics metrics;
    tReportText text(metrics);
    text.SetTabs({8, 10});
    text.AddLine("Sun\tGémeaux\t12.30");
    text.AddLine("Jupiter_long\tX\tY");  // past the first stop: on to the next
    text.SetTabs({});
    text.AddLine("a\tb");  // no stops: half an inch
    EXPECT_EQ(WritePlainText(text, 1.0), "Sun     Gémeaux   12.30\n"
                                         "Jupiter_long      X     Y\n"
                                         "a     b\n");
    EXPECT_EQ(WritePlainText(text, 1.5).substr(0, 21), "Sun         Gémeaux ");
}

TEST(ReportText, RtfCarriesStopsAttributesAndEscapes)
{
    const tFixedMetrics metrics;
    tReportText text(metrics);
    text.SetTabs({8});
    text.SetFormat({true, false, false, 14, ""});
    text.AddLine("{a}\\b\tGémeaux ♃");
    const std::string rtf = WriteRtf(text);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    EXPECT_NE(rtf.find("\\tx960 "), std::string::npos) << rtf;  // 48 pt
    EXPECT_NE(rtf.find("{\\b\\fs28 \\{a\\}\\\\b\\tab G\\u233?meaux \\u9795?}"), std::string::npos) << rtf;
    EXPECT_EQ(rtf.substr(rtf.size() - 2), "}\n");
    // U+1F600 beyond the basic plane: the pair D83D DE00 as signed units.
    tReportText emoji(metrics);
    emoji.AddLine("\xF0\x9F\x98\x80!");
    EXPECT_NE(WriteRtf(emoji).find("\\u-10179?\\u-8704?!"), std::string::npos) << WriteRtf(emoji);

    const std::string html = WriteHtml(text, "A & B", 1.0);
    EXPECT_NE(html.find("<title>A &amp; B</title>"), std::string::npos);
    EXPECT_NE(html.find("<b>{a}\\b   Gémeaux ♃</b>"), std::string::npos) << html;
}

TEST(Margin, PageSetupShowsAndReadsTheNationalUnit)
{
    EXPECT_EQ(MarginText(2500, 1), "0.98");  // inches
    EXPECT_EQ(MarginText(2500, 0), "2.50");  // centimetres
    EXPECT_EQ(ParseMarginText("0.98", 1), 2489);
    EXPECT_EQ(ParseMarginText("2.5", 0), 2500);
    EXPECT_FALSE(ParseMarginText("2,5cm", 0));
    EXPECT_FALSE(ParseMarginText("-1", 0));
    EXPECT_FALSE(ParseMarginText("1e9", 0));
}

TEST(Margin, UnitConversionsAndTwips)
{
    TMargin m;
    EXPECT_EQ(m.Twips().Left, 285);  // 500 x 57 div 100
    m.SetUnits(tMeasurementUnits::muInches);
    EXPECT_EQ(m.Top(), 196);
    EXPECT_EQ(m.Twips().Top, 282);  // 196 x 1440 div 1000
    m.SetUnits(tMeasurementUnits::muInches);
    EXPECT_EQ(m.Top(), 196);
    m.SetUnits(tMeasurementUnits::muMillimeters);
    EXPECT_EQ(m.Top(), 497);
    m.SetLeft(2500);
    tTwipsRect r;
    m.AssignTo(r);
    EXPECT_EQ(r.Left, 1425);
    EXPECT_EQ(r.Top, 283);

    const TMargin plain = PrintTextMargins(2500, 2000, 1500, 2000, false, false);
    EXPECT_EQ(plain.Top(), 2000);
    EXPECT_EQ(plain.Bottom(), 2000);
    const TMargin both = PrintTextMargins(2500, 2000, 1500, 2000, true, true);
    EXPECT_EQ(both.Top(), 3000);
    EXPECT_EQ(both.Bottom(), 3000);
    EXPECT_EQ(both.Left(), 2500);
    EXPECT_EQ(both.Right(), 1500);
}

}  // namespace
}  // namespace quintara

namespace quintara {
namespace {

// What a report window stores comes back with its tab stops, attributes
// and characters.
TEST(ReportText, RtfReadsBackWhatItWrote)
{
    const tFixedMetrics metrics;
    tReportText text(metrics);
    text.SetTabs({8, 10});
    text.AddLine("Sun\tTaurus\t26.21 {x} \\ é ♃ \xF0\x9F\x98\x80");
    text.SetFormat({true, false, true, 14, "Arial"});
    text.AddLine("bold\ttitle");
    text.SetFormat({});
    text.SetTabs({});
    text.AddLine("");
    const std::string rtf = WriteRtf(text, {"Times New Roman", 11});
    tReportText back(metrics);
    std::string error;
    ASSERT_TRUE(ReadRtf(rtf, back, &error)) << error;
    ASSERT_EQ(back.Paragraphs().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.Paragraphs()[i].Text(), text.Paragraphs()[i].Text()) << i;
        ASSERT_EQ(back.Paragraphs()[i].TabStops.size(), text.Paragraphs()[i].TabStops.size()) << i;
        for (std::size_t k = 0; k < text.Paragraphs()[i].TabStops.size(); ++k)
            EXPECT_NEAR(back.Paragraphs()[i].TabStops[k], text.Paragraphs()[i].TabStops[k], 0.05);
    }
    const tCharFormat& f = back.Paragraphs()[1].Runs.at(0).Format;
    EXPECT_TRUE(f.Bold && f.Underline && !f.Italic);
    EXPECT_EQ(f.Size, 14);
    EXPECT_EQ(f.Font, "Arial");
    EXPECT_EQ(back.Paragraphs()[0].Runs.at(0).Format, tCharFormat{});
    // Not RTF, or unbalanced: refused, nothing appended.
    EXPECT_FALSE(ReadRtf("<html>", back, &error));
    EXPECT_FALSE(ReadRtf("{\\rtf1 {\\b open", back, &error));
    EXPECT_FALSE(ReadRtf("{\\rtf1 }}", back, &error));
    EXPECT_EQ(back.Paragraphs().size(), 3u);
}

}  // namespace
}  // namespace quintara
