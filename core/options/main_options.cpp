#include "core/options/main_options.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <dirent.h>

#include "core/engine/houses.h"
#include "core/engine/ephemeris_service.h"
#include "core/platform/ascii.h"
#include "core/platform/atomic_file.h"
#include "core/platform/file_names.h"
#include "core/platform/locale_env.h"

namespace quintara {
namespace {

constexpr const char* kParameters = "Parameters";
constexpr const char* kFont = "Font";
constexpr const char* kAnalysisFiles = "AnalysisFiles";

// The directory entry whose name equals name without regard to case.
std::string FindIgnoringCase(const std::string& dir, const std::string& name)
{
    std::string found;
    if (DIR* d = opendir(dir.empty() ? "." : dir.c_str())) {
        while (const dirent* e = readdir(d))
            if (SameNameIgnoringCase(e->d_name, name)) {
                found = e->d_name;
                if (found == name) break;  // the exact spelling wins
            }
        closedir(d);
    }
    return found;
}

std::string BaseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string DefaultAnalysisFile(int kind, int languageCode)
{
    const char* base = (kind == 1 || kind == 2 || kind == 6 || kind == 7) ? "transit"
                       : kind == 3                                       ? "comptwo"
                                                                         : "analyse";
    const char* ext = languageCode == 31 ? ".anl" : languageCode == 33 ? ".afr"
                    : languageCode == 351 ? ".apo" : ".agb";
    return std::string(base) + ext;
}

TMainOptions::TMainOptions(std::string h)
    : home(std::move(h)), profile(JoinPath(home, kSettingsFileName))
{
    if (!profile.Whole()) SetSettingsAside();
    SelectOptionSet(1);
    CurrentOrbs = &NatalOrbs;
    Apply(tOptionRecord::Defaults());
    GetFont();
}

void TMainOptions::SetSettingsAside()
{
    // Values of a cut file could send the charts anywhere ("ChartFile=/t"):
    // the file is kept beside itself for the user, the defaults are used.
    const std::string path = profile.Path();
    const std::string aside = SetAside(path);
    if (aside.empty()) {
        problems.push_back("the settings file " + path + " is damaged (cut short); the built-in settings are in use");
        profile.SetText("");
        return;
    }
    problems.push_back("the settings file " + path + " was damaged (cut short) and is kept as " + aside +
                       "; the built-in settings are in use");
    profile.Reload();
}

std::string TMainOptions::HomePath(const std::string& name) const { return JoinPath(home, name); }

void TMainOptions::ReadParameters()
{
    const tProfileFile& p = profile;
    // A value out of its range reads as its default: a damaged file can
    // then never overflow the arithmetic it feeds (margins, line widths).
    const auto integer = [&](const char* key, std::int32_t fallback, std::int32_t lo, std::int32_t hi) {
        const std::int32_t v = p.ReadInteger(kParameters, key, fallback);
        return v >= lo && v <= hi ? v : fallback;
    };
    const auto real = [&](const char* key, double fallback, double limit) {
        const double v = p.ReadFloat(kParameters, key, fallback);
        return std::isfinite(v) && std::fabs(v) <= limit ? v : fallback;
    };
    LeftMargin = integer("LeftMargin", 2500, 0, kMaxMargin);
    TopMargin = integer("TopMargin", 2000, 0, kMaxMargin);
    RightMargin = integer("RightMargin", 1500, 0, kMaxMargin);
    BottomMargin = integer("BottomMargin", 2000, 0, kMaxMargin);
    Toolbar = p.ReadBool(kParameters, "Toolbar", true);
    Statusbar = p.ReadBool(kParameters, "Statusbar", true);
    Header = p.ReadBool(kParameters, "Header", true);
    HouseCentered = p.ReadBool(kParameters, "HouseCentered", false);
    TransitTimesUniversal = p.ReadBool(kParameters, "TransitTimesUniversal", false);
    Footer = p.ReadString(kParameters, "Footer", kDefaultFooter);
    Birthplace = p.ReadString(kParameters, "Birthplace", "");
    Longitude = real("Longitude", 0.0, 180);
    Latitude = real("Latitude", 0.0, 90);
    PrintLineFactor = integer("PrintLineFactor", 0, 0, kMaxLineWidth);
    AspectTypes = integer("AspectTypes", 3, 0, 15);
    HouseOrb = integer("HouseOrb", 0, 0, 30);
    // An orb divider below 1 would widen the orbs without end.
    TransitOrb = integer("TransitOrb", 4, 1, 100);
    Zodiac = integer("Zodiac", 0, 0, 1);
    Ayanamsa = integer("Ayanamsa", -1, -1, 255);
    if (!IsAyanamsaSetting(Ayanamsa)) Ayanamsa = -1;
    AyanamsaEpoch = real("AyanamsaEpoch", 2451545.0, 26000000);
    AyanamsaValue = real("AyanamsaValue", 23.85, 360);
    // A code of no house system would select none at all.
    HouseType = integer("HouseType", 0, 0, kHouseSystemCount - 1);
    if (!IsHouseSystem(HouseType)) HouseType = 0;
    // A settings file without the key keeps built-in positions, so an
    // existing home does not change under its user; a new home, with no
    // settings file yet, starts precise where the data files are installed,
    // and keeps that choice once the file is written.
    const bool newHome = !FileExists(p.Path());
    Ephemeris = integer("Ephemeris", newHome && PreciseEphemerisInstalled() ? 1 : 0, 0, 1);
    if (newHome) profile.WriteInteger(kParameters, "Ephemeris", Ephemeris);
    MeanNode = p.ReadBool(kParameters, "MeanNode", false);
    FortuneBySect = p.ReadBool(kParameters, "FortuneBySect", false);
    Parallels = p.ReadBool(kParameters, "Parallels", false);
    ParallelOrb = real("ParallelOrb", 1.0, 3);
    if (!(ParallelOrb >= 0.1)) ParallelOrb = 1.0;
    Zoom = static_cast<float>(real("Zoom", 1.0, 10));
    if (!(Zoom > 0.0f)) Zoom = 1.0f;
}

tZodiacChoice TMainOptions::ZodiacChoice() const { return Zodiac == 0 ? tZodiacChoice{} : SiderealChoice(); }

int TMainOptions::AyanamsaSetting(int code)
{
    if (code == kUserAyanamsa) return 255;
    return code >= kAyanamsaBase && code < kAyanamsaBase + kAyanamsaCount ? code - kAyanamsaBase : -1;
}

tZodiacChoice TMainOptions::SiderealChoice() const
{
    if (Ayanamsa == 255) return {kUserAyanamsa, {AyanamsaEpoch, AyanamsaValue}};
    if (Ayanamsa >= 0 && Ayanamsa < kAyanamsaCount) return {kAyanamsaBase + Ayanamsa};
    return {kClassicSidereal};
}

bool TMainOptions::WriteParameters(std::string* error)
{
    tProfileFile& p = profile;
    p.WriteBool(kParameters, "Toolbar", Toolbar);
    p.WriteBool(kParameters, "Statusbar", Statusbar);
    p.WriteInteger(kParameters, "AspectTypes", AspectTypes);
    p.WriteInteger(kParameters, "HouseOrb", HouseOrb);
    p.WriteInteger(kParameters, "TransitOrb", TransitOrb);
    p.WriteInteger(kParameters, "Zodiac", Zodiac);
    p.WriteInteger(kParameters, "Ayanamsa", Ayanamsa);
    p.WriteFloat(kParameters, "AyanamsaEpoch", AyanamsaEpoch);
    p.WriteFloat(kParameters, "AyanamsaValue", AyanamsaValue);
    p.WriteInteger(kParameters, "HouseType", HouseType);
    p.WriteInteger(kParameters, "Ephemeris", Ephemeris);
    p.WriteBool(kParameters, "MeanNode", MeanNode);
    p.WriteBool(kParameters, "FortuneBySect", FortuneBySect);
    p.WriteBool(kParameters, "Parallels", Parallels);
    p.WriteFloat(kParameters, "ParallelOrb", ParallelOrb);
    p.WriteInteger(kParameters, "PrintLineFactor", PrintLineFactor);
    p.WriteBool(kParameters, "Header", Header);
    p.WriteBool(kParameters, "HouseCentered", HouseCentered);
    p.WriteBool(kParameters, "TransitTimesUniversal", TransitTimesUniversal);
    p.WriteString(kParameters, "Footer", Footer);
    p.WriteString(kParameters, "Birthplace", Birthplace);
    p.WriteFloat(kParameters, "Longitude", Longitude);
    p.WriteFloat(kParameters, "Latitude", Latitude);
    p.WriteSingle(kParameters, "Zoom", Zoom);
    return p.Flush(error);
}

bool TMainOptions::SetMargins(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    LeftMargin = left;
    TopMargin = top;
    RightMargin = right;
    BottomMargin = bottom;
    profile.WriteInteger(kParameters, "LeftMargin", left);
    profile.WriteInteger(kParameters, "TopMargin", top);
    profile.WriteInteger(kParameters, "RightMargin", right);
    profile.WriteInteger(kParameters, "BottomMargin", bottom);
    return profile.Flush();
}

const tExtFont& TMainOptions::GetFont()
{
    const tExtFont fallback;
    ReportFont.Name = profile.ReadString(kFont, "Name", fallback.Name);
    ReportFont.Size = profile.ReadInteger(kFont, "Size", fallback.Size);
    if (ReportFont.Name.empty()) ReportFont.Name = fallback.Name;
    if (ReportFont.Size < 1 || ReportFont.Size > 1000) ReportFont.Size = fallback.Size;
    return ReportFont;
}

bool TMainOptions::SetFont(const tExtFont& font)
{
    ReportFont = font;
    profile.WriteString(kFont, "Name", font.Name);
    profile.WriteInteger(kFont, "Size", font.Size);
    return profile.Flush();
}

void TMainOptions::Refuse(const std::string& what, const std::string& name, const std::string& fallback) const
{
    const std::string message = RefusedFileName(what, name, fallback);
    if (std::find(said.begin(), said.end(), message) != said.end()) return;
    said.push_back(message);
    problems.push_back(message);
}

std::vector<std::string> TMainOptions::TakeSettingsProblems() { return std::exchange(problems, {}); }

void TMainOptions::CheckFileSettings() const
{
    GetChartFile();
    for (int kind = 0; kind <= 7; ++kind) GetAnalysisFile(kind);
}

std::string TMainOptions::GetChartFile() const
{
    const std::string name = profile.ReadString(kParameters, "ChartFile", "chart.db");
    if (name.empty()) return "chart.db";
    if (HasParentStep(name)) {
        Refuse("chart file", name, "chart.db");
        return "chart.db";
    }
    return name;
}

bool TMainOptions::SetChartFile(const std::string& name)
{
    profile.WriteString(kParameters, "ChartFile", name);
    return profile.Flush();
}

std::string TMainOptions::GetHelpFile()
{
    std::string name = profile.ReadString(kParameters, "HelpFile", "");
    if (!name.empty() && IsBareFileName(name)) return name;
    const std::string fallback = "Astro" + LocaleLanguageLetters() + ".hlp";
    if (!name.empty()) {
        Refuse("help file", name, fallback);
        return fallback;
    }
    SetHelpFile(fallback);
    return fallback;
}

bool TMainOptions::SetHelpFile(const std::string& name)
{
    profile.WriteString(kParameters, "HelpFile", name);
    return profile.Flush();
}

std::string TMainOptions::GetAnalysisFile(int kind) const
{
    const std::string stored = profile.ReadString(kAnalysisFiles, std::to_string(kind), "");
    const std::string fallback = DefaultAnalysisFile(kind, LanguageCode());
    if (stored.empty()) return fallback;
    if (IsBareFileName(stored)) return stored;
    Refuse("analysis file", stored, fallback);
    return fallback;
}

int TMainOptions::LanguageCode() const
{
    return runLanguageChosen ? runLanguage : profile.ReadInteger("Language", "Current", runLanguage);
}

bool TMainOptions::SetAnalysisFile(int kind, const std::string& name)
{
    profile.WriteString(kAnalysisFiles, std::to_string(kind), BaseName(name));
    return profile.Flush();
}

tOptionRecord TMainOptions::Record() const
{
    tOptionRecord r;
    r.BirthSet = BirthSet;
    r.FirstChartSet = FirstChartSet;
    r.SecondChartSet = SecondChartSet;
    r.TransitAspects = TransitAspects;
    r.NatalOrbs = NatalOrbs;
    r.SynastryOrbs = SynastryOrbs;
    return r;
}

void TMainOptions::Apply(const tOptionRecord& r)
{
    BirthSet = r.BirthSet;
    FirstChartSet = r.FirstChartSet;
    SecondChartSet = r.SecondChartSet;
    TransitAspects = r.TransitAspects;
    NatalOrbs = r.NatalOrbs;
    SynastryOrbs = r.SynastryOrbs;
}

bool TMainOptions::ReadOptionFile(const std::string& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes) || !tOptionRecord::LooksWhole(bytes)) return false;
    const std::optional<tOptionRecord> r = tOptionRecord::Decode(bytes);
    if (!r) return false;
    Apply(*r);
    return true;
}

bool TMainOptions::WriteOptionFile(const std::string& path, std::string* error) const
{
    const auto bytes = Record().Encode();
    return WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
}

void TMainOptions::LoadOptions()
{
    const std::string found = FindIgnoringCase(home, kOptionFileName);
    if (found.empty()) {
        ResetOptions();
        return;
    }
    if (ReadOptionFile(HomePath(found))) return;
    // Kept as it is for the user to look at; the defaults are in use.
    problems.push_back("the option file " + HomePath(found) + " is damaged and was not read; the default options (" +
                       kDefaultOptionFileName + ") are in use, and the file is kept as it is until options are saved");
    if (!ReadOptionFile(HomePath(kDefaultOptionFileName))) Apply(tOptionRecord::Defaults());
}

bool TMainOptions::SaveOptions(std::string* error)
{
    const std::string found = FindIgnoringCase(home, kOptionFileName);
    return WriteOptionFile(HomePath(found.empty() ? kOptionFileName : found), error);
}

bool TMainOptions::OpenOptions(const std::string& path)
{
    // A file the user chose that is no option file must not cost the
    // settings in use: they stay, the caller says why.
    return ReadOptionFile(path);
}

bool TMainOptions::SaveOptionsAs(const std::string& path, std::string* error)
{
    return WriteOptionFile(path, error);
}

bool TMainOptions::SaveAsDefault(std::string* error)
{
    return WriteOptionFile(HomePath(kDefaultOptionFileName), error);
}

bool TMainOptions::LoadDefault()
{
    const std::string path = HomePath(kDefaultOptionFileName);
    if (!FileExists(path)) SaveAsDefault();
    if (ReadOptionFile(path)) return true;
    ResetOptions();
    return false;
}

void TMainOptions::ResetOptions()
{
    Apply(tOptionRecord::Defaults());
    Zoom = 1.0f;
    SaveOptions();
}

int TMainOptions::SelectOptionSet(int n)
{
    if (n == 2) {
        CurrentSet = &FirstChartSet;
        DialogCaption = 93;
    } else if (n == 3) {
        CurrentSet = &SecondChartSet;
        DialogCaption = 94;
    } else {
        CurrentSet = &BirthSet;
        DialogCaption = 90;
    }
    return DialogCaption;
}

}  // namespace quintara
