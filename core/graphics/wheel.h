// Chart wheels: the standard layout (bodies outside the zodiac ring,
// aspect chords inside, houses labelled outside) and the US layout (a wide
// zodiac ring outside, house lines running in to a small central circle),
// each for one chart or two. The wheel's origin is its centre.
#pragma once

#include "core/aspects/aspects.h"
#include "core/graphics/wheel_parts.h"

namespace quintara {

// What the wheels share: the chart, the rotation (0 with StartAries, else
// the Ascendant on the left), the aspect list and the ring drawing.
class tWheelBase : public tChartElement {
public:
    tWheelBase(tElement* parent, const tChart& chart, const tPictureContext& ctx);

    // One line per aspect: body, aspect, body, orb (5.2), tab separated.
    tInfoText InfoWindow() const override;
    // The interpretation of the whole chart.
    std::optional<std::vector<std::string>> ExInfoWindow() const override;

    const tChart& Chart;
    double Rotation;
    tAspectsCollection Aspects;
    bool OfSecondChart = false;  // Chart is the picture's second (the right wheel side by side)

protected:
    double Angle(double longitude) const { return longitude * kDegToRadians - Rotation; }
    // Bodies 1..12, then the list from its 25th entry on without the
    // dominants 36..48, on their rings, spread so that no glyph or label
    // covers another. second: the bodies are the second chart's.
    void AddBodies(const tChart& chart, bool second, const tBodyRings& rings);
    // The houses (when the chart has them) on reference radius R, their
    // labels spread on their ring.
    void AddHouses(const tChart& chart, double R, const tHouseLayout& houses);
    // The rings of the standard wheel's bodies outside a zodiac ring of
    // outer radius outer, exact points on exact; ring 2 lies beyond ring 1.
    tBodyRings OuterRings(double exact, double outer, int ring) const;
    void DrawBase(tRecordElement& r) const;
    void DrawSigns(tRecordElement& r, double inner, double outer) const;
    // Chords on radius for every aspect in the list, the second body on
    // second's positions.
    void DrawChords(tRecordElement& r, double radius, const tChart& second) const;
    const tPictureContext& ctx;
};

class tWheel : public tWheelBase {
public:
    tWheel(tElement* parent, const tChart& chart, std::int32_t inner, std::int32_t outer, const tPictureContext& ctx);
    void Setup() override;
    void RecordGraph() override;
    // Degree ticks, then the chart's own aspects on InnerRadius.
    virtual void DrawAspects(tRecordElement& r);

    std::int32_t InnerRadius, OuterRadius;
};

class tTwoWheel : public tWheel {
public:
    tTwoWheel(tElement* parent, const tChart& chart, const tChart& chart2, std::int32_t inner, std::int32_t outer,
              const tPictureContext& ctx);
    void Setup() override;
    // The aspects between the two charts, without ticks.
    void DrawAspects(tRecordElement& r) override;

    const tChart& Chart2;
};

class tUSWheel : public tWheelBase {
public:
    tUSWheel(tElement* parent, const tChart& chart, std::int32_t zodiacInner, std::int32_t zodiacOuter,
             std::int32_t center, const tPictureContext& ctx);
    void Setup() override;
    void RecordGraph() override;
    // The aspect chords on CenterRadius (users expect aspects in a wheel).
    virtual void DrawAspects(tRecordElement& r);

    std::int32_t ZodiacInnerRadius, ZodiacOuterRadius, CenterRadius;

protected:
    // The first chart's bodies inside the zodiac ring.
    tBodyRings InnerRings() const;
};

class tUSTwoWheel : public tUSWheel {
public:
    tUSTwoWheel(tElement* parent, const tChart& chart, const tChart& chart2, std::int32_t zodiacInner,
                std::int32_t zodiacOuter, std::int32_t center, const tPictureContext& ctx);
    void Setup() override;
    void DrawAspects(tRecordElement& r) override;

    const tChart& Chart2;
};

}  // namespace quintara
