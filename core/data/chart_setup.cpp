#include "core/data/chart_setup.h"

#include <iterator>

#include "core/data/data_module.h"
#include "core/data/point_names.h"
#include "core/i18n/default_body_names.h"

namespace quintara {

namespace {

// The fields a point is made of, in both tables.
const std::vector<std::string> kPointFields = {"Num",     "Name",  "Type",   "Plus1",     "Plus2",    "Minus1",
                                               "Divider", "Value", "Offset", "Longitude", "Latitude", "Icon"};

std::optional<tSqlValue> ValueOf(const tTable& t, const tColumnDef& c)
{
    if (t.IsNull(c.name)) return std::nullopt;
    switch (c.kind) {
        case tFieldKind::Real:
            return tSqlValue{t.Real(c.name)};
        case tFieldKind::Text:
            return tSqlValue{t.Text(c.name)};
        default:
            return tSqlValue{t.Int(c.name)};
    }
}

// The fields of the current row of t that are named, in the table's order.
tChartSetup::tValues Values(const tTable& t, const std::vector<std::string>& fields)
{
    tChartSetup::tValues values;
    for (const tColumnDef& c : t.Def().columns)
        for (const std::string& f : fields)
            if (c.name == f) values.emplace_back(f, ValueOf(t, c));
    return values;
}

void Put(tTable& t, const std::string& field, const std::optional<tSqlValue>& v)
{
    if (v)
        t.Set(field, *v);
    else
        t.SetNull(field);
}

}  // namespace

tChartSetup::tChartSetup(TData1& data) : data(data), stars(data.StarTable()), planets(data.PlanetTable()) {}

std::string tChartSetup::TypeFilter(int entry, double brightest)
{
    std::string magnitude = "MAGNITUDE<=" + std::to_string(brightest);
    if (entry == 1) return "TYPE=1 OR TYPE=-2";
    if (entry == 2) return brightest < kAllMagnitudes ? "TYPE=2 AND " + magnitude : "TYPE=2";
    if (entry >= 3 && entry <= 4) return "TYPE=" + std::to_string(entry);
    if (entry == 5) return "TYPE>4";
    if (entry == 6) return "TYPE=-1";
    if (brightest < kAllMagnitudes) return "TYPE<>2 OR " + magnitude;
    return {};
}

void tChartSetup::AddCurrentStar()
{
    if (stars.Empty() || stars.Eof()) return;
    const tValues from = Values(stars, kPointFields);
    planets.Insert();
    for (const auto& [field, value] : from) Put(planets, field, value);
    // A star's name kept to the field's 4 characters; a lot or part by its
    // abbreviation, not by "Lot " or "Part".
    const std::int64_t type = stars.IntOr("Type");
    const std::string name = stars.TextOr("Name");
    planets.Set("ShortName", type == 1 || type == kLotPoint ? AbbreviatedPointName(name) : name);
    planets.Set("Visible", std::int64_t{1});
    planets.Set("Aspects", std::int64_t{0});
    planets.Post();
    changes.push_back({tChange::kAdded, planets.RowId(), {}});
    const std::int64_t added = planets.RowId();
    AddNeededPoints();
    planets.GoToRowId(added);
}

void tChartSetup::AddNeededPoints()
{
    // The current planets row's formula may name other lots (Eros takes
    // Spirit): those come too, hidden, so that the point has a position.
    tPlanetRow row;
    row.Num = static_cast<std::int32_t>(planets.IntOr("Num"));
    row.PointType = static_cast<std::int32_t>(planets.IntOr("Type"));
    row.Plus1 = static_cast<std::int32_t>(planets.IntOr("Plus1"));
    row.Plus2 = static_cast<std::int32_t>(planets.IntOr("Plus2"));
    row.Minus1 = static_cast<std::int32_t>(planets.IntOr("Minus1"));
    std::set<int> have;
    for (const tPlanetRow& r : data.PlanetRows()) have.insert(r.Num);
    for (const tPlanetRow& r : NeededRows(data.StarRows(), row, have)) {
        planets.Insert();
        planets.Set("Num", std::int64_t{r.Num});
        planets.Set("Name", r.Name);
        planets.Set("ShortName", AbbreviatedPointName(r.Name));
        planets.Set("Type", std::int64_t{r.PointType});
        planets.Set("Plus1", std::int64_t{r.Plus1});
        planets.Set("Plus2", std::int64_t{r.Plus2});
        planets.Set("Minus1", std::int64_t{r.Minus1});
        planets.Set("Divider", std::int64_t{r.Divider});
        planets.Set("Value", r.Value);
        planets.Set("Offset", std::int64_t{r.Offset});
        planets.Set("Longitude", r.Longitude);
        planets.Set("Latitude", r.Latitude);
        planets.Set("Visible", std::int64_t{0});
        planets.Set("Aspects", std::int64_t{0});
        planets.Post();
        changes.push_back({tChange::kAdded, planets.RowId(), {}});
    }
}

bool tChartSetup::RemoveCurrentPoint()
{
    if (planets.Empty() || planets.Eof()) return false;
    // The program's own rows stay; a computed point the user added goes.
    if (planets.IntOr("Num") <= kLastFixedPoint && planets.IntOr("Type") != kComputedPoint) return false;
    std::vector<std::string> all;
    for (const tColumnDef& c : planets.Def().columns) all.push_back(c.name);
    changes.push_back({tChange::kRemoved, planets.RowId(), Values(planets, all)});
    planets.Delete();
    return true;
}

void tChartSetup::SetCurrentFlags(bool visible, bool aspects)
{
    if (planets.Empty() || planets.Eof()) return;
    changes.push_back({tChange::kFlags, planets.RowId(), Values(planets, {"Visible", "Aspects"})});
    planets.Edit();
    planets.Set("Visible", std::int64_t{visible});
    planets.Set("Aspects", std::int64_t{aspects});
    planets.Post();
}

void tChartSetup::Restore(const tValues& values)
{
    for (const auto& [field, value] : values) Put(planets, field, value);
    planets.Post();
}

void tChartSetup::Revert()
{
    planets.ClearFilter();
    for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
        switch (it->kind) {
            case tChange::kAdded:
                if (planets.GoToRowId(it->row)) planets.Delete();
                break;
            case tChange::kRemoved: {
                planets.Insert();
                Restore(it->values);
                // Older changes of that row follow it to its new identity.
                for (auto older = std::next(it); older != changes.rend(); ++older)
                    if (older->row == it->row) older->row = planets.RowId();
                break;
            }
            case tChange::kFlags:
                if (!planets.GoToRowId(it->row)) break;
                planets.Edit();
                Restore(it->values);
                break;
        }
    }
    changes.clear();
}

}  // namespace quintara
