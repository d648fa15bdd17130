// The program-wide objects of a run, handed to every window and dialog:
// the options, the data module and the localisation object (the three the
// program keeps for its whole run), and the messenger that asks questions.
#pragma once

#include <memory>
#include <string>

#include <QPointer>
#include <QWidget>

#include "data/data_module.h"
#include "i18n/languages.h"
#include "options/main_options.h"
#include "platform/messenger.h"
#include "reports/report_context.h"

class QString;

namespace quintara {

class tProgram {
public:
    // Reads the settings and option files of home, opens the tables and the
    // settings' chart file (created when missing). Throws tStorageError.
    tProgram(const std::string& home, tMessenger& messenger);
    ~tProgram();

    TMainOptions& Options() { return *options; }
    TLanguages& Languages() { return *languages; }
    TData1& Data() { return *data; }
    tMessenger& Messenger() { return messenger; }
    const std::string& Home() const { return home; }

    // Caption n of the current language.
    QString Caption(int n) const;
    // The context the report builders read.
    tReportContext ReportContext();
    // The short date format of the national settings, given to the data
    // module (Part of start-up and of every language change).
    void ApplyDateFormat();

    // Writes the settings back (at shutdown).
    void SaveSettings();

    // The one help window of the run, while it is open.
    QPointer<QWidget> HelpWindow;

private:
    std::string home;
    tMessenger& messenger;
    std::unique_ptr<TMainOptions> options;
    std::unique_ptr<TLanguages> languages;
    std::unique_ptr<TData1> data;
};

}  // namespace quintara
