#pragma once
// The player's own few statements on the album database that the panel keeps
// (Playlist/MyAlbum.dbf, layout in docs/album-database.md): the host makes albums and play
// lists, puts its demo songs in, and reads a play list's files back. Texts are CP949.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;

namespace kesto {

struct AlbumEntry {
    std::string songName;
    std::string artist;
    std::string albumTitle;
    int playTime = 0; // seconds
    int bitrate = 0;  // kbps
    std::string localPath;
};

class AlbumDatabase {
public:
    // The all-songs album of the panel: never handed out as a list id.
    static constexpr long kAllSongsAlbum = 4000;

    AlbumDatabase() = default;
    ~AlbumDatabase();
    AlbumDatabase(const AlbumDatabase&) = delete;
    AlbumDatabase& operator=(const AlbumDatabase&) = delete;

    static std::filesystem::path fileIn(const std::filesystem::path& folder);

    // Opens folder/Playlist/MyAlbum.dbf, making the folder and the two tables when missing.
    bool open(const std::filesystem::path& folder);
    // (album id, name) of every album and play list.
    std::vector<std::pair<std::string, std::string>> lists();
    bool addList(const std::string& albumId, const std::string& name);
    // A list after every album there is; its id, or 0.
    long createList(const std::string& name);
    // A song row in the album; a file already in another album keeps its song id.
    bool addSong(const std::string& albumId, const AlbumEntry& entry);
    // The files of an album, in the order they were put in.
    std::vector<std::string> localPaths(const std::string& albumId);
    // What the last failure was, for the caller's log.
    const std::string& error() const { return error_; }

private:
    bool exec(const char* sql);
    std::string songIdOf(const std::string& localPath);
    std::string nextRowId();

    sqlite3* db_ = nullptr;
    std::string lastRowId_;
    std::string error_;
};

} // namespace kesto
