// A titled group of radio buttons chosen by index, as the settings store
// them (house system code, zodiac 0/1, ...).
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace quintara {

class TRadioGroup : public QGroupBox {
public:
    // columns: buttons per row before the next row starts (0: one column).
    // ids: the index of each item where they are not 0, 1, 2...
    TRadioGroup(const QString& title, const QStringList& items, const char* objectName, QWidget* parent,
                int columns = 0, const QList<int>& ids = {});
    int Index() const;
    void SetIndex(int index);
    QButtonGroup* Buttons() const { return group; }

private:
    QButtonGroup* group;
};

}  // namespace quintara
