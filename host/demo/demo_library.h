#pragma once
// The songs a new user finds on first start: a small folder of generated, tagged MP3 files in
// the data folder, put into a local album and a play list of the album database, so that the
// local pages and the now-playing list have something to show and play.

#include <filesystem>
#include <span>
#include <string>

namespace kesto {

struct DemoSong {
    const char* file;   // ASCII: the module keeps paths as bytes
    const char* title;  // UTF-8, Korean or Latin
    const char* artist; // UTF-8
    int seconds;
    bool inPlayList;
};

class DemoLibrary {
public:
    static constexpr const char* kFolder = "demo-library";
    static constexpr const char* kAlbumId = "101";
    static constexpr const char* kPlayListId = "102";
    static constexpr const char* kAlbumTag = "케스토 데모";

    static std::span<const DemoSong> songs();
    static std::filesystem::path folderIn(const std::filesystem::path& dataFolder);

    // Makes the folder, its files and the two lists when the folder is missing; false when
    // it existed already (the user's library is left as it is) or could not be made.
    static bool ensure(const std::filesystem::path& dataFolder, std::string& why);

private:
    static bool writeFiles(const std::filesystem::path& folder, std::string& why);
    static bool fillAlbums(const std::filesystem::path& dataFolder, const std::filesystem::path& folder,
                           std::string& why);
};

} // namespace kesto
