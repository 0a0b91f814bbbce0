#include "commands/download_into_album.h"

#include "commands/drop_into_album_command.h"
#include "library/album_song.h"
#include "library/my_album_db.h"
#include "platform/failure_log.h"
#include "songs/song_file_name.h"

namespace kesto {

std::filesystem::path DownloadIntoAlbum::destination(const std::filesystem::path& folder, const Song& song) {
    return folder / (std::string(song.text(SongField::Song_ID)) + std::string(kExtension));
}

int DownloadIntoAlbum::put(const std::vector<Song>& songs, std::string_view albumId, std::time_t now) const {
    const std::string date = DropIntoAlbumCommand::dateOf(now);
    int inserted = 0;
    for (const Song& song : songs) {
        if (!SongFileName::isPlain(song.view(SongField::Song_ID))) {
            if (!song.isEmpty(SongField::Song_ID))
                FailureLog::write(LogCategory::Commands,
                                  "download into album: a song id that names no file was left out");
            continue;
        }
        Song arriving = song;
        const std::string path = destination(folder_, song).string();
        arriving.setText(SongField::Local_Path, path);
        if (db_.containsSong(albumId, db_.songIdByPath(path), path))
            continue;
        if (!db_.insertSong(AlbumSong::fromRecord(arriving, albumId, date)).empty())
            ++inserted;
    }
    return inserted;
}

} // namespace kesto
