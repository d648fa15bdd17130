#include "core/data/table_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "core/platform/atomic_file.h"
#include "support/temp_dir.h"

using namespace quintara;

TEST(TableFiles, RenameNeverReplacesAndMovesTheJournal)
{
    test::tTempDir dir;
    const std::string a = dir.File("chart.db"), b = dir.File("mine.db");
    std::ofstream(a) << "rows";
    std::ofstream(a + "-journal") << "pending";
    std::ofstream(dir.File("taken.db")) << "other";
    std::string error;
    EXPECT_FALSE(RenameTableFile(a, dir.File("taken.db"), &error));
    EXPECT_NE(error.find("exists already"), std::string::npos);
    ASSERT_TRUE(RenameTableFile(a, b, &error)) << error;
    EXPECT_FALSE(FileExists(a));
    EXPECT_TRUE(FileExists(b));
    EXPECT_TRUE(FileExists(b + "-journal"));
    EXPECT_FALSE(RenameTableFile(a, dir.File("x.db")));
    ASSERT_TRUE(DeleteTableFile(b));
    EXPECT_FALSE(FileExists(b));
    EXPECT_FALSE(FileExists(b + "-journal"));
    EXPECT_FALSE(DeleteTableFile(b, &error));
}
