#include "commands/song_id_list.h"

namespace kesto {

void SongIdList::append(RequestBody& body, const Selection& songs) {
    body.add(static_cast<std::int64_t>(songs.size()));
    for (const ChosenSong& song : songs.songs())
        body.add(song.record.view(SongField::Song_ID));
}

std::vector<std::string> SongIdList::ids(const Selection& songs) {
    std::vector<std::string> out;
    out.reserve(songs.size());
    for (const ChosenSong& song : songs.songs())
        out.emplace_back(song.record.text(SongField::Song_ID));
    return out;
}

} // namespace kesto
