#pragma once
// Brings a song store into the order of a list that shows it (rows moved by a drop, or
// sorted), through the store's own interface: the records keep their places in memory and
// trade contents, so every pointer into the store stays valid and, position by position,
// shows the new order.

#include <span>

namespace kesto {

class SongStore;
struct Song;

class StoreOrder {
public:
    // shown: the store's records in the list's new order. False, and nothing changes, unless
    // shown names every record of the store once. The current entry keeps its song.
    static bool follow(SongStore& store, std::span<Song* const> shown);
};

} // namespace kesto
