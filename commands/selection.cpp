#include "commands/selection.h"

#include "songs/song_store.h"

#include <algorithm>

namespace kesto {

Selection Selection::fromRows(const std::vector<Song>& rows, const std::vector<bool>& ticked) {
    Selection selection;
    const std::size_t n = std::min(rows.size(), ticked.size());
    for (std::size_t i = 0; i < n; ++i)
        if (ticked[i])
            selection.add(rows[i], static_cast<int>(i));
    return selection;
}

Selection Selection::fromNowPlaying(const SongStore& store, const std::uint16_t* positions) {
    Selection selection;
    if (positions == nullptr)
        return selection;
    const int count = positions[0];
    for (int i = 1; i <= count; ++i) {
        const int position = positions[i];
        if (const Song* record = store.get(position))
            selection.add(*record, position);
    }
    return selection;
}

Selection Selection::of(const std::vector<Song>& songs) {
    Selection selection;
    for (std::size_t i = 0; i < songs.size(); ++i)
        selection.add(songs[i], static_cast<int>(i));
    return selection;
}

std::vector<Song> Selection::records() const {
    std::vector<Song> out;
    out.reserve(songs_.size());
    for (const ChosenSong& song : songs_)
        out.push_back(song.record);
    return out;
}

std::size_t Selection::removeIf(const std::function<bool(const Song&)>& drop) {
    return std::erase_if(songs_, [&](const ChosenSong& song) { return drop(song.record); });
}

void Selection::add(const Song& record, int position) {
    songs_.push_back({record, position});
}

} // namespace kesto
