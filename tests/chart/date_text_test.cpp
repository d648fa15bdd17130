#include <gtest/gtest.h>

#include "core/chart/date_text.h"

namespace quintara {
namespace {

TEST(DateText, DatesInBothOrdersWithMessagesInTheUsersTerms)
{
    int y = 0, m = 0, d = 0;
    std::string error;
    ASSERT_TRUE(ParseDateText("mm/dd/yyyy", " 05/17/1990 ", y, m, d, error));
    EXPECT_EQ(y * 10000 + m * 100 + d, 19900517);
    EXPECT_EQ(DateText("mm/dd/yyyy", 1990, 5, 17), "05/17/1990");
    EXPECT_EQ(DateText("dd/mm/yyyy", 33, 1, 2), "02/01/0033");
    ASSERT_TRUE(ParseDateText("dd/mm/yyyy", "29/02/2000", y, m, d, error));
    struct tBad {
        const char* text;
        const char* says;
    };
    for (const tBad& b : {tBad{"", "empty; type a date like dd/mm/yyyy"},
                          tBad{"01/01/99999", "the year is outside 1..9999"},
                          tBad{"01/01/123456789012", "the year is outside 1..9999"}, tBad{"01/01/0000", "outside 1..9999"},
                          tBad{"29/02/1900", "day 29 is outside 1..28"}, tBad{"01/13/2000", "month 13"},
                          tBad{"1.1.2000", "is not a date (a date like dd/mm/yyyy"}, tBad{"--/--/----", "not a date"},
                          tBad{"001/01/2000", "not a date"}}) {
        EXPECT_FALSE(ParseDateText("dd/mm/yyyy", b.text, y, m, d, error)) << b.text;
        EXPECT_NE(error.find(b.says), std::string::npos) << b.text << ": " << error;
        EXPECT_EQ(error.find("YYYY-MM-DD"), std::string::npos) << error;
    }
}

TEST(DateText, ClockTimes)
{
    int h = 0, mi = 0;
    std::string error;
    ASSERT_TRUE(ParseTimeText("12:05 am", h, mi, error));
    EXPECT_EQ(h * 100 + mi, 5);
    ASSERT_TRUE(ParseTimeText("12:05 PM", h, mi, error));
    EXPECT_EQ(h * 100 + mi, 1205);
    EXPECT_FALSE(ParseTimeText("13:00 pm", h, mi, error));
    EXPECT_EQ(TimeText(0, 0, 5), "12:05 am");
    EXPECT_EQ(TimeText(1, 14, 30), "14:30");
}

// The zone as clocks name it and as the chart keeps it are opposite in sign.
TEST(DateText, ZonesAsClocksNameThem)
{
    std::string error;
    for (auto [typed, packed] : {std::pair{"UTC+1", -1.00}, std::pair{"utc+01:00", -1.00}, std::pair{"GMT-5", 5.00},
                                 std::pair{"UTC+05:30", -5.30}, std::pair{"UTC", 0.0}, std::pair{"-1.00", -1.00},
                                 std::pair{"4.30", 4.30}}) {
        const auto v = ParseZoneText(typed, error);
        ASSERT_TRUE(v) << typed << ": " << error;
        EXPECT_DOUBLE_EQ(*v, packed) << typed;
    }
    for (const char* bad : {"UTC+25", "UTC+1:60", "UTC1", "zone", "25.00", "1.75", "UTC+"}) {
        EXPECT_FALSE(ParseZoneText(bad, error)) << bad;
        EXPECT_NE(error.find("UTC+01:00"), std::string::npos) << error;
    }
    EXPECT_EQ(UtcText(-1.00), "UTC+01:00");
    EXPECT_EQ(UtcText(5.00), "UTC-05:00");
    EXPECT_EQ(UtcText(-5.30), "UTC+05:30");
    EXPECT_EQ(UtcText(0.09), "UTC-00:09");
    EXPECT_EQ(UtcText(0), "UTC");
}

}  // namespace
}  // namespace quintara
