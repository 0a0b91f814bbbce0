#pragma once
// Catalogue lists: charts and service lists, recent and often played, album, artist, theme,
// search, and the song command.

#include "service/command_router.h"

namespace kesto::service {

class ServiceContext;
class WireReply;
struct Song;

class ListCommands {
public:
    explicit ListCommands(ServiceContext& context) : context_(context) {}
    void install(CommandRouter& router);

    std::string kestoSong(const CommandCall& call) const;
    std::string album(const CommandCall& call, bool byArtist) const;
    std::string theme(const CommandCall& call) const;
    std::string search(const CommandCall& call) const;
    std::string song(const CommandCall& call) const;

private:
    std::string chart(const CommandCall& call, std::int64_t page) const;
    std::string listened(const CommandCall& call, std::int64_t page, bool byCount) const;
    // Header after the count for song lists of ten fields a row.
    std::string plainList(const std::vector<const Song*>& songs, std::int64_t page, const std::string& first,
                          const std::string& second) const;

    ServiceContext& context_;
};

} // namespace kesto::service
