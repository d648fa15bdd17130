#include "core/options/option_set.h"

#include <algorithm>

namespace quintara {
namespace {

class tWriter {
public:
    explicit tWriter(std::uint8_t* p) : p(p) {}
    void Bool(bool b) { *p++ = b ? 1 : 0; }
    void Byte(std::uint8_t b) { *p++ = b; }
    void U32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i) *p++ = static_cast<std::uint8_t>(v >> (8 * i));
    }

private:
    std::uint8_t* p;
};

class tReader {
public:
    explicit tReader(const std::uint8_t* p) : p(p) {}
    bool Bool() { return *p++ != 0; }
    std::uint8_t Byte() { return *p++; }
    std::uint32_t U32()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(*p++) << (8 * i);
        return v;
    }

private:
    const std::uint8_t* p;
};

void EncodeSet(const OptionSet& s, std::uint8_t* at)
{
    tWriter w(at);
    for (bool b : s.ShowPlanet) w.Bool(b);
    for (bool b : s.ShowAspect) w.Bool(b);
    w.Bool(s.Symbols);
    w.Bool(s.StartAries);
    w.Bool(s.ShowDegrees);
    w.Byte(0);
    for (std::uint32_t c : s.Colors) w.U32(c);
    for (std::int32_t n : s.LineWidths) w.U32(static_cast<std::uint32_t>(n));
}

OptionSet DecodeSet(const std::uint8_t* at)
{
    OptionSet s;
    tReader r(at);
    for (bool& b : s.ShowPlanet) b = r.Bool();
    for (bool& b : s.ShowAspect) b = r.Bool();
    s.Symbols = r.Bool();
    s.StartAries = r.Bool();
    s.ShowDegrees = r.Bool();
    r.Byte();
    for (std::uint32_t& c : s.Colors) c = r.U32();
    for (std::int32_t& n : s.LineWidths) n = static_cast<std::int32_t>(r.U32());
    return s;
}

constexpr std::uint32_t kWhite = 0x00FFFFFF, kBlue = 0x00FF0000, kGreen = 0x00008000,
                        kYellow = 0x0000FFFF, kGrey = 0x00808080, kOlive = 0x00008080,
                        kRed = 0x000000FF, kPurple = 0x00800080, kFuchsia = 0x00FF00FF,
                        kNavy = 0x00800000, kMaroon = 0x00000080, kLime = 0x0000FF00;

constexpr std::array<std::uint32_t, kSlotCount> kBirthColors = {
    kWhite, kBlue, kBlue, kGreen,                                    // background .. houses
    kYellow, kGrey, kOlive, kRed, kPurple, kGreen, kFuchsia, kBlue,  // bodies 1..8
    kGrey, kNavy, kMaroon, kLime,                                    // bodies 9..12
    kBlue, kGreen, kFuchsia, kGreen, kRed, kBlue, kRed, kGreen,      // aspects 1..8
    kFuchsia, kGreen, kFuchsia, kGreen,                              // aspects 9..12
};

}  // namespace

void tOrbTable::Set(int row, int aspect, std::uint8_t orb)
{
    if (row < 1 || row > kRows || aspect < 1 || aspect > kAspects) return;
    bytes[(row - 1) * kAspects + (aspect - 1)] = orb;
}

int tOrbTable::Orb(int body1, int body2, int aspect) const
{
    if (body1 > 13 || body2 > 13) return At(13, aspect);
    return std::max(At(body1, aspect), At(body2, aspect));
}

std::array<std::uint8_t, tOptionRecord::kBytes> tOptionRecord::Encode() const
{
    std::array<std::uint8_t, kBytes> out{};
    EncodeSet(BirthSet, out.data() + kBirthSetAt);
    EncodeSet(FirstChartSet, out.data() + kFirstChartSetAt);
    EncodeSet(SecondChartSet, out.data() + kSecondChartSetAt);
    for (int i = 0; i < 36; ++i) out[kTransitAspectsAt + i] = TransitAspects[i] ? 1 : 0;
    std::copy(NatalOrbs.bytes.begin(), NatalOrbs.bytes.end(), out.begin() + kNatalOrbsAt);
    std::copy(SynastryOrbs.bytes.begin(), SynastryOrbs.bytes.end(), out.begin() + kSynastryOrbsAt);
    return out;
}

namespace {

// A value out of its range reads as the default's (a damaged file can then
// never overflow the drawing arithmetic).
void KeepInRange(OptionSet& s, const OptionSet& defaults)
{
    for (std::size_t i = 0; i < s.Colors.size(); ++i)
        if (s.Colors[i] > 0x00FFFFFFu) s.Colors[i] = defaults.Colors[i];
    for (std::size_t i = 0; i < s.LineWidths.size(); ++i)
        if (s.LineWidths[i] < 0 || s.LineWidths[i] > kMaxLineWidth) s.LineWidths[i] = defaults.LineWidths[i];
}

void KeepInRange(tOrbTable& t, const tOrbTable& defaults)
{
    for (std::size_t i = 0; i < t.bytes.size(); ++i)
        if (t.bytes[i] > kMaxOrb) t.bytes[i] = defaults.bytes[i];
}

}  // namespace

std::optional<tOptionRecord> tOptionRecord::Decode(std::string_view bytes)
{
    if (bytes.size() < static_cast<std::size_t>(kBytes)) return std::nullopt;
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    tOptionRecord r;
    r.BirthSet = DecodeSet(p + kBirthSetAt);
    r.FirstChartSet = DecodeSet(p + kFirstChartSetAt);
    r.SecondChartSet = DecodeSet(p + kSecondChartSetAt);
    for (int i = 0; i < 36; ++i) r.TransitAspects[i] = p[kTransitAspectsAt + i] != 0;
    std::copy(p + kNatalOrbsAt, p + kNatalOrbsAt + tOrbTable::kBytes, r.NatalOrbs.bytes.begin());
    std::copy(p + kSynastryOrbsAt, p + kSynastryOrbsAt + tOrbTable::kBytes, r.SynastryOrbs.bytes.begin());
    const tOptionRecord d = Defaults();
    KeepInRange(r.BirthSet, d.BirthSet);
    KeepInRange(r.FirstChartSet, d.FirstChartSet);
    KeepInRange(r.SecondChartSet, d.SecondChartSet);
    KeepInRange(r.NatalOrbs, d.NatalOrbs);
    KeepInRange(r.SynastryOrbs, d.SynastryOrbs);
    return r;
}

bool tOptionRecord::LooksWhole(std::string_view bytes)
{
    if (bytes.size() != static_cast<std::size_t>(kBytes)) return false;
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const auto flags = [p](int at, int n) { return std::all_of(p + at, p + at + n, [](std::uint8_t b) { return b <= 1; }); };
    constexpr int kFlags = 24 + 24 + 3;
    for (int set : {kBirthSetAt, kFirstChartSetAt, kSecondChartSetAt}) {
        if (!flags(set, kFlags)) return false;
        const OptionSet s = DecodeSet(p + set);
        for (std::uint32_t c : s.Colors)
            if (c > 0x00FFFFFFu) return false;
        for (std::int32_t w : s.LineWidths)
            if (w < 0 || w > kMaxLineWidth) return false;
    }
    if (!flags(kTransitAspectsAt, 36)) return false;
    return std::all_of(p + kNatalOrbsAt, p + kNatalOrbsAt + 2 * tOrbTable::kBytes,
                       [](std::uint8_t orb) { return orb <= kMaxOrb; });
}

tOptionRecord tOptionRecord::Defaults()
{
    tOptionRecord r;
    r.TransitAspects[0] = r.TransitAspects[4] = true;  // conjunction, opposition
    constexpr std::uint8_t natal[5] = {10, 4, 6, 8, 9}, synastry[5] = {5, 2, 3, 4, 4};
    for (int row = 1; row <= tOrbTable::kRows; ++row)
        for (int a = 1; a <= tOrbTable::kAspects; ++a) {
            r.NatalOrbs.Set(row, a, a <= 5 ? natal[a - 1] : 2);
            r.SynastryOrbs.Set(row, a, a <= 5 ? synastry[a - 1] : 1);
        }
    OptionSet& b = r.BirthSet;
    for (int n = 1; n <= 24; ++n) b.ShowPlanet[n - 1] = n <= 10 || n >= 13;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 22}) b.ShowAspect[n - 1] = true;
    b.Symbols = true;
    b.LineWidths.fill(1);
    b.LineWidths[1] = 3;
    b.LineWidths[16] = 5;
    b.Colors = kBirthColors;
    r.FirstChartSet = b;
    r.SecondChartSet = b;
    for (OptionSet* s : {&r.FirstChartSet, &r.SecondChartSet})
        for (int n = 13; n <= 24; ++n) s->ShowPlanet[n - 1] = s->ShowAspect[n - 1] = false;
    for (int slot = kSlotHouses; slot <= kSlotFirstBody + 11; ++slot) r.FirstChartSet.Colors[slot] = kMaroon;
    return r;
}

}  // namespace quintara
