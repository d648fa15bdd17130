// Compiled zone files of any bytes, through the reader and the builder of
// the time tables: refused, or tables of offsets a zone can have; the
// footer's rule refused with a message, or offsets within the format's.
#include <cmath>
#include <cstdlib>

#include "core/data/tz_rule.h"
#include "core/data/tzif.h"
#include "core/data/zone_tables.h"
#include "core/engine/angles.h"
#include "fuzz_support.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string error;
    const auto h = ParseTzif(std::string(reinterpret_cast<const char*>(data), size), &error);
    if (!h) {
        fuzz::Require(!error.empty(), "refused zone file without a message");
        return 0;
    }
    (void)h->TypeAt(0);
    const tZoneTables t = MakeZoneTables(*h, 2037);
    for (const auto& s : t.standard)
        fuzz::Require(std::isfinite(s.adjust) && std::fabs(DegMinToDecimal(s.adjust)) <= 26, "standard time out of range");
    for (const auto& c : t.corrections)
        fuzz::Require(std::isfinite(c.adjust) && (c.adjust > 16 || std::fabs(DegMinToDecimal(c.adjust)) <= 52),
                      "correction out of range");
    if (!h->footer.empty()) {
        std::string why;
        const auto rule = ParseTzRule(h->footer, &why);
        fuzz::Require(rule || !why.empty(), "refused rule without a message");
        if (rule)
            for (std::int64_t t : {std::int64_t{0}, std::int64_t{2240611200}, kTzEarliest, kTzLatest}) {
                for (std::int32_t offset : {RuleOffsetAtUt(*rule, t), RuleOffsetAtLocal(*rule, t)})
                    fuzz::Require(std::abs(offset) <= 26 * 3600, "rule offset out of range");
            }
    }
    return 0;
}
