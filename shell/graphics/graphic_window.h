// The graphic windows: a chart picture replayed on every paint at the
// window's size, with zoom, clicks for information, drags, copy and export;
// the chart pictures add a tool panel to show and hide bodies, houses and
// aspect classes and to scale the orbs.
#pragma once

#include <memory>

#include <QPointer>
#include <QWidget>

#include "core/aspects/previsions.h"
#include "core/chart/chart.h"
#include "core/graphics/chart_graphs.h"
#include "core/graphics/picture_context.h"
#include "core/reports/analysis_file.h"
#include "shell/platform/commands.h"
#include "shell/widgets/info_dlg.h"

class QContextMenuEvent;
class QMenu;
class QPainter;
class QPrinter;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace quintara {

class tProgram;

class TGraphicWindow : public QWidget {
public:
    explicit TGraphicWindow(tProgram& program, QWidget* parent = nullptr);
    ~TGraphicWindow() override;

    virtual int HelpContext() const { return 3011; }
    // Copy, export, print and zoom; the Graphics menu.
    bool Supports(tCommand command) const;
    tProgram& Program() { return program; }
    tDrawing* Drawing() { return drawing.get(); }
    QWidget* Picture() { return picture; }

    double Zoom = 1.0;
    bool KeepProportions = false;

    // The replay numbers of the visible area as it is now. A zoom above 100
    // percent makes the picture larger than the area: it scrolls.
    tReplay Replay() const;
    // The visible area changed (a resize), or the zoom did.
    void ViewResized(QSize size);
    QSize ViewSize() const { return view; }
    void ZoomIn();
    void ZoomOut();
    // Setup and RecordGraph again (options, orbs, aspect classes changed).
    void Rebuild();
    // The options dialog on set 1, 2 or 3; on OK the picture is drawn again.
    void ShowOptions(int set);
    // The picture on the clipboard as SVG and as a bitmap.
    void Copy();
    // SVG, PDF or PNG by the file's extension; false with error otherwise.
    bool Export(const QString& path, QString& error);
    // The picture on one page of the printer (or PDF file), every line
    // wider by the "PrintLineFactor" setting; false when nothing printed.
    bool Print(QPrinter& printer);

    // The mouse rules, in picture coordinates.
    void Press(QPoint at);
    void Move();
    void Release(QPoint at, QPoint global);
    void DoubleClick(QPoint at, QPoint global);
    // The open information window (a panel, or a wheel's aspects), if any.
    QDialog* InfoForm() const { return infoForm; }
    // The extended information of element (an interpretation) at a screen
    // position; a beep when it has none, unless quiet.
    void ShowExInfo(tElement* element, QPoint screen, bool quiet = false);

protected:
    void SetDrawing(std::unique_ptr<tDrawing> d);

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Copy, and the preferences (disabled until the options dialog comes).
    void contextMenuEvent(QContextMenuEvent* event) override;
    virtual void AddPreferences(QMenu& menu);
    // The picture as printed differs (a wheel's key of aspect colours):
    // on before the page, off after it.
    virtual void PrintedForm(bool /*on*/) {}

private:
    friend class TPictureView;
    tProgram& program;
    std::unique_ptr<tDrawing> drawing;
    QScrollArea* scroll;
    QWidget* picture;
    QSize view{760, 600};
    // The information window of hit (the graph's when none) at global.
    void ShowInfo(tElement* hit, QPoint at, QPoint global);
    tElement* hitElement = nullptr;
    bool mouseIsDown = false, dragging = false, doubleClicked = false;
    // Counts rebuilds: an element pointer from an older one is gone.
    int generation = 0;
    QPointer<QDialog> infoForm;
};

class TAstroGraphicWindow : public TGraphicWindow {
public:
    // Copies of the charts (second only when given and another object),
    // made with the birth option set, or with the first- and second-chart
    // sets for a two-chart picture.
    TAstroGraphicWindow(tProgram& program, const tChart& first, const tChart* second, QWidget* parent = nullptr,
                        bool twoSets = false);
    ~TAstroGraphicWindow() override;

    tChart& Chart1() { return *chart1; }
    tChart& Chart2() { return chart2 ? *chart2 : *chart1; }
    bool HasSecondChart() const { return chart2 != nullptr; }

    bool GetShown(int body) const;
    void SetShown(tChart& chart, int body, bool shown);
    // A body button pressed: bodies of chart 1 (the houses button: 14 to
    // 24 but the Midheaven); second: the same on a distinct chart 2.
    void ToggleBodies(int button, bool second);
    // A+ A- a+ a-: bit 1, 2, 4 or 8 of the aspect classes, rebuilt.
    void ToggleAspectClass(int bit);
    void SetOrbPercent(int percent);

    QToolButton* BodyButton(int button) const;  // 1..12 bodies, 13 Asc, 14 MC, 15 II-XII
    QToolButton* AspectButton(int bit) const;    // 1, 2, 4, 8
    QSpinBox *ZoomSE, *OrbSE;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A pair's picture: the birth and other chart's options.
    void AddPreferences(QMenu& menu) override;
    void SetDrawingNone();
    // What the pictures read besides the charts.
    tPictureContext ctx;
    void HideAspectTools();
    void HideToolPanel();

private:
    void UpdateButtons();
    bool twoChartSets;
    std::unique_ptr<tChart> chart1, chart2;
    tAnalysisFile analysis;
    QWidget* panel;
    std::vector<QToolButton*> bodyButtons, aspectButtons;
};

// The wheels of one chart (standard and second style), of two charts
// (inner and outer, in both styles) and side by side.
class TChartGraphWindow : public TAstroGraphicWindow {
public:
    // caption: for two charts, the pair's kind (75 transits, 76 compare to
    // day, 78 synastry); ignored otherwise.
    TChartGraphWindow(tProgram& program, tGraphKind kind, const tChart& first, const tChart* second = nullptr,
                      QWidget* parent = nullptr, int caption = 78);
    int HelpContext() const override { return help; }

protected:
    void PrintedForm(bool on) override;

private:
    int help;
};

// The previsions of a pair as a graph.
class TPrevGraphWindow : public TAstroGraphicWindow {
public:
    TPrevGraphWindow(tProgram& program, const tChart& natal, tPrevCollection steps, QWidget* parent = nullptr);
    int HelpContext() const override { return 303; }
};

}  // namespace quintara
