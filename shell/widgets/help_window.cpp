#include "shell/widgets/help_window.h"

#include <filesystem>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/i18n/caption_ids.h"
#include "core/platform/atomic_file.h"
#include "shell/platform/program.h"

namespace quintara {

namespace {

constexpr const char* kEnglishHelp = "AstroEN";

class THelpWindow : public QDialog {
public:
    explicit THelpWindow(QWidget* parent) : QDialog(parent, Qt::Window)
    {
        setObjectName("THelpWindow");
        browser = new QTextBrowser(this);
        browser->setObjectName("HelpText");
        browser->setOpenExternalLinks(false);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        resize(640, 560);
    }
    QTextBrowser* browser;
};

}  // namespace

std::string HelpFolder(tProgram& program)
{
    // Only a bare name counts: a setting cannot send help outside the home.
    std::string stem = std::filesystem::path(program.Options().GetHelpFile()).filename().stem().string();
    if (stem.empty() || stem == "." || stem == "..") stem = kEnglishHelp;
    std::string folder = JoinPath(JoinPath(program.Home(), "help"), stem);
    if (!std::filesystem::is_directory(folder)) folder = JoinPath(JoinPath(program.Home(), "help"), kEnglishHelp);
    return folder;
}

void ShowHelp(tProgram& program, int context, QWidget* parent)
{
    auto* window = static_cast<THelpWindow*>(program.HelpWindow.data());
    if (!window) {
        QWidget* top = parent ? parent->window() : nullptr;
        window = new THelpWindow(top);
        window->setAttribute(Qt::WA_DeleteOnClose);
        program.HelpWindow = window;
    }
    const QString folder = QString::fromStdString(HelpFolder(program));
    window->browser->setSearchPaths({folder});
    QString page = QString::number(context) + ".html";
    if (!FileExists((folder + "/" + page).toStdString())) page = "index.html";
    window->browser->setSource(QUrl(page));
    window->setWindowTitle(program.Caption(caption::kHelp) + " - " + window->browser->documentTitle());
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace quintara
