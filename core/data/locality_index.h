// The localities' names folded for searching as users type them (case and
// accents ignored), held sorted in memory beside the localities table: a
// prefix is a range of it, found by binary search, never by a scan. Built
// on first use and again whenever the table's file was written since.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quintara {

class tDatabase;
struct tLocality;

class tLocalityIndex {
public:
    // Reads the table City of db again when something wrote to the file
    // since the last reading (or none was made): this connection's writes
    // are seen at once, another program's within a second.
    void Update(tDatabase& db);

    // The localities whose folded name starts with the folded prefix (both
    // within the name field's length), best first: the whole name, then the
    // most populous, then name order (case ignored), then row order.
    // country 0: any country.
    std::vector<tLocality> Find(std::string_view prefix, std::size_t limit, std::int32_t country) const;

    std::size_t Size() const { return entries.size(); }

private:
    struct tEntry {
        std::string key;   // BaseKey of the name
        std::string name;  // as stored
        std::int64_t rowid = 0, population = 0;
        std::int32_t country = 0, state = 0;
        double latitude = 0, longitude = 0;
    };
    std::vector<tEntry> entries;  // by key, then row order
    std::int64_t version = -1, changes = -1;
    std::chrono::steady_clock::time_point checked;
};

}  // namespace quintara
