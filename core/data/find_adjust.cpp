#include "core/data/find_adjust.h"

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/data/adjust_codes.h"
#include "core/data/chart_record.h"
#include "core/data/civil_date.h"
#include "core/data/tz_rule.h"
#include "core/engine/angles.h"

namespace quintara {

namespace {

// The local hour of a standard-time change; a table written before rows
// carried it counts every change from midnight.
std::string Time1Hour(tDatabase& t1)
{
    tStatement q(t1.Handle(), "SELECT 1 FROM pragma_table_info('Time1') WHERE name = 'HOUR'");
    return q.Step() ? "HOUR" : "CAST(0 AS INTEGER)";
}

bool HasRules(tDatabase& t2)
{
    tStatement q(t2.Handle(), "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'TimeRule'");
    return q.Step();
}

}  // namespace

struct tZoneLookup::tStatements {
    tStatements(tDatabase& t1, tDatabase& t2, const std::string& hour)
        : stateRow(t1.Handle(),
                   "SELECT ADJUST, \"TABLE\" FROM Time1 WHERE COUNTRY = ?1 AND STATE = ?2 AND (DATE < ?3 OR (DATE = ?3 "
                   "AND " + hour + " <= ?4)) ORDER BY DATE DESC, " + hour + " DESC LIMIT 1"),
          stateFirst(t1.Handle(), "SELECT ADJUST, \"TABLE\" FROM Time1 WHERE COUNTRY = ?1 AND STATE = ?2 ORDER BY DATE, " +
                                      hour + " LIMIT 1"),
          countryRows(t1.Handle(), "SELECT DATE, " + hour +
                                       ", ADJUST, \"TABLE\" FROM Time1 WHERE COUNTRY = ?1 ORDER BY STATE, DATE, " + hour +
                                       ", rowid"),
          correction(t2.Handle(),
                     "SELECT ADJUST, ASK FROM Time2 WHERE \"TABLE\" = ?1 AND (DATE < ?2 OR (DATE = ?2 AND HOUR <= ?3)) "
                     "ORDER BY DATE DESC, HOUR DESC LIMIT 1"),
          correctionFirst(t2.Handle(),
                          "SELECT ADJUST, ASK FROM Time2 WHERE \"TABLE\" = ?1 ORDER BY DATE, HOUR LIMIT 1")
    {
        if (HasRules(t2)) rule = std::make_unique<tStatement>(t2.Handle(), "SELECT AFTER, RULE FROM TimeRule WHERE \"TABLE\" = ?1");
    }
    tStatement stateRow, stateFirst, countryRows, correction, correctionFirst;
    std::unique_ptr<tStatement> rule;  // none in tables made before rules were kept
    struct tRule {
        std::int64_t after;
        tTzRule rule;
    };
    std::map<std::int64_t, std::optional<tRule>> rules;  // by zone table, read once

    const std::optional<tRule>& RuleOf(std::int64_t table)
    {
        auto it = rules.find(table);
        if (it != rules.end()) return it->second;
        std::optional<tRule> found;
        if (rule) {
            rule->Bind(1, table);
            // A rule that does not parse is not used: the rows' last values hold.
            if (rule->Step())
                if (auto r = ParseTzRule(rule->Text(1))) found = tRule{rule->Int(0), *r};
            rule->Reset();
        }
        return rules.emplace(table, found).first->second;
    }
};

namespace {

struct tStandard {
    float adjust;  // kept in single precision as the lookup always has
    std::int64_t table;
};

// Reads one row (adjust, table) and resets the statement for the next call.
// A standard time of a damaged row (beyond the hours a zone can be
// away from UT) is not used.
bool UsableStandard(double adjust) { return PackedWithin(adjust, 16); }

std::optional<tStandard> TakeStandard(tStatement& s, int adjustCol = 0)
{
    std::optional<tStandard> out;
    if (s.Step() && UsableStandard(s.Real(adjustCol)))
        out = tStandard{static_cast<float>(s.Real(adjustCol)), s.Int(adjustCol + 1)};
    s.Reset();
    return out;
}

// A correction is an offset within -16..16 or one of the instruction codes.
bool UsableCorrection(double adjust)
{
    return PackedWithin(adjust, 16) || adjust == kAdjustLongitudeMinus1 || adjust == kAdjustLongitudeSummer ||
           adjust == kAdjustLocalMeanTime || adjust == kAdjustUnknown;
}

double RoundHalfAway(double x) { return std::round(x); }

}  // namespace

tZoneLookup::tZoneLookup(tDatabase& time1, tDatabase& time2)
    : q(std::make_unique<tStatements>(time1, time2, Time1Hour(time1)))
{
}
tZoneLookup::~tZoneLookup() = default;

double AdjustFromCode(double code, double longitude, int month, bool& sure)
{
    // Beyond a turn there is no place to reckon from (a local mean time
    // near the date line may lie a little past 180 degrees).
    if (!PackedWithin(longitude, 360)) {
        sure = false;
        return 0;
    }
    const double l = longitude;
    if (code == kAdjustLongitudeMinus1) {
        sure = false;
        return RoundHalfAway(l / 15) - 1;
    }
    if (code == kAdjustLongitudeSummer) {
        sure = false;
        return RoundHalfAway(l / 15) - (month >= 4 && month <= 9 ? 1 : 0);
    }
    if (code == kAdjustLocalMeanTime) {
        const double x = (l < 0 ? -1.0 : 1.0) * std::fabs(IntPart(l) + FracPart(l) * 10.0 / 6.0) / 15.0;
        return IntPart(x) + FracPart(x) * 6.0 / 10.0;
    }
    sure = false;
    return RoundHalfAway(l / 15);
}

bool tZoneLookup::FindAdjust(tChart& chart)
{
    const std::string date = IsoDate({chart.Year, chart.Month, chart.Day});
    std::optional<tStandard> standard;

    q->stateRow.Bind(1, std::int64_t{chart.Country}).Bind(2, std::int64_t{chart.State}).Bind(3, date).Bind(4, std::int64_t{chart.Hour});
    standard = TakeStandard(q->stateRow);
    if (!standard) {
        // All of this state's rows lie after the date: its first row serves.
        q->stateFirst.Bind(1, std::int64_t{chart.Country}).Bind(2, std::int64_t{chart.State});
        standard = TakeStandard(q->stateFirst);
    }
    if (!standard) {
        // No such state: walk the country's rows in key order while their
        // date is before the chart's, stepping back from a later one.
        tStatement& s = q->countryRows;
        s.Bind(1, std::int64_t{chart.Country});
        std::vector<std::pair<std::pair<std::string, std::int64_t>, tStandard>> rows;
        while (s.Step())
            if (UsableStandard(s.Real(2))) rows.push_back({{s.Text(0), s.Int(1)}, {static_cast<float>(s.Real(2)), s.Int(3)}});
        s.Reset();
        const std::pair<std::string, std::int64_t> moment{date, chart.Hour};
        if (!rows.empty()) {
            std::size_t i = 0;
            while (i + 1 < rows.size() && rows[i].first < moment) ++i;
            if (rows[i].first > moment && i > 0) --i;
            standard = rows[i].second;
        }
    }

    // After the zone file's last listed change its rule goes on, for every
    // later year (the files list changes only to 2037): the rows are not read.
    if (standard)
        if (const auto& r = q->RuleOf(standard->table)) {
            const std::int64_t local = DaysFromCivil({chart.Year, chart.Month, chart.Day}) * 86400 +
                                       std::int64_t{chart.Hour} * 3600 + std::int64_t{chart.Minute} * 60;
            const std::int32_t offset = RuleOffsetAtLocal(r->rule, local);
            if (local - offset > r->after) {
                chart.Adjust = DecimalToDegMin(-offset / 3600.0);
                return true;
            }
        }

    bool sure = false;
    double adjust = kAdjustUnknown;
    if (standard) {
        q->correction.Bind(1, standard->table).Bind(2, date).Bind(3, std::int64_t{chart.Hour});
        bool found = q->correction.Step();
        tStatement* row = &q->correction;
        if (!found) {
            q->correction.Reset();
            row = &q->correctionFirst;
            row->Bind(1, standard->table);
            found = row->Step();
        }
        adjust = found ? row->Real(0) : 0.0;
        sure = found ? row->Int(1) == 0 : true;
        row->Reset();
        if (!UsableCorrection(adjust)) adjust = kAdjustUnknown, sure = false;
    }
    if (adjust < -16 || adjust > 16)
        adjust = AdjustFromCode(adjust, chart.Longitude, chart.Month, sure);
    else  // summed as hours: packed h.mm of opposite signs do not add digit-wise
        adjust = DecimalToDegMin(DegMinToDecimal(adjust) + DegMinToDecimal(standard->adjust));
    chart.Adjust = adjust;
    if (chart.HouseType == 255) sure = true;
    return sure;
}

}  // namespace quintara
