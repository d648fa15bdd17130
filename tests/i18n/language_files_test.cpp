// The language files installed with the program: complete, read as they
// are, and never filled up with English.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/i18n/default_captions.h"
#include "core/i18n/languages.h"
#include "core/platform/atomic_file.h"
#include "core/platform/profile_file.h"
#include "support/temp_dir.h"

using namespace quintara;

namespace {

struct tInstalled {
    int number;
    const char* file;
    const char* fileMenu;  // caption 120
    const char* aries;     // caption 1
    const char* sun;       // body 1
};

constexpr tInstalled kInstalled[] = {
    {33, "Fran\u00E7ais.txt", "Fichier", "B\u00E9lier", "Soleil"},
    {49, "Deutsch.txt", "Datei", "Widder", "Sonne"},
    {31, "Nederlan.txt", "Bestand", "Ram", "Zon"},
};

bool EmptyByDefault(int n) { return DefaultCaption(n).empty(); }

}  // namespace

TEST(LanguageFiles, EachTranslatesEveryCaptionAndBodyAndIsReadAsIs)
{
    const std::string seed = QUINTARA_SEED_DIR;
    for (const tInstalled& l : kInstalled) {
        SCOPED_TRACE(l.file);
        const std::string installed = seed + "/" + l.file;
        ASSERT_TRUE(FileExists(installed));
        test::tTempDir home;
        std::filesystem::copy_file(installed, home.File(l.file));
        std::string before;
        ReadWholeFile(home.File(l.file), before);

        tProfileFile file(home.File(l.file));
        for (int n = 0; n < kCaptionCount; ++n) {
            if (EmptyByDefault(n)) continue;
            EXPECT_FALSE(file.ReadString("Captions", std::to_string(n), "").empty()) << n;
        }

        tProfileFile settings(home.File("Astro.ini"));
        TLanguages lang(home.Path(), settings);
        lang.SetLanguage(l.number);
        EXPECT_EQ(lang.Caption(120), l.fileMenu);
        EXPECT_EQ(lang.SignName(1), l.aries);
        EXPECT_EQ(lang.PlanetName(1), l.sun);
        int differ = 0;
        for (int n = 1; n <= 12; ++n) differ += lang.SignName(n) != DefaultCaption(n);
        EXPECT_GE(differ, 10);  // "Cancer", "Stier" may be spelt alike
        for (int b = 1; b <= 28; ++b) {
            EXPECT_FALSE(lang.PlanetName(b).empty()) << b;
            EXPECT_FALSE(lang.PlanetShortName(b).empty()) << b;
            EXPECT_LE(lang.PlanetShortName(b).size(), 8u) << b;  // a wheel label
        }
        std::string after;
        ReadWholeFile(home.File(l.file), after);
        EXPECT_EQ(after, before);  // nothing written back
    }
}
