#pragma once
// Everything a song command reaches: the protocol context (request function, login, message
// port, host window, message box), the two song stores, the shown page, the settings, the
// album database, host service table A and the dialog hooks.

#include "commands/command_hooks.h"
#include "include/kesto/panel_api.h"
#include "protocol/protocol_context.h"

namespace kesto {

class MyAlbumDb;
class RegistryKey;
class SongStore;

struct CommandContext {
    ProtocolContext protocol;
    SongStore* nowPlaying = nullptr;
    SongStore* listStore = nullptr; // the panel's second store
    int pageKind = 0;
    int menuId = -1;
    RegistryKey* settings = nullptr;
    MyAlbumDb* albums = nullptr;
    KestoHostTable serviceA = nullptr;
    CommandHooks hooks;
};

} // namespace kesto
