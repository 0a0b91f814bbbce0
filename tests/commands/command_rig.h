#pragma once
// A song-command context wired to doubles: the protocol rig (recording request function,
// message port, message box), a message box that answers from a script, the two stores, a
// settings file and an album database in a fresh temporary folder, and host table A entries
// that record their calls.

#include "commands/command_context.h"
#include "commands/command_texts.h"
#include "commands/selection.h"
#include "library/my_album_db.h"
#include "platform/cp949.h"
#include "protocol/protocol_doubles.h"
#include "protocol/reply_fields.h"
#include "settings/registry_file.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"
#include "songs/song_record.h"
#include "songs/song_store.h"

#include <array>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kesto::test {

// Answers from a queue, then OK.
class AnsweringBox : public MessageBox {
public:
    int show(std::string_view text, std::string_view caption, int style) override {
        shown.push_back({std::string(text), std::string(caption), style});
        if (answers.empty())
            return mb::kOk;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // The texts shown, as UTF-8, for readable failures.
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Shown& s : shown)
            out.push_back(Cp949::toUtf8(s.text));
        return out;
    }
    std::vector<Shown> shown;
    std::deque<int> answers;
};

// Host table A: the calls of entries 25, 26, 28 and 33.
struct DeviceCalls {
    std::vector<std::string> deleted;
    int deleteCalls = 0;
    bool phone = true;
    bool mp3 = true;
    std::vector<Song> transferred;
    int transferCalls = 0;
    int writeFlag = -1;

    static DeviceCalls& now() {
        static DeviceCalls calls;
        return calls;
    }
    static void deleteFn(const char* const* paths) {
        ++now().deleteCalls;
        for (; *paths != nullptr; ++paths)
            now().deleted.emplace_back(*paths);
    }
    static int phoneFn() { return now().phone ? 1 : 0; }
    static int mp3Fn(char*) { return now().mp3 ? 1 : 0; }
    static void transferFn(const void* items, int writeFlag, int) {
        ++now().transferCalls;
        now().writeFlag = writeFlag;
        for (auto* r = static_cast<const SongRecord*>(items); r->Song_ID[0] || r->Local_Path[0]; ++r)
            now().transferred.push_back(r->toSong());
    }
};

inline std::string text(CommandText id) {
    return std::string(CommandTexts::get(id));
}

struct CommandRig {
    CommandRig() {
        char pattern[] = "/tmp/kesto-commands-XXXXXX";
        folder = mkdtemp(pattern);
        DeviceCalls::now() = DeviceCalls{};
        table[KESTO_SVC_A_DEVICE_DELETE] = reinterpret_cast<KestoHostFn>(&DeviceCalls::deleteFn);
        table[KESTO_SVC_A_PHONE_CONNECTED] = reinterpret_cast<KestoHostFn>(&DeviceCalls::phoneFn);
        table[KESTO_SVC_A_MP3_CONNECTED] = reinterpret_cast<KestoHostFn>(&DeviceCalls::mp3Fn);
        table[KESTO_SVC_A_TRANSFER] = reinterpret_cast<KestoHostFn>(&DeviceCalls::transferFn);
        registry = std::make_unique<RegistryKey>(std::make_shared<RegistryFile>(folder / "registry.reg"));
        albums.start(folder);
        context.protocol = rig.context;
        context.protocol.box = &box;
        context.nowPlaying = &nowPlaying;
        context.listStore = &listStore;
        context.pageKind = 19;
        context.menuId = 1001;
        context.settings = registry.get();
        context.albums = &albums;
        context.serviceA = table.data();
        context.hooks.showPage = [this](int menu, int mode) { shownPages.push_back({menu, mode}); };
        context.hooks.reshowPage = [this] { ++reshown; };
    }
    ~CommandRig() {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
    DeviceCalls& device() { return DeviceCalls::now(); }
    const std::vector<HostCall>& requests() const { return rig.host.calls(); }
    std::vector<Posted>& posted() { return rig.port.posted; }

    Rig rig;
    AnsweringBox box;
    SongStore nowPlaying;
    SongStore listStore;
    std::filesystem::path folder;
    std::unique_ptr<RegistryKey> registry;
    MyAlbumDb albums;
    std::array<KestoHostFn, KESTO_SERVICE_A_TABLE_SIZE> table{};
    CommandContext context;
    std::vector<std::pair<int, int>> shownPages;
    int reshown = 0;
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
