#include "protocol/list_request.h"
#include "protocol/protocol_url.h"
#include "protocol/request_body.h"
#include "protocol/request_sender.h"
#include "protocol/server_error.h"
#include "tests/protocol/protocol_doubles.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

using test::Rig;
using test::vt;

TEST(RequestSender, CallsTheHostWithZeroedSlotsAndCopiesExactlyTheReply) {
    Rig rig;
    rig.host.reply("0\x0b"
                   "ok");
    const auto reply = RequestSender::exchange(rig.context.request, "http://h/p", true, "body\x0b");
    ASSERT_TRUE(reply);
    EXPECT_EQ(*reply, "0\x0b"
                      "ok");
    ASSERT_EQ(rig.host.calls().size(), 1u);
    const auto& call = rig.host.calls()[0];
    EXPECT_EQ(call.url, "http://h/p");
    EXPECT_EQ(call.body, "body\x0b");
    EXPECT_EQ(call.post, 1);
    EXPECT_TRUE(call.slotsZeroed);
    EXPECT_EQ(call.one, 1);
    EXPECT_EQ(call.zero, 0);
}

TEST(RequestSender, EmptyUrlSendsNothingAndFailureGivesNoReply) {
    Rig rig;
    EXPECT_FALSE(RequestSender::exchange(rig.context.request, "", true, "x"));
    EXPECT_TRUE(rig.host.calls().empty());
    rig.host.fail();
    EXPECT_EQ(RequestSender::send(rig.context.request, "u", true, "x"), "");
    rig.host.reply("");
    const auto empty = RequestSender::exchange(rig.context.request, "u", false, "x");
    ASSERT_TRUE(empty); // a zero-length reply is still a reply
    EXPECT_EQ(*empty, "");
    EXPECT_FALSE(rig.host.calls().back().body); // GET sends a null body
}

TEST(RequestSender, AReplyOverTheLimitIsRefusedLikeAFailedRequest) {
    Rig rig;
    rig.host.reply(std::string(RequestSender::kMaxReplyBytes + 1, 'x'));
    EXPECT_FALSE(RequestSender::exchange(rig.context.request, "u", true, "x")); // and its block is freed
    rig.host.reply(std::string(RequestSender::kMaxReplyBytes, 'x'));
    const auto largest = RequestSender::exchange(rig.context.request, "u", true, "x");
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->size(), RequestSender::kMaxReplyBytes);
}

TEST(RequestBody, EveryFieldIsFollowedByVt) {
    Rig rig;
    EXPECT_EQ(RequestBody(rig.login).text(), "user1\x0bKEY9\x0b");
    EXPECT_EQ(RequestBody(rig.login).add("recent").add(3).add("").text(),
              vt({"user1", "KEY9", "recent", "3", "", ""}));
}

TEST(ProtocolUrl, CommandWordFollowsTheEndpoint) {
    Rig rig;
    EXPECT_EQ(ProtocolUrl::command(rig.login, "serverTime"),
              "http://127.0.0.1:8080/app/protocol.jsp?serverTime");
    EXPECT_EQ(ProtocolUrl::search(rig.login), "http://127.0.0.1:8080/app/protocol_search.jsp?search");
    EXPECT_EQ(ProtocolUrl::generic(rig.login, "/protocol.jsp?giftBox"),
              "http://127.0.0.1:8080/app/protocol.jsp?giftBox");
}

TEST(ListRequest, BodiesFollowThePageTable) {
    Rig rig;
    rig.login.menuParameter = "CH01";
    const auto recent = ListRequest::build(rig.login, 2400, 3);
    EXPECT_EQ(recent.url, "http://127.0.0.1:8080/app/protocol.jsp?kestoSong");
    EXPECT_EQ(recent.body, "user1\x0bKEY9\x0brecent\x0b"
                           "3\x0b\x0b");
    EXPECT_EQ(ListRequest::build(rig.login, 1001, 1).body, "user1\x0bKEY9\x0b"
                                                           "CH01\x0b"
                                                           "1\x0b\x0b");
    EXPECT_EQ(ListRequest::build(rig.login, 2200, 2).body, "user1\x0bKEY9\x0b"
                                                           "CH01\x0b"
                                                           "2\x0b");
    EXPECT_EQ(ListRequest::build(rig.login, 9000, 1).body, "user1\x0bKEY9\x0b"
                                                           "1\x0b");
    EXPECT_EQ(ListRequest::build(rig.login, 2300, 1).url,
              "http://127.0.0.1:8080/app/protocol.jsp?albumScrap");
    EXPECT_EQ(ListRequest::build(rig.login, 2300, 1).body, "user1\x0bKEY9\x0b");
    for (int localOrLink : {0, 2700, 3000, 3100, 4000, 8000, 12345})
        EXPECT_TRUE(ListRequest::build(rig.login, localOrLink, 1).url.empty()) << localOrLink;
}

TEST(ServerError, ShowsTheMessageAndTellsTheHostOnlyForLoginCodes) {
    for (int code : {-10104, -20000, -1}) {
        Rig rig;
        ServerError::show(rig.context, code, "bad");
        ASSERT_EQ(rig.box.shown.size(), 1u);
        EXPECT_EQ(rig.box.shown[0].text, "bad");
        EXPECT_EQ(rig.box.shown[0].caption, "Kesto Player");
        EXPECT_EQ(rig.box.shown[0].style, 16);
        if (code == -1) {
            EXPECT_TRUE(rig.port.posted.empty());
            continue;
        }
        ASSERT_EQ(rig.port.posted.size(), 1u);
        EXPECT_EQ(rig.port.posted[0].message, 1143u);
        EXPECT_EQ(rig.port.posted[0].target, rig.context.host);
        EXPECT_EQ(rig.port.posted[0].wParam, 0);
        EXPECT_EQ(rig.port.posted[0].lParam, 0);
    }
}

} // namespace
} // namespace kesto
