#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <sstream>

#include "cli/positions.h"
#include "core/data/chart_json.h"
#include "core/data/json_line.h"

using namespace quintara;
using namespace quintara::cli;

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

constexpr const char* kNoon = "\"year\":2000,\"month\":1,\"day\":1,\"hour\":12,\"minute\":0";

}  // namespace

// One line out per line in, in order, each carrying its id: a chart, or an
// error for a line that is bad or lacks what a birth needs (nothing is
// taken for granted: no noon, no 0 N 0 E, no universal time).
TEST(Batch, OneAnswerPerLineWithItsId)
{
    const std::string good = std::string("{") + kNoon + ",\"adjust\":0,\"lat\":48.52,\"lon\":-2.21,\"house\":\"Koch\"";
    std::istringstream in(good + ",\"id\":\"a\"}\n" +                                    // 1 good
                          "{\"year\":2000,\"month\":13,\"day\":1,\"id\":7}\n" +          // 2 bad month
                          "not json\n" +                                                  // 3
                          "\n" +                                                          // 4 empty
                          "{\"year\":2000,\"month\":1,\"day\":1,\"id\":[1,{\"k\":2}]}\n" +  // 5 no clock time
                          std::string("{") + kNoon + ",\"lat\":1,\"lon\":2,\"id\":null}\n" +  // 6 no zone
                          std::string("{") + kNoon + ",\"adjust\":0,\"lat\":1}\n" +          // 7 no lon
                          std::string("{") + kNoon + ",\"place\":\"Paris\"}\n" +              // 8 no tables
                          std::string("{") + kNoon + ",\"adjust\":0,\"lat\":\"95N00\",\"lon\":0,\"id\":{\"n\":9}}\n");
    std::ostringstream out, err;
    const tBatchCounts n = RunBatch(in, out, err);
    EXPECT_EQ(n.charts, 1);
    EXPECT_EQ(n.errors, 8);
    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 9u) << out.str();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        tJsonObject o;
        std::string error;
        ASSERT_TRUE(ParseJsonObject(lines[i], o, error)) << lines[i] << ": " << error;
        EXPECT_EQ(o.at("line").number, double(i + 1));
        EXPECT_EQ(o.contains("error"), i != 0) << lines[i];
    }
    EXPECT_EQ(lines[0].rfind("{\"line\":1,\"id\":\"a\",\"time\":\"2000-01-01T12:00:00+00:00\"", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("\"jd\":2451545,"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1].rfind("{\"line\":2,\"id\":7,\"error\":\"month:", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2].rfind("{\"line\":3,\"id\":null,\"error\":\"malformed JSON", 0), 0u) << lines[2];
    EXPECT_NE(lines[3].find("empty line"), std::string::npos);
    EXPECT_EQ(lines[4].rfind("{\"line\":5,\"id\":[1,{\"k\":2}],\"error\":\"hour: missing", 0), 0u) << lines[4];
    EXPECT_NE(lines[5].find("\"error\":\"adjust: missing"), std::string::npos) << lines[5];
    EXPECT_NE(lines[6].find("\"error\":\"lon: missing"), std::string::npos) << lines[6];
    EXPECT_NE(lines[7].find("\"error\":\"place: no localities table"), std::string::npos) << lines[7];
    EXPECT_EQ(lines[8].rfind("{\"line\":9,\"id\":{\"n\":9},\"error\":\"lat:", 0), 0u) << lines[8];
    EXPECT_NE(err.str().find("line 2: month"), std::string::npos) << "stderr keeps the messages";
}

// A line with a place gets what it lacks from the lookup; its warnings
// travel in the line.
TEST(Batch, PlacesAreLookedUpAndWarningsCarried)
{
    std::istringstream in(std::string("{") + kNoon + ",\"place\":\"Somewhere\",\"id\":1}\n{" + kNoon +
                          ",\"place\":\"Nowhere\"}\n");
    const tPlaceLookup lookUp = [](const tJsonObject& line, tChartRequest& r, std::vector<std::string>& warnings,
                                   std::string& error) {
        if (line.at("place").text != "Somewhere") return error = "place: no locality \"Nowhere\"", false;
        r.latitude = 45.30, r.longitude = -10.15, r.adjust = -1;
        warnings.push_back("zone not sure");
        return true;
    };
    std::ostringstream out, err;
    const tBatchCounts n = RunBatch(in, out, err, 1, 0, lookUp);
    EXPECT_EQ(n.charts, 1);
    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("\"time\":\"2000-01-01T12:00:00+01:00\""), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("\"latitude\":45.5,\"longitude\":10.25"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(",\"warnings\":[\"zone not sure\"]}"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("no locality"), std::string::npos) << lines[1];
}

// Many jobs write what one job writes, byte for byte, bad lines and their
// messages in input order included, across several blocks.
TEST(Batch, ManyJobsWriteWhatOneWrites)
{
    std::string batch;
    for (int i = 0; i < 9000; ++i) {
        if (i % 997 == 0) batch += "not json " + std::to_string(i) + "\n";
        if (i % 1511 == 0) batch += "\n";
        batch += "{\"year\":" + std::to_string(1900 + i % 150) + ",\"month\":" + std::to_string(1 + i % 12) +
                 ",\"day\":" + std::to_string(1 + i % 28) + ",\"hour\":" + std::to_string(i % 24) +
                 ",\"minute\":" + std::to_string(i % 60) + ",\"adjust\":0,\"lat\":" + std::to_string(-60 + i % 120) +
                 ".30,\"lon\":" + std::to_string(-170 + i % 340) + ".15,\"house\":" + std::to_string(i % 9) +
                 ",\"zodiac\":" + std::to_string(i % 2) + ",\"id\":" + std::to_string(i) + "}\n";
    }
    const auto run = [&](unsigned jobs, std::string& out, std::string& err) {
        std::istringstream in(batch);
        std::ostringstream o, e;
        const tBatchCounts n = RunBatch(in, o, e, jobs);
        out = o.str(), err = e.str();
        return n;
    };
    std::string out1, err1, out4, err4;
    const tBatchCounts one = run(1, out1, err1), four = run(4, out4, err4);
    EXPECT_EQ(one.charts, 9000);
    EXPECT_EQ(one.errors, 16);
    EXPECT_EQ(four.charts, one.charts);
    EXPECT_EQ(four.errors, one.errors);
    EXPECT_EQ(Lines(out1).size(), 9016u);
    EXPECT_TRUE(out4 == out1);
    EXPECT_EQ(err4, err1);
}

// A stream that stops taking output ends the run, and says so.
TEST(Batch, AWriteThatFailsStopsTheRun)
{
    std::string batch;
    for (int i = 0; i < 50; ++i) batch += std::string("{") + kNoon + ",\"adjust\":0,\"lat\":1,\"lon\":1}\n";
    std::istringstream in(batch);
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    const tBatchCounts n = RunBatch(in, out, err);
    EXPECT_TRUE(n.writeFailed);
    EXPECT_LE(n.charts, 1);
}

// Numbers are written as the shortest fixed text std::to_chars gives,
// trailing zeros cut, whatever path writes them: halfway cases, negatives
// that round to zero, large values, every precision the writers use; texts
// are escaped and kept UTF-8 whether or not they need it.
TEST(Batch, NumbersAndTextsAreWrittenExactly)
{
    const auto reference = [](double v, int decimals) {
        char buf[400];
        const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
        std::string t(buf, r.ptr);
        if (t.find('.') != std::string::npos) {
            while (t.back() == '0') t.pop_back();
            if (t.back() == '.') t.pop_back();
        }
        return t == "-0" ? std::string("0") : t;
    };
    std::uint64_t seed = 42;
    const auto next = [&] { return seed = seed * 6364136223846793005ULL + 1442695040888963407ULL; };
    std::vector<double> values = {0.0, -0.0, 0.5, 1.5, 2.5, -2.5, 0.0000005, 0.0000015, 359.9999995, -1e-7, 1e9,
                                  -1e9, 123456789.123456789, 2451545.0, 2378496.458333333, 1e15, 0.125, 0.375};
    for (int i = 0; i < 50000; ++i) {
        const double unit = static_cast<double>(next() >> 11) / 9007199254740992.0;  // [0, 1)
        const double scale = std::pow(10.0, static_cast<double>(next() % 13) - 3);
        values.push_back((next() & 1 ? -1 : 1) * unit * scale);
        // Halves of the last written digit and their neighbours a few units
        // in the last place away, where a scaled product rounds the wrong way.
        double half = (std::round(unit * 1e8) + 0.5) / 1e6;
        for (int ulps = 0; ulps < 3; ++ulps, half = std::nextafter(half, 1e300)) values.push_back(half);
    }
    for (double v : values)
        for (int decimals : {0, 2, 6, 9}) {
            std::string got;
            AppendJsonNumber(got, v, decimals);
            ASSERT_EQ(got, reference(v, decimals)) << std::hexfloat << v << " with " << decimals << " decimals";
        }

    // Times as printf writes them, past four-digit years too.
    const std::pair<tDateTime, const char*> times[] = {{{2026, 12, 10, 7, 5}, "2026-12-10T07:05:00Z"},
                                                       {{987, 1, 2, 3, 4}, "0987-01-02T03:04:00Z"},
                                                       {{-44, 3, 15, 11, 0}, "-044-03-15T11:00:00Z"},
                                                       {{12000, 6, 1, 0, 0}, "12000-06-01T00:00:00Z"}};
    for (const auto& [t, text] : times) EXPECT_EQ(IsoUniversalTime(t), text);
    EXPECT_EQ(IsoUniversalTime(2451545.0), "2000-01-01T12:00:00Z");

    std::string s;
    AppendJsonString(s, "Sun");
    AppendJsonString(s, "a\"b\\c\n");
    AppendJsonString(s, "M\xFCnchen");  // Windows-1252, not UTF-8
    AppendJsonString(s, "Z\xC3\xBCrich");
    EXPECT_EQ(s, "\"Sun\"\"a\\\"b\\\\c\\u000a\"\"M\xEF\xBF\xBDnchen\"\"Z\xC3\xBCrich\"");
}
