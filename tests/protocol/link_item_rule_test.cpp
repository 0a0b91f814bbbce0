// Link parameters written by a hostile page: each is refused before it can form a request, and
// the generic form names only a listed word on the base's own host.
#include "protocol/link_commands.h"
#include "protocol/link_item_rule.h"
#include "tests/protocol/protocol_doubles.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

using test::Rig;

TEST(LinkItemRule, RefusesItemsThatReshapeARequest) {
    const struct {
        const char* parameter;
        bool accepted;
    } cases[] = {
        {"/protocol.jsp?kestoSong;1", true},
        {"00104;2;0;W", true},
        {"3;%EC%82%AC%EB%9E%91", true},
        {"@evil.example/c;1", false},                       // another host through user info
        {"/protocol.jsp?kestoSong;1\vATTACKER\vhi", false}, // fields of its own
        {"1;1;S1\r\nX: y", false},
        {"/\\evil.example;1", false},
        {"x;javascript:alert(1)", false},
        {"http://evil.example/;1", false},
        {"1;a\x7f", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LinkItemRule::accepts(c.parameter), c.accepted) << c.parameter;
}

TEST(LinkItemRule, GenericLinksNameOnlyListedWordsOnTheBase) {
    Rig rig;
    const LinkCommands links(rig.context);
    const struct {
        const char* parameter;
        const char* url;
    } cases[] = {
        {"/protocol.jsp?giftBox;1", "http://127.0.0.1:8080/app/protocol.jsp?giftBox"},
        {"/protocol_search.jsp?search;1", "http://127.0.0.1:8080/app/protocol_search.jsp?search"},
        {"@evil.example/c;1", ""},
        {"//evil.example/protocol.jsp?kestoSong;1", ""},
        {"protocol.jsp?kestoSong;1", ""},
        {"/protocol.jsp?gift;1", ""},
        {"/protocol.jsp?buy;1", ""},
        {"/protocol.jsp?addToCart;1", ""},
        {"/protocol.jsp?deleteFromCart;1", ""},
        {"/protocol.jsp?deleteSongFromMyAlbum;1", ""},
        {"/protocol_search.jsp?kestoSong;1", ""},
        {"/protocol.jsp?kestoSong&x=1;1", ""},
    };
    for (const auto& c : cases) {
        const LinkRequest link = links.generic(c.parameter);
        EXPECT_EQ(link.request.url, c.url) << c.parameter;
        EXPECT_EQ(link.refused, link.request.url.empty()) << c.parameter;
    }
}

} // namespace
} // namespace kesto
