#include "protocol/web_handoff.h"
#include "tests/protocol/protocol_doubles.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace kesto {
namespace {

using test::Rig;

SongRecord song() {
    SongRecord r = SongRecord::make();
    copyField(r.Song_ID, "123");
    copyField(r.Menu_ID, "00456");
    copyField(r.Album_ID, "AL");
    copyField(r.Artist_ID, "AR");
    copyField(r.MV_ID, "MV9");
    copyField(r.Transaction_ID, "T1");
    return r;
}

struct Handed {
    unsigned message;
    std::string address;
    std::string body;
};

Handed lastHandOff(Rig& rig) {
    const auto& p = rig.port.posted.back();
    return {p.message, rig.port.take(p.wParam), rig.port.take(p.lParam)};
}

TEST(WebHandoff, EveryHostPageHasItsAddressBodyAndMessage) {
    Rig rig;
    const WebHandoff web(rig.context);
    const std::string base = "http://127.0.0.1:8080/web";
    const std::string who = "userid=user1&password=pw";

    ASSERT_TRUE(web.phoneDecoWithTransaction(song()));
    auto h = lastHandOff(rig);
    EXPECT_EQ(h.message, 1130u);
    EXPECT_EQ(h.address, base + "/phone_deco.jsp");
    EXPECT_EQ(h.body, who + "&song_id=123&transaction_id=T1&u_key=KEY9");

    web.phoneDeco(song(), 3);
    h = lastHandOff(rig);
    EXPECT_EQ(h.message, 1153u);
    EXPECT_EQ(h.body, who + "&song_id=123&Phone_Deco_Flag=3&u_key=KEY9");

    web.musicVideoOfSong(song());
    h = lastHandOff(rig);
    EXPECT_EQ(h.message, 1130u);
    EXPECT_EQ(h.address, base + "/music_video.jsp?");
    EXPECT_EQ(h.body, who + "&song_id=123&u_key=KEY9");

    web.musicVideo(song());
    h = lastHandOff(rig);
    EXPECT_EQ(h.message, 1154u);
    EXPECT_EQ(h.body, who + "&song_id=&u_key=KEY9&p_mvid=MV9");

    web.musicVideoDownload(song());
    h = lastHandOff(rig);
    EXPECT_EQ(h.message, 1155u);
    EXPECT_EQ(h.address, base + "/mv_down.jsp?");
    EXPECT_EQ(h.body, who + "&u_key=KEY9&p_mvid=MV9&p_mdn=0101234");

    web.songWebPage(song());
    h = lastHandOff(rig);
    EXPECT_EQ(h.message, 1157u);
    EXPECT_EQ(h.address, base + "/LoginAppToWeb.jsp?");
    EXPECT_EQ(h.body, who + "&u_key=KEY9&appParam=1&webParam=\x0bp_songid=123\x0bp_menuid=00456");

    web.authBuy();
    h = lastHandOff(rig);
    EXPECT_EQ(h.message, 1130u);
    EXPECT_EQ(h.address, base + "/auth_buy.jsp");
    EXPECT_EQ(h.body, who + "&u_key=KEY9");
}

TEST(WebHandoff, SongInformationCarriesOnlyTheFormText) {
    Rig rig;
    const WebHandoff web(rig.context);
    const SongRecord r = song();
    ASSERT_TRUE(web.songInformation(&r));
    ASSERT_TRUE(web.songInformation(nullptr));
    ASSERT_EQ(rig.port.posted.size(), 2u);
    EXPECT_EQ(rig.port.posted[0].message, 1151u);
    EXPECT_EQ(rig.port.posted[0].lParam, 0);
    EXPECT_EQ(rig.port.take(rig.port.posted[0].wParam),
              "userid=user1&password=pw&song_id=123&album_id=AL&artist_id=AR&u_key=KEY9");
    EXPECT_EQ(rig.port.take(rig.port.posted[1].wParam),
              "userid=user1&password=pw&song_id=&album_id=&artist_id=&u_key=KEY9");
}

TEST(WebHandoff, BuffersAreSizedToTheTextNeverCut) {
    Rig rig;
    std::memset(rig.login.password, 'p', 259);
    std::memset(rig.login.uKey, 'k', 259);
    const WebHandoff web(rig.context);
    web.songWebPage(song());
    const Handed h = lastHandOff(rig);
    EXPECT_GT(h.body.size(), 512u);
    EXPECT_TRUE(h.body.ends_with("p_menuid=00456"));
    // Short texts still come in the buffer sizes the host expects.
    std::strcpy(rig.login.password, "pw");
    std::strcpy(rig.login.uKey, "k");
    web.authBuy();
    const auto& p = rig.port.posted.back();
    EXPECT_EQ(reinterpret_cast<const char*>(p.wParam)[511], '\0');
    EXPECT_EQ(reinterpret_cast<const char*>(p.lParam)[127], '\0');
    lastHandOff(rig);
}

TEST(WebHandoff, NothingIsLeftBehindWhenThePostFails) {
    Rig rig;
    rig.context.host = nullptr; // the port refuses a null target
    EXPECT_FALSE(WebHandoff(rig.context).authBuy());
    // The double recorded the refused post; its buffers were freed by the sender (ASan checks).
}

TEST(WebHandoff, EmbeddedViewPages) {
    Rig rig;
    const WebHandoff web(rig.context);
    EXPECT_EQ(web.giftMessagePage(10, "G5"), "http://127.0.0.1:8080/app/message.jsp?is_send=0&gift_id=G5");
    EXPECT_EQ(web.giftMessagePage(11, "G5"), "http://127.0.0.1:8080/app/message.jsp?is_send=1&gift_id=G5");
    EXPECT_EQ(web.lyricsPage("123"), "http://127.0.0.1:8080/app/lyrics.jsp?song_id=123");
}

TEST(WebHandoff, ThreeHyperlinkTargetsGoThroughTheLoginBridge) {
    Rig rig;
    const WebHandoff web(rig.context);
    const std::string base = "http://127.0.0.1:8080/web";
    const std::pair<const char*, const char*> targets[] = {
        {"/LoginAppToWeb.jsp", "8"}, {"/cus_machine_player.jsp", "10"}, {"/cus_machine_mp3.jsp", "9"}};
    for (const auto& [path, appParam] : targets) {
        const auto form = web.loginBridgeFor(base + path);
        ASSERT_TRUE(form) << path;
        EXPECT_EQ(form->address, base + "/LoginAppToWeb.jsp");
        EXPECT_EQ(form->body,
                  std::string("userid=user1&password=pw&u_key=KEY9&appParam=") + appParam + "&webParam=");
    }
    EXPECT_FALSE(web.loginBridgeFor(web.faqPage()));
    EXPECT_FALSE(web.loginBridgeFor(base + "/cus_machine_mp3.jsp?x"));
    EXPECT_EQ(web.cashCharge().address, base + "/cash_charge.jsp");
    EXPECT_EQ(web.cashCharge().body, "userid=user1&password=pw&u_key=KEY9");
}

} // namespace
} // namespace kesto
