#pragma once
// The on-line my albums a dialog offers ("myAlbum", list action 0) and putting songs into one
// of them ("addSongToMyAlbum": the chosen album, the count and the song ids, then the album
// the songs come from and "0" when they leave it, "1" when they stay).

#include "protocol/protocol_context.h"
#include "songs/song.h"

#include <optional>
#include <string>
#include <vector>

namespace kesto {

struct OnlineAlbum {
    std::string id;
    std::string name; // CP949
};

struct MyAlbumChoice {
    std::string albumId;
    bool leaveCurrent = false; // "담은 후 현재 앨범에서 삭제"
};

class MyAlbumPut {
public:
    explicit MyAlbumPut(const ProtocolContext& context) : context_(context) {}

    // Nothing when the store refused (its message shown) or gave no reply (`answered` false).
    std::optional<std::vector<OnlineAlbum>> albums(bool& answered) const;
    // The album the shown page lists ("0" for all of them, empty off the my-album pages).
    std::string currentAlbum(int menuId) const;
    // True when the server took the songs; a negative code shows the server's message.
    bool put(const MyAlbumChoice& choice, const std::string& currentAlbum,
             const std::vector<Song>& songs) const;

private:
    const ProtocolContext& context_;
};

} // namespace kesto
