#include "core/options/option_set.h"

#include <gtest/gtest.h>

#include <string>

#include "core/platform/atomic_file.h"

using namespace quintara;

namespace {

std::string Bytes(const tOptionRecord& r)
{
    const auto b = r.Encode();
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
}

}  // namespace

TEST(OptionRecord, FieldsLandAtTheirByteOffsets)
{
    tOptionRecord r{};
    r.BirthSet.ShowPlanet[27] = true;            // body 28
    r.BirthSet.ShowAspect[0] = true;             // body 1
    r.BirthSet.StartAries = true;
    r.BirthSet.Colors[0] = 0x00112233;
    r.BirthSet.LineWidths[27] = -2;
    r.FirstChartSet.Symbols = true;
    r.SecondChartSet.ShowDegrees = true;
    r.TransitAspects[11] = true;                 // aspect 12
    r.NatalOrbs.Set(1, 1, 10);
    r.NatalOrbs.Set(13, 21, 7);
    r.SynastryOrbs.Set(2, 3, 9);
    const auto b = r.Encode();
    ASSERT_EQ(b.size(), 1488u);
    EXPECT_EQ(b[27], 1);
    EXPECT_EQ(b[36], 1);
    EXPECT_EQ(b[73], 1);
    EXPECT_EQ(b[75], 0);  // pad
    EXPECT_EQ(b[76], 0x33);
    EXPECT_EQ(b[77], 0x22);
    EXPECT_EQ(b[78], 0x11);
    EXPECT_EQ(b[79], 0x00);
    EXPECT_EQ(b[188 + 27 * 4], 0xFE);  // little-endian -2
    EXPECT_EQ(b[188 + 27 * 4 + 3], 0xFF);
    EXPECT_EQ(b[300 + 72], 1);
    EXPECT_EQ(b[600 + 74], 1);
    EXPECT_EQ(b[900 + 11], 1);
    EXPECT_EQ(b[940], 10);
    EXPECT_EQ(b[940 + 12 * 21 + 20], 7);
    EXPECT_EQ(b[1213 + 1 * 21 + 2], 9);
    for (int i : {936, 937, 938, 939, 1486, 1487}) EXPECT_EQ(b[i], 0) << i;
    // A negative width reads back as the default's; the rest as written.
    const auto back = tOptionRecord::Decode(Bytes(r));
    EXPECT_EQ(back->BirthSet.LineWidths[27], tOptionRecord::Defaults().BirthSet.LineWidths[27]);
    r.BirthSet.LineWidths[27] = back->BirthSet.LineWidths[27];
    EXPECT_EQ(back, r);
}

TEST(OptionRecord, ShortInputIsRejectedAndLongInputReadsTheFirstRecord)
{
    const tOptionRecord d = tOptionRecord::Defaults();
    std::string bytes = Bytes(d);
    EXPECT_FALSE(tOptionRecord::Decode(bytes.substr(0, 1487)));
    EXPECT_FALSE(tOptionRecord::Decode(""));
    EXPECT_EQ(tOptionRecord::Decode(bytes + std::string(500, '\x7f')), d);
}

TEST(OptionRecord, ValuesOutOfRangeReadAsTheDefaults)
{
    const tOptionRecord d = tOptionRecord::Defaults();
    std::string found;
    ASSERT_TRUE(ReadWholeFile(std::string(QUINTARA_FINDINGS_DIR) + "/O1-Option32.cfg", found));
    const auto r = tOptionRecord::Decode(found);
    ASSERT_TRUE(r);
    for (const OptionSet* s : {&r->BirthSet, &r->FirstChartSet, &r->SecondChartSet})
        for (std::int32_t w : s->LineWidths) EXPECT_TRUE(w >= 0 && w <= kMaxLineWidth) << w;
    EXPECT_EQ(*r, d);  // the damaged width was the only difference
    // Colours with bits above 24, orbs above the limit: the defaults'.
    std::string bytes = Bytes(d);
    bytes[tOptionRecord::kBirthSetAt + 76] = '\x01';
    bytes[tOptionRecord::kBirthSetAt + 79] = '\xff';  // colour slot 0, top byte
    bytes[tOptionRecord::kNatalOrbsAt] = static_cast<char>(200);
    bytes[tOptionRecord::kSynastryOrbsAt + 5] = static_cast<char>(kMaxOrb);
    const auto e = tOptionRecord::Decode(bytes);
    EXPECT_EQ(e->BirthSet.Colors[0], d.BirthSet.Colors[0]);
    EXPECT_EQ(e->NatalOrbs.bytes[0], d.NatalOrbs.bytes[0]);
    EXPECT_EQ(e->SynastryOrbs.bytes[5], kMaxOrb);  // the limit itself is kept
}

TEST(OptionRecord, DefaultsFollowTheReset)
{
    const tOptionRecord d = tOptionRecord::Defaults();
    EXPECT_TRUE(d.TransitAspects[0]);
    EXPECT_TRUE(d.TransitAspects[4]);
    EXPECT_FALSE(d.TransitAspects[1]);
    EXPECT_EQ(d.NatalOrbs.At(13, 1), 10);
    EXPECT_EQ(d.NatalOrbs.At(7, 5), 9);
    EXPECT_EQ(d.NatalOrbs.At(1, 21), 2);
    EXPECT_EQ(d.SynastryOrbs.At(4, 2), 2);
    EXPECT_EQ(d.SynastryOrbs.At(4, 6), 1);
    const OptionSet& b = d.BirthSet;
    EXPECT_TRUE(b.Shows(10));
    EXPECT_FALSE(b.Shows(11));
    EXPECT_TRUE(b.Shows(24));
    EXPECT_FALSE(b.Shows(25));
    EXPECT_TRUE(b.ShowsAspectsOf(22));
    EXPECT_FALSE(b.ShowsAspectsOf(14));
    EXPECT_EQ(b.LineWidths[1], 3);
    EXPECT_EQ(b.LineWidths[16], 5);
    EXPECT_EQ(b.LineWidths[2], 1);
    EXPECT_EQ(b.Colors[kSlotFirstBody], 0x0000FFFFu);  // Sun yellow
    EXPECT_EQ(b.Colors[13], 0x00800000u);              // Pluto navy
    EXPECT_FALSE(d.FirstChartSet.Shows(13));
    EXPECT_EQ(d.FirstChartSet.Colors[kSlotHouses], 0x00000080u);
    EXPECT_EQ(d.FirstChartSet.Colors[15], 0x00000080u);
    EXPECT_EQ(d.FirstChartSet.Colors[16], b.Colors[16]);
    EXPECT_EQ(d.SecondChartSet.Colors, b.Colors);
    EXPECT_FALSE(d.SecondChartSet.ShowsAspectsOf(13));
}

TEST(OrbTable, PairLookupUsesRowThirteenAboveThirteen)
{
    tOrbTable t;
    t.Set(1, 1, 10);
    t.Set(2, 1, 12);
    t.Set(13, 1, 5);
    EXPECT_EQ(t.Orb(1, 2, 1), 12);
    EXPECT_EQ(t.Orb(1, 13, 1), 10);   // Sun and Ascendant: larger of rows 1 and 13
    EXPECT_EQ(t.Orb(1, 25, 1), 5);    // Sun and Chiron: row 13 alone
    EXPECT_EQ(t.Orb(14, 2, 1), 5);
    EXPECT_EQ(t.At(0, 1), 0);
    EXPECT_EQ(t.At(1, 22), 0);
}
