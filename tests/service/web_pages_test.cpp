// The service's web pages: CP949 HTML whose title carries "N|text|link" pairs and whose links
// use the private schemes; the log-in bridge and account pages take their POST forms.
#include "service/html_page.h"
#include "service/page_params.h"
#include "service_client.h"

#include "platform/cp949.h"

#include <gtest/gtest.h>

namespace kesto::service::test {
namespace {

std::string titleOf(const std::string& html) {
    const std::size_t start = html.find("<title>") + 7;
    return html.substr(start, html.find("</title>") - start);
}

class WebPagesTest : public ::testing::Test {
protected:
    WebPagesTest() : client(dir.path()) { client.login("webber"); }

    std::string page(const std::string& target) {
        const auto result = client.get(target);
        EXPECT_TRUE(result && result->status == 200) << target;
        if (!result)
            return {};
        EXPECT_NE(result->get_header_value("Content-Type").find("euc-kr"), std::string::npos);
        return result->body;
    }
    std::string credentials() const {
        return "userid=" + client.user() + "&password=pw&u_key=" + client.key();
    }

    TempDir dir;
    ServiceClient client;
};

TEST_F(WebPagesTest, StartPageLinksWithEverySchemeAndTitlePairs) {
    const std::string html = page("/");
    for (const char* scheme :
         {"categoryinfo://", "themeinfo://", "albuminfo://", "urlinfo://", "searchinfo://"})
        EXPECT_NE(html.find(scheme), std::string::npos) << scheme;
    const std::string title = titleOf(html);
    EXPECT_EQ(title.substr(0, 2), "2|");
    EXPECT_EQ(std::count(title.begin(), title.end(), '|'), 4);
    const std::string chart = page("/chart.jsp?code=00101");
    for (const char* scheme :
         {"songinfo://1;1;", "artistinfo://", "albuminfo://", "buyinfo://", "giftinfo://"})
        EXPECT_NE(chart.find(scheme), std::string::npos) << scheme;
    EXPECT_NE(chart.find(Cp949::fromUtf8("실시간 차트")), std::string::npos);
}

TEST_F(WebPagesTest, SearchPageReadsAQueryWhoseSeparatorsArriveEncoded) {
    const std::string keyword = Cp949::fromUtf8("하늘");
    // The panel percent-encodes everything after the '?' of the search page's address.
    const std::string html = page("/search.jsp?type%3D1%26keyword%3D%C7%CF%B4%C3");
    EXPECT_NE(html.find(keyword), std::string::npos);
    EXPECT_NE(html.find("songinfo://"), std::string::npos);
    PageParams params("type%3D1%26keyword%3Dab", "");
    EXPECT_EQ(params.get("type"), "1");
    EXPECT_EQ(params.get("keyword"), "ab");
}

TEST_F(WebPagesTest, LyricsPagesWithAndWithoutLyrics) {
    EXPECT_NE(page("/lyrics.jsp?song_id=3000001&u_id=webber&is_exist=1").find("<br>"), std::string::npos);
    EXPECT_NE(page("/lyrics.jsp?song_id=3000002").find(Cp949::fromUtf8("가사가 지원되지 않는 곡입니다")),
              std::string::npos);
}

TEST_F(WebPagesTest, LoginBridgeOpensTheSongOrTheHelpPageByItsParameter) {
    const auto song = client.postForm(
        "/LoginAppToWeb.jsp?", credentials() + "&appParam=1&webParam=\x0Bp_songid=3000123\x0Bp_menuid=00456");
    ASSERT_TRUE(song);
    EXPECT_NE(song->body.find("songinfo://1;1;3000123/"), std::string::npos);
    EXPECT_NE(song->body.find("00456"), std::string::npos);
    const auto help = client.postForm("/LoginAppToWeb.jsp", credentials() + "&appParam=9&webParam=");
    ASSERT_TRUE(help);
    EXPECT_NE(help->body.find(Cp949::fromUtf8("MP3폰 도움말")), std::string::npos);
    const auto refused =
        client.postForm("/LoginAppToWeb.jsp", "userid=webber&password=pw&u_key=bad&appParam=8");
    EXPECT_NE(refused->body.find(Cp949::fromUtf8("로그인이 필요합니다")), std::string::npos);
}

TEST_F(WebPagesTest, AccountAndHelpPagesAnswer) {
    EXPECT_NE(client.postForm("/cash_charge.jsp", credentials())->body.find("50000"), std::string::npos);
    EXPECT_NE(client.postForm("/auth_buy.jsp", credentials())->body.find("<title>1|"), std::string::npos);
    EXPECT_NE(
        client.postForm("/music_video.jsp?", credentials() + "&song_id=&p_mvid=50001")->body.find("mv_down"),
        std::string::npos);
    EXPECT_NE(client.postForm("/mv_down.jsp?", credentials() + "&p_mvid=50001&p_mdn=01012345678")
                  ->body.find("0101"),
              std::string::npos);
    EXPECT_NE(client.postForm("/phone_deco.jsp", credentials() + "&song_id=3000001&Phone_Deco_Flag=2")
                  ->body.find("<title>1|"),
              std::string::npos);
    for (const char* path :
         {"/kesto_player_faqlist.jsp", "/counselCate.jsp", "/cus_machine_player.jsp", "/cus_machine_mp3.jsp",
          "/artist_index.jsp", "/album.jsp?album_id=200001", "/artist.jsp?artist_id=10001"}) {
        const std::string title = titleOf(page(path));
        const auto pairs = std::count(title.begin(), title.end(), '|') / 2;
        EXPECT_EQ(title.substr(0, title.find('|')), std::to_string(pairs)) << path;
        EXPECT_GE(pairs, 1) << path;
    }
}

TEST(HtmlPageTest, TitlePairsStayAlignedAndTextIsEscaped) {
    HtmlPage page("a<b");
    page.titleLink("x|y", "albuminfo://1;2;0/").paragraph("1 & 2");
    EXPECT_EQ(page.title(), "1|x y|albuminfo://1;2;0/");
    EXPECT_NE(page.str().find("a&lt;b"), std::string::npos);
    EXPECT_NE(page.str().find("1 &amp; 2"), std::string::npos);
}

} // namespace
} // namespace kesto::service::test
