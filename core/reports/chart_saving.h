// Storing a report window's chart and text in the chart file, and the
// questions asked when the window closes. The windows supply the answers.
#pragma once

#include <functional>
#include <string>

namespace quintara {

class TData1;
class tChart;

enum class tCloseQuestion {
    None,
    SaveChart,  // caption 38 "Save chart data?"
    SaveText,   // caption 39 "Save modified text?"
};
// Only the chart question when the chart was changed, text or not.
tCloseQuestion CloseQuestion(bool chartModified, bool textModified);

// After the chart was modified: the text is built anew unless the user
// changed it and changeDisplay() ("Change text display") says no.
bool RebuildTextAfterModify(bool textModified, const std::function<bool()>& changeDisplay);

// The row of chart.Index is overwritten when it exists and overwrite()
// ("Overwrite saved chart") says so; otherwise the chart becomes a new row
// and chart.Index its new index. text (when given) goes into "TEXT".
void SaveChart(TData1& data, tChart& chart, const std::string* text, const std::function<bool()>& overwrite);
// The two-chart windows: always a new row.
void AppendChart(TData1& data, tChart& chart, const std::string* text);
// The text into the chart's row; a chart without a row (or whose row the
// filter hides) is appended with its text rather than touching another
// chart's row.
void SaveText(TData1& data, tChart& chart, const std::string& text);

}  // namespace quintara
