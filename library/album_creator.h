#pragma once
// Creating a play list or an on-line my album through the host (service table A, entries 32
// and 41), with the checks and messages of the name dialogs. Names are CP949.

#include "include/kesto/panel_api.h"
#include "platform/message_box.h"

#include <optional>
#include <string>
#include <string_view>

namespace kesto {

class AlbumCreator {
public:
    AlbumCreator(KestoSvcCreatePlaylistFn createPlaylist, KestoSvcCreateMyAlbumFn createMyAlbum,
                 MessageBox& box);

    // The new play list's album id; none when the name is empty (the user is told) or the host
    // refuses.
    std::optional<std::string> newPlaylist(std::string_view name);
    // True when the host made the album; an empty name or one with @, ( or ) is refused first.
    bool newMyAlbum(std::string_view name);

private:
    void tell(std::string_view text, int style);

    KestoSvcCreatePlaylistFn createPlaylist_;
    KestoSvcCreateMyAlbumFn createMyAlbum_;
    MessageBox& box_;
};

} // namespace kesto
