// The new-chart form read as typed, and the zone looked up with its doubts.
#include <gtest/gtest.h>

#include "core/data/chart_entry.h"
#include "core/data/data_module.h"
#include "core/i18n/languages.h"
#include "support/seed_data.h"

namespace quintara {
namespace {

const std::string kDayFirst = "dd/mm/yyyy";

tChartEntryFields Typed()
{
    tChartEntryFields f;
    f.date = "17/05/1990";
    f.time = "2:30 pm";
    f.latitude = "48.52";
    f.longitude = "2.20";
    f.north = true;
    f.west = false;
    f.zone = "-1.00";
    return f;
}

TEST(ChartEntry, SoundFieldsGiveSignedCoordinatesAndZone)
{
    tEntryFault fault;
    auto e = ReadChartEntry(Typed(), kDayFirst, fault);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->year * 10000 + e->month * 100 + e->day, 19900517);
    EXPECT_EQ(e->hour * 100 + e->minute, 1430);
    EXPECT_DOUBLE_EQ(e->latitude, 48.52);
    EXPECT_DOUBLE_EQ(e->longitude, -2.20);  // east
    EXPECT_FALSE(e->autoZone);
    EXPECT_DOUBLE_EQ(e->adjust, -1.0);

    // A sign typed into a coordinate does not fight the N/S, E/W buttons.
    tChartEntryFields f = Typed();
    f.latitude = "-33.52";
    f.north = false;
    f.west = true;
    e = ReadChartEntry(f, kDayFirst, fault);
    ASSERT_TRUE(e);
    EXPECT_DOUBLE_EQ(e->latitude, -33.52);
    EXPECT_DOUBLE_EQ(e->longitude, 2.20);

    f = Typed();
    f.zone = " Auto ";
    e = ReadChartEntry(f, kDayFirst, fault);
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->autoZone);
    f.zone = "UTC+1";
    EXPECT_DOUBLE_EQ(ReadChartEntry(f, kDayFirst, fault)->adjust, -1.0);
}

TEST(ChartEntry, FirstBadFieldInFormOrderIsNamedWithWhatIsAccepted)
{
    const auto faultOf = [](tChartEntryFields f) {
        tEntryFault fault;
        EXPECT_FALSE(ReadChartEntry(f, kDayFirst, fault));
        return fault;
    };
    tChartEntryFields f = Typed();
    f.date = "31/02/1990";
    f.time = "25:00";  // also bad, but after the date
    tEntryFault fault = faultOf(f);
    EXPECT_EQ(fault.field, tEntryFault::kDate);
    EXPECT_EQ(fault.caption, 265);
    EXPECT_FALSE(fault.why.empty());

    f = Typed();
    f.time = "25:00";
    EXPECT_EQ(faultOf(f).field, tEntryFault::kTime);
    EXPECT_EQ(faultOf(f).caption, 266);

    f = Typed();
    f.latitude = "90.01";
    fault = faultOf(f);
    EXPECT_EQ(fault.field, tEntryFault::kLatitude);
    EXPECT_EQ(fault.caption, 54);
    EXPECT_EQ(fault.why, "at most 90.00");
    f.latitude = "45.60";  // minutes are below 60
    EXPECT_EQ(faultOf(f).field, tEntryFault::kLatitude);

    f = Typed();
    f.longitude = "180.30";
    fault = faultOf(f);
    EXPECT_EQ(fault.field, tEntryFault::kLongitude);
    EXPECT_EQ(fault.why, "at most 180.00");

    f = Typed();
    f.zone = "UTC+1:75";
    fault = faultOf(f);
    EXPECT_EQ(fault.field, tEntryFault::kZone);
    EXPECT_EQ(fault.caption, 267);
    EXPECT_NE(fault.why.find(", or auto"), std::string::npos);
}

TEST(ChartEntry, FieldsTheFormDoesNotUseAreNotRead)
{
    tChartEntryFields f = Typed();
    f.timeUnknown = true;
    f.time = "garbage";
    f.placeLookedUp = true;
    f.latitude = "999";
    f.longitude = "";
    tEntryFault fault;
    const auto e = ReadChartEntry(f, kDayFirst, fault);
    ASSERT_TRUE(e) << fault.why;
    EXPECT_EQ(e->hour * 100 + e->minute, 1200);

    // The looked-up place keeps its coordinates when the entry is applied.
    tChart c;
    c.Latitude = 43.18;
    c.Longitude = -5.22;
    ApplyChartEntry(*e, true, c);
    EXPECT_DOUBLE_EQ(c.Latitude, 43.18);
    EXPECT_DOUBLE_EQ(c.Longitude, -5.22);
    EXPECT_EQ(c.Year, 1990);
}

TEST(ChartEntry, QuestionSaysWhatEachAnswerDoes)
{
    const std::string q = ZoneTypedElsewhereQuestion(" -2.00 ", -2.0);
    EXPECT_NE(q.find("The zone -2.00 (UTC+02:00)"), std::string::npos);
    EXPECT_NE(q.find("Yes: keep -2.00."), std::string::npos);
    EXPECT_NE(q.find("No: look the zone up"), std::string::npos);
}

TEST(ChartEntry, LookedUpZoneNamesSkippedRepeatedAndUnsureTimes)
{
    test::tTempDir dir;
    const auto data = test::SeedData(dir);
    if (!data) GTEST_SKIP() << "reference tables not built";
    tProfileFile settings(dir.File("Astro.ini"));
    TLanguages languages(dir.Path(), settings);
    languages.SetTimeFormat(1);

    tChart c;
    test::PlaceChart(c, *data, "Paris", 2024, 7, 1, 14, 30);
    EXPECT_EQ(LookUpEntryZone(*data, languages, c, true, true), "");
    EXPECT_DOUBLE_EQ(c.Adjust, -2.0);

    test::PlaceChart(c, *data, "Paris", 2024, 3, 31, 2, 30);
    std::string doubt = LookUpEntryZone(*data, languages, c, true, true);
    EXPECT_NE(doubt.find("02:30: the clocks skipped this time that day (-1.00 before the change, -2.00 after it)"),
              std::string::npos)
        << doubt;
    // An unknown time is noon by convention: no question about the clocks.
    EXPECT_EQ(LookUpEntryZone(*data, languages, c, false, true), "");

    test::PlaceChart(c, *data, "Paris", 2024, 10, 27, 2, 30);
    EXPECT_NE(LookUpEntryZone(*data, languages, c, true, true).find("occurred twice"), std::string::npos);

    // A place typed by hand far from any country: the zone is a guess from
    // the longitude, and the message says so.
    tChart sea;
    sea.Year = 2000;
    sea.Month = 6;
    sea.Day = 1;
    sea.Longitude = 30.00;  // west
    doubt = LookUpEntryZone(*data, languages, sea, true, false);
    EXPECT_NE(doubt.find("Time zone not sure: 2.00 (UTC-02:00) assumed from the longitude"), std::string::npos)
        << doubt;
}

}  // namespace
}  // namespace quintara
