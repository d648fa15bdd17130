#include "shell/widgets/find_dlg.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/af_rich_edit.h"

namespace quintara {

namespace {

class TFindDlg : public QDialog {
public:
    TFindDlg(tProgram& p, TAFRichEdit& t, bool replace, QWidget* parent) : QDialog(parent), text(&t)
    {
        setObjectName(replace ? "ReplaceDialog1" : "FindDialog1");
        setWindowTitle(p.Caption(replace ? caption::kReplace : caption::kFind));
        setAttribute(Qt::WA_DeleteOnClose);
        what = new QLineEdit(this);
        what->setObjectName("FindText");
        with = new QLineEdit(this);
        with->setObjectName("ReplaceText");
        auto* form = new QFormLayout;
        form->addRow(p.Caption(caption::kFind), what);
        if (replace) form->addRow(p.Caption(caption::kReplace), with);
        else with->hide();
        auto* next = new QPushButton(p.Caption(caption::kNext), this);
        next->setObjectName("FindNextBtn");
        next->setDefault(true);
        status = new QLabel(this);
        status->setObjectName("FindStatus");
        connect(next, &QPushButton::clicked, this, [this, replace] {
            if (!text) return;
            const bool found = text->FindNext(what->text(), replace);
            status->setText(found ? QString() : QString("\"%1\" was not found after the cursor").arg(what->text()));
            if (!found) QApplication::beep();
        });
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(next);
        if (replace) {
            auto* one = new QPushButton(p.Caption(caption::kReplace), this);
            one->setObjectName("ReplaceBtn");
            connect(one, &QPushButton::clicked, this, [this] {
                if (text && text->textCursor().hasSelection()) text->textCursor().insertText(with->text());
            });
            auto* all = new QPushButton(p.Caption(caption::kReplace) + " " + p.Caption(caption::kAll), this);
            all->setObjectName("ReplaceAllBtn");
            connect(all, &QPushButton::clicked, this, [this] {
                if (!text) return;
                const int n = text->ReplaceAll(what->text(), with->text());
                status->setText(n ? QString("%1 replaced").arg(n) : QString("\"%1\" was not found").arg(what->text()));
            });
            buttons->addWidget(one);
            buttons->addWidget(all);
        }
        auto* close = new QPushButton(p.Caption(caption::kCancel), this);
        connect(close, &QPushButton::clicked, this, &QDialog::close);
        buttons->addWidget(close);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(form);
        layout->addLayout(buttons);
        layout->addWidget(status);
    }

private:
    QPointer<TAFRichEdit> text;  // the window may close first
    QLineEdit *what, *with;
    QLabel* status;
};

}  // namespace

void ShowFindDialog(tProgram& program, TAFRichEdit& text, bool replace, QWidget* parent)
{
    auto* d = new TFindDlg(program, text, replace, parent);
    d->show();
}

}  // namespace quintara
