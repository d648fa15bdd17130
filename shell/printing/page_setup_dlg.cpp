#include "shell/printing/page_setup_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/i18n/caption_ids.h"
#include "core/reports/margin.h"
#include "shell/platform/program.h"
#include "shell/widgets/dialog_buttons.h"

namespace quintara {

TPageSetupDlg::TPageSetupDlg(tProgram& p, QWidget* parent) : QDialog(parent), program(p)
{
    setObjectName("TPageSetupDlg");
    setWindowTitle(p.Caption(caption::kPageSetup));
    TMainOptions& o = p.Options();
    const int unit = p.Languages().MeasureUnit;
    HeaderCB = new QCheckBox(p.Caption(caption::kHeader), this);
    HeaderCB->setObjectName("HeaderCB");
    HeaderCB->setChecked(o.Header);
    FooterED = new QLineEdit(QString::fromStdString(o.Footer), this);
    FooterED->setObjectName("FooterED");
    const auto margin = [&](const char* name, int value) {
        auto* e = new QLineEdit(QString::fromStdString(MarginText(value, unit)), this);
        e->setObjectName(name);
        e->setMaxLength(6);
        return e;
    };
    LeftED = margin("LeftED", o.LeftMargin);
    TopED = margin("TopED", o.TopMargin);
    RightED = margin("RightED", o.RightMargin);
    BottomED = margin("BottomED", o.BottomMargin);
    auto* box = new QGroupBox(p.Caption(caption::kMargins) + (unit == 1 ? " (in)" : " (cm)"), this);
    auto* margins = new QFormLayout(box);
    margins->addRow(p.Caption(caption::kLeft), LeftED);
    margins->addRow(p.Caption(caption::kTop), TopED);
    margins->addRow(p.Caption(caption::kRight), RightED);
    margins->addRow(p.Caption(caption::kBottom), BottomED);
    auto* form = new QFormLayout;
    form->addRow(HeaderCB);
    form->addRow(p.Caption(caption::kFooter), FooterED);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(box);
    layout->addWidget(DialogButtons(p, this, kHelpContext));
}

void TPageSetupDlg::accept()
{
    const int unit = program.Languages().MeasureUnit;
    int values[4] = {};
    const std::pair<QLineEdit*, int> fields[] = {{LeftED, 274}, {TopED, 276}, {RightED, 275}, {BottomED, 277}};
    for (int i = 0; i < 4; ++i) {
        const auto v = ParseMarginText(fields[i].first->text().trimmed().toStdString(), unit);
        if (!v)
            return void(FieldError(program, this, fields[i].first, fields[i].second,
                                   "\"" + fields[i].first->text() + "\" is not a margin (" +
                                       (unit == 1 ? "inches" : "centimetres") + ")"));
        values[i] = *v;
    }
    TMainOptions& o = program.Options();
    o.Footer = FooterED->text().toStdString();
    o.Header = HeaderCB->isChecked();
    o.SetMargins(values[0], values[1], values[2], values[3]);
    o.WriteParameters();
    QDialog::accept();
}

}  // namespace quintara
