// The command line as a script uses it: errors noticed, one answer per
// input line, strict JSON in English, standard input and output, files
// other tools read, and nothing written behind the user's back.
#include <gtest/gtest.h>

#include <cmath>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

#include "core/platform/atomic_file.h"
#include "support/cli_run.h"
#include "support/strict_json.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

using test::tCliRun;
using test::tJson;

class Scripting : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dir = std::make_unique<test::tTempDir>(); }
    static void TearDownTestSuite() { dir.reset(); }

    static std::string Home() { return dir->File("home"); }
    static tCliRun Cli(const std::string& args, const std::string& input = "", const std::string& to = "")
    {
        return test::RunCli(args + " --home '" + Home() + "'", input, dir->Path(), to);
    }
    static std::string File(const std::string& name) { return "'" + dir->File(name) + "'"; }

    static std::unique_ptr<test::tTempDir> dir;
};

std::unique_ptr<test::tTempDir> Scripting::dir;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

constexpr const char* kParis = "--date 1990-05-17 --time 14:30 --place Paris";
constexpr const char* kLyon = "--date2 1985-03-02 --time2 08:10 --place2 Lyon";

// Every number in its shortest form: no trailing zeros after a point and
// no run of digits a decimal conversion leaves (-30.550440000000002).
void ExpectShortNumbers(const tJson& v, const std::string& where)
{
    if (v.kind == tJson::kNumber) {
        EXPECT_FALSE(v.text.find('.') != std::string::npos && v.text.back() == '0') << where << ": " << v.text;
        EXPECT_FALSE(Has(v.text, "0000000") || Has(v.text, "9999999")) << where << ": " << v.text;
    }
    for (const tJson& i : v.items) ExpectShortNumbers(i, where);
    for (const auto& [k, f] : v.fields) ExpectShortNumbers(f, where + "." + k);
}

std::string Extension(const std::string& f) { return f.substr(f.rfind('.')); }

const std::regex kIsoTime(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(Z|[+-]\d\d:\d\d(:\d\d)?))");

// The chart schema of every JSON that carries a chart.
void ExpectChart(const tJson& c, const std::string& where)
{
    ASSERT_EQ(c.kind, tJson::kObject) << where;
    for (const char* key : {"time", "time_utc", "jd", "latitude", "longitude", "house", "house_name", "zodiac",
                            "ephemeris", "bodies"})
        EXPECT_TRUE(c.Has(key)) << where << " lacks " << key;
    if (!c.Has("bodies") || !c.Has("time")) return;
    EXPECT_TRUE(std::regex_match(c["time"].text, kIsoTime)) << where << ": " << c["time"].text;
    ASSERT_EQ(c["bodies"].kind, tJson::kArray);
    ASSERT_GE(c["bodies"].items.size(), 16u);
    const tJson& sun = c["bodies"].items[0];
    EXPECT_EQ(sun["num"].number, 1);
    EXPECT_EQ(sun["name"].text, "Sun") << "English whatever the language";
    EXPECT_GE(sun["longitude"].number, 0);
    EXPECT_LT(sun["longitude"].number, 360);
    EXPECT_TRUE(c.Has("cusps") || c.Has("time_unknown")) << where;
    EXPECT_EQ(c.Has("cusps"), c.Has("asc") && c.Has("mc")) << where;
}

tJson Parsed(const std::string& text, const std::string& where)
{
    tJson v;
    std::string error;
    EXPECT_TRUE(test::tStrictJson::Parse(text, v, error)) << where << ": " << error << "\n" << text.substr(0, 300);
    ExpectShortNumbers(v, where);
    return v;
}

TEST_F(Scripting, AWriteThatFailsIsAnError)
{
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    const std::string batch = "{\"year\":2000,\"month\":1,\"day\":1,\"hour\":12,\"minute\":0,\"adjust\":0,\"lat\":1,\"lon\":1}\n";
    ASSERT_EQ(Cli(std::string("charts add --name Full ") + kParis).rc, 0);
    for (const std::string& args :
         {std::string("positions ") + kParis, std::string("positions --batch"), std::string("charts list"),
          std::string("events 2024-01-01 --tz UTC"), std::string("report natal ") + kParis,
          std::string("place paris --json"), std::string("charts export - --format csv")}) {
        const tCliRun r = Cli(args, batch, "/dev/full");
        EXPECT_EQ(r.rc, 2) << args;
        EXPECT_TRUE(Has(r.err, "cannot write the output: No space left on device")) << args << ": " << r.err;
    }
}

TEST_F(Scripting, NothingIsTakenForGrantedOrIgnored)
{
    tCliRun r = Cli("charts add --name Noon --place Paris --date 1990-05-17 --chart-file " + File("noon.db"));
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(Has(r.err, "no --time: the chart is cast for 12:00")) << r.err;
    for (const std::string args : {"positions --batch FILE", "aspects junk", "charts list junk", "place a b"}) {
        r = Cli(args);
        EXPECT_EQ(r.rc, 2) << args;
        EXPECT_TRUE(Has(r.err, "unexpected argument")) << args << ": " << r.err;
    }
    for (const std::string args : {"charts list --bogus", "positions --bogus 1", "place paris --date 2000-01-01"}) {
        r = Cli(args);
        EXPECT_EQ(r.rc, 2) << args;
        EXPECT_TRUE(Has(r.err, "unknown option --bogus") || Has(r.err, "--date is not an option of place"))
            << args << ": " << r.err;
    }
    // The conventions: --opt=value, options before the command, a command's own help.
    const tCliRun a = Cli("--quiet positions --json --date=1990-05-17 --time=14:30 --place=Paris");
    const tCliRun b = Cli(std::string("positions --json ") + kParis);
    EXPECT_EQ(a.rc, 0) << a.err;
    EXPECT_EQ(a.out, b.out);
    EXPECT_FALSE(Has(a.err, "place:")) << "--quiet keeps status lines back";
    EXPECT_TRUE(Has(b.err, "place: Paris"));
    r = Cli("charts export --help");
    EXPECT_EQ(r.rc, 0);
    EXPECT_TRUE(Has(r.out, "usage: quintara-cli charts export FILE|-")) << r.out;
    EXPECT_TRUE(Has(r.out, "--positions")) << r.out;
    EXPECT_FALSE(Has(r.out, "--date")) << "only that command's options";
    EXPECT_EQ(Cli("-h").rc, 0);
    // --zone takes what the manual page says.
    EXPECT_EQ(Cli("positions --date 2000-01-01 --time 12:00 --lat 48N52 --lon 2E21 --zone -1.00").rc, 0);
}

TEST_F(Scripting, TheBatchAnswersEveryLineWithItsId)
{
    const std::string lines =
        "{\"id\":\"paris\",\"year\":1950,\"month\":6,\"day\":1,\"hour\":12,\"minute\":0,\"place\":\"Paris\"}\n"
        "{\"id\":2,\"year\":1950,\"month\":6,\"day\":1,\"hour\":12}\n"
        "garbage\n"
        "{\"id\":[4],\"year\":2027,\"month\":3,\"day\":28,\"hour\":2,\"minute\":30,\"place\":\"Paris\"}\n"
        "{\"id\":5,\"year\":2000,\"month\":1,\"day\":1,\"hour\":0,\"minute\":0,\"adjust\":0,\"lat\":0,\"lon\":0}\n";
    const tCliRun r = Cli("positions --batch --jobs 2", lines);
    EXPECT_EQ(r.rc, 1) << "a refused line is said in the exit status";
    const std::vector<std::string> out = Lines(r.out);
    ASSERT_EQ(out.size(), 5u) << r.out;
    const std::vector<std::string> ids = {"\"paris\"", "2", "null", "[4]", "5"};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const tJson v = Parsed(out[i], "batch line " + std::to_string(i + 1));
        EXPECT_EQ(v["line"].number, double(i + 1));
        EXPECT_TRUE(Has(out[i], "\"id\":" + ids[i])) << out[i];
    }
    // Paris had one hour in 1950: its historical zone, looked up.
    EXPECT_TRUE(Has(out[0], "\"time\":\"1950-06-01T12:00:00+01:00\"")) << out[0];
    EXPECT_TRUE(Has(out[1], "\"error\":\"minute: missing")) << out[1];
    EXPECT_TRUE(Has(out[2], "\"error\":\"malformed JSON")) << out[2];
    EXPECT_TRUE(Has(out[3], "\"warnings\":[\"02:30 does not exist that day")) << out[3];
    ExpectChart(Parsed(out[4], "batch line 5"), "batch line 5");
    EXPECT_TRUE(Has(r.err, "line 2: minute: missing")) << r.err;
}

// An ayanamsa by name, number or reference makes the chart sidereal with it,
// on the command line and in the batch alike; a wrong one names the field.
TEST_F(Scripting, AyanamsasByNameNumberOrReference)
{
    const std::string day = " --json --date 1990-05-17 --time 14:30 --place Paris";
    const tJson tropical = Parsed(Cli("--quiet positions --zodiac tropical" + day).out, "tropical");
    const tJson lahiri = Parsed(Cli("--quiet positions --ayanamsa Lahiri" + day).out, "lahiri");
    ExpectChart(lahiri, "lahiri");
    EXPECT_EQ(lahiri["zodiac"].text, "sidereal");
    EXPECT_EQ(lahiri["ayanamsa_name"].text, "Lahiri");
    EXPECT_NEAR(lahiri["ayanamsa"].number, 23.72, 0.01);
    EXPECT_FALSE(tropical.Has("ayanamsa_name"));
    const double sun = tropical["bodies"].items[0]["longitude"].number;
    EXPECT_NEAR(std::remainder(sun - lahiri["ayanamsa"].number - lahiri["bodies"].items[0]["longitude"].number, 360), 0, 1e-5);
    EXPECT_NEAR(std::remainder(tropical["asc"].number - lahiri["ayanamsa"].number - lahiri["asc"].number, 360), 0, 1e-5);
    EXPECT_EQ(Parsed(Cli("--quiet positions --ayanamsa 1" + day).out, "1")["ayanamsa"].number, lahiri["ayanamsa"].number);
    const tJson user = Parsed(Cli("--quiet positions --ayanamsa user:2447933.5:23.5" + day).out, "user");
    // 95.5 days of precession, and nutation when the positions are precise.
    EXPECT_NEAR(user["ayanamsa"].number, 23.5 + 95.52 / 36525 * 5029 / 3600, 0.0055);
    const tCliRun bad = Cli("positions --ayanamsa lahri" + day);
    EXPECT_EQ(bad.rc, 2);
    EXPECT_TRUE(Has(bad.err, "ayanamsa: unknown \"lahri\"")) << bad.err;
    const tCliRun batch = Cli("positions --batch",
                              "{\"year\":1990,\"month\":5,\"day\":17,\"hour\":14,\"minute\":30,\"place\":\"Paris\","
                              "\"ayanamsa\":\"lahiri\"}\n");
    EXPECT_EQ(batch.rc, 0) << batch.err;
    EXPECT_TRUE(Has(batch.out, "\"ayanamsa_name\":\"Lahiri\"")) << batch.out;
}

TEST_F(Scripting, TheLocaleNeverChangesTheHomeAndMachineOutputIsEnglish)
{
    ASSERT_EQ(Cli("place paris --limit 1").rc, 0);  // the home is made
    const std::string ini = Home() + "/Astro.ini";
    ASSERT_TRUE(WriteFileAtomically(ini, "[Parameters]\nHouseType=0\n"));
    std::string before, after;
    ASSERT_TRUE(ReadWholeFile(ini, before));
    const std::string french = "LANG=fr_FR.UTF-8 LANGUAGE=fr LC_ALL=fr_FR.UTF-8 ";
    const tCliRun json = Cli(std::string("positions --json ") + kParis + " --language french");
    const tCliRun frenchText = Cli(std::string("positions ") + kParis + " --language french");
    ASSERT_EQ(frenchText.rc, 0) << frenchText.err;
    EXPECT_TRUE(Has(frenchText.out, "Soleil")) << frenchText.out;
    EXPECT_TRUE(Has(json.out, "\"name\":\"Sun\"")) << "JSON is English in any language";
    const std::string envRun = "cd '" + dir->Path() + "' && " + french + QUINTARA_CLI + " positions " + kParis +
                               " --home '" + Home() + "' > env.txt 2>/dev/null";
    ASSERT_EQ(std::system(envRun.c_str()), 0);
    std::string envOut;
    ReadWholeFile(dir->File("env.txt"), envOut);
    EXPECT_TRUE(Has(envOut, "Soleil")) << "the environment chooses the words of a home without a choice";
    ASSERT_TRUE(ReadWholeFile(ini, after));
    EXPECT_EQ(after, before) << "no run writes the settings";
}

TEST_F(Scripting, EveryJsonIsStrictAndFollowsTheSchema)
{
    const std::string file = " --chart-file " + File("json.db");
    ASSERT_EQ(Cli(std::string("charts add --name Durand --sex f ") + kParis + file).rc, 0);
    const std::vector<std::pair<std::string, std::string>> charts = {
        {"positions", std::string("positions --json ") + kParis},
        {"charts show", "charts show 1 --json" + file},
        {"return", std::string("return sun 2025 --json ") + kParis},
        {"progression", std::string("progression 2020-05-17 --json ") + kParis},
        {"midpoints", std::string("midpoints --json ") + kParis + " " + kLyon},
        {"composite", std::string("composite --json ") + kParis + " " + kLyon},
        {"davison", std::string("davison --json ") + kParis + " " + kLyon},
        {"relocated", std::string("relocated --place2 Lyon --json ") + kParis},
        {"directions", std::string("directions solar-arc 2020-05-17 --json ") + kParis}};
    for (const auto& [what, args] : charts) {
        const tCliRun r = Cli(args);
        ASSERT_EQ(r.rc, 0) << what << ": " << r.err;
        ExpectChart(Parsed(r.out, what), what);
    }
    const tJson paris = Parsed(Cli(std::string("positions --json ") + kParis).out, "positions");
    EXPECT_NEAR(paris["longitude"].number, 2.35, 0.01) << "east positive";
    const tJson moved = Parsed(Cli(std::string("relocated --place2 'New York' --json ") + kParis).out, "relocated");
    EXPECT_DOUBLE_EQ(moved["jd"].number, paris["jd"].number) << "the same moment";
    EXPECT_EQ(moved["time"].text, "1990-05-17T08:30:00-04:00") << "on New York's clock then";
    const tCliRun nowhere = Cli(std::string("relocated --json ") + kParis);
    EXPECT_EQ(nowhere.rc, 2);
    EXPECT_TRUE(Has(nowhere.err, "--place2")) << nowhere.err;
    EXPECT_EQ(paris["time"].text, "1990-05-17T14:30:00+02:00");
    const std::vector<std::pair<std::string, std::string>> others = {
        {"aspects", std::string("aspects --json ") + kParis},
        {"synastry", std::string("synastry --json ") + kParis + " " + kLyon},
        {"place", "place paris --limit 3 --json"},
        {"charts list", "charts list --json" + file},
        {"report", std::string("report natal --json ") + kParis},
        {"phases", "phases 2024-04-20 --adjust -2.00 --json"},
        {"transits", std::string("transits 2024-01-01 --json ") + kParis},
        {"directions", std::string("directions solar-arc-hits 2020-01-01 24 --json ") + kParis},
        {"profections", std::string("profections 2024-01-01 --json ") + kParis},
        {"firdaria", std::string("firdaria --json ") + kParis},
        {"hours", "hours 2024-06-21 --place Paris --json"},
        {"previsions", std::string("previsions 2024-01-01 7.00 2 --json ") + kParis},
        {"events", "events 2024-01-01 --tz Europe/Paris --json"}};
    for (const auto& [what, args] : others) {
        const tCliRun r = Cli(args);
        ASSERT_EQ(r.rc, 0) << what << ": " << r.err;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << what << ": nothing but one JSON line";
        const tJson v = Parsed(r.out, what);
        EXPECT_EQ(v.kind, tJson::kObject) << what;
    }
    const tJson phases = Parsed(Cli("phases 2024-04-20 --adjust -2.00 --json").out, "phases");
    ASSERT_EQ(phases["phases"].items.size(), 9u);
    EXPECT_TRUE(std::regex_match(phases["phases"].items[0]["time"].text, kIsoTime));
    EXPECT_TRUE(Has(phases["phases"].items[0]["time"].text, "+02:00"));
    const tJson events = Parsed(Cli("events 2024-01-01 --tz Europe/Paris --json").out, "events");
    ASSERT_FALSE(events["events"].items.empty());
    EXPECT_TRUE(Has(events["events"].items[0]["time"].text, "+01:00"));
    const tJson report = Parsed(Cli(std::string("report natal --json ") + kParis).out, "report");
    EXPECT_EQ(report["report"].text, "natal");
    EXPECT_GT(report["lines"].items.size(), 10u);
}

// --points adds points for one run: every one in the bodies array by name
// with its declination; one the ephemeris cannot give is left out and said;
// the home's files stay as they were.
TEST_F(Scripting, PointsByNameForOneRun)
{
    const std::string home = Home();
    ASSERT_EQ(Cli(std::string("positions ") + kParis).rc, 0);  // the home is seeded
    std::string planetsBefore;
    ASSERT_TRUE(ReadWholeFile(home + "/dbfiles/planets.db", planetsBefore));
    const std::string points = " --points vesta,true-node,south-node,true-lilith,vertex,east-point,lot-of-eros";
    tCliRun r = Cli(std::string("positions --json --ephemeris builtin") + points + " " + kParis);
    ASSERT_EQ(r.rc, 0) << r.err;
    const tJson chart = Parsed(r.out, "positions --points");
    ExpectChart(chart, "positions --points");
    std::map<std::string, const tJson*> named;
    for (const tJson& b : chart["bodies"].items) {
        EXPECT_TRUE(b.Has("declination")) << b["name"].text;
        EXPECT_LE(std::fabs(b["declination"].number), 90.0);
        if (!b.Has("num")) named[b["name"].text] = &b;
    }
    for (const char* name : {"Vesta", "True node", "South node", "Vertex", "East Point", "Lot of Eros"})
        EXPECT_TRUE(named.count(name)) << name;
    EXPECT_FALSE(named.count("Lot of Spirit")) << "Eros' term is computed, not shown";
    EXPECT_FALSE(named.count("True Lilith")) << "the built-in theory has no osculating apogee";
    EXPECT_TRUE(Has(r.err, "True Lilith: not in the built-in ephemeris")) << r.err;
    if (named.count("South node") && named.count("True node")) {
        EXPECT_NEAR(std::fabs(std::remainder((*named["South node"])["longitude"].number -
                                                 (*named["True node"])["longitude"].number, 360.0)),
                    180.0, 1e-6);
    }
    r = Cli(std::string("positions") + points + " " + kParis);
    ASSERT_EQ(r.rc, 0) << r.err;
    EXPECT_LT(r.out.find("Juno"), r.out.find("Vesta")) << "points after the asteroids";
    EXPECT_TRUE(Has(r.out, "Lot of Eros"));
    r = Cli(std::string("positions --points vesta,nowhere ") + kParis);
    EXPECT_EQ(r.rc, 2);
    EXPECT_TRUE(Has(r.err, "points: no point named \"nowhere\" (give vesta, pholus,")) << r.err;
    std::string planetsAfter;
    ReadWholeFile(home + "/dbfiles/planets.db", planetsAfter);
    EXPECT_TRUE(planetsAfter == planetsBefore) << "the planets table was written";
}

TEST_F(Scripting, StandardInputAndOutputCarryFiles)
{
    const std::string from = " --chart-file " + File("from.db"), to = " --chart-file " + File("to.db");
    ASSERT_EQ(Cli(std::string("charts add --name 'Pipe, Anna' --sex f ") + kParis + from).rc, 0);
    ASSERT_EQ(Cli("charts add --name 'Bar|Name' --date 1912-01-01 --time 09:00 --place Paris" + from).rc, 0);
    const tCliRun r = Cli("charts export - --format jsonl" + from,
                          "", "| " + std::string(QUINTARA_CLI) + " charts import - --format jsonl --home '" + Home() +
                                  "'" + to);
    EXPECT_EQ(r.rc, 0) << r.err;
    const tCliRun a = Cli("charts list --format csv" + from), b = Cli("charts list --format csv" + to);
    // The same charts; the indexes are the new file's.
    const auto withoutIndex = [](const std::string& csv) {
        std::string s;
        for (const std::string& l : Lines(csv)) s += l.substr(l.find(',')) + "\n";
        return s;
    };
    EXPECT_EQ(withoutIndex(a.out), withoutIndex(b.out));
    EXPECT_EQ(Lines(a.out).size(), 3u);
    EXPECT_TRUE(Has(a.out, "\"Pipe, Anna\"")) << a.out;
    EXPECT_TRUE(Has(a.out, "Bar|Name")) << a.out;
    const tCliRun svg = Cli(std::string("picture daisy -o - ") + kParis);
    EXPECT_EQ(svg.rc, 0) << svg.err;
    EXPECT_EQ(svg.out.rfind("<?xml", 0), 0u) << svg.out.substr(0, 80);
    // The desktop's names of the same pictures draw the same.
    EXPECT_EQ(Cli(std::string("picture aspect-wheel -o - ") + kParis).out, svg.out);
    EXPECT_EQ(Cli(std::string("picture daisy-wheel -o - ") + kParis).out,
              Cli(std::string("picture us -o - ") + kParis).out);
    EXPECT_EQ(Cli("charts import -" + to).rc, 2) << "- needs --format";
}

TEST_F(Scripting, FilesOtherProgramsRead)
{
    const std::string ics = dir->File("sky.ics");
    ASSERT_EQ(Cli("events 2024-01-01 --tz UTC -o '" + ics + "'").rc, 0);
    std::string calendar;
    ASSERT_TRUE(ReadWholeFile(ics, calendar));
    EXPECT_TRUE(Has(calendar, "DTSTART:"));
    EXPECT_FALSE(Has(calendar, "DTEND:")) << "an instant has no end equal to its start";
    const std::string file = " --chart-file " + File("positions.db");
    ASSERT_EQ(Cli(std::string("charts add --name Durand ") + kParis + file).rc, 0);
    const std::string csv = dir->File("with-positions.csv"), jsonl = dir->File("with-positions.jsonl");
    ASSERT_EQ(Cli("charts export '" + csv + "' --positions" + file).rc, 0);
    ASSERT_EQ(Cli("charts export '" + jsonl + "' --positions" + file).rc, 0);
    std::string text;
    ASSERT_TRUE(ReadWholeFile(csv, text));
    EXPECT_TRUE(Has(text, ",Julian day,Sun,Moon,Mercury")) << text.substr(0, 200);
    // The chart setup's shown points follow the houses, a value for each.
    EXPECT_TRUE(Has(text, ",House 12,Part of Fortune\r\n")) << text.substr(0, 400);
    const std::size_t header = text.find("\r\n");
    const auto fields = [](const std::string& line) { return std::count(line.begin(), line.end(), ','); };
    EXPECT_EQ(fields(text.substr(0, header)), fields(text.substr(header + 2, text.find("\r\n", header + 2) - header - 2)));
    ASSERT_TRUE(ReadWholeFile(jsonl, text));
    EXPECT_TRUE(Has(text, "{\"name\":\"Part of Fortune\",\"longitude\":")) << "the points in the positions";
    ExpectChart(Parsed(text.substr(text.find("\"positions\":") + 12, text.rfind('}') - text.find("\"positions\":") - 12),
                       "jsonl positions"),
                "jsonl positions");
    // Both read back as the chart they came from.
    for (const std::string& f : {csv, jsonl}) {
        const tCliRun r = Cli("charts import '" + f + "' --chart-file " + File("back" + Extension(f) + ".db"));
        EXPECT_EQ(r.rc, 0) << f << ": " << r.err;
    }
}

TEST_F(Scripting, ImportsSayWhatTheyAssumed)
{
    const std::string csv = dir->File("nosex.csv");
    ASSERT_TRUE(WriteFileAtomically(csv, "Name,Date,Time,Place\nSpring,2027-03-28,02:30,Paris\nPlain,2000-06-01,12:00,Paris\n"));
    const std::string file = " --chart-file " + File("assumed.db");
    const tCliRun r = Cli("charts import '" + csv + "'" + file);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_TRUE(Has(r.err, "2 record(s) do not say the sex: each is stored as a man's chart (M)")) << r.err;
    EXPECT_TRUE(Has(r.err, "line 2: 02:30 does not exist that day")) << r.err;
    const tJson list = Parsed(Cli("charts list --json" + file).out, "list");
    ASSERT_EQ(list["charts"].items.size(), 2u);
    for (const tJson& c : list["charts"].items) EXPECT_EQ(c["sex"].text, "M");
}

TEST_F(Scripting, FiltersTakeNotLikeEveryPositionAndPlace)
{
    const std::string file = " --chart-file " + File("filters.db");
    ASSERT_EQ(Cli(std::string("charts add --name Durand ") + kParis + file).rc, 0);
    ASSERT_EQ(Cli("charts add --name Dupont --date 1985-03-02 --time 08:10 --place Lyon" + file).rc, 0);
    ASSERT_EQ(Cli("charts add --name Martin --date 1985-03-02 --time 08:10 --place Lyon" + file).rc, 0);
    const auto names = [&](const std::string& filter) {
        const tCliRun r = Cli("charts list --format csv --filter \"" + filter + "\"" + file);
        EXPECT_EQ(r.rc, 0) << filter << ": " << r.err;
        std::string s;
        for (const std::string& l : Lines(r.out))
            if (l.rfind("Index", 0) != 0) s += l.substr(l.find(',') + 1, l.find(',', l.find(',') + 1) - l.find(',') - 1) + " ";
        return s;
    };
    EXPECT_EQ(names("Name like 'du*'"), "Dupont Durand ");  // in the order of names
    EXPECT_EQ(names("Name like 'Dup?nt'"), "Dupont ");
    EXPECT_EQ(names("not Name like 'Du*'"), "Martin ");
    EXPECT_EQ(names("Place = 'Lyon' and not (Name = 'Martin')"), "Dupont ");
    // Chiron: 1990-05-17 in Cancer (about 103), 1985-03-02 in Gemini (about 63).
    EXPECT_EQ(names("P25 >= 90 and P25 < 120"), "Durand ");
    EXPECT_EQ(names("P25 >= 60 and P25 < 70"), "Dupont Martin ");
    // The chart setup's points are stored with each chart (the Part of
    // Fortune by default), a point none has selects none.
    EXPECT_EQ(names("P49 >= 0 and DEC49 > -90"), "Dupont Durand Martin ");
    EXPECT_EQ(names("P51 >= 0"), "");
    EXPECT_TRUE(Has(Cli("charts list --filter \"PX29 > 1\"" + file).err, "unknown field \"PX29\""));
    EXPECT_TRUE(Has(Cli("charts list --filter \"P1 like '1*'\"" + file).err, "like compares texts"));
}

TEST_F(Scripting, TheManualPageListsWhatTheProgramTakes)
{
    std::string page;
    ASSERT_TRUE(ReadWholeFile(QUINTARA_MANUAL_PAGE, page));
    std::set<std::string> inPage, inHelp;
    // Roff writes every hyphen of an option as "\\-".
    const std::regex option(R"(\\-\\-([a-z](?:[a-z0-9]|\\-)*))");
    for (std::sregex_iterator i(page.begin(), page.end(), option), end; i != end; ++i) {
        std::string name = (*i)[1];
        name.erase(std::remove(name.begin(), name.end(), '\\'), name.end());
        inPage.insert(name);
    }
    const tCliRun all = Cli("--help");
    std::string help = all.out;
    for (const std::string command : {"positions", "aspects", "synastry", "place", "charts add", "charts list",
                                      "charts show", "charts export", "charts import", "charts import-old", "return",
                                      "phases", "progression", "midpoints", "composite", "davison", "relocated",
                                      "directions", "profections", "firdaria", "hours",
                                      "transits", "previsions", "events",
                                      "report", "picture"})
        help += Cli(command + " --help").out;
    const std::regex word(R"(--([a-z][a-z0-9-]*))");
    for (std::sregex_iterator i(help.begin(), help.end(), word), end; i != end; ++i) inHelp.insert((*i)[1]);
    for (const std::string& o : inHelp) EXPECT_TRUE(inPage.count(o)) << "--" << o << " is not in the manual page";
    for (const std::string& o : inPage) EXPECT_TRUE(inHelp.count(o)) << "--" << o << " is in the manual page only";
    for (const char* section : {".SH JSON", ".SH FILTERS", ".SH EXIT STATUS"}) EXPECT_TRUE(Has(page, section));
}

}  // namespace
}  // namespace quintara
