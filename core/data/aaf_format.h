// The AAF exchange format: a record is a #A93 chunk (name, first name,
// sex, d.m.yyyy, h:mm, place, country) and, optionally, #B93 (Julian day
// UT, 48n52, 2e21, zone "1he00", summer-time hours) and #COM (comment).
// Chunks may run over several lines; "*" is an unknown field; other chunks
// are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/exchange_record.h"

namespace quintara {

// Every #A93 of the text (UTF-8 or Windows-1252), in order. A record that
// cannot be read keeps its line and says why in problem.
std::vector<tExchangeRecord> ReadAaf(std::string_view bytes);

// The chunks of one record, each line ending in "\n". Commas and '#' in
// names, which the format cannot carry, become ';' and ' '.
std::string AafRecordText(const tExchangeRecord& record);

}  // namespace quintara
