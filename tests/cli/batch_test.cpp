#include <gtest/gtest.h>

#include <sstream>

#include "cli/positions.h"

using namespace quintara::cli;

TEST(Batch, BadLinesReportedAndRunGoesOn)
{
    std::istringstream in(
        "{\"year\":2000,\"month\":1,\"day\":1,\"hour\":12,\"minute\":0,\"adjust\":0,\"lat\":48.52,\"lon\":-2.21,\"house\":\"Koch\",\"zodiac\":0}\n"
        "{\"year\":2000,\"month\":13,\"day\":1}\n"
        "{\"year\":\"abc\",\"month\":1,\"day\":1}\n"
        "not json\n"
        "{\"year\":2000,\"month\":1,\"day\":1,\"lat\":\"70N00\",\"house\":4}\n");
    std::ostringstream out, err;
    const tBatchCounts n = RunBatch(in, out, err);
    EXPECT_EQ(n.charts, 2);
    EXPECT_EQ(n.errors, 3);
    EXPECT_NE(err.str().find("line 2: month"), std::string::npos);
    EXPECT_NE(err.str().find("line 3: year"), std::string::npos);
    EXPECT_NE(err.str().find("line 4: malformed JSON"), std::string::npos);
    EXPECT_NE(out.str().find("\"jd\":2451545.000000"), std::string::npos);
    EXPECT_NE(out.str().find("\"house\":3"), std::string::npos);  // Koch at 70 N
}
