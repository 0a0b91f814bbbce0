#include "protocol/link_commands.h"

#include "protocol/field_decoder.h"
#include "protocol/protocol_url.h"
#include "protocol/protocol_words.h"
#include "protocol/reply_fields.h"
#include "protocol/request_body.h"

#include <vector>

namespace kesto {

namespace {

class LinkItems {
public:
    explicit LinkItems(std::string_view parameter)
        : items_(ReplyFields::split(parameter, proto::kLinkItemSeparator)) {}
    std::string_view operator[](std::size_t i) const {
        return i < items_.size() ? items_[i] : std::string_view("");
    }
    int number(std::size_t i) const { return FieldDecoder::toInt((*this)[i]); }

private:
    std::vector<std::string_view> items_;
};

constexpr int kModeWebOnly = 1;
constexpr int kModeListAndWeb = 2;
constexpr int kModeListOnly = 4;
constexpr int kAlbumPageType = 1;
constexpr int kThemeWebPageType = 1;

int searchMode(int type) {
    switch (type) {
    case 3:
    case 4:
    case 9:
        return kModeListOnly;
    case 0:
    case 1:
    case 2:
    case 5:
    case 6:
    case 7:
    case 8:
        return kModeWebOnly;
    default:
        return 0;
    }
}

int albumMode(int type) {
    if (type >= 1 && type <= 3)
        return kModeListAndWeb;
    if (type >= 4 && type <= 8)
        return kModeWebOnly;
    return 0;
}

int directMode(int type) {
    return type >= 1 && type <= 4 ? type : 0;
}

} // namespace

LinkRequest LinkCommands::firstItems(std::string_view word, std::string_view parameter,
                                     std::size_t count) const {
    const LinkItems items(parameter);
    RequestBody body(*context_.login);
    for (std::size_t i = 0; i < count; ++i)
        body.add(items[i]);
    LinkRequest link;
    link.request = {ProtocolUrl::command(*context_.login, word), body.text()};
    return link;
}

LinkRequest LinkCommands::song(std::string_view parameter) const {
    const LinkItems items(parameter);
    LinkRequest link;
    link.request = {ProtocolUrl::command(*context_.login, proto::kSong),
                    RequestBody(*context_.login).add("1").add("1").add(items[2]).text()};
    link.songId = std::string(items[2]);
    return link;
}

LinkRequest LinkCommands::album(std::string_view parameter) const {
    LinkRequest link = firstItems(proto::kAlbum, parameter, 3);
    const int type = LinkItems(parameter).number(1);
    link.menuId = proto::kMenuAlbum;
    link.viewMode = albumMode(type);
    link.albumPage = type == kAlbumPageType;
    return link;
}

LinkRequest LinkCommands::artist(std::string_view parameter) const {
    LinkRequest link = firstItems(proto::kArtist, parameter, 3);
    link.menuId = proto::kMenuArtist;
    return link;
}

LinkRequest LinkCommands::serviceList(std::string_view parameter) const {
    LinkRequest link = firstItems(proto::kKestoSong, parameter, 4);
    link.menuId = proto::kMenuServiceList;
    link.viewMode = directMode(LinkItems(parameter).number(1));
    return link;
}

LinkRequest LinkCommands::theme(std::string_view parameter) const {
    LinkRequest link = firstItems(proto::kTheme, parameter, 4);
    link.request.body += std::string("0") + proto::kVt;
    const int type = LinkItems(parameter).number(1);
    link.menuId = proto::kMenuTheme;
    link.viewMode = directMode(type);
    link.webPage = type == kThemeWebPageType;
    return link;
}

LinkRequest LinkCommands::search(std::string_view parameter) const {
    const LinkItems items(parameter);
    LinkRequest link;
    link.request = {ProtocolUrl::search(*context_.login),
                    RequestBody(*context_.login).add(items[0]).add(items[1]).add("0").text()};
    link.menuId = proto::kMenuSearch;
    link.viewMode = searchMode(items.number(0));
    return link;
}

LinkRequest LinkCommands::generic(std::string_view parameter) const {
    const LinkItems items(parameter);
    LinkRequest link;
    link.viewMode = directMode(items.number(1));
    link.request.body = RequestBody(*context_.login).add(items[1]).add("0").text();
    if (link.viewMode == kModeWebOnly) {
        link.request.url = ProtocolUrl::generic(*context_.login, items[0]);
        // Left empty, the address would fall back to the shown page's own request.
        link.refused = link.request.url.empty();
    }
    return link;
}

} // namespace kesto
