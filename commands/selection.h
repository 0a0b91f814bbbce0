#pragma once
// The songs a command acts on, in the order chosen: the ticked rows of the list in row order,
// or the positions of a now-playing action looked up in the now-playing store. Each song keeps
// where it came from, so that a command can find it again.

#include "songs/song.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace kesto {

class SongStore;

struct ChosenSong {
    Song record;
    int position = -1; // row or now-playing position
};

class Selection {
public:
    Selection() = default;
    // The ticked rows, already in row order; row numbers are their indexes in rows.
    static Selection fromRows(const std::vector<Song>& rows, const std::vector<bool>& ticked);
    // A word array of a now-playing action: positions[0] is the count, the positions follow.
    // Positions the store does not hold are left out. A null array is an empty selection.
    static Selection fromNowPlaying(const SongStore& store, const std::uint16_t* positions);
    // Songs taken as they are (dropped songs, tests).
    static Selection of(const std::vector<Song>& songs);

    bool empty() const { return songs_.empty(); }
    std::size_t size() const { return songs_.size(); }
    const std::vector<ChosenSong>& songs() const { return songs_; }
    std::vector<Song> records() const;

    void add(const Song& record, int position);
    // Drops the songs for which drop is true; returns how many went.
    std::size_t removeIf(const std::function<bool(const Song&)>& drop);

private:
    std::vector<ChosenSong> songs_;
};

} // namespace kesto
