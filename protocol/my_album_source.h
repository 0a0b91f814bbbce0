#pragma once
// The user's on-line my albums that hold one song ("myAlbumSource": the song id after the user
// and the key; the reply is the count, then the id and the name of each album).

#include "protocol/protocol_context.h"
#include "protocol/reply_fields.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesto {

struct SourceAlbum {
    std::string id;
    std::string name; // CP949
};

class MyAlbumSource {
public:
    // Far more than a user makes; a reply that claims more costs no more than this.
    static constexpr std::size_t kMaxAlbums = 1000;

    // The albums of a reply, nothing for an error code. A count beyond the fields the reply
    // holds reads only the pairs that are there, and at most kMaxAlbums.
    static std::optional<std::vector<SourceAlbum>> read(const ReplyFields& reply);
    // Asks the store. Nothing when no reply came or the store refused; that is logged, not shown.
    static std::optional<std::vector<SourceAlbum>> ask(const ProtocolContext& context,
                                                       std::string_view songId);
};

} // namespace kesto
