#include "songs/store_order.h"

#include "songs/song_store.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kesto {

bool StoreOrder::follow(SongStore& store, std::span<Song* const> shown) {
    std::unordered_map<const Song*, int> place;
    store.forEach([&place](int index, Song& record) { place.emplace(&record, index); });
    if (place.size() != shown.size())
        return false;
    std::vector<int> from;
    from.reserve(shown.size());
    for (Song* record : shown) {
        const auto found = place.find(record);
        if (found == place.end() || found->second < 0)
            return false;
        from.push_back(std::exchange(found->second, -1));
    }
    const std::vector<Song> before = store.snapshot();
    const int current = store.current();
    int newCurrent = -1;
    store.forEach([&](int index, Song& record) {
        const int old = from[static_cast<std::size_t>(index)];
        record = before[static_cast<std::size_t>(old)];
        if (old == current)
            newCurrent = index;
    });
    if (current >= 0)
        store.setCurrent(newCurrent);
    return true;
}

} // namespace kesto
