#pragma once
// A song-command context wired to doubles: the protocol rig (recording request function,
// message port, message box that answers from a script), the two stores, a settings file and
// an album database in a fresh temporary folder, and a counting transfer of host table A.

#include "commands/command_context.h"
#include "commands/command_texts.h"
#include "commands/selection.h"
#include "library/my_album_db.h"
#include "protocol/protocol_doubles.h"
#include "protocol/reply_fields.h"
#include "settings/registry_file.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"
#include "songs/song_store.h"
#include "support/temp_folder.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace kesto::test {

// Host table A: a phone is connected, and how often the transfer (entry 33) was called.
struct DeviceCalls {
    int transferCalls = 0;
    static DeviceCalls& now() {
        static DeviceCalls calls;
        return calls;
    }
    static int phoneFn() { return 1; }
    static void transferFn(const void*, int, int) { ++now().transferCalls; }
};

inline std::string text(CommandText id) {
    return std::string(CommandTexts::get(id));
}

struct CommandRig {
    CommandRig() {
        DeviceCalls::now() = DeviceCalls{};
        table[KESTO_SVC_A_PHONE_CONNECTED] = reinterpret_cast<KestoHostFn>(&DeviceCalls::phoneFn);
        table[KESTO_SVC_A_TRANSFER] = reinterpret_cast<KestoHostFn>(&DeviceCalls::transferFn);
        registry = std::make_unique<RegistryKey>(std::make_shared<RegistryFile>(folder / "registry.reg"));
        albums.start(folder.path());
        context.protocol = rig.context;
        context.nowPlaying = &nowPlaying;
        context.listStore = &listStore;
        context.pageKind = 19;
        context.menuId = 1001;
        context.settings = registry.get();
        context.albums = &albums;
        context.serviceA = table.data();
        context.hooks.showPage = [this](int menu, int mode) { shownPages.push_back({menu, mode}); };
    }
    DeviceCalls& device() { return DeviceCalls::now(); }
    const std::vector<HostCall>& requests() const { return rig.host.calls(); }
    std::vector<Posted>& posted() { return rig.port.posted; }

    Rig rig;
    ScriptedBox& box = rig.box;
    SongStore nowPlaying;
    SongStore listStore;
    TempFolder folder;
    std::unique_ptr<RegistryKey> registry;
    MyAlbumDb albums;
    std::array<KestoHostFn, KESTO_SERVICE_A_TABLE_SIZE> table{};
    CommandContext context;
    std::vector<std::pair<int, int>> shownPages;
};

inline Song streaming(const std::string& id) {
    Song r;
    r.setText(SongField::Song_ID, id);
    return r;
}
inline Song local(const std::string& path, std::uint8_t format = 0) {
    Song r;
    r.setText(SongField::Local_Path, path);
    r.setText(SongField::Song_Name, "file");
    r.File_Format = format;
    return r;
}
inline Song bell(const std::string& id) {
    Song r = streaming(id);
    r.setText(SongField::Menu_ID, "238");
    return r;
}
inline Song grey(Song r) {
    r.Serviceable = 0;
    return r;
}
inline Song album(const std::string& id) {
    Song r = streaming(id);
    r.Item_Type = 2;
    return r;
}
inline std::vector<Song> streamingSongs(int n) {
    std::vector<Song> out;
    for (int i = 0; i < n; ++i)
        out.push_back(streaming("S" + std::to_string(i)));
    return out;
}
// The fields of a request body.
inline std::vector<std::string> fields(const std::string& body) {
    std::vector<std::string> out;
    for (auto field : ReplyFields::split(body, '\x0b'))
        out.emplace_back(field);
    return out;
}

} // namespace kesto::test
