#include "shell/reports/astro_base_window.h"

#include <QFileInfo>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QTextDocument>
#include <QVBoxLayout>

#include "core/chart/chart_settings.h"
#include "core/chart/date_time.h"
#include "core/chart/derived_charts.h"
#include "core/graphics/font_substitution.h"
#include "core/i18n/caption_ids.h"
#include "core/platform/atomic_file.h"
#include "core/reports/analysis.h"
#include "core/reports/analysis_choice.h"
#include "core/reports/chart_saving.h"
#include "core/reports/margin.h"
#include "core/reports/natal_reports.h"
#include "core/reports/rtf_reader.h"
#include "core/reports/text_writers.h"
#include "shell/chart/new_chart_dlg.h"
#include "shell/printing/report_printing.h"
#include "shell/reports/chart_print.h"
#include "shell/widgets/info_dlg.h"

namespace quintara {

namespace {

std::unique_ptr<tChart> CopyOf(const tChart& c, const OptionSet* set)
{
    auto copy = std::make_unique<tChart>(set);
    CopyComputedChart(c, *copy);
    return copy;
}

QFont ReportFont(TMainOptions& o)
{
    const tExtFont& f = o.GetFont();
    QFont font(QString::fromStdString(SubstituteFont(f.Name, "").Family));
    font.setPointSize(f.Size > 0 ? f.Size : 11);
    return font;
}

}  // namespace

TAstroBaseWindow::TAstroBaseWindow(tProgram& p, const tChart& firstChart, const tChart* secondChart, QWidget* parent)
    : QWidget(parent), ctx(p.ReportContext()), program(p)
{
    setAttribute(Qt::WA_DeleteOnClose);
    first = CopyOf(firstChart, &p.Options().BirthSet);
    if (secondChart && secondChart != &firstChart) second = CopyOf(*secondChart, &p.Options().BirthSet);
    richText = new TAFRichEdit(this);
    // A changed report says so in its title; saving clears the mark.
    connect(richText->document(), &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
            sub->setWindowTitle(windowTitle() + (modified ? " *" : ""));
    });
    richText->setFont(ReportFont(p.Options()));
    richText->document()->setDefaultFont(richText->font());
    // The context menu of the text: Info, Copy, Copy all, Paste.
    richText->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(richText, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        connect(menu.addAction(program.Caption(caption::kInfo)), &QAction::triggered, this, &TAstroBaseWindow::ShowInfo);
        connect(menu.addAction(program.Caption(caption::kCopy)), &QAction::triggered, richText, &QTextEdit::copy);
        connect(menu.addAction(program.Caption(caption::kCopyAll)), &QAction::triggered, this, [this] {
            richText->selectAll();
            richText->copy();
        });
        connect(menu.addAction(program.Caption(caption::kPaste)), &QAction::triggered, richText, &QTextEdit::paste);
        menu.exec(richText->viewport()->mapToGlobal(at));
    });
    // The middle button anywhere on the text opens the information panel.
    richText->viewport()->installEventFilter(this);
    resize(720, 520);
}

bool TAstroBaseWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == richText->viewport() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
        ShowInfo();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

TAstroBaseWindow::~TAstroBaseWindow() = default;

void TAstroBaseWindow::Build()
{
    richText->clear();
    InsHeader();
    InsText();
    richText->document()->clearUndoRedoStacks();
    richText->document()->setModified(false);
    richText->moveCursor(QTextCursor::Start);
}

void TAstroBaseWindow::InsHeader() { Write([&](tReportText& t) { WriteHeader(t, First(), ctx); }); }

void TAstroBaseWindow::WriteInto(TAFRichEdit& target, const std::function<void()>& sections)
{
    struct tRestore {
        TAFRichEdit*& slot;
        ~tRestore() { slot = nullptr; }
    } restore{writeTarget};
    writeTarget = &target;
    sections();
}

void TAstroBaseWindow::InsText() { Write([&](tReportText& t) { WriteList(t, First(), ctx); }); }

void TAstroBaseWindow::InsList() { Write([&](tReportText& t) { WriteFullList(t, First(), ctx); }); }

void TAstroBaseWindow::InsAspects()
{
    tAspectsCollection aspects(ctx.AspectRules);
    Write([&](tReportText& t) { DisplayAspects(t, First(), aspects, ctx); });
}

void TAstroBaseWindow::InsAnalyse()
{
    AppendInterpretation(kAnalysisBirthChart, [&](const tAnalysisFile& file, std::vector<std::string>& lines) {
        AnalyseChart(kAnalysisBirthChart, file, lines, First(), ctx);
    });
}

void TAstroBaseWindow::AppendInterpretation(
    int kind, const std::function<void(const tAnalysisFile&, std::vector<std::string>&)>& run)
{
    tAnalysisFile file;
    std::string error;
    const tAnalysisChoice choice = ChooseAnalysisFile(program.Options(), kind);
    if (!file.Open(choice.path, error)) {
        program.Messenger().Tell(this, tMessenger::kWarning, program.Caption(caption::kAnalysis), QString::fromStdString(error));
        return;
    }
    std::vector<std::string> lines;
    if (!choice.note.empty()) lines.push_back(choice.note);
    run(file, lines);
    Write([&](tReportText& t) {
        for (const std::string& l : lines) t.AddLine(l);
    });
}

std::string TAstroBaseWindow::Rtf()
{
    tQtFontMetrics metrics(richText->font());
    tReportText text(metrics);
    richText->CopyTo(text);
    const tExtFont& f = program.Options().GetFont();
    return WriteRtf(text, {f.Name, f.Size});
}

void TAstroBaseWindow::ShowStored(const std::string& stored)
{
    tQtFontMetrics metrics(richText->font());
    tReportText text(metrics);
    richText->clear();
    if (ReadRtf(stored, text)) richText->Append(text);
    else richText->setPlainText(QString::fromStdString(stored));  // text stored by other means
    richText->document()->setModified(false);
    richText->moveCursor(QTextCursor::Start);
}

bool TAstroBaseWindow::Stored(const char* what, const std::function<void()>& write)
{
    try {
        write();
        return true;
    } catch (const std::exception& e) {
        program.Messenger().Tell(this, tMessenger::kError, windowTitle(),
                                 QString("The %1 was not saved: %2.").arg(what, QString::fromUtf8(e.what())));
        return false;
    }
}

bool TAstroBaseWindow::SaveChart()
{
    return Stored("chart", [this] { StoreChart(); });
}

void TAstroBaseWindow::StoreChart()
{
    const bool textModified = richText->document()->isModified();
    const std::string rtf = Rtf();
    quintara::SaveChart(program.Data(), First(), textModified ? &rtf : nullptr, [&] {
        const QString text =
            QString("\"%1\" is already stored in the chart file.\n\nYes: replace the stored chart with this one.\n"
                    "No: keep the stored chart and store this one as a new chart beside it.")
                .arg(QString::fromStdString(First().Name));
        return program.Messenger().Ask(this, tMessenger::kQuestion, "Overwrite saved chart", text,
                                       tMessenger::kYesNo) == tMessenger::kAnswerYes;
    });
    ChartModified = false;
    richText->document()->setModified(false);
}

bool TAstroBaseWindow::SaveText()
{
    if (!Stored("text", [this] { quintara::SaveText(program.Data(), First(), Rtf()); })) return false;
    richText->document()->setModified(false);
    return true;
}

bool TAstroBaseWindow::RecastChart()
{
    const TMainOptions& o = program.Options();
    if (!RecastWithSettings(First(), o.HouseType, o.ZodiacChoice())) return false;
    ChartModified = true;
    Build();
    return true;
}

bool TAstroBaseWindow::ModifyChart()
{
    TNewChartDlg dialog(program, First(), this);
    dialog.setWindowTitle(program.Caption(caption::kModify));
    if (dialog.exec() != QDialog::Accepted) return false;
    CalcChart(First());
    ChartModified = true;
    const bool rebuild = RebuildTextAfterModify(richText->document()->isModified(), [&] {
        return program.Messenger().Ask(this, tMessenger::kQuestion, "Change text display", "", tMessenger::kYesNo) ==
               tMessenger::kAnswerYes;
    });
    if (rebuild) Build();
    return true;
}

bool TAstroBaseWindow::ExportText(const QString& path, QString& error)
{
    // The type the name says: HTML, plain text, or rich text.
    const QString suffix = QFileInfo(path).suffix().toLower();
    std::string bytes;
    if (suffix == "htm" || suffix == "html" || suffix == "txt") {
        tQtFontMetrics metrics(richText->font());
        tReportText text(metrics);
        richText->CopyTo(text);
        bytes = suffix == "txt" ? WritePlainText(text) : WriteHtml(text, windowTitle().toStdString());
    } else {
        bytes = Rtf();
    }
    std::string why;
    if (!WriteFileAtomically(path.toStdString(), bytes, &why)) {
        error = QString::fromStdString(why);
        return false;
    }
    return true;
}

tPrintLayout TAstroBaseWindow::PrintLayout()
{
    return OptionsPrintLayout(program.Options(),
                              QString::fromStdString(First().FirstName) + " " + QString::fromStdString(First().Name));
}

bool TAstroBaseWindow::PrintText(QPrinter& printer) { return PrintDocument(printer, *richText->document(), PrintLayout(), "Print "); }

bool TAstroBaseWindow::CanClose()
{
    const auto ask = [&](int caption) {
        return program.Messenger().Ask(this, tMessenger::kQuestion, windowTitle(), program.Caption(caption),
                                       tMessenger::kYesNoCancel);
    };
    switch (CloseQuestion(ChartModified, richText->document()->isModified())) {
    case tCloseQuestion::SaveChart: {
        const auto a = ask(38);
        if (a == tMessenger::kAnswerCancel) return false;
        // A save refused keeps the window and what it holds.
        return a != tMessenger::kAnswerYes || SaveChart();
    }
    case tCloseQuestion::SaveText: {
        const auto a = ask(39);
        if (a == tMessenger::kAnswerCancel) return false;
        return a != tMessenger::kAnswerYes || SaveText();
    }
    default: return true;
    }
}

void TAstroBaseWindow::closeEvent(QCloseEvent* event)
{
    if (CanClose()) event->accept();
    else event->ignore();
}

void TAstroBaseWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton) ShowInfo();
    QWidget::mousePressEvent(event);
}

void TAstroBaseWindow::resizeEvent(QResizeEvent* event)
{
    // The text is no wider than 40 times the report font's height.
    const int limit = 40 * QFontMetrics(richText->font()).height();
    richText->setGeometry(0, 0, std::min(width(), limit), height());
    QWidget::resizeEvent(event);
}

QString TAstroBaseWindow::InfoText()
{
    const tChart& c = First();
    QString s = QString::fromStdString(c.BirthPlace) + " " + QString::number(c.State) + "\r\n";
    s += QString::fromStdString(ctx.CountryName ? ctx.CountryName(c.Country) : std::string()) + "\r\n";
    s += " " + QString::fromStdString(ctx.LongDateTime(c)) + "\r\n";
    s += program.Caption(caption::kLatitude) + QString::fromStdString(Fixed(c.Latitude, 6, 2)) + " " + program.Caption(caption::kLongitude) +
         QString::fromStdString(Fixed(c.Longitude, 6, 2));
    return s;
}

void TAstroBaseWindow::ShowInfo() { ShowInfoPanel(program, this, QString::fromStdString(First().Name), InfoText()); }

}  // namespace quintara

namespace quintara {

bool TAstroBaseWindow::Supports(tCommand c) const
{
    switch (c) {
    case tCommand::EditText:
    case tCommand::Copy:
    case tCommand::Export:
    case tCommand::PrintWindow: return true;
    case tCommand::Save:
    case tCommand::Modify: return IsChartWindow() && !IsMomentWindow();
    case tCommand::ChartTextTools:
    case tCommand::PrintChartAspects:
    case tCommand::PrintAll: return IsChartWindow();
    case tCommand::PrintAnalysis: return IsChartWindow() && Supports(tCommand::InsertAnalysis);
    case tCommand::PrintGraphic: return Supports(tCommand::Wheel);
    case tCommand::NewList:
    case tCommand::NewAspects:
    case tCommand::NewAnalysis:
    case tCommand::NewNatal:
    case tCommand::InsertList:
    case tCommand::InsertAspects:
    case tCommand::InsertAnalysis:
    case tCommand::Chart2Menu:
    case tCommand::GraphicsMenu: return !IsSecondary();
    default: return false;
    }
}

void TAstroBaseWindow::Run(tCommand c)
{
    if (!Supports(c)) return;
    switch (c) {
    case tCommand::NewList: return NewList();
    case tCommand::NewAspects: return NewAspects();
    case tCommand::NewAnalysis: return NewAnalysis();
    case tCommand::NewNatal: return NewNatal();
    case tCommand::InsertList: return InsList();
    case tCommand::InsertAspects: return InsAspects();
    case tCommand::InsertAnalysis: return InsAnalyse();
    case tCommand::Wheel:
    case tCommand::USWheel:
        if (auto r = Wheel(c == tCommand::USWheel)) program.Open(*r);
        return;
    case tCommand::SideBySide:
    case tCommand::USSideBySide:
        if (auto r = SideBySide(c == tCommand::USSideBySide)) program.Open(*r);
        return;
    case tCommand::AspectGrid:
        // The charts of the wheel, as a table: a pair's square or one chart's triangle.
        if (auto r = Wheel(false)) {
            r->graph = IsTwoChartGraph(r->graph) ? tGraphKind::TwoGrid : tGraphKind::Grid;
            program.Open(*r);
        }
        return;
    default:
        if (IsChart2Command(c)) Chart2Command(c);
        return;
    }
}

std::unique_ptr<TChartPrint> TAstroBaseWindow::MakePrint() { return std::make_unique<TChartPrint>(*this); }

}  // namespace quintara
