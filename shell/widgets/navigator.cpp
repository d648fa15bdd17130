#include "shell/widgets/navigator.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>

#include "shell/platform/program.h"
#include "shell/widgets/table_model.h"
#include "core/i18n/caption_ids.h"

namespace quintara {

QTableView* NewGrid(QWidget* parent, tTableModel& model)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName("Grid");
    grid->setModel(&model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    QObject::connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, grid,
                     [&model](const QModelIndex& now) { model.Table().GoTo(now.row()); });
    return grid;
}

TNavigator::TNavigator(tProgram& p, QTableView& v, tTableModel& m, QWidget* parent)
    : QWidget(parent), program(p), view(v), model(m)
{
    setObjectName("Navigator");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    // Hints in the order of the buttons: first, prior, next, last, insert,
    // delete, edit, post, cancel, refresh.
    const std::vector<std::string> hints = p.Languages().NavigatorHints();
    const char* glyphs[] = {"|◀", "◀", "▶", "▶|", "+", "−", "✎", "✓", "✕", "⟳"};
    const char* names[] = {"FirstBtn", "PriorBtn", "NextBtn", "LastBtn", "InsertBtn",
                           "DeleteBtn", "EditBtn", "PostBtn", "CancelBtn", "RefreshBtn"};
    const std::function<void()> actions[] = {
        [this] { First(); },  [this] { Prior(); },  [this] { Next(); },
        [this] { Last(); },   [this] { Insert(); }, [this] { Delete(); },
        [this] { Edit(); },
        [this] { view.setFocus(); },  // post: the editor loses focus, its cell is written
        [this] { view.reset(); },
        [this] { Refresh(); }};
    for (int i = 0; i < 10; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(names[i]);
        b->setText(QString::fromUtf8(glyphs[i]));
        b->setToolTip(QString::fromStdString(hints[static_cast<std::size_t>(i)]));
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, actions[i]);
        layout->addWidget(b);
    }
    layout->addStretch();
}

void TNavigator::Go(int row)
{
    if (model.rowCount() == 0) return;
    row = std::clamp(row, 0, model.rowCount() - 1);
    model.Table().GoTo(row);
    const QModelIndex at = model.index(row, std::max(0, view.currentIndex().column()));
    view.setCurrentIndex(at);
    view.scrollTo(at);
}

void TNavigator::ShowCurrent() { Go(model.Table().Position()); }
void TNavigator::First() { Go(0); }
void TNavigator::Prior() { Go(view.currentIndex().row() - 1); }
void TNavigator::Next() { Go(view.currentIndex().row() + 1); }
void TNavigator::Last() { Go(model.rowCount() - 1); }

void TNavigator::Insert()
{
    tTable& t = model.Table();
    if (rowEditor) {
        if (rowEditor(true)) {
            model.Reload();
            ShowCurrent();
        }
        return;
    }
    t.Insert();
    t.Post();
    model.Reload();
    ShowCurrent();
    view.edit(view.currentIndex());
}

void TNavigator::Delete()
{
    if (model.rowCount() == 0) return;
    if (program.Messenger().Ask(this, tMessenger::kQuestion, program.Caption(caption::kConfirm), program.Caption(caption::kDeleteRecord),
                                tMessenger::kYesNo) != tMessenger::kAnswerYes)
        return;
    model.Table().GoTo(view.currentIndex().row());
    model.Table().Delete();
    model.Reload();
    ShowCurrent();
}

void TNavigator::Edit()
{
    if (model.rowCount() == 0) return;
    model.Table().GoTo(view.currentIndex().row());
    if (rowEditor) {
        if (rowEditor(false)) model.Reload();
        ShowCurrent();
        return;
    }
    view.edit(view.currentIndex());
}

void TNavigator::Refresh()
{
    model.Table().Refresh();
    model.Reload();
    ShowCurrent();
}

}  // namespace quintara
