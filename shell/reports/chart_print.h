// Print > Chart and aspects, Analysis and All: a formatter writes the
// sections of a report window into a document of its own (the window's
// text is not touched) and prints it as one job, with the page header and
// footer, and for All the chart wheel on a last page.
#pragma once

#include <memory>

#include <QString>

class QPrinter;

namespace quintara {

class TAstroBaseWindow;
class TAFRichEdit;

enum class tPrintSections { ChartAndAspects, Analysis, Graphic, All };

class TChartPrint {
public:
    // window: the report window whose charts and section texts are printed.
    explicit TChartPrint(TAstroBaseWindow& window);
    virtual ~TChartPrint();
    TChartPrint(const TChartPrint&) = delete;
    TChartPrint& operator=(const TChartPrint&) = delete;

    // The sections, in the order they print: the header block, the
    // position list, the aspects, the analysis.
    virtual void header_block();
    virtual void position_list();
    virtual void print_aspects();
    virtual void print_analysis();

    // Writes the sections into RichText and prints them (and the wheel for
    // Graphic and All, when the window has one); false when the printer
    // could not be started.
    bool Print(QPrinter& printer, tPrintSections sections);
    // NAME FIRSTNAME COMMENT of the chart.
    QString JobTitle() const;
    TAFRichEdit& RichText() { return *richText; }

protected:
    TAstroBaseWindow& window;

private:
    std::unique_ptr<TAFRichEdit> richText;
};

// The transits table and their interpretation.
class tTransitsPrint : public TChartPrint {
public:
    using TChartPrint::TChartPrint;
    void print_aspects() override;
};

// A pair's aspects table and its interpretation (synastry; compare to
// day, return and progression compared with the birth chart).
class tPrintCompare2 : public TChartPrint {
public:
    using TChartPrint::TChartPrint;
    void print_aspects() override;
};

class tPrintCompareDay : public tPrintCompare2 {
public:
    using tPrintCompare2::tPrintCompare2;
};

class tPrintRevCompare : public tPrintCompare2 {
public:
    using tPrintCompare2::tPrintCompare2;
};

class tPrintProgCompare : public tPrintCompare2 {
public:
    using tPrintCompare2::tPrintCompare2;
};

// A return or progressed chart: its aspects and its interpretation.
class tprintSunReturn : public TChartPrint {
public:
    using TChartPrint::TChartPrint;
    void print_aspects() override;
};

class tPrintprogression : public tprintSunReturn {
public:
    using tprintSunReturn::tprintSunReturn;
};

}  // namespace quintara
