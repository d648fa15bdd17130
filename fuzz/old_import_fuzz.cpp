// Old-format chart files of any bytes: the whole records are taken, the
// damaged ones named and skipped, and every row written reads back.
#include <filesystem>

#include "core/data/chart_file.h"
#include "core/data/data_module.h"
#include "core/i18n/text_encoding.h"
#include "core/options/option_set.h"
#include "fuzz_support.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const tOptionRecord o = tOptionRecord::Defaults();
    fuzz::ResetHome();
    const auto outside = fuzz::Outside();
    fuzz::PutFile("old.dat", std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string target = fuzz::Home() + "/imported.db";
    tMoveReport report;
    try {
        report = ConvertOldChartFile(fuzz::Home() + "/old.dat", target, &o.BirthSet);
    } catch (const tStorageError&) {
        return 0;
    }
    for (const std::string& p : report.problems) fuzz::RequireUtf8(p, "import message not UTF-8");
    TData1 charts(fuzz::Home(), "imported.db", TData1::tChartFileMode::kExisting);
    tTable& t = charts.ChartTable();
    std::size_t rows = 0;
    for (t.First(); !t.Eof(); t.Next(), ++rows) {
        tChart c(&o.BirthSet);
        charts.ReadChart(c);  // what the import wrote is a chart the program can read
        fuzz::RequireUtf8(c.Name + c.FirstName + c.BirthPlace + c.Comment, "imported text not UTF-8");
        CalcChart(c);
        for (int n = 1; n <= c.BodyCount(); ++n) fuzz::RequireFinite(c.BodyAt(n)->GetPosition(), "body not a number");
    }
    fuzz::Require(rows == report.rows, "rows written and rows read differ");
    fuzz::Require(fuzz::Outside() == outside, "a file outside the home was touched");
    return 0;
}
