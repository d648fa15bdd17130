#include <gtest/gtest.h>

#include "core/data/aaf_format.h"
#include "core/data/chart_exchange.h"
#include "core/data/csv_format.h"
#include "core/data/exchange_fields.h"
#include "core/data/jsonl_format.h"
#include "core/engine/angles.h"
#include "core/platform/atomic_file.h"
#include "cli/positions.h"
#include "support/killed_child.h"
#include "support/seed_data.h"

namespace quintara {
namespace {

struct tSample {
    const char* name;
    const char* first;
    const char* place;
    int y, m, d, h, mi;
};

// Accents, southern and western places, midnight and noon, a half-hour zone
// and one of the past's odd zones.
constexpr tSample kSamples[] = {
    {"Müller", "Zoë", "Zürich", 1970, 9, 27, 11, 4},   {"Ibáñez", "José", "Buenos Aires", 1985, 12, 31, 0, 0},
    {"O'Neil", "Seán", "New York", 1961, 7, 4, 12, 0}, {"Sharma", "Priya", "Mumbai", 2001, 2, 28, 23, 59},
    {"Smith", "", "Adelaide", 1999, 1, 15, 6, 30},     {"Dupont", "Hélène", "Paris", 1912, 4, 14, 0, 30},
};

class ChartExchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        data = test::SeedData(dir);
        if (!data) GTEST_SKIP() << "reference tables not built";
    }

    // The samples as stored charts, zones looked up.
    void StoreSamples()
    {
        tTable& t = data->ChartTable();
        for (const tSample& s : kSamples) {
            tChart c;
            test::PlaceChart(c, *data, s.place, s.y, s.m, s.d, s.h, s.mi);
            ASSERT_NE(c.Country, 0) << s.place;
            c.Name = s.name;
            c.FirstName = s.first;
            c.BirthPlace = s.place;
            c.Sex = s.y % 2;
            data->FindAdjust(c);
            CalcChart(c);
            t.Insert();
            data->WriteChart(c);
            t.Post();
        }
    }

    std::vector<std::unique_ptr<tChart>> Charts(TData1& d)
    {
        std::vector<std::unique_ptr<tChart>> list;
        tTable& t = d.ChartTable();
        for (t.First(); !t.Eof(); t.Next()) {
            auto c = std::make_unique<tChart>();
            d.ReadChart(*c);
            CalcChart(*c);
            list.push_back(std::move(c));
        }
        return list;
    }

    test::tTempDir dir;
    std::unique_ptr<TData1> data;
};

TEST_F(ChartExchange, EveryFormatGivesBackNamesMomentPlaceAndPositions)
{
    StoreSamples();
    {  // time unknown, stored at 23:59 (not noon), far south and east
        tChart c;
        test::PlaceChart(c, *data, "Wellington", 1988, 6, 1, 23, 59);
        c.Name = "Nuit";
        c.BirthPlace = "Wellington";
        c.HouseType = 255;
        data->FindAdjust(c);
        CalcChart(c);
        data->ChartTable().Insert();
        data->WriteChart(c);
        data->ChartTable().Post();
    }
    const auto before = Charts(*data);
    for (const char* file : {"out.aaf", "out.csv", "out.jsonl"}) {
        SCOPED_TRACE(file);
        const std::string path = dir.File(file);
        EXPECT_EQ(ExportCharts(*data, path, *ExchangeFormatOf(path)), before.size());
        EXPECT_THROW(ExportCharts(*data, path, *ExchangeFormatOf(path)), tStorageError);

        TData1 other(QUINTARA_SEED_DIR, dir.File(std::string(file) + ".db"));
        const tImportPlan plan = PrepareImport(other, path, *ExchangeFormatOf(path), 0, 0);
        EXPECT_TRUE(plan.refused.empty()) << plan.refused[0];
        EXPECT_TRUE(plan.doubts.empty()) << plan.doubts[0];
        EXPECT_EQ(StoreImport(other, plan, nullptr), before.size());
        const auto after = Charts(other);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t k = 0; k < after.size(); ++k) {
            const tChart &a = *before[k], &b = *after[k];
            SCOPED_TRACE(a.Name);
            EXPECT_EQ(b.Name, a.Name);
            EXPECT_EQ(b.FirstName, a.FirstName);
            EXPECT_EQ(b.BirthPlace, a.BirthPlace);
            EXPECT_EQ(b.Sex, a.Sex);
            EXPECT_EQ(b.Country, a.Country);
            EXPECT_EQ(std::tuple(b.Year, b.Month, b.Day, b.Hour, b.Minute),
                      std::tuple(a.Year, a.Month, a.Day, a.Hour, a.Minute));
            EXPECT_NEAR(DegMinToDecimal(b.Adjust), DegMinToDecimal(a.Adjust), 1e-6);
            // AAF keeps whole seconds of arc; positions stay well within the minute shown.
            EXPECT_NEAR(DegMinToDecimal(b.Latitude), DegMinToDecimal(a.Latitude), 1.5e-4);
            EXPECT_NEAR(DegMinToDecimal(b.Longitude), DegMinToDecimal(a.Longitude), 1.5e-4);
            for (int n = 1; n <= 24; ++n) EXPECT_NEAR(b.BodyPosition(n), a.BodyPosition(n), 1e-3) << n;
            EXPECT_EQ(b.HouseType, a.HouseType);
            EXPECT_NEAR(b.JulianDay, a.JulianDay, 1e-6);
            EXPECT_EQ(cli::PositionsText(b), cli::PositionsText(a));
        }
    }
}

TEST_F(ChartExchange, BadRecordsAreRefusedWithTheirLinesAndTheRestKept)
{
    const std::string aaf =
        "#: three charts\n"
        "#A93:Good,Anna,f,27.9.1970,11:04,Kandel,D\n"
        "#B93:*,49n05,8e11,1he00,0\n"
        "\n"
        "#A93:Leap,Bob,m,31.2.1990,10:00,Paris,F\n"
        "#B93:*,48n52,2e20,1he00,0\n"
        "#A93:Pole,Cyd,m,1.1.1990,10:00,Nowhere,*\n"
        "#B93:*,95n00,2e20,1he00,0\n";
    const std::string path = dir.File("three.aaf");
    ASSERT_TRUE(WriteFileAtomically(path, aaf));
    const tImportPlan plan = PrepareImport(*data, path, tExchangeFormat::kAaf, 0, 0);
    EXPECT_EQ(plan.records, 3u);
    ASSERT_EQ(plan.refused.size(), 2u);
    EXPECT_EQ(plan.refused[0].rfind("line 5: day: 31", 0), 0u) << plan.refused[0];
    EXPECT_EQ(plan.refused[1].rfind("line 7: latitude", 0), 0u) << plan.refused[1];
    ASSERT_EQ(plan.good.size(), 1u);
    EXPECT_EQ(plan.good[0].record.name, "Good");
    EXPECT_NEAR(plan.good[0].record.moment.adjust, -1.0, 1e-12);
    EXPECT_EQ(plan.good[0].country, 276);             // "D": Germany
    EXPECT_EQ(data->ChartTable().RecordCount(), 0u);  // nothing is written before the store
}

// Files that are not what they say: no record at all is an error, values
// past the named columns refuse the line, a text longer than its field is
// pointed out as the command line's "charts add" does.
TEST_F(ChartExchange, WhatCannotBeTakenWholeIsSaid)
{
    std::string noise(5000, '\0');
    std::uint32_t x = 99;
    for (char& c : noise) c = static_cast<char>((x = x * 1103515245 + 12345) >> 16);
    ASSERT_TRUE(WriteFileAtomically(dir.File("noise.aaf"), noise));
    try {
        PrepareImport(*data, dir.File("noise.aaf"), tExchangeFormat::kAaf, 0, 0);
        ADD_FAILURE() << "a file without a record was taken";
    } catch (const tStorageError& e) {
        EXPECT_NE(std::string(e.what()).find("holds no chart"), std::string::npos) << e.what();
    }
    const std::string csv = "Name,First name,Sex,Date,Time,Zone,Place,Country,Latitude,Longitude,Comment\n"
                            "Shift,Ann,F,1970-09-27,11:04,UTC+01:00,Kandel,Germany,49.08,8.18,one,two,three\n"
                            "Long," + std::string(1 << 20, 'a') + ",F,1970-09-27,11:04,UTC+01:00,Kandel,Germany,49.08,8.18,\n";
    ASSERT_TRUE(WriteFileAtomically(dir.File("two.csv"), csv));
    const tImportPlan plan = PrepareImport(*data, dir.File("two.csv"), tExchangeFormat::kCsv, 0, 0);
    ASSERT_EQ(plan.refused.size(), 1u);
    EXPECT_EQ(plan.refused[0], "line 2: 13 fields where the header names 11 (a separator in an unquoted field?)");
    ASSERT_EQ(plan.good.size(), 1u);
    ASSERT_EQ(plan.doubts.size(), 1u);
    EXPECT_EQ(plan.doubts[0], "line 3: FIRSTNAME is longer than the chart file keeps; it is cut to its length");
}

// A long import reports how far it is; Cancel while reading or storing
// leaves the chart file as it was.
TEST_F(ChartExchange, ACancelledImportStoresNothing)
{
    std::string csv = "Name,Date,Time,Zone,Latitude,Longitude\n";
    for (int k = 0; k < 300; ++k) csv.append("C").append(std::to_string(k)).append(",1970-09-27,11:04,UTC+01:00,49.08,8.18\n");
    ASSERT_TRUE(WriteFileAtomically(dir.File("many.csv"), csv));
    int calls = 0;
    const auto stopAtSecond = [&calls](int done, int total) {
        EXPECT_LE(done, total);
        return ++calls < 2;
    };
    const tImportPlan cut = PrepareImport(*data, dir.File("many.csv"), tExchangeFormat::kCsv, 0, 0, stopAtSecond);
    EXPECT_TRUE(cut.stopped);
    EXPECT_LT(cut.good.size(), 300u);
    const tImportPlan plan = PrepareImport(*data, dir.File("many.csv"), tExchangeFormat::kCsv, 0, 0);
    ASSERT_EQ(plan.good.size(), 300u);
    calls = 0;
    bool stopped = false;
    EXPECT_EQ(StoreImport(*data, plan, nullptr, stopAtSecond, &stopped), 0u);
    EXPECT_TRUE(stopped);
    EXPECT_EQ(data->ChartTable().RecordCount(), 0);
    EXPECT_EQ(StoreImport(*data, plan, nullptr, [](int, int) { return true; }, &stopped), 300u);
    EXPECT_FALSE(stopped);
}

TEST_F(ChartExchange, ReadsACsvASpreadsheetWrote)
{
    // Semicolons, a decimal comma, day-first dates, a quoted separator, CRLF,
    // no zone (looked up) and a place without coordinates (looked up).
    const std::string csv =
        "\xEF\xBB\xBFName;First name;Sex;Date;Time;Place;Latitude;Longitude\r\n"
        "\"Martin; Jr\";Léa;F;14/07/1989;21:15;Paris;48,8567;2,3508\r\n"
        "Kowalski;Jan;M;1975-03-02;;Warsaw;;\r\n"
        "Bad;;X;1975-03-02;10:00;Paris;;\r\n";
    const std::string path = dir.File("sheet.csv");
    ASSERT_TRUE(WriteFileAtomically(path, csv));
    const tImportPlan plan = PrepareImport(*data, path, tExchangeFormat::kCsv, 0, 0);
    ASSERT_EQ(plan.refused.size(), 1u);
    EXPECT_EQ(plan.refused[0].rfind("line 4: Sex", 0), 0u) << plan.refused[0];
    ASSERT_EQ(plan.good.size(), 2u);
    const tExchangeRecord& a = plan.good[0].record;
    EXPECT_EQ(a.name, "Martin; Jr");
    EXPECT_EQ(std::tuple(a.moment.year, a.moment.month, a.moment.day), std::tuple(1989, 7, 14));
    EXPECT_NEAR(a.moment.adjust, -2.0, 1e-9);  // summer time in Paris
    EXPECT_NEAR(DegMinToDecimal(a.moment.longitude), -2.3508, 1e-6);
    const tExchangeRecord& b = plan.good[1].record;
    EXPECT_TRUE(b.timeUnknown);
    EXPECT_EQ(b.moment.house, 255);
    EXPECT_GT(b.moment.latitude, 52.0);
    EXPECT_EQ(plan.good[1].country, 616);  // Poland
}

TEST(ExchangeFields, ZonesAndClockTimesInTheirCommonForms)
{
    std::string e;
    EXPECT_DOUBLE_EQ(*ParseUtcOffset("+01:00", e), -1.0);
    EXPECT_DOUBLE_EQ(*ParseUtcOffset("UTC-5", e), 5.0);
    EXPECT_NEAR(*ParseUtcOffset("+05:30", e), -5.30, 1e-12);
    EXPECT_NEAR(*ParseUtcOffset("+00:09:21", e), -DecimalToDegMin(561 / 3600.0), 1e-12);
    EXPECT_EQ(*ParseUtcOffset("Z", e), 0.0);
    EXPECT_FALSE(ParseUtcOffset("+16:00", e));
    // What a spreadsheet makes of "+01:24" and "+00:40" (times of day).
    EXPECT_NEAR(*ParseUtcOffset("01:24:00 AM", e), -1.24, 1e-12);
    EXPECT_NEAR(*ParseUtcOffset("12:40:00 AM", e), -0.40, 1e-12);
    EXPECT_NEAR(*ParseUtcOffset("UTC+01:24", e), -1.24, 1e-12);
    EXPECT_FALSE(ParseUtcOffset("+01:60", e));
    EXPECT_EQ(UtcOffsetText(-5.30), "+05:30");
    EXPECT_EQ(UtcOffsetText(3.30), "-03:30");
    EXPECT_EQ(UtcOffsetText(-DecimalToDegMin(561 / 3600.0)), "+00:09:21");
    int h = 0, m = 0;
    EXPECT_TRUE(ParseClock("1.10", h, m, e));
    EXPECT_EQ(std::pair(h, m), std::pair(1, 10));
    EXPECT_FALSE(ParseClock("24:00", h, m, e));
    EXPECT_TRUE(ParseClock("12:00:00 AM", h, m, e));
    EXPECT_EQ(std::pair(h, m), std::pair(0, 0));
    EXPECT_TRUE(ParseClock("08:30:00 PM", h, m, e));
    EXPECT_EQ(std::pair(h, m), std::pair(20, 30));
    EXPECT_FALSE(ParseClock("13:00 PM", h, m, e));
    EXPECT_FALSE(ParseClock("12:3x", h, m, e));
}

TEST(AafFormat, ChunksOverLinesCommentsAndAZoneFromTheJulianDay)
{
    // Windows-1252 name, a chunk continued on the next line, a comment chunk,
    // an unknown time, and local mean time given only by the Julian day.
    const std::string aaf =
        "#A93:C\xE9zanne,Paul,m,19.1.1839,1:00,Aix-En-Provence,F\n"
        "#B93:2392758.526528,43n31,\n  5e27,*,L\n"
        "#COM:Painter, of Aix\n"
        "#LPOS:SO28CP19:16\n"
        "#A93:Nobody,*,*,1.1.2000,*,*,*\n";
    const auto records = ReadAaf(aaf);
    ASSERT_EQ(records.size(), 2u);
    const tExchangeRecord& c = records[0];
    EXPECT_EQ(c.problem, "");
    EXPECT_EQ(c.name, "Cézanne");
    EXPECT_EQ(c.comment, "Painter, of Aix");
    EXPECT_TRUE(c.hasCoordinates);
    EXPECT_FALSE(c.hasZone);
    ASSERT_TRUE(c.julianDay);
    EXPECT_NEAR(DegMinToDecimal(c.moment.longitude), -(5 + 27 / 60.0), 1e-9);
    // 1:00 local, JD .526528 is 00:38:12 UT: the zone is local mean time, 21m48s east.
    EXPECT_NEAR(DegMinToDecimal(AdjustFromJulianDay(c.moment, *c.julianDay)) * 3600, -1308, 1);
    EXPECT_EQ(records[1].line, 6u);
    EXPECT_TRUE(records[1].timeUnknown);
    EXPECT_EQ(records[1].firstName, "");
    // A name with the format's separators is written so it cannot split a record.
    tExchangeRecord r;
    r.name = "Smith, Jr #2";
    r.moment = {1990, 5, 17, 14, 30, -2.0, 48.52, -2.20, 0, 0, {}};
    r.hasZone = r.hasCoordinates = true;
    EXPECT_EQ(AafRecordText(r), "#A93:Smith; Jr  2,*,*,17.5.1990,14:30,*,*\n#B93:*,48n52,2e20,2he00,0\n");
}

TEST(JsonLines, NamesBesideTheBatchFields)
{
    const auto records = ReadJsonLines(
        "{\"name\":\"Ada\",\"sex\":\"F\",\"year\":1815,\"month\":12,\"day\":10,\"hour\":13,\"adjust\":0,"
        "\"lat\":51.31,\"lon\":0.07}\n\n"
        "{\"name\":\"Eve\",\"year\":1990,\"month\":2,\"day\":30}\n"
        "{\"name\":\"Oops\",\"year\":1990,\"month\":2,\"day\":3,\"colour\":\"red\"}\n"
        "not json\n");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].problem, "");
    EXPECT_EQ(records[0].sex, 'F');
    EXPECT_TRUE(records[0].hasZone && records[0].hasCoordinates);
    EXPECT_EQ(records[1].line, 3u);
    EXPECT_EQ(records[1].problem.rfind("day: 30", 0), 0u) << records[1].problem;
    EXPECT_EQ(records[2].problem, "colour: unknown field");
    EXPECT_EQ(records[3].line, 5u);
    EXPECT_NE(records[3].problem, "");
}

// An ayanamsa travels by name or code, a user's own by its reference, and
// is written back so that a reader takes the same zodiac.
TEST(JsonLines, AyanamsasGoOutAndComeBack)
{
    const auto records = ReadJsonLines(
        "{\"year\":1990,\"month\":2,\"day\":3,\"ayanamsa\":\"Lahiri\"}\n"
        "{\"year\":1990,\"month\":2,\"day\":3,\"zodiac\":127}\n"
        "{\"year\":1990,\"month\":2,\"day\":3,\"zodiac\":\"user:2440000.5:22.75\"}\n"
        "{\"year\":1990,\"month\":2,\"day\":3,\"ayanamsa\":\"nonsense\"}\n"
        "{\"year\":1990,\"month\":2,\"day\":3,\"zodiac\":2}\n");
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].moment.zodiac, kAyanamsaBase + 1);
    EXPECT_TRUE(records[0].hasZodiac);
    EXPECT_EQ(records[1].moment.zodiac, kAyanamsaBase + 27);
    EXPECT_EQ(records[2].moment.zodiac, kUserAyanamsa);
    EXPECT_EQ(records[3].problem.rfind("ayanamsa: unknown \"nonsense\"", 0), 0u) << records[3].problem;
    EXPECT_EQ(records[4].problem.rfind("zodiac: ", 0), 0u) << records[4].problem;
    for (int i : {0, 1, 2}) {
        const auto again = ReadJsonLines(JsonLine(records[static_cast<std::size_t>(i)]));
        ASSERT_EQ(again.size(), 1u);
        EXPECT_EQ(again[0].moment.zodiac, records[static_cast<std::size_t>(i)].moment.zodiac);
        EXPECT_EQ(again[0].moment.userAyanamsa.degrees, records[static_cast<std::size_t>(i)].moment.userAyanamsa.degrees);
        const auto csv = ReadCsv(CsvHeader() + CsvLine(records[static_cast<std::size_t>(i)]), "dd.mm.yyyy");
        ASSERT_EQ(csv.size(), 1u);
        EXPECT_EQ(csv[0].moment.zodiac, records[static_cast<std::size_t>(i)].moment.zodiac) << CsvLine(records[0]);
    }
}

// An import killed part way leaves the chart file with none of the records
// or all of them.
TEST_F(ChartExchange, KilledImportStoresAllOrNothing)
{
    std::string lines;
    for (int i = 0; i < 20000; ++i)
        lines += "{\"name\":\"N" + std::to_string(i) + "\",\"year\":" + std::to_string(1900 + i % 100) +
                 ",\"month\":3,\"day\":1,\"adjust\":-1,\"lat\":48.52,\"lon\":-2.2}\n";
    const std::string path = dir.File("big.jsonl");
    ASSERT_TRUE(WriteFileAtomically(path, lines));
    const std::string target = dir.File("target.db");
    {
        TData1 t(QUINTARA_SEED_DIR, target);
        tTable& table = t.ChartTable();
        table.Insert();
        tChart c;
        c.Name = "Existing";
        t.WriteChart(c);
        table.Post();
    }
    for (int delayMs : {30, 120, 300}) {
        test::RunKilledAfter(delayMs, [&] {
            TData1 t(QUINTARA_SEED_DIR, target);
            StoreImport(t, PrepareImport(t, path, tExchangeFormat::kJsonLines, 0, 0), nullptr);
        });
        tDatabase db(target, false);
        tStatement n = db.Prepare("SELECT count(*) FROM Charts");
        ASSERT_TRUE(n.Step());
        EXPECT_EQ((n.Int(0) - 1) % 20000, 0) << n.Int(0);
    }
}

}  // namespace
}  // namespace quintara
