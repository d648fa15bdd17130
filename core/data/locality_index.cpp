#include "core/data/locality_index.h"

#include <algorithm>

#include "core/data/data_module.h"
#include "core/data/schemas.h"
#include "core/data/sqlite_db.h"
#include "core/data/text_collation.h"
#include "core/i18n/text_encoding.h"

namespace quintara {

void tLocalityIndex::Update(tDatabase& db)
{
    // Asking the file costs a lock and a look for its journal: another
    // program's writes are looked for once a second.
    const auto now = std::chrono::steady_clock::now();
    const std::int64_t c = db.TotalChanges();
    if (c == changes && version >= 0 && now - checked < std::chrono::seconds(1)) return;
    const std::int64_t v = db.DataVersion();
    checked = now;
    if (v == version && c == changes) return;
    std::vector<tEntry> fresh;
    tStatement q = db.Prepare("SELECT rowid, CITY, POPULATION, COUNTRY, STATE, LATITUDE, LONGITUDE FROM City");
    const auto integer = [&](int i) { return q.IsNull(i) ? 0 : q.Int(i); };
    const auto real = [&](int i) { return q.IsNull(i) ? 0.0 : q.Real(i); };
    while (q.Step()) {
        tEntry e;
        e.rowid = q.Int(0);
        e.name = q.IsNull(1) ? std::string() : ValidUtf8(q.Text(1));
        e.key = BaseKey(e.name);
        e.population = integer(2);
        e.country = static_cast<std::int32_t>(integer(3));
        e.state = static_cast<std::int32_t>(integer(4));
        e.latitude = real(5);
        e.longitude = real(6);
        fresh.push_back(std::move(e));
    }
    std::sort(fresh.begin(), fresh.end(),
              [](const tEntry& a, const tEntry& b) { return a.key != b.key ? a.key < b.key : a.rowid < b.rowid; });
    entries = std::move(fresh);
    version = v, changes = c;
}

std::vector<tLocality> tLocalityIndex::Find(std::string_view prefix, std::size_t limit, std::int32_t country) const
{
    // Names are stored cut to the field's length: so is what is compared.
    const std::string key = BaseKey(FirstCodePoints(prefix, kNameLength));
    const auto first = std::lower_bound(entries.begin(), entries.end(), key,
                                        [](const tEntry& e, const std::string& k) { return e.key < k; });
    std::vector<const tEntry*> found;
    for (auto it = first; it != entries.end() && it->key.compare(0, key.size(), key) == 0; ++it)
        if (country == 0 || it->country == country) found.push_back(&*it);
    const auto better = [&](const tEntry* a, const tEntry* b) {
        const bool wholeA = a->key == key, wholeB = b->key == key;
        if (wholeA != wholeB) return wholeA;
        if (a->population != b->population) return a->population > b->population;
        if (const int byName = CompareNoCase(a->name, b->name)) return byName < 0;
        return a->rowid < b->rowid;
    };
    const std::size_t n = std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(n), found.end(), better);
    std::vector<tLocality> out;
    for (std::size_t i = 0; i < n; ++i) {
        const tEntry& e = *found[i];
        out.push_back({e.name, e.country, e.state, e.latitude, e.longitude, e.population, e.rowid});
    }
    return out;
}

}  // namespace quintara
