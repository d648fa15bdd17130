#include "shell/widgets/info_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"

namespace quintara {

namespace {
constexpr const char* kPanelName = "InfoPanel";
}

TInfoDlg::TInfoDlg(tProgram& program, QWidget* owner, const QString& title, const QString& text, std::function<void(QPoint)> infoPlus)
    : QDialog(owner, Qt::Tool)
{
    setObjectName(kPanelName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* label = new QLabel(QString(text).replace("\r\n", "\n"), this);
    label->setObjectName("InfoText");
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* ok = new QPushButton(program.Caption(caption::kOk), this);
    ok->setObjectName("OkBtn");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    InfoBtn = new QPushButton(program.Caption(caption::kInfo) + " +", this);
    InfoBtn->setObjectName("InfoBtn");
    InfoBtn->setVisible(static_cast<bool>(infoPlus));
    connect(InfoBtn, &QPushButton::clicked, this, [this, infoPlus] {
        if (infoPlus) infoPlus(frameGeometry().topLeft());
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(InfoBtn);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(buttons);
}

QString TInfoDlg::Text() const { return findChild<QLabel*>("InfoText")->text(); }

TInfoDlg* ShowInfoPanel(tProgram& program, QWidget* owner, const QString& title, const QString& text, std::function<void(QPoint)> infoPlus)
{
    for (TInfoDlg* open : owner->findChildren<TInfoDlg*>(kPanelName, Qt::FindDirectChildrenOnly)) {
        open->setObjectName(QString());
        open->close();
    }
    auto* panel = new TInfoDlg(program, owner, title, text, std::move(infoPlus));
    panel->show();
    return panel;
}

TExInfoDlg::TExInfoDlg(QWidget* owner, QPoint screen, const QString& caption, const std::vector<std::string>& lines)
    : QDialog(owner, Qt::Tool)
{
    setObjectName("ExInfo");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowTitle(caption);
    Text = new QTextEdit(this);
    Text->setObjectName("ExInfoText");
    Text->setReadOnly(true);
    Text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QString all;
    for (const std::string& l : lines) all += QString::fromStdString(l) + "\n";
    Text->setPlainText(all.trimmed());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text);
    resize(387, 250);
    move(screen);
}

}  // namespace quintara
