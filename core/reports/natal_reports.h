// The one-chart report texts: the header block, the positions list with
// cusps, further bodies, sign distribution and planets in houses, the
// numbered list of all bodies, and the aspects table. Lines are appended
// to a report text; columns are separated by tabs.
#pragma once

#include "core/reports/report_context.h"
#include "core/reports/report_text.h"

namespace quintara {

class tAspectsCollection;
class tChart;

// An empty name becomes the birth date text and the first name the birth
// time text; the chart keeps them.
// The chart's house system by its caption; "Time unknown" without houses.
std::string HouseSystemName(const tChart& chart, const tReportContext& ctx);

void WriteHeader(tReportText& text, tChart& chart, const tReportContext& ctx);
void WriteList(tReportText& text, const tChart& chart, const tReportContext& ctx);
void WritePlanetsInHouses(tReportText& text, const tChart& chart, const tReportContext& ctx);
void WriteFullList(tReportText& text, const tChart& chart, const tReportContext& ctx);

// The header blocks of both people of a synastry, one after the other.
void WritePairHeader(tReportText& text, tChart& first, tChart& second, const tReportContext& ctx);

// Fills aspects with the chart's natal aspects, scored with dignities, and
// writes the table; withHeading false leaves out the heading line (the
// return, progression and midpoint reports).
void DisplayAspects(tReportText& text, const tChart& chart, tAspectsCollection& aspects, const tReportContext& ctx,
                    bool withHeading = true);

// A column's tab width: its longest text (characters) and two spaces, at
// least least.
int ColumnWidth(std::size_t longest, int least);
// Tab stops of an aspect table: each column as wide as its longest entry
// or heading (head1, head3: the first and third columns' headings).
void SetAspectTabs(tReportText& text, const tAspectsCollection& aspects, const tReportContext& ctx,
                   const std::string& head1, const std::string& head3);
// The aspect lines and the totals line of a scored list. twoCharts: the
// two-chart table (totals one column on). SetAspectTabs first.
void WriteAspectLines(tReportText& text, const tAspectsCollection& aspects, const tReportContext& ctx,
                      bool twoCharts);

}  // namespace quintara
