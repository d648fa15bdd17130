// Charts as JSON Lines: one flat object per line with the batch mode's
// fields (year, month, day, hour, minute, adjust, lat, lon, house, zodiac;
// packed d.mm and h.mm as the charts hold them) and the names (name,
// first_name, sex, comment, place, country). A chart whose birth time is
// unknown has house 255.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/chart/chart_input.h"
#include "core/data/exchange_record.h"
#include "core/data/json_line.h"

namespace quintara {

// The birth data of a line's object; false with "field: message". The
// names are known fields (left to the caller), "positions" (what an export
// with positions adds) and "id" (a batch line's) are passed over; any other key is refused.
bool RequestFromJson(const tJsonObject& obj, tChartRequest& r, std::string& error);

// Every non-blank line of the text, in order.
std::vector<tExchangeRecord> ReadJsonLines(std::string_view bytes);

// One line, "\n" ended. Coordinates and zone to ten decimals of d.mm, in
// their shortest form.
std::string JsonLine(const tExchangeRecord& record);

}  // namespace quintara
