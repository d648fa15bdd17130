#include "core/i18n/languages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <utility>
#include <vector>

#include "core/i18n/default_captions.h"
#include "core/i18n/text_encoding.h"
#include "core/platform/atomic_file.h"
#include "support/temp_dir.h"

using namespace quintara;

namespace {

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadText(const std::string& path)
{
    std::string s;
    ReadWholeFile(path, s);
    return s;
}

// Sets the locale variables for one test and restores them afterwards.
class tLocaleGuard {
public:
    explicit tLocaleGuard(const char* lang)
    {
        for (const char* v : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const char* old = std::getenv(v);
            saved.emplace_back(v, old ? std::optional<std::string>(old) : std::nullopt);
            unsetenv(v);
        }
        setenv("LANG", lang, 1);
    }
    ~tLocaleGuard()
    {
        for (const auto& [name, value] : saved) {
            if (value) setenv(name, value->c_str(), 1);
            else unsetenv(name);
        }
    }

private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
};

}  // namespace

TEST(DefaultCaptions, KeyNumbersAndEdges)
{
    EXPECT_EQ(DefaultCaption(0), "in");
    EXPECT_EQ(DefaultCaption(12), "Pisces");
    EXPECT_EQ(DefaultCaption(141), "Conjunction");
    EXPECT_EQ(DefaultCaption(161), "Vigintile");
    EXPECT_EQ(DefaultCaption(140), "Left/right|To show/hide, click left for main chart, right for other ");
    EXPECT_EQ(DefaultCaption(314), "Total points");
    EXPECT_EQ(DefaultCaption(290), "");
    EXPECT_EQ(DefaultCaption(kCaptionCount), "");
    EXPECT_EQ(DefaultCaption(-1), "");
}

TEST(Languages, FrenchLocaleOnFirstStartReadsThePartialTranslation)
{
    tLocaleGuard locale("fr_FR.UTF-8");
    test::tTempDir home;
    // Windows-1252: "B\xe9lier" is Bélier.
    WriteText(home.File("Fran\u00E7ais.txt"), "[Captions]\n1=B\xe9lier\n141=\n");
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    EXPECT_EQ(lang.CurrentLanguage, 33);
    EXPECT_EQ(lang.SignName(1), "B\u00E9lier");
    EXPECT_EQ(lang.SignName(2), "Taurus");
    EXPECT_EQ(lang.AspectName(1), "Conjunction");  // empty translation: default
    EXPECT_EQ(lang.Country, 33);
    EXPECT_EQ(lang.DateFormatString, "dd/mm/yyyy");
    // The locale's choice serves the run and is never noted: only a choice
    // of the user's is stored. Reading the settings writes nothing.
    EXPECT_FALSE(settings.HasKey("Language", "Current"));
    EXPECT_FALSE(FileExists(home.File("Astro.ini")));
    // Back to English: stored at once, not only when the program ends.
    lang.SetLanguage(1);
    EXPECT_EQ(settings.ReadInteger("Language", "Current", 0), 1);
    EXPECT_EQ(tProfileFile(home.File("Astro.ini")).ReadInteger("Language", "Current", 0), 1);
}

TEST(Languages, UsLocaleGivesMonthFirstAndTwelveHourClock)
{
    tLocaleGuard locale("en_US.UTF-8");
    test::tTempDir home;
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    EXPECT_EQ(lang.CurrentLanguage, 1);
    EXPECT_EQ(lang.DateFormatString, "mm/dd/yyyy");
    EXPECT_EQ(lang.TimeFormatString, "hh:nn am/pm");
    EXPECT_EQ(lang.MeasureUnit, 1);
}

// A language file of an earlier version names house systems 6 and 7 the
// other way round: each name is shown for the system it names.
TEST(Languages, HouseSystemNamesOfEarlierFilesAreReadAsMeant)
{
    tLocaleGuard locale("C");
    test::tTempDir home;
    WriteText(home.File("Fran\u00E7ais.txt"), "[Captions]\n22=Morinus\n23=Porphyre\n");
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    lang.SetLanguage(33);
    EXPECT_EQ(lang.Caption(22), "Porphyre");
    lang.SetLanguage(1);
    WriteText(home.File("English.txt"), "[PlanetName]\n49=Part of Fontune\n");
    lang.SetLanguage(33);
    lang.SetLanguage(1);
    EXPECT_EQ(lang.PlanetName(49), "Part of Fortune");  // the misspelling installed before
    lang.SetLanguage(33);
    EXPECT_EQ(lang.Caption(23), "Morinus");
    EXPECT_EQ(ReadText(home.File("Fran\u00E7ais.txt")), "[Captions]\n22=Morinus\n23=Porphyre\n");
}

// One version, the build's: the title's words come from the vocabulary,
// and a number an earlier language file wrote into them is dropped.
TEST(Languages, TheProgramTitleCarriesTheBuildsVersion)
{
    tLocaleGuard locale("C");
    test::tTempDir home;
    WriteText(home.File("Deutsch.txt"), "[Captions]\n204=Quintara 5.1\n");
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    EXPECT_EQ(lang.ProgramTitle(), std::string("Quintara ") + QUINTARA_VERSION);
    lang.SetLanguage(49);
    EXPECT_EQ(lang.ProgramTitle(), std::string("Quintara ") + QUINTARA_VERSION);
    }

TEST(Languages, StoredSettingsWinOverTheLocale)
{
    tLocaleGuard locale("fr_FR.UTF-8");
    test::tTempDir home;
    WriteText(home.File("Astro.ini"),
              "[Language]\nCurrent=1\n[Parameters]\nDateFormat=0\nTimeFormat=1\nCountry=41\n");
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    EXPECT_EQ(lang.CurrentLanguage, 1);
    EXPECT_EQ(lang.DateFormatString, "mm/dd/yyyy");
    EXPECT_EQ(lang.TimeFormatString, "hh:nn");
    EXPECT_EQ(lang.Country, 41);
    lang.State = 7;
    ASSERT_TRUE(lang.SaveSettings());
    EXPECT_EQ(tProfileFile(home.File("Astro.ini")).ReadInteger("Parameters", "State", 0), 7);
}

TEST(Languages, BodyNamesFallBackWithoutWritingTheFile)
{
    tLocaleGuard locale("C");
    test::tTempDir home;
    WriteText(home.File("English.txt"), "[PlanetName]\n1=Sol\n");
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    EXPECT_EQ(lang.PlanetName(1), "Sol");
    EXPECT_EQ(lang.PlanetName(5), "Mars");
    EXPECT_EQ(lang.PlanetName(30), "");
    EXPECT_EQ(lang.PlanetName(37), "1\u00B0 Dominant");
    EXPECT_EQ(lang.PlanetShortName(12), "NMN");
    EXPECT_EQ(ReadText(home.File("English.txt")), "[PlanetName]\n1=Sol\n");
    ASSERT_TRUE(lang.SetPlanetName(5, "Ares"));
    EXPECT_EQ(lang.PlanetName(5), "Ares");
}

TEST(Languages, OutOfRangeLookupsAreEmpty)
{
    tLocaleGuard locale("C");
    test::tTempDir home;
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    EXPECT_EQ(lang.AspectName(0), "");
    EXPECT_EQ(lang.AspectName(22), "Parallel");  // the parallels of declination
    EXPECT_EQ(lang.AspectName(23), "Contraparallel");
    EXPECT_EQ(lang.AspectName(24), "");
    EXPECT_EQ(lang.SignName(13), "");
    EXPECT_EQ(lang.Caption(kCaptionCount), "");
    EXPECT_EQ(lang.ChartKindNames().front(), "Birth chart");
    EXPECT_EQ(lang.NavigatorHints().back(), "Refresh");
    EXPECT_EQ(lang.LanguageNames(),
              (std::vector<std::string>{"1=English", "33=Fran\u00E7ais", "49=Deutsch", "31=Nederlands"}));
}

TEST(Languages, UnnamedLanguageAndDamagedFileGiveDefaults)
{
    tLocaleGuard locale("C");
    test::tTempDir home;
    WriteText(home.File(".txt"), std::string("\0\xff[Captions]\n1=\xff\xfe", 14));
    tProfileFile settings(home.File("Astro.ini"));
    TLanguages lang(home.Path(), settings);
    lang.SetLanguage(7);
    EXPECT_EQ(lang.SignName(3), "Gemini");
    // Named once; a translation then goes nowhere rather than over the junk.
    const std::vector<std::string> problems = lang.TakeProblems();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find(home.File(".txt") + " cannot be read"), std::string::npos) << problems[0];
    lang.SetCaptionTranslation(3, "Zwillinge");
    EXPECT_EQ(ReadText(home.File(".txt")), std::string("\0\xff[Captions]\n1=\xff\xfe", 14));
}

TEST(TextEncoding, Utf8IsKeptAndAnythingElseIsWindows1252)
{
    EXPECT_EQ(ToUtf8("\xEF\xBB\xBF" "abc"), "abc");
    // A mark does not vouch for what follows: bytes that do not decode are
    // replaced, one U+FFFD each.
    EXPECT_EQ(ToUtf8("\xEF\xBB\xBF" "Sol\xE9il\xFF"), "Sol\xEF\xBF\xBDil\xEF\xBF\xBD");
    EXPECT_EQ(ValidUtf8("\xC3\xA7\xC3"), "\xC3\xA7\xEF\xBF\xBD");
    std::string xml;
    AppendXmlEscaped(xml, "a<\xFF\x01");
    EXPECT_EQ(xml, "a&lt;\xEF\xBF\xBD");
    EXPECT_EQ(ToUtf8("Fran\xC3\xA7" "ais"), "Fran\xC3\xA7" "ais");
    EXPECT_EQ(ToUtf8("Fran\xE7" "ais"), "Fran\xC3\xA7" "ais");
    EXPECT_EQ(ToUtf8("\x80"), "\xE2\x82\xAC");                // euro sign
    EXPECT_FALSE(IsValidUtf8("\xC3"));                         // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));                     // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));                 // surrogate
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x9C\x80"));
    // And back: every Windows-1252 letter survives, the rest becomes '?'.
    EXPECT_EQ(Utf8ToWindows1252("Fran\xC3\xA7" "ais \xE2\x82\xAC \xC5\x93"), "Fran\xE7" "ais \x80 \x9C");
    EXPECT_EQ(Utf8ToWindows1252("\xF0\x9F\x9C\x80 \xEF\xBF\xBD \xC3"), "? ? ?");
}
