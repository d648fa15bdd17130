#include "core/data/schemas.h"

namespace quintara {

namespace {

using K = tFieldKind;

tColumnDef Col(const char* name, K kind) { return {name, kind, false}; }
tColumnDef Text(const char* name, std::size_t length) { return {name, K::Text, false, length}; }
tColumnDef Auto(const char* name) { return {name, K::Integer, true}; }

// Fields shared by the stars and planets tables: how a point is formed.
void AddPointFormula(std::vector<tColumnDef>& c)
{
    for (const char* n : {"Plus1", "Plus2", "Minus1", "Divider"}) c.push_back(Col(n, K::Integer));
    c.push_back(Col("Value", K::Real));
    c.push_back(Col("Offset", K::Integer));
    c.push_back(Col("Longitude", K::Real));
    c.push_back(Col("Latitude", K::Real));
}

}  // namespace

tTableDef CityTableDef()
{
    return {"City",
            {Text("CITY", kNameLength), Col("COUNTRY", K::Integer), Col("STATE", K::Integer), Col("LATITUDE", K::Real),
             Col("LONGITUDE", K::Real), Col("POPULATION", K::Integer), Auto("INDEX")},
            {{"Cities", {"CITY"}, true}}};
}

tTableDef CountryTableDef()
{
    return {"Country",
            {Text("COUNTRY", kNameLength), Col("CODE", K::Integer), Col("LANGUAGE", K::Integer), Auto("Index")},
            {{"Countries", {"COUNTRY", "LANGUAGE"}, true}, {"Code", {"CODE", "LANGUAGE"}, false}}};
}

tTableDef StateTableDef()
{
    return {"State",
            {Auto("Index"), Col("CODE", K::Integer), Col("COUNTRY", K::Integer), Text("STATE", kNameLength)},
            {{"codes", {"COUNTRY", "CODE"}, false}}};
}

tTableDef Time1TableDef()
{
    return {"Time1",
            {Col("COUNTRY", K::Integer), Col("STATE", K::Integer), Col("DATE", K::Date), Col("HOUR", K::Integer),
             Col("ADJUST", K::Real), Col("TABLE", K::Integer)},
            {{"Primary", {"COUNTRY", "STATE", "DATE", "HOUR"}, false}}};
}

tTableDef Time2TableDef()
{
    return {"Time2",
            {Col("TABLE", K::Integer), Col("DATE", K::Date), Col("HOUR", K::Integer), Col("ADJUST", K::Real),
             Col("ASK", K::Logical)},
            {{"Primary", {"TABLE", "DATE", "HOUR"}, false}}};
}

tTableDef TimeRuleTableDef()
{
    return {"TimeRule", {Col("TABLE", K::Integer), Col("AFTER", K::Integer), Col("RULE", K::Text)},
            {{"Primary", {"TABLE"}, false}}};
}

std::string PositionField(char letter, int k) { return std::string(1, letter).append(std::to_string(k)); }

tTableDef ChartTableDef()
{
    std::vector<tColumnDef> c{Auto("Index"),
                              Text("NAME", kNameLength),
                              Text("FIRSTNAME", kNameLength),
                              Text("COMMENT", kNameLength),
                              Text("REFERENCE", 10),
                              Col("AYANAMSA", K::Real),
                              Col("ZODIAC", K::Integer),
                              Text("BIRTHPLACE", kNameLength),
                              Col("CHARTTYPE", K::Integer),
                              Col("HOUSETYPE", K::Integer),
                              Text("SEX", 1),
                              Col("JULIANDAY", K::Real),
                              Col("COUNTRY", K::Integer),
                              Col("STATE", K::Integer),
                              Col("DATE", K::Date),
                              Col("Time", K::Text),
                              Col("ADJUST", K::Real),
                              Col("LONGITUDE", K::Real),
                              Col("LATITUDE", K::Real),
                              Col("SIDERAL_T", K::Real),
                              Col("TEXT", K::Text)};
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (int k = 1; k <= 12; ++k) {
            n.push_back(PositionField('P', k));
            n.push_back(PositionField('R', k));
        }
        for (int k = 13; k <= 24; ++k) n.push_back(PositionField('P', k));
        return n;
    }();
    for (const std::string& n : names) c.push_back({n, n[0] == 'R' ? K::Logical : K::Real, false});
    return {"Charts", std::move(c), {{"Names", {"NAME"}, true}}};
}

tTableDef StarTableDef()
{
    std::vector<tColumnDef> c{Text("Name", kNameLength), Col("Num", K::Integer), Col("Type", K::Integer)};
    AddPointFormula(c);
    c.push_back(Col("Magnitude", K::Real));
    c.push_back(Col("Icon", K::Text));
    return {"Stars", std::move(c), {{"Name", {"Name"}, true}}};
}

tTableDef PlanetTableDef()
{
    std::vector<tColumnDef> c{Col("Num", K::Integer), Text("Name", kNameLength), Text("ShortName", 4),
                              Col("Visible", K::Logical), Col("Aspects", K::Logical), Col("Type", K::Integer)};
    AddPointFormula(c);
    c.push_back(Col("Icon", K::Text));
    return {"Planets", std::move(c), {{"Num", {"Num"}, false}}};
}

std::vector<std::string> ReferenceTableFiles()
{
    return {kCityFile, kCountryFile, kStateFile, kTime1File, kTime2File, kStarFile, kPlanetFile};
}

}  // namespace quintara
