#include "commands/device_host.h"

#include "platform/failure_log.h"
#include "songs/song_file_name.h"
#include "songs/song_record.h"

#include <string>

namespace kesto {

template <typename Fn> Fn DeviceHost::slot(int index) const {
    if (table_ == nullptr || table_[index] == nullptr) {
        FailureLog::write(LogCategory::Host,
                          "host service table A entry " + std::to_string(index) + " missing");
        return nullptr;
    }
    return reinterpret_cast<Fn>(table_[index]);
}

bool DeviceHost::deleteFromDevice(const std::vector<std::string>& paths) const {
    auto fn = slot<KestoSvcDeviceDeleteFn>(KESTO_SVC_A_DEVICE_DELETE);
    if (fn == nullptr || paths.empty())
        return false;
    std::vector<const char*> texts;
    texts.reserve(paths.size() + 1);
    for (const std::string& path : paths)
        texts.push_back(path.c_str());
    texts.push_back(nullptr);
    fn(texts.data());
    return true;
}

bool DeviceHost::phoneConnected() const {
    auto fn = slot<KestoSvcIntFn>(KESTO_SVC_A_PHONE_CONNECTED);
    return fn != nullptr && fn() != 0;
}

bool DeviceHost::mp3PlayerConnected() const {
    auto fn = slot<KestoSvcMp3ConnectedFn>(KESTO_SVC_A_MP3_CONNECTED);
    char text[260] = {};
    return fn != nullptr && fn(text) != 0;
}

bool DeviceHost::transfer(const std::vector<Song>& items, int writeFlag) const {
    auto fn = slot<KestoSvcTransferFn>(KESTO_SVC_A_TRANSFER);
    if (fn == nullptr)
        return false;
    // The host writes a store song to "<Song_ID>.dcf": an id that is no plain name is not asked for.
    std::vector<SongRecord> list;
    list.reserve(items.size() + 1);
    for (const Song& item : items) {
        if (!item.isLocal() && !SongFileName::isPlain(item.view(SongField::Song_ID))) {
            FailureLog::write(LogCategory::Commands, "transfer: a song id that names no file was left out");
            continue;
        }
        SongRecord::fill(list.emplace_back(), item);
    }
    if (list.empty())
        return false;
    // The host reads fixed records up to one whose Song_ID and Local_Path are empty.
    SongRecord::reset(list.emplace_back());
    fn(list.data(), writeFlag, 0);
    return true;
}

} // namespace kesto
