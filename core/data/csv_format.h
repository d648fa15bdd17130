// Charts as CSV with a header row: Name, First name, Sex, Date (ISO),
// Time, Zone (offset from UTC, east positive: "UTC+01:00"), Place, Country, Latitude and
// Longitude (decimal degrees, north and east positive), then Comment,
// House system and Zodiac. Columns are found by their header, in any order;
// unknown ones are skipped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/data/exchange_record.h"

namespace quintara {

// Reads the text (UTF-8, a byte-order mark, or Windows-1252). The separator
// is the header's: comma, semicolon or tab; with semicolon or tab a decimal
// comma is read too. Dates are ISO, d.m.yyyy, or the short format given
// ("dd/mm/yyyy" or "mm/dd/yyyy"), as a spreadsheet may have rewritten them.
// A header without Name or Date gives one record with the problem.
std::vector<tExchangeRecord> ReadCsv(std::string_view bytes, const std::string& shortDateFormat);

// The byte-order mark and header line, then one line per record (CRLF ends
// lines, as spreadsheets write them).
std::string CsvHeader();
// A field as written: quoted (quotes doubled) when it holds a separator, a
// quote, a line break or blanks at either end.
std::string CsvField(const std::string& text);
std::string CsvLine(const tExchangeRecord& record);

}  // namespace quintara
