// Builds the reference table files of a program home from public sources:
// GeoNames localities and admin-1 names, ISO 3166-1 country names with
// their translations, the installed IANA time-zone database, and a star
// catalogue. Each table is written to a temporary file and renamed into
// place, so an interrupted build never leaves a half-written table.
//
// quintara-build-data SOURCES_DIR ISO_JSON LOCALE_DIR ZONEINFO_DIR OUT_HOME
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/data/schemas.h"
#include "core/data/sqlite_db.h"
#include "core/data/table.h"
#include "core/data/zone_tables.h"
#include "core/engine/angles.h"
#include "core/i18n/text_encoding.h"
#include "core/platform/atomic_file.h"
#include "iso_sources.h"
#include <set>
#include "reference_points.h"

namespace fs = std::filesystem;
using namespace quintara;
using namespace quintara::build;

namespace {

// Kosovo has no ISO 3166-1 number; 900..999 are left to users by the standard.
constexpr int kKosovo = 900;
struct tLanguage {
    int code;
    const char* locale;  // "" for the catalogue's own English
};
constexpr tLanguage kLanguages[] = {{1, ""}, {33, "fr"}, {31, "nl"}, {49, "de"}};

[[noreturn]] void Die(const std::string& why)
{
    std::cerr << "quintara-build-data: " << why << "\n";
    std::exit(1);
}

std::string ReadOrDie(const std::string& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) Die("cannot read " + path);
    return bytes;
}

std::vector<std::vector<std::string>> ReadTsv(const std::string& path)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(ReadOrDie(path));
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string>& row = rows.emplace_back();
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', start);
            row.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
    }
    return rows;
}

// Name fields keep the table layouts' length, never cut inside a UTF-8 sequence.
std::string Fit(const std::string& text) { return FirstCodePoints(text, kNameLength); }

// One table file, written whole in one transaction under a temporary name.
class tTableFile {
public:
    tTableFile(const std::string& home, const std::string& relative, tTableDef d)
        : final(JoinPath(home, relative)), temp(final + ".building"), def(std::move(d))
    {
        fs::remove(temp);
        db = std::make_unique<tDatabase>(temp, true);
        db->Exec("PRAGMA journal_mode=OFF");
        db->Exec("PRAGMA synchronous=OFF");
        tTable create(*db, def);
        std::string cols, marks;
        for (const tColumnDef& c : def.columns) {
            if (c.autoIncrement) continue;
            cols += std::string(cols.empty() ? "" : ", ") + "\"" + c.name + "\"";
            marks += marks.empty() ? "?" : ", ?";
        }
        db->Exec("BEGIN");
        insert = std::make_unique<tStatement>(db->Handle(),
                                              "INSERT INTO \"" + def.name + "\" (" + cols + ") VALUES (" + marks + ")");
    }
    void Add(const std::vector<tSqlValue>& values)
    {
        insert->Reset();
        insert->BindAll(values);
        insert->Step();
        ++count;
    }
    void Exec(const std::string& sql) { db->Exec(sql); }
    std::size_t Finish()
    {
        insert.reset();
        db->Exec("COMMIT");
        db->Exec("ANALYZE");
        db.reset();
        fs::rename(temp, final);
        return count;
    }

private:
    std::string final, temp;
    tTableDef def;
    std::unique_ptr<tDatabase> db;
    std::unique_ptr<tStatement> insert;
    std::size_t count = 0;
};

// Packed d.mm to a millionth: below a metre, and no binary noise in the table.
double Round6(double v) { return std::round(v * 1e6) / 1e6; }

struct tCountry {
    int code = 0;
    std::map<int, std::string> names;  // by language
};

std::map<std::string, tCountry> Countries(const std::string& isoJson, const std::string& localeDir)
{
    std::string error;
    auto entries = ParseIsoJson(ReadOrDie(isoJson), &error);
    if (!entries) Die(isoJson + ": " + error);
    std::map<int, std::map<std::string, std::string>> catalogues;
    for (const tLanguage& l : kLanguages) {
        if (!*l.locale) continue;
        const std::string path = localeDir + "/" + l.locale + "/LC_MESSAGES/iso_3166-1.mo";
        auto mo = ParseMo(ReadOrDie(path), &error);
        if (!mo) Die(path + ": " + error);
        catalogues[l.code] = std::move(*mo);
    }
    std::map<std::string, tCountry> out;
    for (auto& e : *entries) {
        tCountry& c = out[e["alpha_2"]];
        c.code = std::stoi(e["numeric"]);
        // The short everyday name where there is one ("Bolivia", not "Bolivia, Plurinational State of").
        const std::string id = e.count("common_name") ? e["common_name"] : e["name"];
        for (const tLanguage& l : kLanguages) {
            std::string name = id;
            if (*l.locale) {
                const auto& cat = catalogues[l.code];
                auto it = cat.find(id);
                if (it == cat.end() || it->second.empty()) it = cat.find(e["name"]);
                if (it != cat.end() && !it->second.empty()) name = it->second;
            }
            c.names[l.code] = Fit(name);
        }
    }
    tCountry& xk = out["XK"];
    xk.code = kKosovo;
    for (const tLanguage& l : kLanguages) xk.names[l.code] = "Kosovo";
    return out;
}

struct tPlace {
    std::string name, country, admin1, zone;
    double lat, lon;
    std::int64_t population;
};

// Zone tables, numbered from 1 in zone-name order.
struct tZones {
    std::map<std::string, int> number;
    std::map<std::string, tZoneTables> tables;
};

tZones Zones(const std::set<std::string>& names, const std::string& zoneinfo)
{
    tZones z;
    for (const std::string& name : names) {
        std::string error;
        auto h = ReadZone(zoneinfo, name, &error);
        if (!h) Die(error);
        z.number[name] = static_cast<int>(z.number.size()) + 1;
        // Every listed change becomes a row (Casablanca's run to 2087); the
        // rule takes over after the last.
        z.tables[name] = MakeZoneTables(*h, 9999);
    }
    return z;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 6 && argc != 7)
        Die("usage: quintara-build-data SOURCES_DIR ISO_JSON LOCALE_DIR ZONEINFO_DIR OUT_HOME [STAR_CATALOGUE]");
    const std::string sources = argv[1], home = argv[5];
    fs::create_directories(JoinPath(home, kTableFolder));

    const auto countries = Countries(argv[2], argv[3]);
    std::map<std::string, std::string> admin1Names;
    for (auto& r : ReadTsv(sources + "/admin1.tsv"))
        if (r.size() >= 2) admin1Names[r[0]] = r[1];

    std::vector<tPlace> places;
    std::set<std::string> zoneNames;
    for (auto& r : ReadTsv(sources + "/localities.tsv")) {
        if (r.size() < 7 || !countries.count(r[1])) continue;
        places.push_back({r[0], r[1], r[2], r[6], std::stod(r[3]), std::stod(r[4]), std::stoll(r[5])});
        zoneNames.insert(r[6]);
    }
    const tZones zones = Zones(zoneNames, argv[4]);

    // State codes: in a one-zone country each admin-1 region is a state and
    // the time rows sit under state 0; where a country spans several zones
    // each (region, zone) pair is a state with time rows of its own.
    std::map<std::string, std::set<std::string>> countryZones;
    std::map<std::pair<std::string, std::string>, std::set<std::string>> regionZones;
    for (const tPlace& p : places) {
        countryZones[p.country].insert(p.zone);
        regionZones[{p.country, p.admin1}].insert(p.zone);
    }
    // A region the admin-1 names leave out is named after its largest place,
    // never shown as a bare code.
    std::map<std::pair<std::string, std::string>, const tPlace*> largest;
    for (const tPlace& p : places) {
        const tPlace*& l = largest[{p.country, p.admin1}];
        if (!l || p.population > l->population) l = &p;
    }
    std::map<std::string, int> stateOf;  // "CC|admin1|zone" -> code
    std::map<std::string, int> nextState;
    tTableFile stateFile(home, kStateFile, StateTableDef());
    tTableFile time1File(home, kTime1File, Time1TableDef());
    auto addTime1 = [&](int country, int state, const std::string& zone) {
        for (const tStandardRow& s : zones.tables.at(zone).standard)
            time1File.Add({std::int64_t{country}, std::int64_t{state}, s.date, std::int64_t{s.hour}, s.adjust,
                           std::int64_t{zones.number.at(zone)}});
    };
    for (auto& [region, zoneSet] : regionZones) {
        const auto& [cc, admin1] = region;
        const int country = countries.at(cc).code;
        const bool manyZones = countryZones[cc].size() > 1;
        const auto named = admin1Names.find(cc + "." + admin1);
        const std::string base = named != admin1Names.end() ? named->second : largest.at(region)->name + " region";
        for (const std::string& zone : zoneSet) {
            const int code = ++nextState[cc];
            std::string name = base;
            if (zoneSet.size() > 1) name += " (" + zone.substr(zone.rfind('/') + 1) + ")";
            stateFile.Add({std::int64_t{code}, std::int64_t{country}, Fit(name)});
            stateOf[cc + "|" + admin1 + "|" + zone] = code;
            if (manyZones) addTime1(country, code, zone);
        }
    }
    for (auto& [cc, zoneSet] : countryZones)
        if (zoneSet.size() == 1) addTime1(countries.at(cc).code, 0, *zoneSet.begin());

    tTableFile cityFile(home, kCityFile, CityTableDef());
    for (const tPlace& p : places)
        cityFile.Add({Fit(p.name), std::int64_t{countries.at(p.country).code},
                      std::int64_t{stateOf.at(p.country + "|" + p.admin1 + "|" + p.zone)},
                      Round6(DecimalToDegMin(p.lat)), Round6(DecimalToDegMin(-p.lon)), p.population});

    tTableFile time2File(home, kTime2File, Time2TableDef());
    for (auto& [zone, t] : zones.tables)
        for (const tCorrectionRow& c : t.corrections)
            time2File.Add({std::int64_t{zones.number.at(zone)}, c.date, std::int64_t{c.hour}, c.adjust,
                           std::int64_t{c.ask ? 1 : 0}});

    const std::size_t time2Rows = time2File.Finish();
    {
        tDatabase time2(JoinPath(home, kTime2File), false);
        tTable rules(time2, TimeRuleTableDef());
        tTransaction t(time2);
        tStatement insert(time2.Handle(), "INSERT INTO TimeRule (\"TABLE\", AFTER, RULE) VALUES (?, ?, ?)");
        for (auto& [zone, z] : zones.tables) {
            if (z.rule.empty()) continue;
            insert.Reset();
            insert.BindAll({std::int64_t{zones.number.at(zone)}, z.ruleAfter, z.rule});
            insert.Step();
        }
        t.Commit();
    }

    tTableFile countryFile(home, kCountryFile, CountryTableDef());
    for (auto& [cc, c] : countries)
        for (auto& [language, name] : c.names) countryFile.Add({name, std::int64_t{c.code}, std::int64_t{language}});

    tTableFile starFile(home, kStarFile, StarTableDef());
    std::set<std::string> starNames;
    const auto addStar = [&](const tPointRow& r) {
        starNames.insert(Fit(r.name));
        starFile.Add({Fit(r.name), std::int64_t{r.num}, std::int64_t{r.type}, std::int64_t{r.plus1},
                      std::int64_t{r.plus2}, std::int64_t{r.minus1}, std::int64_t{r.divider}, r.value,
                      std::int64_t{r.offset}, r.longitude, r.latitude, r.magnitude, tSqlValue{std::string()}});
    };
    std::size_t stars = AddStars(ReadTsv(sources + "/stars.tsv"), addStar);
    for (const tPointRow& r : ComputedPointRows()) addStar(r);
    for (const tPointRow& r : LotRows()) addStar(r);
    // The ephemeris' star catalogue, where the build machine has it.
    const std::vector<tPointRow> catalogue = CatalogueStars(argc > 6 ? argv[6] : "", starNames);
    for (const tPointRow& r : catalogue) addStar(r);
    stars += catalogue.size();
    tTableFile planetFile(home, kPlanetFile, PlanetTableDef());
    for (const tPointRow& r : DefaultPlanetRows())
        planetFile.Add({std::int64_t{r.num}, r.name, r.shortName, std::int64_t{r.visible}, std::int64_t{r.aspects},
                        std::int64_t{r.type}, std::int64_t{r.plus1}, std::int64_t{r.plus2}, std::int64_t{r.minus1},
                        std::int64_t{r.divider}, r.value, std::int64_t{r.offset}, r.longitude, r.latitude,
                        tSqlValue{std::string()}});

    std::cout << "localities " << cityFile.Finish() << ", states " << stateFile.Finish() << ", countries "
              << countryFile.Finish() << ", zones " << zones.number.size() << ", Time1 " << time1File.Finish()
              << ", Time2 " << time2Rows << ", stars and points " << starFile.Finish() << " (" << stars
              << " stars), planets " << planetFile.Finish() << "\n";
    return 0;
}
