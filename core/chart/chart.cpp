#include "chart/chart.h"

namespace quintara {

tChart::tChart(const OptionSet* options) : Options(options)
{
    for (int n = 1; n <= kJuno; ++n) AddBody(n);
}

tPlanet& tChart::AddBody(int num)
{
    bodies.push_back(std::make_unique<tPlanet>(this));
    bodies.back()->Num = num;
    return *bodies.back();
}

tPlanet* tChart::BodyAt(int p)
{
    return p >= 1 && p <= BodyCount() ? bodies[p - 1].get() : nullptr;
}

const tPlanet* tChart::BodyAt(int p) const
{
    return p >= 1 && p <= BodyCount() ? bodies[p - 1].get() : nullptr;
}

const tPlanet* tChart::FindBody(int n) const
{
    if (n < 0) return nullptr;
    if (const tPlanet* at = BodyAt(n); at && at->Num == n) return at;
    const tPlanet* found = nullptr;
    for (const auto& b : bodies)
        if (b->Num == n) found = b.get();  // the last one wins
    return found;
}

tPlanet* tChart::FindBody(int n)
{
    return const_cast<tPlanet*>(static_cast<const tChart*>(this)->FindBody(n));
}

double tChart::BodyPosition(int n) const
{
    const tPlanet* b = FindBody(n);
    return b ? b->GetPosition() : -1.0;
}

void tChart::SetBodyLongitude(int n, double value)
{
    if (tPlanet* b = FindBody(n)) b->SetLongitude(value);
}

void tChart::SetBodyLatitude(int n, double value)
{
    if (tPlanet* b = FindBody(n)) b->Latitude = value;
}

double tChart::HouseCusp(int n) const
{
    return n >= 1 && n <= 12 ? BodyPosition(12 + n) : -1.0;
}

void tChart::SetHouseCusp(int n, double value)
{
    if (n >= 1 && n <= 12) SetBodyLongitude(12 + n, value);
}

bool tChart::Retrograde(int n) const
{
    const tPlanet* b = FindBody(n);
    return b && b->Retrograde;
}

void tChart::SetRetrograde(int n, bool flag)
{
    if (tPlanet* b = FindBody(n)) b->Retrograde = flag;
}

}  // namespace quintara
