#include "shell/platform/program.h"

#include <stdexcept>

#include <QString>

namespace quintara {

tProgram::tProgram(const std::string& home, tMessenger& m) : messenger(m)
{
    const std::vector<std::string> problems = OpenSettings(home, session);
    session.writesCharts = true;  // the settings' chart file is made when missing
    session.Data();
    // The core's phrases start in lower case (the command line puts them
    // after "warning: "); a message box starts a sentence.
    for (const std::string& p : problems) {
        QString text = QString::fromStdString(p);
        if (!text.isEmpty()) text[0] = text[0].toUpper();
        messenger.Tell(nullptr, tMessenger::kWarning, QString::fromStdString(session.languages->ProgramTitle()), text + ".");
    }
}

tProgram::~tProgram() = default;

QString tProgram::Title() const { return QString::fromStdString(session.languages->ProgramTitle()); }

QString tProgram::Caption(int n) const { return QString::fromStdString(session.languages->Caption(n)); }

tReportContext tProgram::ReportContext()
{
    return MakeReportContext(Options(), Languages(), [this]() -> TData1& { return Data(); });
}

void tProgram::ApplyDateFormat() { Data().SetDateFormat(Languages().DateFormatString); }

void tProgram::Open(const tDocumentRequest& request)
{
    // Every window is a document of the frame; without one there is nowhere to show it.
    if (!opener) throw std::logic_error("no window opener");
    opener->Open(request);
}

void tProgram::SaveSettings()
{
    Languages().SaveSettings();
    Options().WriteParameters();
}

}  // namespace quintara
