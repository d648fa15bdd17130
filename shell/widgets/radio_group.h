// A titled group of radio buttons chosen by index, as the settings store
// them (house system 0..8, zodiac 0/1, ...).
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace quintara {

class TRadioGroup : public QGroupBox {
public:
    // columns: buttons per row before the next row starts (0: one column).
    TRadioGroup(const QString& title, const QStringList& items, const char* objectName, QWidget* parent,
                int columns = 0);
    int Index() const;
    void SetIndex(int index);
    QButtonGroup* Buttons() const { return group; }

private:
    QButtonGroup* group;
};

}  // namespace quintara
