#include "protocol/cart_request.h"
#include "protocol/link_commands.h"
#include "protocol/promotion_request.h"
#include "protocol/protocol_exchange.h"
#include "protocol/purchase_exchange.h"
#include "protocol/server_time.h"
#include "tests/protocol/protocol_doubles.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

using test::Rig;
using test::vt;

const std::string kProtocol = "http://127.0.0.1:8080/app/protocol.jsp?";

TEST(ServerTime, SuccessGivesField1AndErrorsAreShown) {
    Rig rig;
    rig.host.reply(vt({"0", "20240102030405"}));
    rig.host.reply(vt({"-20000", "expired"}));
    EXPECT_EQ(ServerTime::fetch(rig.context), "20240102030405");
    EXPECT_EQ(rig.host.calls()[0].url, kProtocol + "serverTime");
    EXPECT_EQ(rig.host.calls()[0].body, "user1\x0bKEY9\x0b");
    EXPECT_EQ(ServerTime::fetch(rig.context), "");
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(rig.port.posted.size(), 1u);
}

TEST(ProtocolExchange, ASuccessWithoutMoreFieldsReadsEmptyAndAnErrorIsShown) {
    Rig rig;
    rig.host.reply("0\x0b");
    rig.host.reply(vt({"-1", "no"}));
    rig.host.fail();
    const ProtocolRequest request{"http://127.0.0.1:8080/app/protocol.jsp?x", "b\x0b"};
    const auto ok = ProtocolExchange::run(rig.context, request);
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->code(), 0);
    EXPECT_EQ(ok->raw(1), "");
    const auto refused = ProtocolExchange::run(rig.context, request);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->code(), -1);
    ASSERT_EQ(rig.box.shown.size(), 1u);
    EXPECT_EQ(rig.box.shown[0].text, "no");
    EXPECT_TRUE(rig.port.posted.empty()); // -1 does not end the log-in
    EXPECT_FALSE(ProtocolExchange::run(rig.context, request));
}

TEST(LinkCommands, ItemsAreSentInOrderWithTheirCommand) {
    Rig rig;
    const LinkCommands links(rig.context);
    const auto song = links.song("a;b;S1;d");
    EXPECT_EQ(song.request.url, kProtocol + "song");
    EXPECT_EQ(song.request.body, vt({"user1", "KEY9", "1", "1", "S1", ""}));

    const auto album = links.album("AL1;1;x;extra");
    EXPECT_EQ(album.request.url, kProtocol + "album");
    EXPECT_EQ(album.request.body, vt({"user1", "KEY9", "AL1", "1", "x", ""}));
    EXPECT_EQ(album.menuId, 2700);
    EXPECT_EQ(album.viewMode, 2);
    EXPECT_TRUE(album.albumPage);
    EXPECT_EQ(links.album("AL1;5").viewMode, 1);
    EXPECT_FALSE(links.album("AL1;3").albumPage);

    EXPECT_EQ(links.artist("AR;2;z").menuId, 9100);
    EXPECT_EQ(links.artist("AR").request.body, vt({"user1", "KEY9", "AR", "", "", ""}));

    const auto category = links.serviceList("C;3;p;q;r");
    EXPECT_EQ(category.request.url, kProtocol + "kestoSong");
    EXPECT_EQ(category.request.body, vt({"user1", "KEY9", "C", "3", "p", "q", ""}));
    EXPECT_EQ(category.viewMode, 3);
    EXPECT_EQ(category.menuId, 2600);

    const auto theme = links.theme("T;1;p;q");
    EXPECT_EQ(theme.request.body, vt({"user1", "KEY9", "T", "1", "p", "q", "0", ""}));
    EXPECT_TRUE(theme.webPage);
    EXPECT_EQ(theme.menuId, 2800);
    EXPECT_FALSE(links.theme("T;2").webPage);
}

TEST(LinkCommands, SearchTypesChooseTheViewMode) {
    Rig rig;
    const LinkCommands links(rig.context);
    const auto search = links.search("3;love");
    EXPECT_EQ(search.request.url, "http://127.0.0.1:8080/app/protocol_search.jsp?search");
    EXPECT_EQ(search.request.body, vt({"user1", "KEY9", "3", "love", "0", ""}));
    EXPECT_EQ(search.menuId, 8000);
    for (int type : {0, 1, 2, 5, 6, 7, 8})
        EXPECT_EQ(links.search(std::to_string(type) + ";k").viewMode, 1) << type;
    for (int type : {3, 4, 9})
        EXPECT_EQ(links.search(std::to_string(type) + ";k").viewMode, 4) << type;
}

TEST(LinkCommands, GenericFormSendsOnlyInModeOne) {
    Rig rig;
    const LinkCommands links(rig.context);
    const auto web = links.generic("/protocol.jsp?cartPage;1");
    EXPECT_EQ(web.request.url, "http://127.0.0.1:8080/app/protocol.jsp?cartPage");
    EXPECT_EQ(web.request.body, vt({"user1", "KEY9", "1", "0", ""}));
    EXPECT_EQ(web.viewMode, 1);
    const auto list = links.generic("/protocol.jsp?cartPage;2");
    EXPECT_EQ(list.viewMode, 2);
    EXPECT_TRUE(list.request.url.empty());
}

TEST(CartRequest, BodiesCarryTheIdsInOrder) {
    Rig rig;
    rig.login.menuParameter = "M1";
    const auto add = CartRequest::add(rig.login, "S1");
    EXPECT_EQ(add.url, kProtocol + "addToCart");
    EXPECT_EQ(add.body, vt({"user1", "KEY9", "M1", "1", "0", "S1", "0", ""}));
    const auto remove = CartRequest::remove(rig.login, {"C1", "C2"});
    EXPECT_EQ(remove.url, kProtocol + "deleteFromCart");
    EXPECT_EQ(remove.body, vt({"user1", "KEY9", "2", "C1", "C2", ""}));
}

TEST(PromotionRequest, ReadsGroupsOfEightAndNeverPastTheReply) {
    Rig rig;
    std::vector<std::string_view> fields = {"2"};
    const std::string names[16] = {"a0", "a1", "a2", "a3", "a4", "a5", "a6", "a7",
                                   "b0", "b1", "b2", "b3", "b4", "b5", "b6", "b7"};
    for (const auto& n : names)
        fields.push_back(n);
    std::string reply;
    for (std::size_t i = 0; i < fields.size(); ++i)
        reply += (i ? "\x0b" : "") + std::string(fields[i]);
    rig.host.reply(reply);
    const auto entries = PromotionRequest::fetch(rig.context);
    EXPECT_EQ(rig.host.calls()[0].url, kProtocol + "promotion");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1][7], "b7");
    EXPECT_EQ(PromotionRequest::read("2147483647\x0b"
                                     "a\x0b"
                                     "b")
                  .size(),
              0u);
    EXPECT_EQ(PromotionRequest::read("-1\x0bmsg").size(), 0u);
}

TEST(PurchaseExchange, AuthInfoReadsItsSixFields) {
    Rig rig;
    rig.host.reply(vt({"0", "f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8", "f9"}));
    const PurchaseExchange purchase(rig.context);
    PurchaseReply reply;
    std::array<std::string, 6> results;
    EXPECT_TRUE(purchase.authInfo("u", "k", reply, results));
    EXPECT_EQ(rig.host.calls()[0].url, kProtocol + "authinfo");
    EXPECT_EQ(rig.host.calls()[0].body, "u\x0bk\x0b");
    EXPECT_EQ(rig.host.calls()[0].post, 1);
    EXPECT_EQ(results, (std::array<std::string, 6>{"f1", "f2", "f3", "f4", "f5", "f9"}));
    EXPECT_EQ(reply.code, "0");
}

TEST(PurchaseExchange, BodiesOfCashSmsExternalPointAndBuy) {
    Rig rig;
    for (int i = 0; i < 4; ++i)
        rig.host.reply(vt({"-7", "denied", "x"}));
    const PurchaseExchange purchase(rig.context);
    PurchaseReply reply;
    std::array<std::string, 3> points;
    EXPECT_TRUE(purchase.cash("u", "k", reply));
    EXPECT_EQ(reply.message, "denied");
    EXPECT_TRUE(purchase.sms("u", "k", "1234", reply));
    EXPECT_TRUE(purchase.externalPoint("u", "k", "card", 500, "pin", reply, points));
    EXPECT_EQ(points, (std::array<std::string, 3>{"-7", "denied", "x"}));
    EXPECT_TRUE(purchase.buy("u", "k", 2, {{"S1", "100"}, {"S2", "200"}}, "end", reply));
    const auto& calls = rig.host.calls();
    EXPECT_EQ(calls[0].url, kProtocol + "cash");
    EXPECT_EQ(calls[1].body, vt({"u", "k", "1234", ""}));
    EXPECT_EQ(calls[2].url, kProtocol + "externalpoint");
    EXPECT_EQ(calls[2].body, vt({"u", "k", "card", "500", "pin", ""}));
    EXPECT_EQ(calls[3].body, vt({"u", "k", "2", "S1", "100", "S2", "200", "end", ""}));
    EXPECT_TRUE(rig.box.shown.empty()); // the dialogs show purchase errors themselves
    EXPECT_TRUE(rig.port.posted.empty());
}

TEST(PurchaseExchange, PriceGroupsEndAtTheFirstEmptyText) {
    Rig rig;
    rig.host.reply(vt({"0", "3000", "S1", "1", "a", "S2", "yes", "b", "", "1", "c"}));
    rig.host.reply(vt({"0", "0", ""}));
    const PurchaseExchange purchase(rig.context);
    PriceReply reply;
    EXPECT_TRUE(purchase.price("u\x0bk\x0b", true, {{"S1"}, {"S2"}}, reply));
    EXPECT_EQ(rig.host.calls()[0].body, vt({"u", "k", "1", "2", "S1", "S2", ""}));
    EXPECT_EQ(reply.total, "3000");
    ASSERT_EQ(reply.groups.size(), 2u);
    EXPECT_TRUE(reply.groups[0].flag);
    EXPECT_FALSE(reply.groups[1].flag); // only the exact text "1"
    EXPECT_EQ(reply.groups[1].textB, "b");
    EXPECT_TRUE(purchase.priceForDirectBuy("p\x0b", false, {}, reply));
    EXPECT_EQ(rig.host.calls()[1].url, kProtocol + "priceForDirectBuy");
    EXPECT_EQ(rig.host.calls()[1].body, vt({"p", "0", "0", ""}));
    EXPECT_TRUE(reply.groups.empty());
}

TEST(PurchaseExchange, ZeroLengthReplyCountsAndNoReplyDoesNot) {
    Rig rig;
    rig.host.reply("");
    rig.host.fail();
    rig.host.reply(vt({"0"}));
    const PurchaseExchange purchase(rig.context);
    PurchaseReply reply;
    EXPECT_TRUE(purchase.gift("u\x0bk\x0b", true, {3, 4}, {{"S1", "R1"}}, reply));
    EXPECT_EQ(reply.code, "");
    EXPECT_EQ(reply.codeValue(), 0);
    EXPECT_EQ(rig.host.calls()[0].body, vt({"u", "k", "1", "3", "4", "S1", "R1", ""}));
    EXPECT_FALSE(purchase.cash("u", "k", reply));
    EXPECT_TRUE(purchase.cash("u", "k", reply));
}

} // namespace
} // namespace kesto
