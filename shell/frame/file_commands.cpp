#include <cmath>
#include <filesystem>

#include <QDateTime>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStatusBar>

#include "core/chart/chart_settings.h"
#include "core/chart/date_time.h"
#include "core/data/chart_file.h"
#include "core/data/civil_date.h"
#include "core/data/user_zone.h"
#include "core/options/recent_charts.h"
#include "core/reports/events_calendar.h"
#include "core/engine/angles.h"
#include "core/i18n/caption_ids.h"
#include "core/platform/atomic_file.h"
#include "shell/chart/clock_dlg.h"
#include "shell/chart/date_time_dlg.h"
#include "shell/chart/new_chart_dlg.h"
#include "shell/chart/open_chart_dlg.h"
#include "shell/frame/main_form.h"
#include "shell/graphics/graphic_window.h"
#include "shell/platform/file_dialogs.h"
#include "shell/platform/program.h"
#include "shell/reports/astro_base_window.h"
#include "shell/reports/sky_events_dlg.h"
#include "shell/reports/sky_events_window.h"
#include "shell/platform/long_work.h"
#include "shell/widgets/find_dlg.h"

namespace quintara {

void TMainForm::ExportActive()
{
    if (TGraphicWindow* g = ActiveGraphic()) {
        const QString path = ChooseFileToSave(this, program.Caption(caption::kExportToFile), FileInHome(g->windowTitle(), "svg"),
                                              "SVG (*.svg);;PDF (*.pdf);;PNG (*.png)");
        QString error;
        if (!path.isEmpty() && !g->Export(path, error))
            program.Messenger().Tell(this, tMessenger::kError, program.Caption(caption::kExportToFile), error);
        return;
    }
    TAstroBaseWindow* w = ActiveReport();
    if (!w) return;
    if (auto* events = dynamic_cast<TSkyEventsWindow*>(w)) {
        QString type;
        QString path = ChooseFileToSave(this, program.Caption(caption::kExportToFile), FileInHome("sky-events", "ics"),
                                        "iCalendar (*.ics);;CSV (*.csv)", &type);
        if (path.isEmpty()) return;
        if (QFileInfo(path).suffix().isEmpty()) path += type.startsWith("CSV") ? ".csv" : ".ics";
        QString error;
        if (!events->ExportCalendar(path, error))
            program.Messenger().Tell(this, tMessenger::kError, program.Caption(caption::kExportToFile), error);
        return;
    }
    QString type;
    QString path = ChooseFileToSave(this, program.Caption(caption::kExportToFile),
                                    FileInHome(QString::fromStdString(w->First().Name), "rtf"),
                                    "Rich text format files (*.rtf);;HTML files (*.html *.htm);;Text files (*.txt)",
                                    &type);
    if (path.isEmpty()) return;
    // A name without a type gets the chosen one.
    if (QFileInfo(path).suffix().isEmpty())
        path += type.startsWith("HTML") ? ".html" : type.startsWith("Text") ? ".txt" : ".rtf";
    QString error;
    if (!w->ExportText(path, error))
        program.Messenger().Tell(this, tMessenger::kError, program.Caption(caption::kExportToFile), error);
}

void TMainForm::PrintActive()
{
    TGraphicWindow* g = ActiveGraphic();
    TAstroBaseWindow* w = ActiveReport();
    if (!g && !w) return;
    QPrinter* printer = ChoosePrinter(g ? g->windowTitle() : w->windowTitle());
    if (printer && !(g ? g->Print(*printer) : w->PrintText(*printer)))
        program.Messenger().Tell(this, tMessenger::kError, program.Caption(caption::kPrint), "nothing could be printed");
}

QPrinter& TMainForm::Printer()
{
    if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

QString TMainForm::FileInHome(const QString& title, const char* extension) const
{
    // Characters that file systems or shells take amiss are left out.
    QString name = title;
    name.replace(QRegularExpression(R"([/\\:*?"<>|])"), " ");
    name = name.simplified();
    if (name.isEmpty()) name = "quintara";
    return QString::fromStdString(program.Home()) + "/" + name + "." + extension;
}

QPrinter* TMainForm::ChoosePrinter(const QString& title)
{
    // The platform's print dialog; printing to a PDF file (in the home,
    // named after the window) is always offered, printer or not.
    QPrinter& p = Printer();
    p.setOutputFileName(FileInHome(title, "pdf"));
    QPrintDialog dialog(&p, this);
    return dialog.exec() == QDialog::Accepted ? &p : nullptr;
}

void TMainForm::PrintReport(TAstroBaseWindow& w, tPrintSections sections)
{
    auto formatter = w.MakePrint();
    QPrinter* printer = ChoosePrinter(formatter->JobTitle());
    if (printer && !formatter->Print(*printer, sections))
        program.Messenger().Tell(this, tMessenger::kError, program.Caption(caption::kPrint), "nothing could be printed");
}

void TMainForm::NowChart(tChart& chart)
{
    TMainOptions& o = program.Options();
    const QDateTime t = QDateTime::currentDateTime();
    SetChartDateTime(chart, {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute()});
    chart.Sex = 1;
    chart.Latitude = DecimalToDegMin(o.Latitude);
    chart.Longitude = DecimalToDegMin(o.Longitude);
    chart.BirthPlace = o.Birthplace;
    chart.Country = program.Languages().Country;
    chart.HouseType = static_cast<std::uint8_t>(o.HouseType);
    SetZodiac(chart, o.ZodiacChoice());
    chart.Follow(o.ChartRules());
}

void TMainForm::OpenTimeGraph(int which)
{
    tChart chart(&program.Options().BirthSet);
    TAstroBaseWindow* w = ActiveReport();
    if (w && w->IsChartWindow()) chart.Assign(w->First());
    else NowChart(chart);
    CalcChart(chart);
    if (which == 2) {  // moon cycle
        TDateTimeDlg dialog(program, chart, this);
        if (dialog.exec() != QDialog::Accepted) return;
        CalcChart(chart);
        Open({tDocumentKind::MoonGraph, &chart});
        return;
    }
    double step = which == 0 ? 1.0 : 7.0;
    TClockDlg dialog(program, chart, step, which == 0 ? caption::kStepInHours : caption::kStepInDays, this);
    if (dialog.exec() != QDialog::Accepted) return;
    CalcChart(chart);
    tDocumentRequest r{which == 0 ? tDocumentKind::Clock : tDocumentKind::LineGraph, &chart};
    r.stepMinutes = which == 0 ? ClockStepMinutes(step) : static_cast<std::int32_t>(std::lround(step * 1440));
    Open(r);
}

void TMainForm::OpenSkyEvents()
{
    tChart chart(&program.Options().BirthSet);
    TAstroBaseWindow* w = ActiveReport();
    const bool hasChart = w && w->IsChartWindow();
    if (hasChart) chart.Assign(w->First());
    tCalendarRequest request;
    request.start = LocalToday();
    TSkyEventsDlg dialog(program, request, hasChart ? QString::fromStdString(chart.Name) : QString(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    std::string error;
    std::optional<tUserZone> zone = tUserZone::Load(SystemZoneName(), error);
    if (!zone) zone = tUserZone::Utc();
    CalcChart(chart);
    if (dialog.WithTransits()) request.natal = &chart;
    std::vector<tSkyEvent> events;
    bool stopped = false;
    {
        tLongWork work(program.Caption(caption::kSkyEvents), program.Caption(caption::kCancel), this);
        events = CalendarEvents(program.Options(), request, *zone, work.Progress(), &stopped);
    }
    if (stopped) return;
    tDocumentRequest r{tDocumentKind::SkyEvents, &chart};
    r.skyEvents = &events;
    r.zone = &*zone;
    r.withTransits = dialog.WithTransits();
    Open(r);
}

void TMainForm::NewChart()
{
    TMainOptions& o = program.Options();
    // The points of the chart setup as it stands now.
    const std::unique_ptr<tChart> made = program.Data().NewChart(&o.BirthSet, &program.Languages());
    tChart& chart = *made;
    NowChart(chart);
    TNewChartDlg dialog(program, chart, this);
    if (dialog.exec() != QDialog::Accepted) return;
    CalcChart(chart);
    tDocumentRequest r{tDocumentKind::Natal, &chart};
    r.modified = true;
    Open(r);
}

void TMainForm::OpenChart()
{
    TOpenChartDlg dialog(program, this);
    if (dialog.exec() == QDialog::Accepted) OpenCurrentStoredChart();
    tTable& t = program.Data().ChartTable();
    t.ClearFilter();
    t.SetIndex("Names");
}

void TMainForm::OpenRecentChart(std::int32_t index)
{
    try {
        tTable& t = program.Data().ChartTable();
        if (!t.Locate({"Index"}, {tSqlValue(std::int64_t{index})})) {
            statusBar()->showMessage("That chart is no longer in the chart file", 8000);
            return;
        }
        OpenCurrentStoredChart();
    } catch (const std::exception& e) {
        program.Messenger().Tell(this, tMessenger::kError, program.Title(), QString::fromStdString(e.what()));
    }
}

void TMainForm::RememberRecent(const tChart& chart)
{
    if (chart.Index <= 0) return;
    const std::string name = chart.Name + (chart.FirstName.empty() ? "" : " " + chart.FirstName);
    RememberChart(program.Options().Profile(), {chart.Index, name});
}

void TMainForm::OpenCurrentStoredChart()
{
    {
        std::unique_ptr<tChart> chart =
            program.Data().OpenCurrentChart(&program.Options().BirthSet, &program.Languages());
        // A stored chart has one window: two would overwrite each other's edits.
        QMdiSubWindow* open = nullptr;
        for (QMdiSubWindow* sub : area->subWindowList())
            if (auto* w = dynamic_cast<TAstroBaseWindow*>(sub->widget()); w && w->HoldsStored(*chart)) open = sub;
        if (open) {
            area->setActiveSubWindow(open);
            statusBar()->showMessage(QString("\"%1\" is already open in this window").arg(open->windowTitle()), 5000);
        } else {
            CalcChart(*chart);
            Open({tDocumentKind::StoredNatal, chart.get()});
            const std::string differs =
                SettingsDifference(*chart, program.Options().HouseType, program.Options().ZodiacChoice());
            if (!differs.empty()) statusBar()->showMessage(QString::fromStdString(differs), 15000);
        }
        RememberRecent(*chart);
    }
}

void TMainForm::ChooseChartFile()
{
    const QString path = ChooseFileToOpen(this, program.Caption(caption::kSelectChartFile), QString::fromStdString(program.Home()),
                                          "Chart files (*.db)", "db");
    if (!path.isEmpty()) SelectChartFile(path);
}

void TMainForm::CheckChartFile()
{
    TData1& data = program.Data();
    if (data.ChartFileReadOnly()) {
        program.Messenger().Tell(this, tMessenger::kWarning, program.Caption(caption::kSelectChartFile),
                                 QString("The chart file %1 is read-only: charts can be computed, shown and printed, "
                                         "but not saved.")
                                     .arg(QString::fromStdString(data.ChartFilePath())));
        return;
    }
    if (!data.MissingChartFile().empty()) {
        const std::string own = data.PathOf(kDefaultChartFile);
        const QString text = QString("The chart file %1 named in the settings does not exist.\n\nYes: use the chart "
                                     "file of the program home, %2.\nNo: choose another chart file.\nCancel: go on "
                                     "without a chart file (charts can be computed and shown, not saved).")
                                 .arg(QString::fromStdString(data.MissingChartFile()), QString::fromStdString(own));
        switch (program.Messenger().Ask(this, tMessenger::kWarning, program.Caption(caption::kSelectChartFile), text,
                                        tMessenger::kYesNoCancel)) {
        case tMessenger::kAnswerYes: SelectChartFile(QString::fromStdString(own)); break;
        case tMessenger::kAnswerNo: ChooseChartFile(); break;
        default: break;
        }
        return;
    }
    if (data.ChartFileProblem().empty()) return;
    // A new file beside the damaged one, never over it.
    std::string fresh;
    for (int n = 1; fresh.empty() || FileExists(fresh); ++n)
        fresh = data.PathOf("chart" + std::to_string(n) + ".db");
    const QString text =
        QString("%1.\n\nYes: choose another chart file.\nNo: start a new, empty chart file %2.\nCancel: go on without "
                "a chart file (charts can be computed and shown, not saved, until one is chosen with File > Select "
                "chart file).")
            .arg(QString::fromStdString(data.ChartFileProblem()), QString::fromStdString(fresh));
    switch (program.Messenger().Ask(this, tMessenger::kWarning, program.Caption(caption::kSelectChartFile), text, tMessenger::kYesNoCancel)) {
    case tMessenger::kAnswerYes: ChooseChartFile(); break;
    case tMessenger::kAnswerNo: SelectChartFile(QString::fromStdString(fresh)); break;
    default: break;
    }
}

void TMainForm::SelectChartFile(const QString& path)
{
    const std::string full = std::filesystem::absolute(path.toStdString()).lexically_normal().string();
    CloseChartEditor();
    try {
        quintara::SelectChartFile(program.Data(), full);
    } catch (const tStorageError& e) {
        program.Messenger().Tell(this, tMessenger::kError, program.Caption(caption::kSelectChartFile),
            QString::fromStdString(e.what()));
        return;
    }
    program.Options().SetChartFile(full);
    SetCaption();
}

void TMainForm::SaveActive()
{
    TAstroBaseWindow* w = ActiveReport();
    if (!w || !w->Supports(tCommand::Save)) return;
    if (!w->SaveChart()) return;  // told in words; nothing claims it was saved
    RememberRecent(w->First());
    program.Messenger().Beep();
    program.Messenger().Beep();
    statusBar()->showMessage(QString("Saved \"%1\" in %2")
                                 .arg(QString::fromStdString(w->First().Name),
                                      QString::fromStdString(program.Data().ChartFilePath())),
                             5000);
}

void TMainForm::Find(bool replace)
{
    if (TAstroBaseWindow* w = ActiveReport()) ShowFindDialog(program, w->Text(), replace, this);
}

}  // namespace quintara
