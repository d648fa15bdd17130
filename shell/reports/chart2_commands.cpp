// Chart 2 > ... of a chart window: the second chart prepared in the core,
// dated in the command's dialog, the search run with progress and Cancel,
// and the window asked of the opener with what it shows.

#include "core/chart/chart_kind.h"
#include "core/data/second_chart.h"
#include "core/i18n/caption_ids.h"
#include "core/reports/two_chart_reports.h"
#include "shell/chart/chart2_dialogs.h"
#include "shell/chart/date_time_dlg.h"
#include "shell/chart/open_chart_dlg.h"
#include "shell/platform/long_work.h"
#include "shell/widgets/help_contexts.h"
#include "shell/reports/compare_windows.h"
#include "shell/reports/natal_windows.h"

namespace quintara {

namespace {

// The second chart of command, dated by the user; false when cancelled.
template <class Dialog, class... Args>
bool Dated(TAstroWindow& w, tSecondChart command, tChart& second, Args&... args)
{
    PrepareSecondChart(command, w.First(), second, LocalToday());
    Dialog d(w.Program(), second, args..., &w);
    if (d.exec() != QDialog::Accepted) return false;
    CompleteSecondChart(command, w.Program().Data(), second);
    return true;
}

// The same through the place, date and time dialog under the command's own
// caption and help page.
bool DatedAs(TAstroWindow& w, tSecondChart command, tChart& second, int caption)
{
    PrepareSecondChart(command, w.First(), second, LocalToday());
    TDateTimeDlg d(w.Program(), second, &w, caption, help::kTechniques);
    if (d.exec() != QDialog::Accepted) return false;
    CompleteSecondChart(command, w.Program().Data(), second);
    return true;
}

}  // namespace

void TAstroWindow::Chart2Command(tCommand command)
{
    tProgram& p = Program();
    tChart second(&p.Options().BirthSet);
    switch (command) {
    case tCommand::Transits: {
        tBodyMask bodies = 0x7FCu;
        int months = 1;
        if (!Dated<TTransitsDlg>(*this, tSecondChart::Transits, second, bodies, months)) return;
        bool cancelled = false;
        tTransitsCollection events;
        {
            tLongWork work(p.Caption(caption::kTransits), p.Caption(caption::kCancel), this);
            events = FindTransitsFrom(p.Options(), First(), second, months, bodies, work.Progress(), &cancelled);
        }
        if (cancelled) return;
        tDocumentRequest r{tDocumentKind::Transits, &First(), &second};
        r.events = &events;
        r.bodies = bodies;
        return p.Open(r);
    }
    case tCommand::CompareDay:
        if (Dated<TDateTimeDlg>(*this, tSecondChart::CompareDay, second))
            p.Open({tDocumentKind::CompareDay, &First(), &second});
        return;
    case tCommand::Previsions: {
        int steps = 12, hours = 168;
        if (!Dated<TPrevisionsDlg>(*this, tSecondChart::Previsions, second, steps, hours)) return;
        tPrevCollection list;
        {
            tLongWork work(p.Caption(caption::kPrevisions), p.Caption(caption::kCancel), this);
            list = PrevisionsFrom(p.Options().BirthSet, First(), second, steps, hours, ctx.AspectRules, work.Progress());
        }
        if (list.empty() && steps > 0) return;  // stopped
        tDocumentRequest r{tDocumentKind::Previsions, &First(), &second};
        r.steps = &list;
        return p.Open(r);
    }
    case tCommand::Compare2: {
        TOpenChartDlg d(p, this);
        if (d.exec() != QDialog::Accepted) return;
        std::unique_ptr<tChart> other = p.Data().OpenCurrentChart(&p.Options().BirthSet, &p.Languages());
        CalcChart(*other);
        return p.Open({tDocumentKind::Compare2, &First(), other.get()});
    }
    case tCommand::CompareFile: {
        tCompareFileRequest request;
        TCompareFileDlg d(p, First().Sex, request, this);
        if (d.exec() != QDialog::Accepted) return;
        const auto matches = ScanChartFile(p, First(), request, this);
        if (!matches) return;
        tDocumentRequest r{tDocumentKind::CompareFile, &First()};
        r.matches = &*matches;
        return p.Open(r);
    }
    case tCommand::MoonReturn:
        if (Dated<TDateTimeDlg>(*this, tSecondChart::MoonReturn, second))
            p.Open({tDocumentKind::MoonReturn, &First(), &second});
        return;
    case tCommand::SunReturn: {
        PrepareSecondChart(tSecondChart::SunReturn, First(), second, LocalToday());
        int years = second.Year - First().Year;
        TSunReturnDlg d(p, second, years, this);
        if (d.exec() != QDialog::Accepted) return;
        tDocumentRequest r{tDocumentKind::SunReturn, &First(), &second};
        r.years = years;
        return p.Open(r);
    }
    case tCommand::Progression:
        if (Dated<TDateTimeDlg>(*this, tSecondChart::Progression, second))
            p.Open({tDocumentKind::Progression, &First(), &second});
        return;
    case tCommand::Composite:
    case tCommand::Davison: {
        TOpenChartDlg d(p, this);
        if (d.exec() != QDialog::Accepted) return;
        std::unique_ptr<tChart> other = p.Data().OpenCurrentChart(&p.Options().BirthSet, &p.Languages());
        CalcChart(*other);
        const auto kind = command == tCommand::Composite ? tDocumentKind::Composite : tDocumentKind::Davison;
        return p.Open({kind, &First(), other.get()});
    }
    case tCommand::SolarArc:
        if (DatedAs(*this, tSecondChart::Progression, second, caption::kSolarArc))
            p.Open({tDocumentKind::SolarArc, &First(), &second});
        return;
    case tCommand::TimeLords:
        if (DatedAs(*this, tSecondChart::Progression, second, caption::kTimeLords))
            p.Open({tDocumentKind::TimeLords, &First(), &second});
        return;
    case tCommand::PlanetaryHours:
        // The day at a place: the dialog's locality and its zone that day.
        if (DatedAs(*this, tSecondChart::CompareDay, second, caption::kPlanetaryHours))
            p.Open({tDocumentKind::PlanetaryHours, &First(), &second});
        return;
    case tCommand::Relocated: {
        second.Assign(First());
        TRelocateDlg d(p, second, this);
        if (d.exec() != QDialog::Accepted) return;
        return p.Open({tDocumentKind::Relocated, &First(), &second});
    }
    default: return;
    }
}

}  // namespace quintara
