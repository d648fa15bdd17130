#include "shell/chart/trans_line_graph_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QListWidget>

#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/city_field.h"

namespace quintara {

TTransLineGraphDlg::TTransLineGraphDlg(tProgram& p, tChart& transits, double& step, int& b, QWidget* parent)
    : TClockDlg(p, transits, step, caption::kStepInDays, parent, 101, kHelpContext), body(b)
{
    setObjectName("TTransLineGraphDlg");
    Form->setRowVisible(CityED, false);  // the transits are geocentric: no place
    PlanetLB = new QListWidget(this);
    PlanetLB->setObjectName("PlanetLB");
    for (int n = 1; n <= 12; ++n) PlanetLB->addItem(QString::fromStdString(p.Languages().PlanetName(n)));
    PlanetLB->setMaximumHeight(PlanetLB->sizeHintForRow(0) * 7 + 4);
    AllCB = new QCheckBox(p.Caption(caption::kAllPlanets), this);
    AllCB->setObjectName("AllCB");
    AllCB->setChecked(body == 0);
    if (body >= 1 && body <= 12) PlanetLB->setCurrentRow(body - 1);
    Form->addRow(PlanetLB);
    Form->addRow(AllCB);
    // A planet chosen is that planet alone; All planets clears the choice.
    connect(PlanetLB, &QListWidget::itemClicked, this, [this] { AllCB->setChecked(false); });
    connect(AllCB, &QCheckBox::toggled, this, [this](bool all) {
        if (all) PlanetLB->clearSelection();
    });
}

void TTransLineGraphDlg::accept()
{
    const int row = PlanetLB->currentRow();
    if (!AllCB->isChecked() && (row < 0 || !PlanetLB->currentItem()->isSelected())) {
        AllCB->setFocus();  // neither all nor one: ask again
        return program.Messenger().Beep();
    }
    const int chosen = AllCB->isChecked() ? 0 : row + 1;
    TClockDlg::accept();
    if (result() == QDialog::Accepted) body = chosen;
}

}  // namespace quintara
