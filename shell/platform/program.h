// The program-wide objects of a run, handed to every window and dialog:
// the options, the data module and the localisation object (the three the
// program keeps for its whole run), the messenger that asks questions, and
// the frame's window opener.
#pragma once

#include <memory>
#include <string>

#include <QPointer>
#include <QWidget>

#include "core/data/session.h"
#include "core/reports/report_context.h"
#include "shell/platform/messenger.h"
#include "shell/platform/window_opener.h"

class QString;

namespace quintara {

class tProgram {
public:
    // Reads the settings and option files of home, opens the tables and the
    // settings' chart file (created when missing). Throws tStorageError.
    tProgram(const std::string& home, tMessenger& messenger);
    ~tProgram();

    TMainOptions& Options() { return *session.options; }
    TLanguages& Languages() { return *session.languages; }
    TData1& Data() { return *session.data; }
    tMessenger& Messenger() { return messenger; }
    const std::string& Home() const { return session.home; }
    // The frame sets itself as the opener of every document window.
    void SetOpener(tWindowOpener* o) { opener = o; }
    void Open(const tDocumentRequest& request);

    // Caption n of the current language.
    QString Caption(int n) const;
    // The program's name in the vocabulary with the build's version.
    QString Title() const;
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
    tSession session;
    tMessenger& messenger;
    tWindowOpener* opener = nullptr;
};

}  // namespace quintara
