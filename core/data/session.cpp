#include "core/data/session.h"

#include "core/platform/atomic_file.h"

namespace quintara {

TData1& tSession::Data()
{
    if (!data) {
        const std::string file = chartFile.empty() ? options->GetChartFile() : chartFile;
        // Only the home's own chart file is made when missing: another one
        // named by the settings that is gone (a moved disk, a damaged
        // settings file) is said, never created behind the user's back.
        const bool own = file == kDefaultChartFile || file == JoinPath(home, kDefaultChartFile);
        const bool create = writesCharts && (!chartFile.empty() || own);
        data = std::make_unique<TData1>(home, file,
                                        create ? TData1::tChartFileMode::kCreate : TData1::tChartFileMode::kExisting);
        data->SetDateFormat(languages->DateFormatString);
        data->FollowSettings(options.get());
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
    s.options->SetRunLanguage(s.languages->CurrentLanguage, false);
    s.options->CheckFileSettings();
    std::vector<std::string> problems = s.options->TakeSettingsProblems();
    for (const std::string& p : s.languages->TakeProblems()) problems.push_back(p);
    return problems;
}

}  // namespace quintara
