// A dropped file list (entry 73's NUL-separated names) with any tags the host reports for the
// files, into each kind of page that takes files. The input is one byte choosing the page,
// the list up to an empty name, then the tag buffer the host's reader hands back for every
// file. Names are made relative to a scratch folder that holds a few real files. Whatever the
// list and the tags, the pages hold no more songs than were dropped, every record's texts stay
// terminated, and an album takes each file once.
#include "entry/entry_args.h"
#include "library/my_album_db.h"
#include "pages/page_import.h"
#include "pages/panel_model.h"
#include "songs/list_pages.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace kesto;
namespace fs = std::filesystem;

std::string tags;

int readTags(const char*, void* buffer) {
    std::memcpy(buffer, tags.data(), std::min<std::size_t>(tags.size(), KESTO_TAG_BUFFER_SIZE));
    return tags.empty() ? 0 : 1;
}

void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

const fs::path& scratch() {
    static const fs::path folder = [] {
        // Memory-backed where there is one: the album database commits on every input.
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "kesto-drop-XXXXXX").string();
        const fs::path made = ::mkdtemp(pattern.data());
        for (const char* name : {"a.mp3", "b.ogg", "c.wav", "d.dcf", "sub/e.mp3", "f.MP3"}) {
            fs::create_directories((made / name).parent_path());
            std::ofstream(made / name, std::ios::binary) << "ID3\x03" << name;
        }
        fs::create_directories(made / "copies");
        return made;
    }();
    // Registered after the path exists, so it runs before the path is destroyed.
    static const bool cleanUp = std::atexit([] {
                                    std::error_code error;
                                    fs::remove_all(scratch(), error);
                                }) == 0;
    (void)cleanUp;
    return folder;
}

PanelModel& model() {
    static PanelModel* made = [] {
        static LoginBlock login;
        PanelModelInit init;
        init.context.login = &login;
        init.tagReader = &readTags;
        auto* m = new PanelModel(init);
        check(m->openAlbumDatabase(scratch()));
        m->albumDb()->execStatement("insert or ignore into AlbumName_tbl values('4001','Drive')");
        m->setFolder(scratch() / "copies");
        return m;
    }();
    return *made;
}

void choosePage(PanelModel& m, std::uint8_t choice) {
    static const int menus[] = {menu::kNowPlaying,      menu::kLocalAlbum,  menu::kLocalAlbums,
                                menu::kDownloadStorage, menu::kOnlineAlbum, 1001};
    const int menuId = menus[choice % (sizeof menus / sizeof menus[0])];
    m.state().menuId = menuId;
    m.state().pageKind = ListPages::pageKindOf(menuId);
    m.state().parameter = menuId == menu::kLocalAlbum ? "4001" : "";
}

// A text within the capacity the record format gives it.
void checkFits(const Song& song, SongField field) {
    check(song.view(field).size() < Song::capacity(field));
}

std::size_t checkStore(const SongStore& store) {
    for (int i = 0; i < store.count(); ++i) {
        const Song& r = *store.get(i);
        checkFits(r, SongField::Song_Name);
        checkFits(r, SongField::Artist_Name);
        checkFits(r, SongField::Local_Path);
        checkFits(r, SongField::Song_ID);
    }
    return static_cast<std::size_t>(store.count());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char* begin = reinterpret_cast<const char*>(data + 1);
    const std::string_view rest(begin, size - 1);
    const std::size_t end = rest.find(std::string_view("\0\0", 2));
    // The host terminates the list with an empty name; the fuzzer does the same when the input did not.
    std::string list(rest.substr(0, end));
    list.append(2, '\0');
    tags = end == std::string_view::npos ? std::string() : std::string(rest.substr(end + 2));

    std::vector<std::string> paths;
    for (std::string name : EntryArgs::pathList(list.c_str())) {
        std::replace(name.begin(), name.end(), '/', '_');
        paths.push_back(
            (name.starts_with("sub_") ? scratch() / "sub" / name.substr(4) : scratch() / name).string());
    }

    PanelModel& m = model();
    if (m.list().count() > 0)
        m.list().clear();
    if (m.nowPlaying().count() > 0)
        m.nowPlaying().clear();
    m.albumDb()->execStatement("delete from AlbumInfo_tbl");
    choosePage(m, data[0]);
    const PageImport::Result result = PageImport::into(m, paths);
    check(checkStore(m.list()) <= paths.size());
    check(checkStore(m.nowPlaying()) <= paths.size());

    AlbumSongList album;
    m.albumDb()->listAlbumSongs(std::to_string(MyAlbumDb::kAllSongsAlbum), album);
    std::vector<std::string> listed = album.localPaths;
    std::sort(listed.begin(), listed.end());
    check(std::adjacent_find(listed.begin(), listed.end()) == listed.end());
    (void)result;

    // Copies made for the folder page go, so that the folder does not grow run after run.
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(scratch() / "copies", error))
        fs::remove(entry.path(), error);
    return 0;
}
