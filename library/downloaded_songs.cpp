#include "library/downloaded_songs.h"

#include "platform/cp949.h"

#include <system_error>

namespace kesto {

DownloadedSongs::DownloadedSongs(const std::filesystem::path& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file(error))
            stems_.insert(it->path().stem().string());
}

bool DownloadedSongs::holds(const SongRecord& song) const {
    const std::string name = Cp949::toUtf8(song.Song_Name);
    const std::string artist = Cp949::toUtf8(song.Artist_Name);
    return (song.Song_ID[0] != '\0' && stems_.count(song.Song_ID) > 0) ||
           (!name.empty() && stems_.count(name) > 0) ||
           (!name.empty() && !artist.empty() && stems_.count(artist + " - " + name) > 0);
}

} // namespace kesto
