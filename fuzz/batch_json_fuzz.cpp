// Batch input lines of any bytes: exactly one output line per input line, a
// record or an error, each a JSON object; what is written is UTF-8 JSON
// with numbers only.
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
    const long long inputLines =
        static_cast<long long>(std::count(input.begin(), input.end(), '\n')) + (input.empty() || input.back() == '\n' ? 0 : 1);
    fuzz::Require(static_cast<long long>(std::count(records.begin(), records.end(), '\n')) == inputLines,
                  "one output line per input line");
    fuzz::Require(n.charts + n.errors == inputLines, "every line counted once");
    std::istringstream written(records);
    for (std::string line; std::getline(written, line);)
        fuzz::Require(ParseJsonObject(line, obj, error), "an output line that is not a JSON object");
    return 0;
}
