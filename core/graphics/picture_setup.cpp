#include "core/graphics/picture_setup.h"

#include "core/reports/report_context.h"

namespace quintara {

tPictureContext MakePictureContext(const TMainOptions& o, TLanguages& languages)
{
    tPictureContext ctx;
    ctx.Lang = &languages;
    ctx.HouseRule = {o.HouseOrb, o.HouseCentered};
    ctx.AspectRules = AspectRulesOf(o);
    ctx.TransitAspects = &o.TransitAspects;
    return ctx;
}

tPictureCharts::tPictureCharts(TMainOptions& o, const tChart& a, const tChart* b, bool twoSets)
{
    first = std::make_unique<tChart>(twoSets ? &o.FirstChartSet : &o.BirthSet);
    first->Assign(a);
    first->CopyPointsOf(a);
    CalcChart(*first);
    if (b && b != &a) {
        second = std::make_unique<tChart>(twoSets ? &o.SecondChartSet : &o.BirthSet);
        second->Assign(*b);
        second->CopyPointsOf(*b);
        CalcChart(*second);
    }
}

}  // namespace quintara
