#include "protocol/link_item_rule.h"

#include "protocol/protocol_words.h"
#include "songs/list_pages.h"

#include <algorithm>

namespace kesto {
namespace {

constexpr char kDel = '\x7f';

bool isAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isSchemeChar(char c) {
    return isAlpha(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

bool namesScheme(std::string_view item) {
    if (item.empty() || !isAlpha(item.front()))
        return false;
    const auto end = std::find_if_not(item.begin(), item.end(), isSchemeChar);
    return end != item.end() && *end == ':';
}

bool plainByte(char c) {
    return static_cast<unsigned char>(c) >= 0x20 && c != kDel && c != '@' && c != '\\';
}

} // namespace

bool LinkItemRule::accepts(std::string_view parameter) {
    if (!std::all_of(parameter.begin(), parameter.end(), plainByte))
        return false;
    while (true) {
        const std::size_t cut = parameter.find(proto::kLinkItemSeparator);
        if (namesScheme(parameter.substr(0, cut)))
            return false;
        if (cut == std::string_view::npos)
            return true;
        parameter.remove_prefix(cut + 1);
    }
}

bool LinkItemRule::acceptsPath(std::string_view path) {
    if (!accepts(path) || path.find(proto::kLinkItemSeparator) != std::string_view::npos)
        return false;
    const bool search = path.starts_with(proto::kSearchPath);
    if (!search && !path.starts_with(proto::kProtocolPath))
        return false;
    const std::string_view word =
        path.substr(search ? proto::kSearchPath.size() : proto::kProtocolPath.size());
    return isLinkWord(word, search);
}

bool LinkItemRule::isLinkWord(std::string_view word, bool searchEndpoint) {
    if (word.empty())
        return false;
    if (!searchEndpoint && word == proto::kSong)
        return true;
    const auto pages = ListPages::all();
    return std::any_of(pages.begin(), pages.end(), [&](const ListPage& page) {
        return page.command == word && page.searchEndpoint == searchEndpoint;
    });
}

} // namespace kesto
