// Exchange files of any bytes, read as AAF, CSV and JSON Lines: every record
// is read or refused with a message, and every record read is written and
// read back the same.
#include <vector>

#include "core/data/aaf_format.h"
#include "core/data/csv_format.h"
#include "core/data/jsonl_format.h"
#include "fuzz_support.h"

using namespace quintara;

namespace {

void Same(const tExchangeRecord& a, const std::vector<tExchangeRecord>& back, const char* what)
{
    fuzz::Require(back.size() == 1, what);
    const tExchangeRecord& b = back[0];
    fuzz::Require(b.problem.empty() && a.moment.year == b.moment.year && a.moment.month == b.moment.month &&
                      a.moment.day == b.moment.day && a.timeUnknown == b.timeUnknown &&
                      (a.timeUnknown || (a.moment.hour == b.moment.hour && a.moment.minute == b.moment.minute)),
                  what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const tExchangeRecord& r : ReadAaf(bytes)) {
        fuzz::RequireUtf8(r.problem, "AAF message not UTF-8");
        if (!r.problem.empty() || !CheckRequest(r.moment).empty()) continue;
        Same(r, ReadAaf(AafRecordText(r)), "AAF record does not read back");
    }
    for (const tExchangeRecord& r : ReadCsv(bytes, "dd/mm/yyyy")) {
        fuzz::RequireUtf8(r.problem, "CSV message not UTF-8");
        if (!r.problem.empty() || !CheckRequest(r.moment).empty()) continue;
        const auto back = ReadCsv(CsvHeader() + CsvLine(r), "dd/mm/yyyy");
        Same(r, back, "CSV record does not read back");
        fuzz::Require(back[0].name == r.name && back[0].comment == r.comment, "CSV text changed on the way back");
    }
    for (const tExchangeRecord& r : ReadJsonLines(bytes)) {
        fuzz::RequireUtf8(r.problem, "JSON message not UTF-8");
        if (!r.problem.empty()) continue;
        Same(r, ReadJsonLines(JsonLine(r)), "JSON record does not read back");
    }
    return 0;
}
