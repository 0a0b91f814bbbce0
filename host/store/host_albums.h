#pragma once
// Entry 41 of service table A in the reference host: a new on-line my album is made on the
// service with the user's own "myAlbum" request. The entry is a plain function, so the
// log-in it works for is held here while it lasts.

#include "include/kesto/panel_api.h"

#include <string>

namespace kesto {

class HostAlbums {
public:
    // Points entry 41 of the table at this host's work for the given log-in.
    static void install(KestoHostFn* serviceA, std::string baseUrl, std::string userId, std::string key);
    static void detach();

    static int createMyAlbum(const char* name);
};

} // namespace kesto
