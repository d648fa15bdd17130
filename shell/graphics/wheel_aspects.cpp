#include "shell/graphics/wheel_aspects.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"

namespace quintara {

TWheelAspects::TWheelAspects(tProgram& p, QWidget* owner, QPoint screen, const std::string& text,
                             std::function<void()> infoPlus)
    : QDialog(owner, Qt::Tool)
{
    setObjectName("InfoPanel");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowTitle(p.Caption(caption::kAspects));
    AspectsLB = new QTreeWidget(this);
    AspectsLB->setObjectName("AspectsLB");
    AspectsLB->setColumnCount(4);
    AspectsLB->setHeaderHidden(true);
    AspectsLB->setRootIsDecorated(false);
    AspectsLB->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const QString& line : QString::fromStdString(text).split("\r\n", Qt::SkipEmptyParts)) {
        auto* item = new QTreeWidgetItem(AspectsLB, line.split('\t'));
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    }
    OkBtn = new QPushButton(p.Caption(caption::kOk), this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::close);
    InfoBtn = new QPushButton(p.Caption(caption::kInfo) + "+", this);
    InfoBtn->setObjectName("InfoBtn");
    connect(InfoBtn, &QPushButton::clicked, this, [infoPlus] {
        if (infoPlus) infoPlus();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(InfoBtn);
    buttons->addWidget(OkBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AspectsLB);
    layout->addLayout(buttons);
    resize(std::max(260, AspectsLB->header()->length() + 40), 300);
    move(screen);
}

}  // namespace quintara
