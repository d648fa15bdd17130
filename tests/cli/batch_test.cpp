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

// Many jobs write what one job writes, byte for byte, bad lines and their
// messages in input order included, across several blocks.
TEST(Batch, ManyJobsWriteWhatOneWrites)
{
    std::string batch;
    for (int i = 0; i < 9000; ++i) {
        if (i % 997 == 0) batch += "not json " + std::to_string(i) + "\n";
        if (i % 1511 == 0) batch += "\n";
        batch += "{\"year\":" + std::to_string(1900 + i % 150) + ",\"month\":" + std::to_string(1 + i % 12) +
                 ",\"day\":" + std::to_string(1 + i % 28) + ",\"hour\":" + std::to_string(i % 24) +
                 ",\"minute\":" + std::to_string(i % 60) + ",\"lat\":" + std::to_string(-60 + i % 120) +
                 ".30,\"lon\":" + std::to_string(-170 + i % 340) + ".15,\"house\":" + std::to_string(i % 9) +
                 ",\"zodiac\":" + std::to_string(i % 2) + "}\n";
    }
    const auto run = [&](unsigned jobs, std::string& out, std::string& err) {
        std::istringstream in(batch);
        std::ostringstream o, e;
        const tBatchCounts n = RunBatch(in, o, e, jobs);
        out = o.str(), err = e.str();
        return n;
    };
    std::string out1, err1, out4, err4;
    const tBatchCounts one = run(1, out1, err1), four = run(4, out4, err4);
    EXPECT_EQ(one.charts, 9000);
    EXPECT_EQ(one.errors, 10);
    EXPECT_EQ(four.charts, one.charts);
    EXPECT_EQ(four.errors, one.errors);
    EXPECT_TRUE(out4 == out1);
    EXPECT_EQ(err4, err1);
}
