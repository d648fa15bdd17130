#include "core/platform/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/platform/atomic_file.h"
#include "support/temp_dir.h"

using namespace quintara;

namespace {

tProfileFile FromText(const std::string& text)
{
    tProfileFile p;
    p.SetText(text);
    return p;
}

}  // namespace

TEST(ProfileFile, ReadsTypedValuesWithFallbacks)
{
    const tProfileFile p = FromText(
        "; comment\n[Parameters]\nHouseOrb = 3 \nZoom=1,5\nToolbar=0\nBad=12abc\nEmpty=\n"
        "[font]\nname=Arial\n");
    EXPECT_EQ(p.ReadInteger("Parameters", "houseorb", 0), 3);
    EXPECT_DOUBLE_EQ(p.ReadFloat("Parameters", "Zoom", 1.0), 1.5);
    EXPECT_FALSE(p.ReadBool("Parameters", "Toolbar", true));
    EXPECT_EQ(p.ReadInteger("Parameters", "Bad", 7), 7);
    EXPECT_EQ(p.ReadInteger("Parameters", "Empty", 7), 7);
    EXPECT_EQ(p.ReadString("Parameters", "Empty", "x"), "");
    EXPECT_EQ(p.ReadString("Font", "Name", ""), "Arial");
    EXPECT_EQ(p.ReadString("Nowhere", "Name", "dflt"), "dflt");
}

TEST(ProfileFile, DamagedTextReadsAsDefaultsAndKeepsItsLines)
{
    std::string junk = "[Parameters]\nHouseOrb\n\x01\x02\xff=5\n";
    junk += std::string(1 << 20, 'x') + "=1\n";  // a 1 MB line
    junk += std::string("bin\0ary=3\n", 10);
    junk += "[Parameters]\nHouseOrb=9\n";  // duplicate section: the first counts
    junk += "[Parameters\nAspectTypes=15\n";
    const tProfileFile p = FromText(junk);
    EXPECT_EQ(p.ReadInteger("Parameters", "HouseOrb", 0), 0);
    EXPECT_EQ(p.ReadInteger("Parameters", "bin", 0), 0);
    // After the unclosed header the key still sits in the duplicate section.
    EXPECT_EQ(p.ReadInteger("Parameters", "AspectTypes", 3), 3);
    EXPECT_EQ(p.Text(), junk);
}

TEST(ProfileFile, WritesKeepUnknownLinesAndCommentsInPlace)
{
    tProfileFile p = FromText("; keep me\n[Parameters]\nMine=1\nUnknown=abc\n\n[Other]\nX=1\n");
    p.WriteInteger("Parameters", "Mine", 2);
    p.WriteString("Parameters", "New", "v");
    p.WriteString("Fresh", "K", "line\nbreak");
    EXPECT_EQ(p.Text(),
              "; keep me\n[Parameters]\nMine=2\nUnknown=abc\nNew=v\n\n[Other]\nX=1\n[Fresh]\nK=line break\n");
}

TEST(ProfileFile, FloatsRoundTripInShortestForm)
{
    tProfileFile p;
    p.WriteFloat("P", "Lat", 48.866667);
    p.WriteSingle("P", "Zoom", 1.1f);
    EXPECT_EQ(p.ReadString("P", "Lat", ""), "48.866667");
    EXPECT_EQ(p.ReadString("P", "Zoom", ""), "1.1");
    EXPECT_EQ(static_cast<float>(p.ReadFloat("P", "Zoom", 0)), 1.1f);
}

TEST(ProfileFile, FlushReplacesTheFileAndLeavesNoTemporary)
{
    test::tTempDir dir;
    const std::string path = dir.File("Astro.ini");
    {
        std::ofstream(path) << "[Parameters]\nHouseOrb=1\n; note\n";
    }
    tProfileFile p(path);
    p.WriteInteger("Parameters", "HouseOrb", 5);
    ASSERT_TRUE(p.Flush());
    tProfileFile again(path);
    EXPECT_EQ(again.ReadInteger("Parameters", "HouseOrb", 0), 5);
    EXPECT_NE(again.Text().find("; note"), std::string::npos);
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path())) files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(ProfileFile, FailedFlushReportsAndKeepsTheOldFile)
{
    test::tTempDir dir;
    tProfileFile p(dir.File("missing-dir/Astro.ini"));
    p.WriteInteger("Parameters", "HouseOrb", 5);
    std::string error;
    EXPECT_FALSE(p.Flush(&error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(p.ReadInteger("Parameters", "HouseOrb", 0), 5);  // memory keeps the value
}
