// The report window: one rich-text control over the window's own copies of
// one or two charts. The report classes override what they write; the
// frame forwards its commands (save, lists, analysis, export) here.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

class QPrinter;

#include "core/aspects/aspects.h"
#include "core/chart/chart.h"
#include "core/reports/analysis_file.h"
#include "shell/platform/commands.h"
#include "shell/platform/program.h"
#include "shell/printing/report_printing.h"
#include "shell/widgets/af_rich_edit.h"

namespace quintara {

class TChartPrint;

class TAstroBaseWindow : public QWidget {
public:
    // The window's charts are copies of first (and of second when given and
    // another object), recomputed; the caller's charts never change.
    TAstroBaseWindow(tProgram& program, const tChart& first, const tChart* second, QWidget* parent = nullptr);
    ~TAstroBaseWindow() override;

    tProgram& Program() { return program; }
    tChart& First() { return *first; }
    const tChart& First() const { return *first; }
    tChart& Second() { return second ? *second : *first; }
    TAFRichEdit& Text() { return *richText; }
    bool ChartModified = false;

    virtual int HelpContext() const { return 0; }
    // A window whose chart can be saved and modified (Save, Modify, Print).
    virtual bool IsChartWindow() const { return false; }
    // An auxiliary window: its Chart and Chart 2 menus are disabled.
    virtual bool IsSecondary() const { return false; }
    // The window of a chart read from the chart file (one window per
    // stored chart: two would overwrite each other's edits).
    virtual bool HoldsStored(const tChart& /*stored*/) const { return false; }
    // Transits, compare to day and previsions: no Save or Modify.
    virtual bool IsMomentWindow() const { return false; }
    // The frame's commands this window carries out (the frame enables its
    // menus from this), and carrying one out.
    virtual bool Supports(tCommand command) const;
    virtual void Run(tCommand command);
    // Chart 2 > ...: the second chart and its dialog, then the window.
    virtual void Chart2Command(tCommand /*command*/) {}
    // The wheel of the window's charts (a pair's: after choosing its second
    // chart), or the two charts side by side; none when the window has no
    // such picture or the user cancelled the choice.
    virtual std::optional<tDocumentRequest> Wheel(bool /*usStyle*/) { return std::nullopt; }
    virtual std::optional<tDocumentRequest> SideBySide(bool /*usStyle*/) { return std::nullopt; }
    // Print > Chart and aspects ...: the formatter of this kind of window.
    virtual std::unique_ptr<TChartPrint> MakePrint();

    // Builds the text: header and body; the text counts as unmodified.
    void Build();
    virtual void InsText();
    void InsList();
    void InsAspects();
    virtual void InsAnalyse();
    // Appends a report text built by write() to the window's text, or to
    // the target of WriteInto.
    template <class F>
    void Write(F&& write)
    {
        TAFRichEdit& out = writeTarget ? *writeTarget : *richText;
        tQtFontMetrics metrics(out.font());
        tReportText text(metrics);
        write(text);
        out.Append(text);
        // Generated text is no step to undo: Ctrl+Z undoes the user's edits only.
        out.document()->clearUndoRedoStacks();
    }
    // Runs sections (calls of the Ins... writers) with their text going to
    // target instead of the window: a print formatter's own document.
    void WriteInto(TAFRichEdit& target, const std::function<void()>& sections);
    // The header block of the first chart (of both people's, where the
    // window compares two).
    virtual void InsHeader();

    // Chart 1 > New ...: further windows on this window's charts.
    virtual void NewNatal() {}
    virtual void NewList() {}
    virtual void NewAspects() {}
    virtual void NewAnalysis() {}

    // The text as rich text (what the chart file stores), and back.
    std::string Rtf();
    void ShowStored(const std::string& stored);
    // Save and Save text as the user asks for them: a refused write (full
    // disk, lock, read-only) is told here and false returned; the window
    // keeps the chart and its changes.
    bool SaveChart();
    // File > Recast: the chart cast again with the current house system and
    // zodiac, the text rebuilt; false when it already was.
    bool RecastChart();
    bool SaveText();
    // The chart dialog on the first chart (caption 165 "Modify"); true when
    // the chart changed.
    bool ModifyChart();
    // The text as a rich-text file; false with error on failure.
    bool ExportText(const QString& path, QString& error);
    // Print > Window: the text with the settings' margins, header and footer.
    bool PrintText(QPrinter& printer);
    tPrintLayout PrintLayout();

    // The close questions; false keeps the window open.
    virtual bool CanClose();

    QSize sizeHint() const override { return {760, 540}; }
    void ShowInfo();
    QString InfoText();

protected:
    // The write of Save; throws what the storage refuses.
    virtual void StoreChart();
    // Runs write; what it throws is told ("The <what> was not saved: ...").
    bool Stored(const char* what, const std::function<void()>& write);
    // Appends the lines run makes from the analysis file of kind; a file
    // that cannot be read is said in a message.
    void AppendInterpretation(int kind,
                              const std::function<void(const tAnalysisFile&, std::vector<std::string>&)>& run);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    tReportContext ctx;

private:
    tProgram& program;
    std::unique_ptr<tChart> first, second;
    TAFRichEdit* richText;
    TAFRichEdit* writeTarget = nullptr;
};

}  // namespace quintara
