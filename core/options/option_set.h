// Display option sets, orb tables and the option-file record.
//
// The record is the whole content of an option file: 1488 bytes,
// little-endian, no header. Encoding is byte by byte, so the layout does
// not depend on the compiler's struct packing.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quintara {

// Colour and line-width slots.
enum tColorSlot : int {
    kSlotBackground = 0,
    kSlotText = 1,
    kSlotBase = 2,
    kSlotHouses = 3,
    kSlotFirstBody = 4,     // bodies 1..12 in slots 4..15
    kSlotFirstAspect = 16,  // aspects 1..12 in slots 16..27
    kSlotCount = 28,
};

// One display option set (300 bytes on file).
// The largest values an option file may hold: a line width (also the text
// size factor) in pixels, an orb in whole degrees.
inline constexpr std::int32_t kMaxLineWidth = 50;
inline constexpr std::uint8_t kMaxOrb = 60;

struct OptionSet {
    static constexpr int kBytes = 300;
    std::array<bool, 36> ShowPlanet{};  // [n-1] = body n; bodies 1..28 used
    std::array<bool, 36> ShowAspect{};  // [n-1]: aspects of body n are shown
    bool Symbols = false;      // glyphs (true) or letters
    bool StartAries = false;   // wheel starts at 0 Aries (true) or at the Ascendant
    bool ShowDegrees = false;  // degrees written on the wheel
    std::array<std::uint32_t, kSlotCount> Colors{};  // 0x00BBGGRR
    std::array<std::int32_t, kSlotCount> LineWidths{};  // pixels

    bool Shows(int body) const { return body >= 1 && body <= 36 && ShowPlanet[body - 1]; }
    bool ShowsAspectsOf(int body) const { return body >= 1 && body <= 36 && ShowAspect[body - 1]; }

    bool operator==(const OptionSet&) const = default;
};

// Orbs in whole degrees: 13 rows (bodies 1..12; row 13 for every body above
// 13) by 21 aspects.
class tOrbTable {
public:
    static constexpr int kRows = 13, kAspects = 21, kBytes = kRows * kAspects;

    // row 1..13, aspect 1..21; 0 outside.
    std::uint8_t At(int row, int aspect) const
    {
        if (row < 1 || row > kRows || aspect < 1 || aspect > kAspects) return 0;
        return bytes[static_cast<std::size_t>((row - 1) * kAspects + (aspect - 1))];
    }
    void Set(int row, int aspect, std::uint8_t orb);
    // The orb of a pair: row 13 when either body is above 13, otherwise the
    // larger of the two bodies' rows (body 13 uses row 13).
    int Orb(int body1, int body2, int aspect) const;

    std::array<std::uint8_t, kBytes> bytes{};  // row-major, as on file

    bool operator==(const tOrbTable&) const = default;
};

// Everything an option file holds.
struct tOptionRecord {
    static constexpr int kBytes = 1488;
    // Byte offsets of the parts.
    static constexpr int kBirthSetAt = 0, kFirstChartSetAt = 300, kSecondChartSetAt = 600,
                         kTransitAspectsAt = 900, kNatalOrbsAt = 940, kSynastryOrbsAt = 1213;

    OptionSet BirthSet, FirstChartSet, SecondChartSet;
    std::array<bool, 36> TransitAspects{};  // [a-1] = aspect a; 1..12 used
    tOrbTable NatalOrbs, SynastryOrbs;

    std::array<std::uint8_t, kBytes> Encode() const;
    // The first kBytes of bytes; nothing when there are fewer. Bool bytes
    // other than 0 read as true.
    // Values out of range (a colour above 0x00FFFFFF, a line width outside
    // 0..kMaxLineWidth, an orb above kMaxOrb) read as the defaults'.
    static std::optional<tOptionRecord> Decode(std::string_view bytes);
    // Whether bytes can be an option file as written: exactly kBytes, every
    // flag 0 or 1, every colour within 0x00FFFFFF, every line width and orb
    // in range. Decode stays lenient for what is read from elsewhere; a file
    // failing this is damaged and is refused rather than half used.
    static bool LooksWhole(std::string_view bytes);

    // The built-in defaults.
    static tOptionRecord Defaults();

    bool operator==(const tOptionRecord&) const = default;
};

}  // namespace quintara
