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

bool DownloadedSongs::holds(const Song& song) const {
    const std::string name = Cp949::toUtf8(song.text(SongField::Song_Name));
    const std::string artist = Cp949::toUtf8(song.text(SongField::Artist_Name));
    return (song.text(SongField::Song_ID)[0] != '\0' && stems_.count(song.text(SongField::Song_ID)) > 0) ||
           (!name.empty() && stems_.count(name) > 0) ||
           (!name.empty() && !artist.empty() && stems_.count(artist + " - " + name) > 0);
}

} // namespace kesto
