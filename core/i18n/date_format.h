// Dates and clock times in the program's display formats: "dd/mm/yyyy" or
// "mm/dd/yyyy", and "hh:nn" or "hh:nn am/pm".
#pragma once

#include <string>

namespace quintara {

// dd, mm and yyyy are replaced by the day, month and year, zero-padded;
// other characters are kept.
std::string FormatDate(int year, int month, int day, const std::string& format);
// hh and nn by the hour and minute; with "am/pm" in the format the hour
// is 12-hour (0 is 12 am, 12 is 12 pm) and "am/pm" becomes "am" or "pm".
std::string FormatTime(int hour, int minute, const std::string& format);

}  // namespace quintara
