#include "shell/chart/house_zodiac_fields.h"

#include <QComboBox>

#include "core/chart/chart.h"
#include "core/chart/chart_input.h"
#include "core/chart/chart_settings.h"
#include "core/engine/houses.h"
#include "core/i18n/caption_ids.h"
#include "shell/platform/program.h"

namespace quintara {

THouseZodiacFields::THouseZodiacFields(tProgram& p, QWidget* parent) : QObject(parent)
{
    HouseCB = new QComboBox(parent);
    HouseCB->setObjectName("HouseCB");
    for (int code : OfferedHouseSystems()) HouseCB->addItem(p.Caption(caption::HouseSystem(code)), code);
    ZodiacCB = new QComboBox(parent);
    ZodiacCB->setObjectName("ZodiacCB");
    ZodiacCB->addItem(p.Caption(caption::kTropical), kTropicalZodiac);
    for (int i = 0; i < caption::kAyanamsaNameCount; ++i)
        ZodiacCB->addItem(p.Caption(caption::kAyanamsaNames + i), caption::AyanamsaCodeAt(i));
}

void THouseZodiacFields::Show(const tChart& chart, int settingsHouse, const tZodiacChoice& settings)
{
    int house = HouseCB->findData(chart.HouseType);
    if (house < 0) house = HouseCB->findData(settingsHouse);
    HouseCB->setCurrentIndex(house < 0 ? 0 : house);
    const int zodiac = ZodiacCB->findData(IsZodiacCode(chart.Zodiac) ? chart.Zodiac : kClassicSidereal);
    ZodiacCB->setCurrentIndex(zodiac < 0 ? 0 : zodiac);
    user = chart.Zodiac == kUserAyanamsa ? chart.UserAyanamsa : settings.user;
}

void THouseZodiacFields::SetTimeUnknown(bool unknown) { HouseCB->setEnabled(!unknown); }

void THouseZodiacFields::Read(tChart& chart, bool timeUnknown) const
{
    chart.HouseType = timeUnknown ? std::uint8_t{kTimeUnknown} : static_cast<std::uint8_t>(HouseCB->currentData().toInt());
    SetZodiac(chart, {ZodiacCB->currentData().toInt(), user});
}

}  // namespace quintara
