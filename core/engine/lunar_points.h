// The Moon's true longitude, the mean lunar apogee (Lilith), the true and
// the mean node.
#pragma once

namespace quintara {

struct tLunarPoints {
    double Moon;     // geocentric longitude, degrees [0, 360), mean equinox of date
    double Apogee;   // mean apogee, degrees [0, 360)
    double TrueNode; // true ascending node, degrees [0, 360)
    double MeanNode; // mean ascending node, degrees [0, 360)
};

// T: Julian centuries of UT from J2000.0.
tLunarPoints LunarPoints(double T);

}  // namespace quintara
