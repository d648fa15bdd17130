#include "shell/widgets/table_browser.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/navigator.h"

namespace quintara {

TTableBrowser::TTableBrowser(tProgram& p, tTable& t, const char* objectName, int caption,
                             std::vector<tGridColumn> columns, QWidget* parent)
    : QDialog(parent), program(p), table(t)
{
    setObjectName(objectName);
    setWindowTitle(p.Caption(caption));
    model = new tTableModel(table, std::move(columns), this);
    grid = NewGrid(this, *model);
    navigator = new TNavigator(p, *grid, *model, this);
    FindEd = new QLineEdit(this);
    FindEd->setObjectName("FindEd");
    connect(FindEd, &QLineEdit::textEdited, this, [this](const QString& text) { Find(text); });
}

// Filters stay with a table until changed; the callers expect all rows.
TTableBrowser::~TTableBrowser() { table.ClearFilter(); }

void TTableBrowser::Lay(std::initializer_list<QWidget*> top, std::initializer_list<QWidget*> bottom, int helpContext,
                        int width, QWidget* details)
{
    auto* topRow = new QHBoxLayout;
    auto* findLabel = new QLabel(program.Caption(caption::kFind), this);
    findLabel->setBuddy(FindEd);
    topRow->addWidget(findLabel);
    topRow->addWidget(FindEd, 1);
    for (QWidget* w : top) topRow->addWidget(w);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(navigator);
    bottomRow->addStretch();
    for (QWidget* w : bottom) bottomRow->addWidget(w);
    bottomRow->addWidget(DialogButtons(program, this, helpContext));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(topRow);
    layout->addWidget(grid, 1);
    if (details) layout->addWidget(details);
    layout->addLayout(bottomRow);
    resize(width, 480);
    FindEd->setFocus();
}

QPushButton* TTableBrowser::Button(int caption, const char* name, const QString& suffix)
{
    auto* b = new QPushButton(program.Caption(caption) + suffix, this);
    b->setObjectName(name);
    return b;
}

void TTableBrowser::Filter(const std::string& filter)
{
    if (filter.empty()) table.ClearFilter();
    else table.SetFilter(filter, false);
    Reload();
}

bool TTableBrowser::Locate(const std::string& field, const std::string& text)
{
    if (text.empty() || !table.Locate({field}, {text}, {true, true})) return false;
    navigator->ShowCurrent();
    return true;
}

void TTableBrowser::Reload()
{
    model->Reload();
    navigator->First();
}

}  // namespace quintara
