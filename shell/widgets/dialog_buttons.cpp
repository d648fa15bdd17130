#include "shell/widgets/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"
#include "shell/widgets/help_window.h"

namespace quintara {

QDialogButtonBox* DialogButtons(tProgram& program, QDialog* dialog, int helpContext)
{
    return DialogButtons(
        program, dialog,
        helpContext ? std::function<int()>([helpContext] { return helpContext; }) : std::function<int()>());
}

QDialogButtonBox* DialogButtons(tProgram& program, QDialog* dialog, std::function<int()> helpContext)
{
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* ok = box->addButton(program.Caption(caption::kOk), QDialogButtonBox::AcceptRole);
    ok->setObjectName("OkBtn");
    ok->setDefault(true);
    box->addButton(program.Caption(caption::kCancel), QDialogButtonBox::RejectRole)->setObjectName("CancelBtn");
    if (helpContext) {
        box->addButton(program.Caption(caption::kHelp), QDialogButtonBox::HelpRole)->setObjectName("HelpBtn");
        QObject::connect(box, &QDialogButtonBox::helpRequested, dialog,
                         [&program, dialog, helpContext] { ShowHelp(program, helpContext(), dialog); });
    }
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

QPushButton* OkButton(QDialogButtonBox* box) { return box->findChild<QPushButton*>("OkBtn"); }

bool FieldError(tProgram& program, QDialog* dialog, QLineEdit* field, int caption, const QString& why)
{
    return FieldError(program, dialog, field, program.Caption(caption), why);
}

bool FieldError(tProgram& program, QDialog* dialog, QLineEdit* field, const QString& name, const QString& why)
{
    program.Messenger().Tell(dialog, tMessenger::kError, dialog->windowTitle(), name + ": " + why);
    field->setFocus();
    field->selectAll();
    return false;
}

}  // namespace quintara
