// The settings object: scalar preferences in "Astro.ini", option sets and
// orb tables in the 1488-byte option files, all in the program home.
// Platform-free; the options dialog is a separate window over this object.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/engine/ephemeris_service.h"
#include "core/engine/zodiac.h"
#include "core/options/chart_rules.h"
#include "core/options/option_set.h"
#include "core/platform/profile_file.h"

namespace quintara {

// A font with the extra record the pictures write: the report font's
// settings (section "Font"), and the font state of a drawing canvas.
struct tExtFont {
    std::string Name = "New Times Roman";  // the literal is used as written
    std::int32_t Size = 11;                // points
    std::uint32_t Color = 0;               // 0x00BBGGRR
    std::int32_t Orientation = 0;          // tenths of a degree, counter-clockwise
    bool operator==(const tExtFont&) const = default;
};

// Report kinds, in the order of the analysis-file list.
enum tAnalysisKind : int {
    kAnalysisBirthChart = 0,
    kAnalysisTransits = 1,
    kAnalysisCompareToDay = 2,
    kAnalysisSynastry = 3,
    kAnalysisSunReturn = 4,
    kAnalysisProgression = 5,
    kAnalysisCompareReturn = 6,
    kAnalysisCompareProgression = 7,
};

inline constexpr const char* kSettingsFileName = "Astro.ini";
inline constexpr const char* kOptionFileName = "Option32.cfg";
inline constexpr const char* kDefaultOptionFileName = "Defaul32.cfg";
inline constexpr const char* kDefaultFooter =
    "Quintara " QUINTARA_VERSION " - astrological calculations by the Quintara developers";

// The widest page margin, hundredths of a millimetre (30 cm).
inline constexpr std::int32_t kMaxMargin = 30000;

class TMainOptions {
public:
    // home: the program home directory (see program_home.h). Reads the font;
    // ReadParameters and LoadOptions are the caller's next steps.
    explicit TMainOptions(std::string home);

    const std::string& Home() const { return home; }
    // A file of the program home.
    std::string HomePath(const std::string& name) const;
    tProfileFile& Profile() { return profile; }

    // --- "Astro.ini" ---
    void ReadParameters();
    // Writes the scalar preferences listed for it (not margins, font, files).
    bool WriteParameters(std::string* error = nullptr);
    bool SetMargins(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    const tExtFont& GetFont();
    bool SetFont(const tExtFont& font);
    // Names of files the settings point at that were refused (they would
    // leave the home), one message each, for the user to be told once.
    std::vector<std::string> TakeSettingsProblems();
    // Reads every file name the settings hold (chart and analysis files), so
    // that refused ones are among the problems at start-up.
    void CheckFileSettings() const;

    // The chart table's file name, relative to the home (or absolute, as
    // the user chose it); a relative name that climbs out with ".." is
    // refused.
    std::string GetChartFile() const;
    bool SetChartFile(const std::string& name);
    // Stored help file, else "Astro" + the locale's two language letters +
    // ".hlp", stored. A stored name that is no bare file name is refused.
    std::string GetHelpFile();
    bool SetHelpFile(const std::string& name);
    // Stored name, else the default base name with the extension of the
    // current language (section "Language", key "Current"). A stored name
    // that is no bare file name is refused.
    std::string GetAnalysisFile(int kind) const;
    // The language in use (1 English, 33 French): the run's when one was
    // chosen for it, else the settings', else the one the locale gave.
    int LanguageCode() const;
    // The language of this run: chosen (the command line) or, without a
    // stored choice, the locale's; never written to the settings.
    void SetRunLanguage(int code, bool chosen)
    {
        runLanguage = code;
        runLanguageChosen = chosen;
    }
    bool SetAnalysisFile(int kind, const std::string& name);

    // --- option files ---
    // "Option32.cfg" (name found without regard to case); missing: reset;
    // unreadable: LoadDefault.
    void LoadOptions();
    // The automatic saves ignore a failure (the next save tries again); the
    // user's Save options reports it.
    bool SaveOptions(std::string* error = nullptr);
    // User-chosen file. False when it cannot be read or holds no option
    // record (shorter than 1488 bytes); the settings are then unchanged.
    bool OpenOptions(const std::string& path);
    // User-initiated saves report failure; the settings in memory never change.
    bool SaveOptionsAs(const std::string& path, std::string* error = nullptr);
    bool SaveAsDefault(std::string* error = nullptr);
    // The user's defaults; missing: the current options become them. False
    // when the file is damaged: the built-in defaults are taken instead.
    bool LoadDefault();
    // Built-in defaults, then SaveOptions.
    void ResetOptions();
    // 2 first chart, 3 second chart, otherwise birth chart. Returns the
    // caption number of the dialog title (93, 94, 90).
    int SelectOptionSet(int n);

    tOptionRecord Record() const;
    void Apply(const tOptionRecord& r);

    // Settings of "Parameters"; ReadParameters takes a value out of its
    // range (margins 0..kMaxMargin, line factor 0..kMaxLineWidth, orbs,
    // codes, coordinates) as the default.
    std::int32_t LeftMargin = 2500, TopMargin = 2000, RightMargin = 1500, BottomMargin = 2000;
    bool Toolbar = true, Statusbar = true, Header = true, HouseCentered = false;
    // Transit moments in universal time rather than on the natal place's clock.
    bool TransitTimesUniversal = false;
    std::string Footer = kDefaultFooter;
    std::string Birthplace;
    double Longitude = 0.0, Latitude = 0.0;  // degrees of the default locality
    std::int32_t PrintLineFactor = 0;
    std::int32_t AspectTypes = 3;  // 3 major aspects, 15 all
    std::int32_t HouseOrb = 0;
    std::int32_t TransitOrb = 4;
    std::int32_t Zodiac = 0;  // 0 tropical, 1 sidereal
    // The sidereal zodiac's ayanamsa: -1 the classic shift (what a settings
    // file without the key means), 0..46 by the common numbering, 255 the
    // user's: AyanamsaValue degrees at the Julian day AyanamsaEpoch (UT).
    std::int32_t Ayanamsa = -1;
    double AyanamsaEpoch = 2451545.0, AyanamsaValue = 23.85;
    // The zodiac charts are cast in, as a chart's code.
    tZodiacChoice ZodiacChoice() const;
    // The ephemeris a chart made now asks for.
    std::uint8_t EphemerisSource() const { return EphemerisSourceOf(Ephemeris); }
    // The sidereal zodiac of the settings' ayanamsa, whatever Zodiac says.
    tZodiacChoice SiderealChoice() const;
    // Whether n is an Ayanamsa setting, and the setting of a sidereal code.
    static bool IsAyanamsaSetting(int n) { return (n >= -1 && n < kAyanamsaCount) || n == 255; }
    static int AyanamsaSetting(int zodiacCode);
    std::int32_t HouseType = 0;
    // 0 built-in theory, 1 precise ephemeris; a settings file without the
    // key reads as built-in.
    std::int32_t Ephemeris = 0;
    // Body 12 the mean node (else the true one, as a settings file without
    // the key reads); the Part of Fortune reversed at night.
    bool MeanNode = false, FortuneBySect = false;
    // Parallels and contraparallels of declination among the aspects, and
    // their orb in degrees (0.1 to 3; 1 without the key).
    bool Parallels = false;
    double ParallelOrb = 1.0;
    // What a chart made or read now follows: the ephemeris and these rules.
    tChartRules ChartRules() const { return {EphemerisSource(), MeanNode, FortuneBySect}; }
    float Zoom = 1.0f;

    tExtFont ReportFont;

    OptionSet BirthSet, FirstChartSet, SecondChartSet;
    std::array<bool, 36> TransitAspects{};
    tOrbTable NatalOrbs, SynastryOrbs;
    OptionSet* CurrentSet = &BirthSet;
    tOrbTable* CurrentOrbs = &NatalOrbs;
    int DialogCaption = 90;

    TMainOptions(const TMainOptions&) = delete;
    TMainOptions& operator=(const TMainOptions&) = delete;

private:
    bool ReadOptionFile(const std::string& path);
    bool WriteOptionFile(const std::string& path, std::string* error) const;

    // A refused name: said once, however often the setting is read.
    void Refuse(const std::string& what, const std::string& name, const std::string& fallback) const;

    std::string home;
    tProfileFile profile;
    int runLanguage = 1;
    bool runLanguageChosen = false;
    mutable std::vector<std::string> problems, said;
    void SetSettingsAside();
};

// "transit", "comptwo" or "analyse" for the kind, with ".agb", ".anl",
// ".afr" or ".apo" for language 1, 31, 33, 351 (others ".agb").
std::string DefaultAnalysisFile(int kind, int languageCode);

}  // namespace quintara
