#include "core/engine/delta_t.h"

namespace quintara {

double DeltaTSeconds(double y)
{
    const double u = (y - 1820) / 100;
    if (y < 1900 || y >= 2150) return -20 + 32 * u * u;
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - 0.000197 * t)));
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + 0.0020936 * t));
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + 0.00002373599 * t))));
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

}  // namespace quintara
