#include "shell/reports/sky_events_window.h"

#include <ctime>

#include <QFileInfo>
#include <QTextDocument>

#include "core/i18n/caption_ids.h"
#include "core/platform/atomic_file.h"
#include "core/reports/events_calendar.h"

namespace quintara {

TSkyEventsWindow::TSkyEventsWindow(tProgram& p, const tChart& first, bool withTransits, std::vector<tSkyEvent> list,
                                   tUserZone z, QWidget* parent)
    : TAstroBaseWindow(p, first, nullptr, parent),
      withTransits(withTransits),
      events(std::move(list)),
      zone(std::move(z))
{
    setWindowTitle(p.Caption(caption::kSkyEvents) + (withTransits ? " - " + QString::fromStdString(first.Name) : ""));
    Text().clear();
    if (withTransits) InsHeader();
    InsText();
    Text().document()->clearUndoRedoStacks();
    Text().document()->setModified(false);
    Text().moveCursor(QTextCursor::Start);
}

void TSkyEventsWindow::InsText()
{
    const std::string text = EventsText(events, zone, Program().Languages());
    Write([&](tReportText& t) {
        std::size_t at = 0;
        while (at < text.size()) {
            const std::size_t nl = text.find('\n', at);
            t.AddLine(text.substr(at, nl - at));
            at = nl == std::string::npos ? text.size() : nl + 1;
        }
    });
}

bool TSkyEventsWindow::ExportCalendar(const QString& path, QString& error)
{
    const bool ics = QFileInfo(path).suffix().compare("ics", Qt::CaseInsensitive) == 0;
    TLanguages& lang = Program().Languages();
    const std::string bytes = ics ? EventsICalendar(events, lang, std::time(nullptr)) : EventsCsv(events, zone, lang);
    std::string why;
    if (WriteFileAtomically(path.toStdString(), bytes, &why)) return true;
    error = QString::fromStdString(why);
    return false;
}

}  // namespace quintara
