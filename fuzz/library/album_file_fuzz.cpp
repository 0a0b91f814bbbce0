// The album database is a file on the user's disk that anything may have written. Whatever it
// holds, starting on it must not crash, and a file that is no readable database must be kept
// aside byte for byte.
#include "library/album_song_list.h"
#include "library/my_album_db.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path& folder() {
    static const fs::path path = [] {
        std::string pattern = (fs::temp_directory_path() / "kesto-album-fuzz-XXXXXX").string();
        return fs::path(::mkdtemp(pattern.data()) != nullptr ? pattern : std::string());
    }();
    return path;
}

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (folder().empty())
        return 0;
    std::error_code ignored;
    fs::remove_all(folder() / "Playlist", ignored);
    const fs::path file = kesto::MyAlbumDb::filePath(folder());
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(file, std::ios::binary) << bytes;
    kesto::MyAlbumDb db;
    if (!db.start(folder()))
        return 0;
    if (!db.damagedCopy().empty() && contentOf(db.damagedCopy()) != bytes)
        std::abort();
    const fs::path song = folder() / "song.mp3";
    std::ofstream(song) << "x";
    kesto::AlbumSong row;
    row.albumId = "7";
    row.localPath = song.string();
    const std::string songId = db.insertSong(row);
    for (const char* album : {"4000", "7"}) {
        kesto::AlbumSongList list;
        db.listAlbumSongs(album, list);
    }
    std::vector<std::string> names;
    db.albumNamesOfSong(songId, names);
    (void)db.listenCount(songId);
    db.removeSong(songId, "7");
    return 0;
}
