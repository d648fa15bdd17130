// Filter expressions typed by the user: compiled or refused with a message;
// a refused filter leaves the table as it was, and no text of the input
// reaches the SQL.
#include <memory>

#include "core/data/data_module.h"
#include "core/data/filter_expression.h"
#include "core/data/schemas.h"
#include "fuzz_support.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static std::unique_ptr<TData1> charts = [] {
        auto d = std::make_unique<TData1>(fuzz::Home());
        tTable& t = d->ChartTable();
        for (int k = 0; k < 3; ++k) {
            t.Insert();
            t.Set("NAME", std::string("N") + std::to_string(k));
            t.Set("DATE", std::string("1990-05-1") + std::to_string(k));
            t.Set("P1", 10.0 * k);
            t.Post();
        }
        return d;
    }();
    fuzz::tBytes in(data, size);
    const bool noCase = in.Bool();
    const std::string format = in.Bool() ? "mm/dd/yyyy" : "dd/mm/yyyy";
    const std::string text(in.Rest());

    const tTableDef def = ChartTableDef();
    const tFieldLookup lookup = [&](std::string_view name) -> std::optional<tFieldInfo> {
        for (const tColumnDef& c : def.columns)
            if (c.name.size() == name.size() && std::equal(c.name.begin(), c.name.end(), name.begin(), [](char a, char b) {
                    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                }))
                return tFieldInfo{c.name, c.kind};
        return std::nullopt;
    };
    std::string error;
    if (const auto f = CompileFilter(text, lookup, {noCase, format}, &error)) {
        // Constants are parameters: no quote of the input in the SQL text.
        fuzz::Require(f->where.find('\'') == std::string::npos && f->where.find(';') == std::string::npos,
                      "filter SQL holds input text");
    } else {
        fuzz::Require(!error.empty(), "refused filter without a message");
    }

    tTable& t = charts->ChartTable();
    try {
        t.SetFilter(text, noCase, format);
        (void)t.RecordCount();
    } catch (const tStorageError&) {
        fuzz::Require(t.RecordCount() == 3, "a refused filter changed the table");
    }
    t.ClearFilter();
    return 0;
}
