// The sky-events calendar: one line per event on the user's clock, with
// the calendar's own exports (iCalendar for calendar programs, CSV).
#pragma once

#include <vector>

#include "core/aspects/sky_events.h"
#include "core/data/user_zone.h"
#include "shell/reports/astro_base_window.h"

namespace quintara {

class TSkyEventsWindow : public TAstroBaseWindow {
public:
    // first: the chart whose transits are among the events, or any chart
    // when withTransits is false (its header is then left out).
    TSkyEventsWindow(tProgram& program, const tChart& first, bool withTransits, std::vector<tSkyEvent> events,
                     tUserZone zone, QWidget* parent = nullptr);
    bool IsSecondary() const override { return true; }
    bool IsMomentWindow() const override { return true; }
    // The Graphics menu stays open (its time graphs and the calendar need no
    // chart); the chart commands do not apply.
    bool Supports(tCommand command) const override
    {
        return command == tCommand::GraphicsMenu || TAstroBaseWindow::Supports(command);
    }
    void InsText() override;
    // .ics or .csv by the path's type; false with error on failure.
    bool ExportCalendar(const QString& path, QString& error);
    const std::vector<tSkyEvent>& Events() const { return events; }

private:
    bool withTransits;
    std::vector<tSkyEvent> events;
    tUserZone zone;
};

}  // namespace quintara
