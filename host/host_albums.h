#pragma once
// Entries 32 and 41 of service table A in the reference host: a new play list is a row of the
// module's album database (Playlist/MyAlbum.dbf in the current folder), a new on-line my album
// is made on the service with the user's own "myAlbum" request. The entries are plain
// functions, so the session they work for is held here while it lasts.

#include "include/kesto/panel_api.h"

#include <string>

namespace kesto {

struct LoginBlock;

class HostAlbums {
public:
    // Points entries 32 and 41 of the table at this host's work for the given session.
    static void install(KestoHostFn* serviceA, std::string baseUrl, const LoginBlock* login);
    static void detach();

    static int createPlaylist(const char* name);
    static int createMyAlbum(const char* name);
};

} // namespace kesto
