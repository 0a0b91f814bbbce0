#pragma once
// The host's device services (host service table A): device list deletion, the connected
// checks of phone and MP3 player, and the transfer of items. A missing table or slot reads
// as "not connected" and calls nothing.

#include "include/kesto/panel_api.h"
#include "songs/song.h"

#include <string>
#include <vector>

namespace kesto {

class DeviceHost {
public:
    explicit DeviceHost(KestoHostTable table) : table_(table) {}

    // Entry 25 with a null-terminated array of the texts; not called for an empty list.
    bool deleteFromDevice(const std::vector<std::string>& paths) const;
    bool phoneConnected() const;     // entry 28
    bool mp3PlayerConnected() const; // entry 26
    // Entry 33: the records followed by one whose Song_ID and Local_Path are empty.
    bool transfer(const std::vector<Song>& items, int writeFlag) const;

private:
    template <typename Fn> Fn slot(int index) const;

    KestoHostTable table_;
};

} // namespace kesto
