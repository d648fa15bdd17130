// Text forms of localities for the command line.
#pragma once

#include <string>

#include "core/data/data_module.h"

namespace quintara::cli {

// Packed d.mm as "48N51" / "2E21" (north and west positive).
std::string LatitudeText(double packed);
std::string LongitudeText(double packed);
// Packed h.mm zone correction as "-1.00", "+5.30".
std::string AdjustText(double packed);

// The locality a name stands for: the most populous whose name is the
// text (ignoring case), else the most populous that starts with it.
std::optional<tLocality> BestLocality(TData1& data, const std::string& name);

}  // namespace quintara::cli
