#include "core/data/session.h"

namespace quintara {

TData1& tSession::Data()
{
    if (!data) {
        data = std::make_unique<TData1>(home, chartFile.empty() ? options->GetChartFile() : chartFile,
                                        writesCharts ? TData1::tChartFileMode::kCreate
                                                     : TData1::tChartFileMode::kExisting);
        data->SetDateFormat(languages->DateFormatString);
        data->FollowEphemeris(&options->Ephemeris);
    }
    return *data;
}

std::vector<std::string> OpenSettings(const std::string& home, tSession& s)
{
    s.home = home;
    s.options = std::make_unique<TMainOptions>(home);
    s.options->ReadParameters();
    s.options->LoadOptions();
    s.languages = std::make_unique<TLanguages>(home, s.options->Profile());
    s.options->CheckFileSettings();
    std::vector<std::string> problems = s.options->TakeSettingsProblems();
    for (const std::string& p : s.languages->TakeProblems()) problems.push_back(p);
    return problems;
}

}  // namespace quintara
