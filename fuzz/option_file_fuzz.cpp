// An option file ("Option32.cfg") of any bytes: decoded or refused; what it
// decodes to is within range, and a wheel drawn with it has only numbers.
#include <memory>

#include "core/i18n/languages.h"
#include "core/options/option_set.h"
#include "fuzz_support.h"
#include "picture_check.h"

using namespace quintara;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static tProfileFile settings(fuzz::Home() + "/Astro.ini");
    static TLanguages lang(fuzz::Home(), settings);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto r = tOptionRecord::Decode(bytes);
    // A file taken as whole needs no value replaced, and what is written
    // back is taken as whole again.
    if (tOptionRecord::LooksWhole(bytes)) {
        fuzz::Require(r.has_value(), "a whole option file not decoded");
        const auto again = r->Encode();
        const std::string_view written(reinterpret_cast<const char*>(again.data()), again.size());
        fuzz::Require(tOptionRecord::LooksWhole(written) && tOptionRecord::Decode(written) == r,
                      "an option file written back is read otherwise");
    }
    if (!r) return 0;
    for (const OptionSet* s : {&r->BirthSet, &r->FirstChartSet, &r->SecondChartSet}) {
        for (std::uint32_t c : s->Colors) fuzz::Require(c <= 0x00FFFFFFu, "colour out of range");
        for (std::int32_t w : s->LineWidths) fuzz::Require(w >= 0 && w <= kMaxLineWidth, "line width out of range");
    }
    for (std::uint8_t orb : r->NatalOrbs.bytes) fuzz::Require(orb <= kMaxOrb, "orb out of range");

    tChart natal(&r->BirthSet), other(&r->SecondChartSet);
    natal.Year = 1961, natal.Month = 3, natal.Day = 21, natal.Hour = 12, natal.Latitude = 48.52;
    other.Assign(natal);
    other.Year = 1990;
    CalcChart(natal);
    CalcChart(other);
    tPictureContext ctx;
    ctx.Lang = &lang;
    ctx.AspectRules = {&r->NatalOrbs, &r->SynastryOrbs, 15};
    fuzz::CheckPicture(tGraphKind::Daisy, natal, natal, ctx);
    fuzz::CheckPicture(tGraphKind::USTwo, natal, other, ctx);
    return 0;
}
