// The options dialog's form: what OK stores and what a second session reads.
#include "core/options/options_form.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

using namespace quintara;

namespace {

// A second object on the same home reads what the first stored.
tOptionsForm Reopened(const test::tTempDir& home, int set)
{
    TMainOptions again(home.Path());
    again.ReadParameters();
    again.LoadOptions();
    return ReadOptionsForm(again, set);
}

}  // namespace

TEST(OptionsForm, OkStoresTheClosingRulesAndReopensAsStored)
{
    test::tTempDir home;
    TMainOptions o(home.Path());
    o.ReadParameters();
    o.LoadOptions();
    tOptionsForm f = ReadOptionsForm(o, 1);
    EXPECT_FALSE(f.allAspects);
    f.allAspects = true;
    f.transitOrb = 0;  // a divider of 0 would divide by zero
    f.houseOrb = 5;
    f.houseCentered = true;  // centred houses have no orb
    f.houseType = 4;
    f.natalOrbs.Set(1, 1, 12);
    ASSERT_TRUE(StoreOptionsForm(f, o));
    EXPECT_EQ(o.AspectTypes, 15);
    EXPECT_EQ(o.TransitOrb, 1);
    EXPECT_EQ(o.HouseOrb, 0);

    const tOptionsForm back = Reopened(home, 1);
    EXPECT_TRUE(back.allAspects);
    EXPECT_EQ(back.transitOrb, 1);
    EXPECT_EQ(back.houseType, 4);
    EXPECT_TRUE(back.houseCentered);
    EXPECT_EQ(back.natalOrbs.At(1, 1), 12);
}

TEST(OptionsForm, OneSetIsEditedAloneWhileTheCommonSettingsAreShared)
{
    test::tTempDir home;
    TMainOptions o(home.Path());
    o.LoadOptions();
    const OptionSet birth = o.BirthSet, first = o.FirstChartSet;
    tOptionsForm f = ReadOptionsForm(o, 3);
    f.set.Colors[kSlotBackground] = 0x00123456;
    f.set.ShowPlanet[24] = true;  // Chiron
    f.zodiac = 1;
    f.synastryOrbs.Set(2, 5, 3);
    ASSERT_TRUE(StoreOptionsForm(f, o));
    EXPECT_EQ(o.SecondChartSet.Colors[kSlotBackground], 0x00123456u);
    EXPECT_EQ(o.BirthSet, birth);
    EXPECT_EQ(o.FirstChartSet, first);
    // The common settings are those of every set's form.
    for (int set : {1, 2, 3}) {
        const tOptionsForm other = ReadOptionsForm(o, set);
        EXPECT_EQ(other.zodiac, 1);
        EXPECT_EQ(other.synastryOrbs.At(2, 5), 3);
    }
    EXPECT_TRUE(Reopened(home, 3).set.ShowPlanet[24]);
    EXPECT_FALSE(Reopened(home, 1).set.ShowPlanet[24]);
}

TEST(OptionsForm, SavedFileOpensBackAfterAReset)
{
    test::tTempDir home;
    TMainOptions o(home.Path());
    o.LoadOptions();
    tOptionsForm f = ReadOptionsForm(o, 1);
    f.set.LineWidths[kSlotText] = 7;
    f.natalOrbs.Set(3, 2, 1);
    f.transitAspects[2] = true;
    StoreOptionsForm(f, o);
    ASSERT_TRUE(o.SaveOptionsAs(home.File("mine.cfg")));
    o.ResetOptions();
    EXPECT_EQ(o.Record(), tOptionRecord::Defaults());
    ASSERT_TRUE(o.OpenOptions(home.File("mine.cfg")));
    const tOptionsForm back = ReadOptionsForm(o, 1);
    EXPECT_EQ(back.set.LineWidths[kSlotText], 7);
    EXPECT_EQ(back.natalOrbs.At(3, 2), 1);
    EXPECT_TRUE(back.transitAspects[2]);
}

TEST(OptionsForm, TypedNumbersAreCheckedAgainstTheirRanges)
{
    std::string why;
    EXPECT_EQ(ReadOrbField(" 8 ", why), 8);
    EXPECT_FALSE(ReadOrbField("61", why));
    EXPECT_NE(why.find("60"), std::string::npos) << why;
    EXPECT_FALSE(ReadOrbField("abc", why));
    EXPECT_FALSE(ReadOrbField("", why));
    EXPECT_FALSE(ReadOrbField("-1", why));
    EXPECT_EQ(ReadLineWidthField("50", why), 50);
    EXPECT_FALSE(ReadLineWidthField("51", why));
    EXPECT_FALSE(ReadHouseOrbField("31", why));
    EXPECT_EQ(ReadTransitOrbField("0", why), 0);
    EXPECT_FALSE(ReadTransitOrbField("4.5", why));
}
