#include "core/reports/chart_saving.h"

#include "core/chart/chart.h"
#include "core/data/data_module.h"

namespace quintara {
namespace {

bool GoToChart(TData1& data, const tChart& chart)
{
    return chart.Index > 0 && data.ChartTable().Locate({"Index"}, {tSqlValue(std::int64_t{chart.Index})});
}

void Store(TData1& data, tChart& chart, const std::string* text, bool append)
{
    tTable& t = data.ChartTable();
    if (append) t.Insert();
    else t.Edit();
    try {
        data.WriteChart(chart);
        if (text) t.Set("TEXT", *text);
        t.Post();
    } catch (...) {
        t.Cancel();
        throw;
    }
    chart.Index = static_cast<std::int32_t>(t.Int("Index"));
}

}  // namespace

tCloseQuestion CloseQuestion(bool chartModified, bool textModified)
{
    if (chartModified) return tCloseQuestion::SaveChart;
    return textModified ? tCloseQuestion::SaveText : tCloseQuestion::None;
}

bool RebuildTextAfterModify(bool textModified, const std::function<bool()>& changeDisplay)
{
    return !textModified || (changeDisplay && changeDisplay());
}

void SaveChart(TData1& data, tChart& chart, const std::string* text, const std::function<bool()>& overwrite)
{
    const bool found = GoToChart(data, chart);
    Store(data, chart, text, !(found && overwrite && overwrite()));
}

void AppendChart(TData1& data, tChart& chart, const std::string* text) { Store(data, chart, text, true); }

void SaveText(TData1& data, tChart& chart, const std::string& text)
{
    if (!GoToChart(data, chart)) {
        Store(data, chart, &text, true);
        return;
    }
    tTable& t = data.ChartTable();
    t.Edit();
    t.Set("TEXT", text);
    t.Post();
}

}  // namespace quintara
