#pragma once
// The on-line my albums: their songs, adding and deleting songs, the album list itself.

#include "service/command_router.h"

namespace kesto::service {

class ServiceContext;

class MyAlbumCommands {
public:
    explicit MyAlbumCommands(ServiceContext& context) : context_(context) {}
    void install(CommandRouter& router);

    std::string myAlbumSong(const CommandCall& call) const;
    std::string addSongs(const CommandCall& call) const;
    std::string deleteSongs(const CommandCall& call) const;
    // No further field: the list; "1", name: create; "2", album id: delete.
    std::string myAlbum(const CommandCall& call) const;
    // The user's albums that hold the given song.
    std::string myAlbumSource(const CommandCall& call) const;
    std::string albumScrap(const CommandCall& call) const;

private:
    ServiceContext& context_;
};

} // namespace kesto::service
