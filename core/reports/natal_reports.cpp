#include "core/reports/natal_reports.h"

#include <algorithm>

#include "core/aspects/aspects.h"
#include "core/chart/chart.h"
#include "core/engine/angles.h"
#include "core/engine/body_numbers.h"
#include "core/engine/houses.h"
#include "core/i18n/caption_ids.h"
#include "core/i18n/text_encoding.h"

namespace quintara {
namespace {

constexpr int kTimeUnknown = 255;

bool HasHouses(const tChart& c) { return c.HouseType != kTimeUnknown; }

// The ayanamsa and, in a sidereal chart, its name.
std::string ZodiacLine(const tChart& c, const tReportContext& ctx)
{
    std::string s = ctx.Caption(caption::kZodiacInDegrees) + DegMin(c.Ayanamsa, 6);
    if (IsSidereal(c.Zodiac)) s.append(" (").append(ctx.Caption(caption::AyanamsaName(c.Zodiac))).append(")");
    return s;
}

// Sign name, TAB, degrees in sign (5.2), then " R" and TAB, or TAB.
std::string SignColumns(double longitude, bool retrograde, const tReportContext& ctx)
{
    const tSignPos sp = SignPosition(2, longitude);
    std::string s = ctx.SignName(sp.Sign) + "\t" + Fixed(sp.Degrees, 5, 2);
    if (retrograde) s.append(" ").append(ctx.Caption(caption::kRetrograde));
    return s + "\t";
}

std::string BodyColumns(const tChart& c, int n, const tReportContext& ctx)
{
    return ctx.BodyName(c, n) + "\t" + SignColumns(c.BodyPosition(n), c.Retrograde(n), ctx);
}

bool IsDominant(int n) { return n >= 37 && n <= 48; }

// The declination (d.mm, north positive) and its mark beyond the Sun's
// greatest, which sets outOfBounds (the list's footnote).
std::string DeclinationColumn(const tPlanet& b, bool& outOfBounds)
{
    std::string s = DegMin(b.Declination(), 6);
    if (!b.OutOfBounds()) return s;
    outOfBounds = true;
    return s + " *";
}

void OutOfBoundsNote(tReportText& text, bool outOfBounds, const tReportContext& ctx)
{
    if (outOfBounds) text.AddLine("* " + ctx.Caption(caption::kOutOfBounds) + " (" + ctx.Caption(caption::kDeclination) + ")");
}

}  // namespace

std::string HouseSystemName(const tChart& c, const tReportContext& ctx)
{
    if (!HasHouses(c)) return ctx.Caption(caption::kTimeUnknown);
    return IsHouseSystem(c.HouseType) ? ctx.Caption(caption::HouseSystem(c.HouseType)) : std::string();
}

void WriteHeader(tReportText& text, tChart& c, const tReportContext& ctx)
{
    if (c.Name.empty()) {
        c.Name = ctx.Date(c.Year, c.Month, c.Day);
        c.FirstName = ctx.Time(c.Hour, c.Minute);
    }
    text.SetFormat({});
    text.AddLine(c.Name + " " + c.FirstName + " " + c.Comment + "  " + ctx.Caption(caption::kSex) + " " +
                 ctx.Caption(c.Sex ? caption::kMale : caption::kFemale));
    const std::string country = ctx.CountryName ? ctx.CountryName(c.Country) : std::string();
    // The state by its name, never its code; a name the place already says is not repeated.
    std::string state = ctx.StateName ? ctx.StateName(c.Country, c.State) : std::string();
    if (state == c.BirthPlace || state == c.BirthPlace + " region") state.clear();
    text.AddLine(c.BirthPlace + " " + (state.empty() ? "" : state + " ") + country + " " + ctx.LongDateTime(c) + "  " +
                 ctx.Caption(52) + " " + Fixed(c.JulianDay, 10, 2));
    text.AddLine(ctx.Caption(caption::kAdjust) + Fixed(c.Adjust, 6, 2) + "  " + ctx.Caption(57) + " " +
                 Fixed(HoursDegMin(2, c.SiderealT), 6, 2) + "  " + ctx.Caption(caption::kLatitude) + " " + Fixed(c.Latitude, 6, 2) +
                 "  " + ctx.Caption(caption::kLongitude) + " " + Fixed(c.Longitude, 6, 2));
    text.AddLine("");
}

// A name column: the usual 8 units, wider for a longer name (another
// language's, a fixed star's) so that the next column stays aligned.
int NameColumn(std::size_t longest) { return longest <= 9 ? 8 : std::max(16, static_cast<int>(longest) + 1); }

std::size_t LongestName(const tReportContext& ctx, int first, int last)
{
    std::size_t longest = 0;
    for (int n = first; n <= last; ++n) longest = std::max(longest, Utf8Length(ctx.BodyName(n)));
    return longest;
}

void WritePairHeader(tReportText& text, tChart& first, tChart& second, const tReportContext& ctx)
{
    WriteHeader(text, first, ctx);
    WriteHeader(text, second, ctx);
}

void WriteList(tReportText& text, const tChart& c, const tReportContext& ctx)
{
    text.SetTabs({NameColumn(LongestName(ctx, 1, 12)), 10, 10, 10, NameColumn(LongestName(ctx, 13, 24)), 10, 8});
    text.AddLine(ZodiacLine(c, ctx) + "\t\t\t" + HouseSystemName(c, ctx));
    text.AddLine("");
    bool outOfBounds = false;
    for (int i = 1; i <= 12; ++i) {
        std::string line = BodyColumns(c, i, ctx) + DeclinationColumn(*c.FindBody(i), outOfBounds) + "\t";
        if (HasHouses(c)) {
            const tSignPos sp = SignPosition(2, c.HouseCusp(i));
            line += ctx.BodyName(c, 12 + i) + "\t" + ctx.SignName(sp.Sign) + "\t" + Fixed(sp.Degrees, 5, 2);
        }
        text.AddLine(line);
    }
    // The true angles below the cusps where these are not on them.
    for (int n : {kAscendant, kMidheaven})
        if (HasHouses(c) && !c.AngleOnCusp(n)) {
            const tSignPos sp = SignPosition(2, n == kAscendant ? c.Ascendant() : c.Midheaven());
            text.AddLine(std::string("\t\t\t\t").append(ctx.BodyName(n)).append("\t").append(ctx.SignName(sp.Sign))
                             .append("\t").append(Fixed(sp.Degrees, 5, 2)));
        }
    // The asteroids and points in the planets' columns; a wider first
    // column only when a name (a fixed star's) needs it.
    std::size_t longest = 0;
    for (int p = 25; p <= c.BodyCount(); ++p)
        if (!IsDominant(c.BodyAt(p)->Num)) longest = std::max(longest, Utf8Length(ctx.BodyName(c.BodyAt(p)->Num)));
    text.SetTabs({NameColumn(longest), 10, 10, 10, 8});
    text.AddLine("");
    for (int p = 25; p <= c.BodyCount(); ++p) {
        const tPlanet& b = *c.BodyAt(p);
        // A point without a position (made of the angles of a chart without
        // a birth time, one its ephemeris cannot give) is left out; so are
        // the hidden ones (the lots a shown lot is made of).
        if (IsDominant(b.Num) || b.GetPosition() < 0 || (b.Num > kJuno && !b.Visible)) continue;
        text.AddLine(ctx.BodyName(c, b.Num) + "\t" + SignColumns(b.GetPosition(), b.Retrograde, ctx) +
                     DeclinationColumn(b, outOfBounds));
    }
    OutOfBoundsNote(text, outOfBounds, ctx);
    const std::string signs = ctx.Caption(26) + " ";
    std::size_t left = 0, right = 0;
    for (int k = 27; k <= 31; ++k) left = std::max(left, Utf8Length(signs + ctx.Caption(k)));
    for (int k = 32; k <= 35; ++k) right = std::max(right, Utf8Length(signs + ctx.Caption(k)));
    text.SetTabs({std::max(14, static_cast<int>(left) + 1), 4, std::max(14, static_cast<int>(right) + 1), 4});
    text.AddLine("");
    const tSignDistribution d = SignDistribution(c);
    text.AddLine(signs + ctx.Caption(27) + "\t" + Whole(d[0], 2));
    for (int i = 2; i <= 5; ++i)
        text.AddLine(signs + ctx.Caption(26 + i) + "\t" + Whole(d[static_cast<std::size_t>(i - 1)], 2) + "\t" + signs +
                     ctx.Caption(30 + i) + "\t" + Whole(d[static_cast<std::size_t>(i + 3)], 2));
    if (HasHouses(c)) WritePlanetsInHouses(text, c, ctx);
}

void WritePlanetsInHouses(tReportText& text, const tChart& c, const tReportContext& ctx)
{
    text.SetTabs({NameColumn(LongestName(ctx, 1, 12)), 4, 3});
    text.AddLine("");
    for (int i = 1; i <= 12; ++i) {
        const int house = HouseOf(c, i, ctx.HouseRule);
        text.AddLine(ctx.BodyName(i) + "\t" + ctx.Caption(caption::kIn) + "\t" + (house >= 1 ? ctx.BodyName(c, 12 + house) : ""));
    }
    text.AddLine("");
}

void WriteFullList(tReportText& text, const tChart& c, const tReportContext& ctx)
{
    text.AddLine("");
    text.SetTabs({3, 16, 10, 8, 6, 6, 8, 8, 8});
    text.AddLine(ZodiacLine(c, ctx));
    text.AddLine("");
    bool outOfBounds = false;
    for (int p = 1; p <= c.BodyCount(); ++p) {
        const int n = c.BodyAt(p)->Num;
        if ((n >= 13 && n <= 24 && !HasHouses(c)) || IsDominant(n) || c.BodyPosition(n) < 0) continue;
        if (n == 13) {
            text.AddLine(HouseSystemName(c, ctx));
            text.AddLine("");
        }
        // A longitude that rounds up to 360.00 reads 0.00.
        const double lon = RoundDegMinCarry(2, c.BodyPosition(n)) >= 360 ? 0.0 : c.BodyPosition(n);
        std::string line = Whole(n, 2) + "\t" + BodyColumns(c, n, ctx) + DegMin(lon, 6) + "\t";
        const tPlanet& b = *c.BodyAt(p);
        line += (p >= 2 && p <= 10) || (p >= 25 && b.Latitude != 0) ? DegMin(b.Latitude, 6) + "\t" : "\t";
        // The declination, marked beyond the Sun's greatest; the cusps have none listed.
        if (n < kAscendant || n > kLastCusp) line += DeclinationColumn(b, outOfBounds);
        line += "\t";
        if ((p <= 12 || p >= 25) && HasHouses(c)) {
            const int house = HouseOf(c, n, ctx.HouseRule);
            if (house >= 1) line += ctx.BodyName(c, 12 + house) + "\t" + std::to_string(house);
        }
        text.AddLine(line);
        if (n == 24)
            for (int angle : {kAscendant, kMidheaven})
                if (!c.AngleOnCusp(angle)) {
                    const double at = angle == kAscendant ? c.Ascendant() : c.Midheaven();
                    text.AddLine(std::string("\t").append(ctx.BodyName(angle)).append("\t")
                                     .append(SignColumns(at, false, ctx)).append(DegMin(at, 6)));
                }
        if (n == 12 || n == 24 || n == 36) text.AddLine("");
    }
    text.AddLine("");
    OutOfBoundsNote(text, outOfBounds, ctx);
}

void SetAspectTabs(tReportText& text, const tAspectsCollection& aspects, const tReportContext& ctx,
                   const std::string& head1, const std::string& head3)
{
    // Columns as wide as their longest word, so that no name is cut and no
    // row pushed out of line ("Part of Fortune", a long translation).
    std::size_t body1 = Utf8Length(head1), aspect = Utf8Length(ctx.Caption(caption::kAspect)), body2 = Utf8Length(head3);
    for (const tAspect& a : aspects.Items()) {
        body1 = std::max(body1, Utf8Length(ctx.BodyName(a.Body1)));
        aspect = std::max(aspect, Utf8Length(ctx.AspectName(a.Aspect)));
        body2 = std::max(body2, Utf8Length(ctx.BodyName(a.Body2)));
    }
    text.SetTabs({ColumnWidth(body1, 8), ColumnWidth(aspect, 10), ColumnWidth(body2, 8), 6});
}

int ColumnWidth(std::size_t longest, int least) { return std::max(least, static_cast<int>(longest) + 2); }

void WriteAspectLines(tReportText& text, const tAspectsCollection& aspects, const tReportContext& ctx, bool twoCharts)
{
    long long positive = 0, negative = 0;
    for (const tAspect& a : aspects.Items()) {
        text.AddLine(ctx.BodyName(a.Body1) + "\t" + ctx.AspectName(a.Aspect) + "\t" + ctx.BodyName(a.Body2) + "\t" +
                     DegMin(a.Orb, 5) + "\t" + Whole(RoundScore(a.Score), 4));
        const long long s = RoundScore(a.Score);
        (s >= 0 ? positive : negative) += s;
    }
    text.AddLine(std::string(twoCharts ? "\t\t" : "\t") + Whole(positive, 7) + "\t" + Whole(negative, 7) + "\t" +
                 Whole(positive + negative, 7));
    text.AddLine("");
}

void DisplayAspects(tReportText& text, const tChart& c, tAspectsCollection& aspects, const tReportContext& ctx,
                    bool withHeading)
{
    text.AddLine(" ");
    aspects.BuildNatal(c);
    aspects.ScoreNatal(c);
    const std::string planet1 = ctx.Caption(caption::kPlanet) + " 1", planet2 = ctx.Caption(caption::kPlanet) + " 2";
    SetAspectTabs(text, aspects, ctx, planet1, planet2);
    if (withHeading)
        text.AddLine(planet1 + "\t" + ctx.Caption(caption::kAspect) + "\t" + planet2 + "\t" + ctx.Caption(caption::kOrbValue));
    WriteAspectLines(text, aspects, ctx, false);
}

}  // namespace quintara
