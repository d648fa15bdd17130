#include "core/data/text_collation.h"

#include <gtest/gtest.h>

#include "core/data/table.h"
#include "support/temp_dir.h"

using namespace quintara;

TEST(TextCollation, FoldsAccentedCapitals)
{
    EXPECT_EQ(CompareNoCase("\xC3\x89vreux", "\xC3\xA9VREUX"), 0);       // Évreux
    EXPECT_EQ(CompareNoCase("Z\xC3\xBCrich", "Z\xC3\x9CRICH"), 0);       // Zürich
    EXPECT_EQ(CompareNoCase("\xC5\x81\xC3\xB3" "d\xC5\xBA", "\xC5\x82\xC3\x93" "D\xC5\xB9"), 0);  // Łódź
    EXPECT_EQ(CompareNoCase("\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0", "\xD0\xBC\xD0\x9E\xD0\xA1\xD0\x9A\xD0\x92\xD0\x90"), 0);  // Москва
    EXPECT_LT(CompareNoCase("Lyon", "lyons"), 0);
    EXPECT_GT(CompareNoCase("b", "A"), 0);
    EXPECT_NE(CompareNoCase("\xC3\x97", "\xC3\xB7"), 0);  // × is not ÷
    EXPECT_EQ(CompareNoCase("\xFF\xC3", "\xFF\xC3"), 0);  // malformed bytes compare as themselves
}

TEST(TextCollation, TablesUseItForCaseInsensitiveLookups)
{
    test::tTempDir dir;
    tDatabase db(dir.File("city.db"), true);
    tTable t(db, {"city", {{"CITY", tFieldKind::Text}}, {}});
    for (const char* name : {"\xC3\x89vreux", "Evian", "\xC3\x89pinal"}) {
        t.Insert();
        t.Set("CITY", std::string(name));
        t.Post();
    }
    EXPECT_TRUE(t.Locate({"CITY"}, {std::string("\xC3\xA9vr")}, {true, true}));
    EXPECT_EQ(t.Text("CITY"), "\xC3\x89vreux");
    t.SetFilter("CITY='\xC3\xA9PINAL'", true);
    EXPECT_EQ(t.RecordCount(), 1);
}
