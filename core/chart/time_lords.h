// Time lords: annual and monthly profections and the firdaria. Dates are
// the birth's clock dates (the birthday on the calendar the birth was
// entered in); periods run from one anniversary of the birth to another.
//
// Profections (Vettius Valens, Anthology IV; C. Brennan, Hellenistic
// Astrology, 2017, ch. 11): the year of life n (n completed years) is
// ruled by the sign n signs on from the Ascendant's, whole-sign house n + 1,
// and its traditional ruler; each month of that year (counted from the
// birthday's day of the month) moves one sign further.
//
// Firdaria (Abu Ma'shar, as Bonatti gives them, Liber Astronomiae, tr.
// 2007): 75 years of periods, by day Sun 10, Venus 8, Mercury 13, Moon 9,
// Saturn 11, Jupiter 12, Mars 7, north node 3, south node 2; by night Moon,
// Saturn, Jupiter, Mars, Sun, Venus, Mercury, then the nodes. Each
// planet's period falls into seven equal parts ruled in turn by the planets
// in the day order from the period's lord; the nodes' periods have none.
#pragma once

#include <vector>

#include "core/chart/chart.h"
#include "core/chart/date_time.h"

namespace quintara {

// The traditional ruler of sign 1..12 (Mars, Venus, Mercury, Moon, Sun,
// Mercury, Venus, Mars, Jupiter, Saturn, Saturn, Jupiter); 0 outside.
int TraditionalRuler(int sign);

struct tProfection {
    int age = 0;        // completed years at the date
    int house = 0;      // whole-sign house of the year, 1..12
    int annualSign = 0, annualLord = 0;
    int month = 0;      // completed months of that year, 0..11
    int monthlySign = 0, monthlyLord = 0;
};
// natal computed with a birth time; date on the birth's calendar, not
// before the birth. False otherwise.
bool ProfectionAt(const tChart& natal, const tDateTime& date, tProfection& out);

struct tFirdar {
    int lord = 0;     // body number: 1..7, kNode (12) north, kSouthNode south
    int subLord = 0;  // 0 for the period itself
    double from = 0, to = 0;  // T, Julian centuries of UT (to is the next one's from)
};
// The periods in order, each followed by its seven parts; 75 years from
// the birth. natal computed with a birth time (the sect); empty without.
std::vector<tFirdar> Firdaria(const tChart& natal);

}  // namespace quintara
