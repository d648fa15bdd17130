#include "main/program.h"

#include <QString>

namespace quintara {

tProgram::tProgram(const std::string& h, tMessenger& m) : home(h), messenger(m)
{
    options = std::make_unique<TMainOptions>(home);
    options->ReadParameters();
    options->LoadOptions();
    languages = std::make_unique<TLanguages>(home, options->Profile());
    options->CheckFileSettings();
    std::vector<std::string> problems = options->TakeSettingsProblems();
    for (const std::string& p : languages->TakeProblems()) problems.push_back(p);
    data = std::make_unique<TData1>(home, options->GetChartFile());
    ApplyDateFormat();
    for (const std::string& p : problems)
        messenger.Tell(nullptr, tMessenger::kWarning, "Quintara 5.1", QString::fromStdString(p));
}

tProgram::~tProgram() = default;

QString tProgram::Caption(int n) const { return QString::fromStdString(languages->Caption(n)); }

tReportContext tProgram::ReportContext()
{
    return MakeReportContext(*options, *languages, [this]() -> TData1& { return *data; });
}

void tProgram::ApplyDateFormat() { data->SetDateFormat(languages->DateFormatString); }

void tProgram::SaveSettings()
{
    languages->SaveSettings();
    options->WriteParameters();
}

}  // namespace quintara
