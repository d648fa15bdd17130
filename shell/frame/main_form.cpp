#include "shell/frame/main_form.h"

#include <filesystem>

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "core/chart/date_time.h"
#include "core/i18n/caption_ids.h"
#include "core/options/recent_charts.h"
#include "shell/graphics/graphic_window.h"
#include "shell/platform/document_area.h"
#include "shell/platform/program.h"
#include "shell/reports/astro_base_window.h"

namespace quintara {

TMainForm::TMainForm(tProgram& p) : program(p)
{
    setObjectName("MainForm");
    p.SetOpener(this);
    area = new QMdiArea(this);
    area->setObjectName("Area");
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area);
    BuildMenus();
    BuildToolBar();
    clockPanel = new QLabel(this);
    clockPanel->setObjectName("ClockPanel");
    clockPanel->setMinimumWidth(120);
    statusBar()->setMinimumHeight(clockPanel->sizeHint().height() + 6);
    statusBar()->addPermanentWidget(clockPanel);
    clock = new QTimer(this);
    clock->setInterval(10000);
    connect(clock, &QTimer::timeout, this, &TMainForm::UpdateClock);
    clock->start();
    UpdateClock();

    TMainOptions& o = p.Options();
    tools->setVisible(o.Toolbar);
    Action("Toolbar1")->setChecked(o.Toolbar);
    statusBar()->setVisible(o.Statusbar);
    Action("Statusbar1")->setChecked(o.Statusbar);
    SetCaption();
    connect(area, &QMdiArea::subWindowActivated, this, [this] { UpdateMenus(); });
    TranslateCaptions();
    UpdateMenus();
    // Nearly the whole of a small screen, so that a wheel opens readable;
    // a large one gets a comfortable window.
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1280, 900);
    resize(std::min(1600, screen.width() * 96 / 100), std::min(1100, screen.height() * 96 / 100));
}

TMainForm::~TMainForm()
{
    program.SetOpener(nullptr);
    // Children going with the frame must not reach the menus being freed.
    disconnect(area, nullptr, this, nullptr);
}

QAction* TMainForm::Action(const char* name) const
{
    const auto it = actions.find(name);
    return it == actions.end() ? nullptr : it->second;
}

QMenu* TMainForm::Menu(const char* name) const
{
    const auto it = menus.find(name);
    return it == menus.end() ? nullptr : it->second;
}

QAction* TMainForm::Add(QMenu* menu, const char* name, int caption, const QKeySequence& key)
{
    QAction* a = menu->addAction(QString());
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    actions[name] = a;
    if (caption >= 0) captions.push_back({a, caption});
    return a;
}

QAction* TMainForm::AddCommand(QMenu* menu, const char* name, int caption, tCommand command, const QKeySequence& key)
{
    QAction* a = Add(menu, name, caption, key);
    connect(a, &QAction::triggered, this, [this, command] { RunCommand(command); });
    commandActions.push_back({a, command});
    return a;
}

void TMainForm::RunCommand(tCommand command)
{
    if (TAstroBaseWindow* w = ActiveReport()) w->Run(command);
}

void TMainForm::SetCaption()
{
    const std::string file = std::filesystem::path(program.Options().GetChartFile()).filename().string();
    setWindowTitle(program.Title() + " - " + QString::fromStdString(file));
}

TAstroBaseWindow* TMainForm::ActiveReport() const
{
    QMdiSubWindow* sub = area->activeSubWindow();
    return sub ? dynamic_cast<TAstroBaseWindow*>(sub->widget()) : nullptr;
}

TGraphicWindow* TMainForm::ActiveGraphic() const
{
    QMdiSubWindow* sub = area->activeSubWindow();
    return sub ? dynamic_cast<TGraphicWindow*>(sub->widget()) : nullptr;
}

void TMainForm::OpenWheel(bool usStyle) { RunCommand(usStyle ? tCommand::USWheel : tCommand::Wheel); }

void TMainForm::OpenSideBySide(bool usStyle) { RunCommand(usStyle ? tCommand::USSideBySide : tCommand::SideBySide); }

void TMainForm::ShowRecentCharts()
{
    QMenu* menu = Menu("RecentCharts");
    menu->clear();
    int k = 0;
    for (const tRecentChart& r : RecentCharts(program.Options().Profile())) {
        QAction* a = menu->addAction(QString("&%1 %2").arg(++k).arg(QString::fromStdString(r.name)));
        const std::int32_t index = r.index;
        connect(a, &QAction::triggered, this, [this, index] { OpenRecentChart(index); });
    }
    if (k == 0) menu->addAction("-")->setEnabled(false);
}

void TMainForm::ShowWindowList()
{
    QMenu* window = Menu("Window2");
    for (QAction* a : window->actions())
        if (a->property("child").isValid()) {
            window->removeAction(a);
            a->deleteLater();
        }
    const auto list = area->subWindowList();
    if (!list.isEmpty()) window->addSeparator()->setProperty("child", true);
    int k = 1;
    for (QMdiSubWindow* sub : list) {
        // Number keys for the first nine: "&10" would clash with "&1".
        QAction* a = window->addAction(QString(k <= 9 ? "&%1 %2" : "%1 %2").arg(k).arg(sub->windowTitle()));
        ++k;
        a->setProperty("child", true);
        a->setCheckable(true);
        a->setChecked(sub == area->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { area->setActiveSubWindow(sub); });
    }
}

void TMainForm::UpdateClock()
{
    tChart now;
    const QDateTime t = QDateTime::currentDateTime();
    SetChartDateTime(now, {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute()});
    clockPanel->setText(QString::fromStdString(program.ReportContext().LongDateTime(now)));
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Every child is asked first; one that stays keeps the program running.
    area->closeAllSubWindows();
    if (!area->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    program.SaveSettings();
    event->accept();
}

}  // namespace quintara
