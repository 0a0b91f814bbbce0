#include "host/demo/demo_library.h"

#include "host/audio/tag_reader.h"
#include "host/demo/mp3_writer.h"
#include "host/library/album_database.h"
#include "host/session/cp949_text.h"
#include "include/kesto/panel_api.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace kesto {
namespace {

namespace fs = std::filesystem;

constexpr std::array kSongs = {
    DemoSong{"01-spring-walk.mp3", "봄날의 산책", "케스토 밴드", 24, true},
    DemoSong{"02-morning-light.mp3", "Morning Light", "The Loopbacks", 20, false},
    DemoSong{"03-starlight-waltz.mp3", "별빛 왈츠", "한여름 트리오", 28, true},
    DemoSong{"04-city-rain.mp3", "City Rain", "Nana Park", 22, false},
    DemoSong{"05-road-to-the-sea.mp3", "바다로 가는 길", "케스토 밴드", 26, true},
    DemoSong{"06-paper-planes.mp3", "Paper Planes", "The Loopbacks", 18, true},
};

constexpr const char* kAlbumName = "데모 앨범";
constexpr const char* kPlayListName = "드라이브 플레이리스트";

// The row as the panel would make it from the file: the host's tags, CP949 texts.
bool entryOf(const fs::path& file, AlbumEntry& entry) {
    std::array<char, KESTO_TAG_BUFFER_SIZE> tags{};
    if (TagReader::read(file.c_str(), tags.data()) == 0)
        return false;
    entry.songName = tags.data() + KESTO_TAG_TITLE;
    entry.artist = tags.data() + KESTO_TAG_ARTIST;
    entry.albumTitle = tags.data() + KESTO_TAG_ALBUM;
    std::int32_t value = 0;
    std::memcpy(&value, tags.data() + KESTO_TAG_PLAY_TIME, sizeof value);
    entry.playTime = value;
    std::memcpy(&value, tags.data() + KESTO_TAG_BITRATE, sizeof value);
    // The column is a small int: kbps fits where bits per second would not.
    entry.bitrate = value / 1000;
    entry.localPath = file.string();
    return true;
}

} // namespace

std::span<const DemoSong> DemoLibrary::songs() {
    return kSongs;
}

fs::path DemoLibrary::folderIn(const fs::path& dataFolder) {
    return dataFolder / kFolder;
}

bool DemoLibrary::ensure(const fs::path& dataFolder, std::string& why) {
    const fs::path folder = folderIn(dataFolder);
    std::error_code error;
    if (fs::exists(folder, error))
        return false;
    // Made aside and renamed at the end: a start cut short leaves no half library behind.
    const fs::path making = dataFolder / (std::string(kFolder) + ".making");
    fs::remove_all(making, error);
    if (!fs::create_directories(making, error)) {
        why = "cannot make " + making.string();
        return false;
    }
    if (!writeFiles(making, why))
        return false;
    fs::rename(making, folder, error);
    if (error) {
        why = "cannot name " + folder.string();
        return false;
    }
    return fillAlbums(dataFolder, folder, why);
}

bool DemoLibrary::writeFiles(const fs::path& folder, std::string& why) {
    int track = 0;
    for (const DemoSong& song : kSongs) {
        const Mp3Tags tags{song.title, song.artist, kAlbumTag, ++track};
        if (!Mp3Writer::write(folder / song.file, song.file, song.seconds, tags)) {
            why = std::string("cannot write ") + song.file;
            return false;
        }
    }
    return true;
}

bool DemoLibrary::fillAlbums(const fs::path& dataFolder, const fs::path& folder, std::string& why) {
    AlbumDatabase db;
    if (!db.open(dataFolder) || !db.addList(kAlbumId, Cp949Text::fromUtf8(kAlbumName)) ||
        !db.addList(kPlayListId, Cp949Text::fromUtf8(kPlayListName))) {
        why = "the album database cannot take the demo lists: " + db.error();
        return false;
    }
    for (const DemoSong& song : kSongs) {
        AlbumEntry entry;
        if (!entryOf(folder / song.file, entry)) {
            why = std::string("no tags in ") + song.file;
            return false;
        }
        if (!db.addSong(kAlbumId, entry) || (song.inPlayList && !db.addSong(kPlayListId, entry))) {
            why = "the album database cannot take " + std::string(song.file) + ": " + db.error();
            return false;
        }
    }
    return true;
}

} // namespace kesto
