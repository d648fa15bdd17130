#include "shell/graphics/graphic_window.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/graphics/wheel.h"
#include "shell/canvas/picture_files.h"
#include "shell/canvas/qt_canvas.h"
#include "shell/graphics/wheel_aspects.h"
#include "core/graphics/picture_setup.h"
#include "core/i18n/caption_ids.h"
#include "core/reports/analysis_choice.h"
#include "shell/options/options_dlg.h"
#include "shell/platform/program.h"
#include "shell/printing/print_picture.h"
#include "shell/printing/report_printing.h"
#include "shell/widgets/help_contexts.h"
#include "shell/widgets/info_dlg.h"

namespace quintara {

// The area the picture is painted on; its events go to the window.
class TPictureView : public QWidget {
public:
    explicit TPictureView(TGraphicWindow& w) : QWidget(&w), window(w)
    {
        setObjectName("Picture");
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(false);
        setFocusPolicy(Qt::ClickFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const tColor background = window.program.Options().BirthSet.Colors[kSlotBackground];
        painter.fillRect(rect(), ToQColor(background));
        if (!window.drawing) return;
        // Smooth lines, arcs and text; fills take the recorded figures, so
        // they stay inside them however the edges are blended.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        tQtCanvas canvas(painter, nullptr);
        window.drawing->play(canvas, window.Replay());
    }
    void mousePressEvent(QMouseEvent* e) override { window.Press(e->position().toPoint()); }
    void mouseMoveEvent(QMouseEvent*) override { window.Move(); }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton) window.Release(e->position().toPoint(), e->globalPosition().toPoint());
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        window.DoubleClick(e->position().toPoint(), e->globalPosition().toPoint());
    }

private:
    TGraphicWindow& window;
};

TGraphicWindow::TGraphicWindow(tProgram& p, QWidget* parent) : QWidget(parent), program(p)
{
    setAttribute(Qt::WA_DeleteOnClose);
    picture = new TPictureView(*this);
    scroll = new QScrollArea(this);
    scroll->setObjectName("PictureScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(picture);
    scroll->viewport()->installEventFilter(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll, 1);
    resize(760, 600);
}

bool TGraphicWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scroll->viewport() && event->type() == QEvent::Resize) ViewResized(scroll->viewport()->size());
    return QWidget::eventFilter(watched, event);
}

void TGraphicWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(program.Caption(caption::kCopy), this, &TGraphicWindow::Copy);
    AddPreferences(menu);
    menu.exec(event->globalPos());
}

void TGraphicWindow::AddPreferences(QMenu& menu)
{
    menu.addAction(program.Caption(caption::kPreferences), this, [this] { ShowOptions(1); });
}

void TGraphicWindow::ShowOptions(int set)
{
    TOptionsDlg dialog(program, set, this);
    if (dialog.exec() == QDialog::Accepted) Rebuild();
}

void TGraphicWindow::ViewResized(QSize size)
{
    view = size;
    const double grow = std::max(1.0, Zoom);
    picture->resize(static_cast<int>(size.width() * grow), static_cast<int>(size.height() * grow));
    picture->update();
}

TGraphicWindow::~TGraphicWindow() = default;

void TGraphicWindow::SetDrawing(std::unique_ptr<tDrawing> d)
{
    drawing = std::move(d);
    Rebuild();
}

tReplay TGraphicWindow::Replay() const
{
    return PageReplay(view.width(), view.height(), Zoom, KeepProportions, true);
}

void TGraphicWindow::ZoomIn()
{
    Zoom *= 1.1;
    ViewResized(view);
}

void TGraphicWindow::ZoomOut()
{
    Zoom *= 0.9;
    ViewResized(view);
}

void TGraphicWindow::Rebuild()
{
    if (!drawing) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    hitElement = nullptr;  // the elements are made anew
    ++generation;
    drawing->Redraw();
    QApplication::restoreOverrideCursor();
    picture->update();
}

void TGraphicWindow::Copy()
{
    if (!drawing) return;
    const tPictureOptions o{1000, 1000, 1.0, KeepProportions, program.Options().BirthSet.Colors[kSlotBackground]};
    auto* data = new QMimeData;
    data->setData("image/svg+xml", QByteArray::fromStdString(PictureSvg(*drawing, o)));
    data->setImageData(PictureImage(*drawing, o));
    QApplication::clipboard()->setMimeData(data);
}

bool TGraphicWindow::Export(const QString& path, QString& error)
{
    if (!drawing) return false;
    std::string why;
    const tPictureOptions o{1000, 1000, 1.0, KeepProportions, program.Options().BirthSet.Colors[kSlotBackground]};
    if (!WritePicture(*drawing, path.toStdString(), o, why)) {
        error = QString::fromStdString(why);
        return false;
    }
    return true;
}

bool TGraphicWindow::Print(QPrinter& printer)
{
    if (!drawing) return false;
    printer.setDocName(windowTitle());
    PrintedForm(true);
    const bool printed = PrintPicturePage(printer, *drawing, OptionsPrintLayout(program.Options(), windowTitle()), Zoom,
                                          KeepProportions, program.Options().PrintLineFactor);
    PrintedForm(false);
    return printed;
}

bool TGraphicWindow::Supports(tCommand c) const
{
    return c == tCommand::Copy || c == tCommand::Export || c == tCommand::PrintWindow || c == tCommand::Zoom ||
           c == tCommand::GraphicsMenu;
}

void TGraphicWindow::Press(QPoint at)
{
    mouseIsDown = true;
    doubleClicked = false;
    hitElement = drawing ? drawing->PointInRegion(at.x(), at.y()) : nullptr;
}

void TGraphicWindow::Move()
{
    if (!mouseIsDown) return;
    mouseIsDown = false;
    dragging = true;
}

void TGraphicWindow::Release(QPoint at, QPoint global)
{
    if (doubleClicked) {
        // The release that ends a double click: the extended window stays.
        doubleClicked = dragging = mouseIsDown = false;
        return;
    }
    if (dragging && hitElement) {
        hitElement->move(at.x(), at.y(), view.width() / 10, view.height() / 10);
        picture->update();
    } else if (drawing) {
        if (infoForm) infoForm->close();
        ShowInfo(hitElement, at, global);
        picture->setFocus();
    }
    dragging = mouseIsDown = false;
}

void TGraphicWindow::ShowInfo(tElement* hit, QPoint at, QPoint global)
{
    // "Info +" may come after a rebuild (the clock's tick): the element is
    // then looked for again where it was clicked.
    const int made = generation;
    const auto current = [this, hit, at, made]() -> tElement* {
        if (made == generation) return hit;
        return drawing ? drawing->PointInRegion(at.x(), at.y()) : nullptr;
    };
    if (auto* wheel = dynamic_cast<tWheelBase*>(hit)) {
        auto* w = new TWheelAspects(program, this, global, wheel->InfoWindow().Text, [this, current] {
            if (tElement* e = current()) ShowExInfo(e, mapToGlobal(QPoint(100, 100)));
        });
        w->show();
        infoForm = w;
        return;
    }
    const tInfoText info = hit ? hit->InfoWindow() : drawing->InfoWindow();
    std::function<void(QPoint)> plus;
    if (hit)
        plus = [this, current](QPoint screen) {
            if (tElement* e = current()) ShowExInfo(e, screen);
            else program.Messenger().Beep();
        };
    infoForm = ShowInfoPanel(program, this, QString::fromStdString(info.Caption), QString::fromStdString(info.Text),
                             std::move(plus));
    infoForm->move(global);
}

void TGraphicWindow::ShowExInfo(tElement* e, QPoint screen, bool quiet)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto lines = e->ExInfoWindow();
    QApplication::restoreOverrideCursor();
    if (!lines) {
        if (!quiet) program.Messenger().Beep();
        return;
    }
    const auto* wheel = dynamic_cast<const tWheelBase*>(e);
    const std::string caption = wheel ? wheel->Chart.Name : e->InfoWindow().Caption;
    (new TExInfoDlg(this, screen, QString::fromStdString(caption), *lines))->show();
}

void TGraphicWindow::DoubleClick(QPoint at, QPoint global)
{
    if (!drawing) return;
    doubleClicked = true;
    if (infoForm) infoForm->close();
    tElement* hit = drawing->PointInRegion(at.x(), at.y());
    ShowExInfo(hit ? hit : drawing.get(), global, true);
}

namespace {

// The hint captions hold "short|long".
void Hint(QWidget* w, const QString& caption)
{
    w->setToolTip(caption.section('|', 0, 0));
    w->setStatusTip(caption.section('|', 1));
}

}  // namespace

TAstroGraphicWindow::TAstroGraphicWindow(tProgram& p, const tChart& first, const tChart* second, QWidget* parent,
                                         bool twoSets)
    : TGraphicWindow(p, parent), twoChartSets(twoSets)
{
    TMainOptions& o = p.Options();
    tPictureCharts charts(o, first, second, twoChartSets);
    chart1 = std::move(charts.first);
    chart2 = std::move(charts.second);
    Zoom = o.Zoom > 0 ? o.Zoom : 1.0;
    ctx = MakePictureContext(o, p.Languages());
    std::string error;
    if (analysis.Open(ChooseAnalysisFile(o, kAnalysisBirthChart).path, error)) ctx.Analysis = &analysis;

    // The tool panel, right-aligned.
    panel = new QWidget(this);
    panel->setObjectName("ToolPanel");
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);
    const auto button = [&](const QString& text, const char* name) {
        auto* b = new QToolButton(panel);
        b->setObjectName(name);
        b->setText(text);
        b->setCheckable(true);
        b->setMinimumWidth(44);
        return b;
    };
    for (int n = 1; n <= 12; ++n) {
        QToolButton* b = button(QString::fromStdString(p.Languages().PlanetShortName(n)),
                                ("SpeedButton" + std::to_string(n)).c_str());
        bodyButtons.push_back(b);
    }
    bodyButtons.push_back(button("Asc", "AscSB"));
    bodyButtons.push_back(button("MC", "MidHSB"));
    bodyButtons.push_back(button("II-XII", "HousesSB"));
    for (std::size_t i = 0; i < bodyButtons.size(); ++i) {
        QToolButton* b = bodyButtons[i];
        Hint(b, p.Caption(caption::kLeftRight));
        grid->addWidget(b, static_cast<int>(i) / 2, static_cast<int>(i) % 2);
        const int number = static_cast<int>(i) + 1;
        connect(b, &QToolButton::clicked, this, [this, number] { ToggleBodies(number, false); });
        b->installEventFilter(this);
    }
    int row = static_cast<int>(bodyButtons.size() + 1) / 2;
    const std::pair<const char*, const char*> classes[] = {{"A+", "AAPlusSB"}, {"A-", "AAMinusSB"}, {"a+", "APlusSB"}, {"a-", "AMinusSB"}};
    for (int k = 0; k < 4; ++k) {
        QToolButton* b = button(classes[k].first, classes[k].second);
        Hint(b, p.Caption(k < 2 ? 220 : 221));
        aspectButtons.push_back(b);
        grid->addWidget(b, row + k / 2, k % 2);
        const int bit = 1 << k;
        connect(b, &QToolButton::clicked, this, [this, bit] { ToggleAspectClass(bit); });
    }
    row += 2;
    auto* zoomLabel = new QLabel(p.Caption(caption::kZoom), panel);
    zoomLabel->setObjectName("Label1");
    ZoomSE = new QSpinBox(panel);
    ZoomSE->setObjectName("ZoomSE");
    ZoomSE->setRange(50, 150);
    ZoomSE->setSingleStep(5);
    ZoomSE->setValue(100);
    auto* orbLabel = new QLabel(p.Caption(caption::kOrb), panel);
    orbLabel->setObjectName("Label2");
    OrbSE = new QSpinBox(panel);
    OrbSE->setObjectName("OrbSE");
    OrbSE->setRange(50, 200);
    OrbSE->setSingleStep(10);
    OrbSE->setValue(100);
    ZoomSE->setKeyboardTracking(false);
    OrbSE->setKeyboardTracking(false);
    grid->addWidget(zoomLabel, row, 0, 1, 2);
    grid->addWidget(ZoomSE, row + 1, 0, 1, 2);
    grid->addWidget(orbLabel, row + 2, 0, 1, 2);
    grid->addWidget(OrbSE, row + 3, 0, 1, 2);
    grid->setRowStretch(row + 4, 1);
    connect(ZoomSE, &QSpinBox::valueChanged, this, [this](int v) {
        Zoom = v / 100.0;
        ViewResized(ViewSize());
    });
    connect(OrbSE, &QSpinBox::valueChanged, this, &TAstroGraphicWindow::SetOrbPercent);
    static_cast<QHBoxLayout*>(layout())->addWidget(panel);
    UpdateButtons();
}

TAstroGraphicWindow::~TAstroGraphicWindow()
{
    // The drawing refers to the charts: it goes first.
    SetDrawingNone();
}

void TAstroGraphicWindow::SetDrawingNone() { TGraphicWindow::SetDrawing(nullptr); }

QToolButton* TAstroGraphicWindow::BodyButton(int button) const { return bodyButtons.at(static_cast<std::size_t>(button - 1)); }

QToolButton* TAstroGraphicWindow::AspectButton(int bit) const
{
    for (int k = 0; k < 4; ++k)
        if (bit == 1 << k) return aspectButtons[static_cast<std::size_t>(k)];
    return nullptr;
}

bool TAstroGraphicWindow::GetShown(int body) const
{
    const tPlanet* b = chart1->FindBody(body);
    return b && b->Visible;
}

void TAstroGraphicWindow::SetShown(tChart& chart, int body, bool shown)
{
    if (tPlanet* b = chart.FindBody(body)) b->Visible = shown;
}

namespace {

// The bodies a button stands for.
std::vector<int> BodiesOf(int button)
{
    if (button <= 12) return {button};
    if (button == 13) return {13};
    if (button == 14) return {22};
    std::vector<int> houses;
    for (int n = 14; n <= 24; ++n)
        if (n != 22) houses.push_back(n);
    return houses;
}

}  // namespace

void TAstroGraphicWindow::ToggleBodies(int button, bool second)
{
    if (second && !chart2) return;
    tChart& chart = second ? *chart2 : *chart1;
    const std::vector<int> bodies = BodiesOf(button);
    const tPlanet* first = chart.FindBody(bodies.front());
    const bool shown = !(first && first->Visible);
    for (int n : bodies) SetShown(chart, n, shown);
    UpdateButtons();
    Picture()->update();  // shown at the next paint, no rebuild
}

void TAstroGraphicWindow::ToggleAspectClass(int bit)
{
    const std::int32_t options = Program().Options().AspectTypes;
    chart1->AspectTypes = chart1->EffectiveAspectTypes(options) ^ bit;
    if (chart2) chart2->AspectTypes = chart2->EffectiveAspectTypes(options) ^ bit;
    UpdateButtons();
    Rebuild();
}

void TAstroGraphicWindow::SetOrbPercent(int percent)
{
    chart1->OrbPercent = percent;
    Rebuild();
}

void TAstroGraphicWindow::UpdateButtons()
{
    for (std::size_t i = 0; i < bodyButtons.size(); ++i)
        bodyButtons[i]->setChecked(GetShown(BodiesOf(static_cast<int>(i) + 1).front()));
    const std::int32_t types = chart1->EffectiveAspectTypes(Program().Options().AspectTypes);
    for (int k = 0; k < 4; ++k) aspectButtons[static_cast<std::size_t>(k)]->setChecked((types & (1 << k)) != 0);
}

bool TAstroGraphicWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The right button on a body button works on the second chart, and
    // brings no context menu.
    const bool right =
        event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    if (right || event->type() == QEvent::ContextMenu)
        for (std::size_t i = 0; i < bodyButtons.size(); ++i)
            if (watched == bodyButtons[i]) {
                if (right) ToggleBodies(static_cast<int>(i) + 1, true);
                return true;
            }
    return TGraphicWindow::eventFilter(watched, event);
}

void TAstroGraphicWindow::AddPreferences(QMenu& menu)
{
    if (!twoChartSets) return TGraphicWindow::AddPreferences(menu);
    menu.addAction(Program().Caption(caption::kBirthChart), this, [this] { ShowOptions(2); });
    menu.addAction(Program().Caption(caption::kOtherChart), this, [this] { ShowOptions(3); });
}

void TAstroGraphicWindow::HideAspectTools()
{
    for (QToolButton* b : aspectButtons) b->hide();
    OrbSE->hide();
    findChild<QLabel*>("Label2")->hide();
}

void TAstroGraphicWindow::HideToolPanel() { panel->hide(); }

TChartGraphWindow::TChartGraphWindow(tProgram& p, tGraphKind kind, const tChart& first, const tChart* second,
                                     QWidget* parent, int caption)
    : TAstroGraphicWindow(p, first, IsTwoChartGraph(kind) ? second : nullptr, parent, IsTwoChartGraph(kind))
{
    KeepProportions = true;
    const bool side = kind == tGraphKind::SideBySide || kind == tGraphKind::USSideBySide;
    int title = 175;
    help = kind == tGraphKind::US ? 302 : 301;
    if (kind == tGraphKind::Two || kind == tGraphKind::USTwo) title = caption, help = caption == caption::kTransits ? help::kTransitsGraph : 3011;
    if (side) title = 102, help = 304;
    if (kind == tGraphKind::Grid || kind == tGraphKind::TwoGrid) title = caption::kAspectGrid;
    setWindowTitle(p.Caption(title) + ": " + QString::fromStdString(Chart1().Name) + " " +
                   QString::fromStdString(Chart1().FirstName));
    SetDrawing(std::make_unique<tChartGraph>(kind, Chart1(), Chart2(), ctx));
}

void TChartGraphWindow::PrintedForm(bool on)
{
    auto* graph = dynamic_cast<tChartGraph*>(Drawing());
    if (!graph || graph->Legend == on) return;
    graph->Legend = on;
    Rebuild();
}

TPrevGraphWindow::TPrevGraphWindow(tProgram& p, const tChart& natal, tPrevCollection steps, QWidget* parent)
    : TAstroGraphicWindow(p, natal, nullptr, parent)
{
    setWindowTitle(p.Caption(caption::kPrevisions) + ": " + QString::fromStdString(Chart1().Name));
    HideToolPanel();
    SetDrawing(std::make_unique<tPrevGraph>(Chart1(), std::move(steps), ctx));
}

}  // namespace quintara
