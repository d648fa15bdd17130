#include "core/i18n/date_format.h"

#include <gtest/gtest.h>

namespace quintara {
namespace {

TEST(DateFormat, BothOrdersAndBothClocks)
{
    EXPECT_EQ(FormatDate(2026, 3, 7, "dd/mm/yyyy"), "07/03/2026");
    EXPECT_EQ(FormatDate(2026, 3, 7, "mm/dd/yyyy"), "03/07/2026");
    EXPECT_EQ(FormatDate(812, 12, 25, "dd/mm/yyyy"), "25/12/0812");
    EXPECT_EQ(FormatTime(0, 5, "hh:nn"), "00:05");
    EXPECT_EQ(FormatTime(23, 59, "hh:nn"), "23:59");
    EXPECT_EQ(FormatTime(0, 5, "hh:nn am/pm"), "12:05 am");
    EXPECT_EQ(FormatTime(12, 0, "hh:nn am/pm"), "12:00 pm");
    EXPECT_EQ(FormatTime(15, 30, "hh:nn am/pm"), "03:30 pm");
}

}  // namespace
}  // namespace quintara
