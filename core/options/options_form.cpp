#include "core/options/options_form.h"

#include <algorithm>
#include <charconv>

#include "core/chart/chart_input.h"
#include "core/engine/houses.h"

namespace quintara {

namespace {

OptionSet& SetOf(TMainOptions& o, int n) { return n == 2 ? o.FirstChartSet : n == 3 ? o.SecondChartSet : o.BirthSet; }

const OptionSet& SetOf(const TMainOptions& o, int n)
{
    return n == 2 ? o.FirstChartSet : n == 3 ? o.SecondChartSet : o.BirthSet;
}

}  // namespace

tOptionsForm ReadOptionsForm(const TMainOptions& o, int n)
{
    tOptionsForm f;
    f.setNumber = n == 2 || n == 3 ? n : 1;
    f.set = SetOf(o, f.setNumber);
    f.natalOrbs = o.NatalOrbs;
    f.synastryOrbs = o.SynastryOrbs;
    f.transitAspects = o.TransitAspects;
    f.allAspects = (o.AspectTypes & 4) != 0;
    f.zodiac = o.Zodiac;
    f.ayanamsa = o.Ayanamsa;
    f.ayanamsaEpoch = o.AyanamsaEpoch;
    f.ayanamsaValue = o.AyanamsaValue;
    f.ephemeris = o.Ephemeris;
    f.meanNode = o.MeanNode;
    f.fortuneBySect = o.FortuneBySect;
    f.parallels = o.Parallels;
    f.parallelOrb = o.ParallelOrb;
    f.houseType = o.HouseType;
    f.houseOrb = o.HouseOrb;
    f.houseCentered = o.HouseCentered;
    f.transitOrb = o.TransitOrb;
    f.printLineFactor = o.PrintLineFactor;
    f.birthplace = o.Birthplace;
    f.latitude = o.Latitude;
    f.longitude = o.Longitude;
    return f;
}

bool StoreOptionsForm(const tOptionsForm& f, TMainOptions& o, std::string* error)
{
    SetOf(o, f.setNumber) = f.set;
    o.NatalOrbs = f.natalOrbs;
    o.SynastryOrbs = f.synastryOrbs;
    o.TransitAspects = f.transitAspects;
    o.AspectTypes = f.allAspects ? 15 : 3;
    o.Zodiac = std::clamp(f.zodiac, 0, 1);
    o.Ayanamsa = TMainOptions::IsAyanamsaSetting(f.ayanamsa) ? f.ayanamsa : -1;
    o.AyanamsaEpoch = f.ayanamsaEpoch;
    o.AyanamsaValue = f.ayanamsaValue;
    o.Ephemeris = std::clamp(f.ephemeris, 0, 1);
    o.MeanNode = f.meanNode;
    o.FortuneBySect = f.fortuneBySect;
    o.Parallels = f.parallels;
    o.ParallelOrb = std::clamp(f.parallelOrb, 0.1, 3.0);
    o.HouseType = IsHouseSystem(f.houseType) ? f.houseType : 0;
    o.HouseCentered = f.houseCentered;
    o.HouseOrb = f.houseCentered ? 0 : std::clamp(f.houseOrb, 0, 30);
    o.TransitOrb = std::clamp(f.transitOrb, 1, 100);
    o.PrintLineFactor = std::clamp(f.printLineFactor, 0, kMaxLineWidth);
    o.Birthplace = f.birthplace;
    o.Latitude = f.latitude;
    o.Longitude = f.longitude;
    const bool written = o.WriteParameters(error);
    o.SaveOptions();
    return written;
}

std::optional<int> ReadOrbField(const std::string& text, std::string& error)
{
    return ParseWhole(text, 0, kMaxOrb, error);
}

std::optional<int> ReadLineWidthField(const std::string& text, std::string& error)
{
    return ParseWhole(text, 0, kMaxLineWidth, error);
}

std::optional<int> ReadHouseOrbField(const std::string& text, std::string& error) { return ParseWhole(text, 0, 30, error); }

std::optional<int> ReadTransitOrbField(const std::string& text, std::string& error)
{
    return ParseWhole(text, 0, 100, error);
}

std::optional<double> ReadParallelOrbField(const std::string& text, std::string& error)
{
    double v = 0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    if (r.ec != std::errc() || r.ptr != end || !(v >= 0.1 && v <= 3.0)) {
        error = "give degrees of declination from 0.1 to 3, like 1.0";
        return std::nullopt;
    }
    return v;
}

}  // namespace quintara
