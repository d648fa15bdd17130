// Which interpretation file a report reads when its language has none.
#include "core/reports/analysis_choice.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

using namespace quintara;

namespace {

void Touch(const std::string& path) { std::ofstream(path) << "\\0. text\n"; }

}  // namespace

TEST(AnalysisChoice, MissingLanguageFileFallsBackToEnglishWithANote)
{
    test::tTempDir home;
    Touch(home.File("analyse.agb"));
    TMainOptions o(home.Path());
    o.Profile().WriteInteger("Language", "Current", 33);

    tAnalysisChoice c = ChooseAnalysisFile(o, kAnalysisBirthChart);
    EXPECT_EQ(c.path, home.File("analyse.agb"));
    EXPECT_NE(c.note.find("analyse.afr"), std::string::npos) << c.note;

    Touch(home.File("analyse.afr"));
    c = ChooseAnalysisFile(o, kAnalysisBirthChart);
    EXPECT_EQ(c.path, home.File("analyse.afr"));
    EXPECT_EQ(c.note, "");

    // German takes the English files by rule, and the report says so.
    o.Profile().WriteInteger("Language", "Current", 49);
    c = ChooseAnalysisFile(o, kAnalysisBirthChart);
    EXPECT_EQ(c.path, home.File("analyse.agb"));
    EXPECT_NE(c.note.find("the English texts of analyse.agb follow"), std::string::npos) << c.note;
    o.Profile().WriteInteger("Language", "Current", 1);
    EXPECT_EQ(ChooseAnalysisFile(o, kAnalysisBirthChart).note, "");

    // A file the user chose stays chosen, missing or not.
    o.Profile().WriteInteger("Language", "Current", 33);
    ASSERT_TRUE(o.SetAnalysisFile(kAnalysisTransits, "mine.txt"));
    c = ChooseAnalysisFile(o, kAnalysisTransits);
    EXPECT_EQ(c.path, home.File("mine.txt"));
    EXPECT_EQ(c.note, "");
}
