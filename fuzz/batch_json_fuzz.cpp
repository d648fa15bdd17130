// Batch input lines of any bytes: every good line gives one record, every
// bad one a message; what is written is UTF-8 JSON with numbers only.
#include <algorithm>
#include <sstream>

#include "core/data/json_line.h"
#include "cli/positions.h"
#include "fuzz_support.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    tJsonObject obj;
    std::string error;
    if (ParseJsonObject(input, obj, error)) {
        std::string out;
        for (const auto& [key, value] : obj) AppendJsonString(out, key + value.text);
        fuzz::RequireUtf8(out, "JSON string not UTF-8");
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    const cli::tBatchCounts n = cli::RunBatch(in, out, err);
    const std::string records = out.str();
    fuzz::RequireUtf8(records, "batch output not UTF-8");
    fuzz::RequireNoNonFinite(records, "batch output holds a non-finite number");
    fuzz::Require(static_cast<long long>(std::count(records.begin(), records.end(), '\n')) == n.charts,
                  "one record per chart");
    return 0;
}
