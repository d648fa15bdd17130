#include "shell/widgets/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace quintara {

TRadioGroup::TRadioGroup(const QString& title, const QStringList& items, const char* objectName, QWidget* parent,
                         int columns, const QList<int>& ids)
    : QGroupBox(title, parent), group(new QButtonGroup(this))
{
    setObjectName(objectName);
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        group->addButton(b, i < ids.size() ? ids[i] : i);
        if (columns > 0)
            layout->addWidget(b, i / columns, i % columns);
        else
            layout->addWidget(b, i, 0);
    }
    SetIndex(ids.isEmpty() ? 0 : ids[0]);
}

int TRadioGroup::Index() const { return group->checkedId(); }

void TRadioGroup::SetIndex(int index)
{
    if (QAbstractButton* b = group->button(index)) b->setChecked(true);
}

}  // namespace quintara
