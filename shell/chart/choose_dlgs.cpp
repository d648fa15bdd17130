#include "shell/chart/choose_dlgs.h"

#include <algorithm>
#include <cmath>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"

namespace quintara {

namespace {

// A list of lines in columns; the item's data holds the index it stands for.
QTreeWidget* ChoiceList(QDialog* dialog, const char* name, const QStringList& headings)
{
    auto* list = new QTreeWidget(dialog);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setHeaderLabels(headings);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QObject::connect(list, &QTreeWidget::itemDoubleClicked, dialog, [dialog] { dialog->accept(); });
    return list;
}

// Columns from firstNumber on hold numbers: right-aligned.
void AddChoice(QTreeWidget* list, const QStringList& columns, int index, int firstNumber)
{
    auto* item = new QTreeWidgetItem(list, columns);
    item->setData(0, Qt::UserRole, index);
    for (int c = firstNumber; c < columns.size(); ++c) item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    if (list->topLevelItemCount() == 1) list->setCurrentItem(item);
}

int CurrentChoice(const QTreeWidget* list)
{
    const QTreeWidgetItem* item = list->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

void Finish(tProgram& p, QDialog* dialog, QTreeWidget* list, int help)
{
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(list);
    layout->addWidget(DialogButtons(p, dialog, help));
    dialog->resize(std::max(480, list->header()->length() + 40), 360);
    list->setFocus();
}

}  // namespace

TTransChooseDlg::TTransChooseDlg(tProgram& p, const tTransitsCollection& events, QWidget* parent) : QDialog(parent)
{
    setObjectName("TTransChooseDlg");
    setWindowTitle(p.Caption(caption::kTransits));
    const tReportContext& ctx = p.ReportContext();
    TransitsLB = ChoiceList(this, "TransitsLB", {p.Caption(caption::kTransit), p.Caption(caption::kAspect), p.Caption(caption::kRadix), p.Caption(caption::kDate),
                                                 p.Caption(caption::kTime), p.Caption(caption::kRetrograde), p.Caption(caption::kTotal)});
    int k = 0;
    for (const tTransitEvent& e : events.Items()) {
        const auto text = [](const std::string& s) { return QString::fromStdString(s); };
        AddChoice(TransitsLB,
                  {text(ctx.BodyName(e.Transiting)), text(ctx.AspectName(AspectTypeOfIndex(e.AspectIndex))),
                   text(ctx.BodyName(e.Natal)), text(ctx.Date(e.Exact.year, e.Exact.month, e.Exact.day)),
                   text(ctx.Time(e.Exact.hour, e.Exact.minute)) + " GMT", e.Retrograde ? p.Caption(caption::kRetrograde) : QString(),
                   QString::number(std::lround(e.Score))},
                  k++, 6);
    }
    Finish(p, this, TransitsLB, kHelpContext);
}

void TTransChooseDlg::accept()
{
    chosen = CurrentChoice(TransitsLB);
    if (chosen < 0) return QDialog::reject();
    QDialog::accept();
}

TCompareFileChooseDlg::TCompareFileChooseDlg(tProgram& p, const std::vector<tCompareMatch>& matches, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("TCompareFileChooseDlg");
    setWindowTitle(p.Caption(caption::kCompareToFile));
    ResultsLB = ChoiceList(this, "ResultsLB", {p.Caption(caption::kName), p.Caption(caption::kPositive), p.Caption(caption::kNegative), p.Caption(caption::kTotal)});
    for (std::size_t k = 0; k < matches.size(); ++k) {
        const tCompareMatch& m = matches[k];
        if (m.Positive <= 0) continue;
        AddChoice(ResultsLB,
                  {QString::fromStdString(m.Name + " " + m.FirstName), QString::number(m.Positive),
                   QString::number(m.Negative), QString::number(m.Positive + m.Negative)},
                  static_cast<int>(k), 1);
    }
    for (int c = 1; c < 4; ++c)
        ResultsLB->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    Finish(p, this, ResultsLB, kHelpContext);
}

void TCompareFileChooseDlg::accept()
{
    chosen = CurrentChoice(ResultsLB);
    if (chosen < 0) return QDialog::reject();
    QDialog::accept();
}

}  // namespace quintara
