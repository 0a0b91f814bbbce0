#pragma once
// What a link from a page may carry. Its items go into request bodies and, in the generic form,
// into an address: an item that could end a body field, reach another host or name a scheme of
// its own is refused, and the generic form names only a command word of the one list below.

#include <string_view>

namespace kesto {

class LinkItemRule {
public:
    // Whether every ';'-separated item of the parameter is plain: no byte below 0x20 or DEL,
    // no '@' or '\', no leading "scheme:".
    static bool accepts(std::string_view parameter);
    // Whether a generic link's path is one '/' then an endpoint and a listed command word.
    static bool acceptsPath(std::string_view path);
    // Words a link may name, on the endpoint given: the list pages' commands and the song
    // command; never a purchase, a gift, a cart change or a deletion.
    static bool isLinkWord(std::string_view word, bool searchEndpoint);
};

} // namespace kesto
