// Points by name: what the command line's --points adds for one run, and
// the points a formula needs, taken from the stars table's rows.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/chart/chart.h"

namespace quintara {

// A name folded to its key: ASCII letters lowered, every other run of
// characters but digits one hyphen ("Lot of Marriage (men)" is
// "lot-of-marriage-men").
std::string PointKey(std::string_view name);

// The keys of the computed points: "vesta", "true-node", ... "poseidon".
std::vector<std::string> ComputedPointKeys();

// The rows of `catalogue` (the stars table's) a row's formula needs: its
// terms numbered above the bodies and cusps, at any depth, that `have`
// lacks; each once.
std::vector<tPlanetRow> NeededRows(const std::vector<tPlanetRow>& catalogue, const tPlanetRow& row,
                                   std::set<int> have);

// The point whose key is name's (a computed point even without the
// catalogue), visible, appended to out with the rows it needs beyond have.
// False, with error naming what is accepted, when there is none.
bool AddPointNamed(const std::vector<tPlanetRow>& catalogue, std::string_view name, const std::set<int>& have,
                   std::vector<tPlanetRow>& out, std::string& error);

}  // namespace quintara
