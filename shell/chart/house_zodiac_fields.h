// A chart's own house system and zodiac, chosen in the chart's dialog:
// two lists filled from the systems and ayanamsas the engine offers.
#pragma once

#include <QObject>

#include "core/engine/zodiac.h"

class QComboBox;
class QWidget;

namespace quintara {

class tChart;
class tProgram;

class THouseZodiacFields : public QObject {
public:
    THouseZodiacFields(tProgram& program, QWidget* parent);

    // The chart's system and zodiac into the lists; a user-defined
    // ayanamsa keeps the chart's reference, else the settings' one. A
    // chart without houses (unknown time) shows the settings' system.
    void Show(const tChart& chart, int settingsHouse, const tZodiacChoice& settings);
    // A chart of unknown time has no houses: the list is then off.
    void SetTimeUnknown(bool unknown);
    // The choices into the chart; a chart of unknown time gets kTimeUnknown.
    void Read(tChart& chart, bool timeUnknown) const;

    QComboBox *HouseCB, *ZodiacCB;

private:
    tAyanamsaRef user;  // what a user-defined choice carries
};

}  // namespace quintara
