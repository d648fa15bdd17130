// The settings and tables of a program home as a run opens them: the
// options (settings and option files), the vocabulary, and the data module
// on the chart file of the settings or one given. The desktop program and
// the command line open a home the same way.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/data/data_module.h"
#include "core/i18n/languages.h"
#include "core/options/main_options.h"

namespace quintara {

struct tSession {
    std::string home;
    std::unique_ptr<TMainOptions> options;
    std::unique_ptr<TLanguages> languages;
    std::string chartFile;      // a chart file given; else the settings'
    bool writesCharts = false;  // a missing chart file is created only for a run that adds charts
    std::unique_ptr<TData1> data;

    // The tables, opened on first use with the date format of the
    // national settings. Throws tStorageError.
    TData1& Data();
};

// Reads the settings, option files and vocabulary of home into s. What was
// wrong with them (and was replaced by defaults) is returned, for the
// caller to show.
std::vector<std::string> OpenSettings(const std::string& home, tSession& s);

}  // namespace quintara
