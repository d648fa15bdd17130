#include "reports/info_dlg.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quintara {

namespace {
constexpr const char* kPanelName = "InfoPanel";
}

TInfoDlg::TInfoDlg(QWidget* owner, const QString& title, const QString& text) : QDialog(owner, Qt::Tool)
{
    setObjectName(kPanelName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* label = new QLabel(QString(text).replace("\r\n", "\n"), this);
    label->setObjectName("InfoText");
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
}

QString TInfoDlg::Text() const { return findChild<QLabel*>("InfoText")->text(); }

TInfoDlg* ShowInfoPanel(QWidget* owner, const QString& title, const QString& text)
{
    for (TInfoDlg* open : owner->findChildren<TInfoDlg*>(kPanelName, Qt::FindDirectChildrenOnly)) {
        open->setObjectName(QString());
        open->close();
    }
    auto* panel = new TInfoDlg(owner, title, text);
    panel->show();
    return panel;
}

}  // namespace quintara
