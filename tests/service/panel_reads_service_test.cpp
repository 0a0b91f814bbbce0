// The service's list replies read by the panel's own request builder and list parser: every
// page the panel fetches from the server parses, and every row lands on a song of the
// catalogue, so a row stride or a header that drifted apart on either side fails here.
#include "service/catalogue_generator.h"
#include "service/catalogue_store.h"
#include "service/login_client.h"
#include "service_client.h"

#include "entry/login_reply_loader.h"
#include "protocol/list_parser.h"
#include "protocol/list_request.h"
#include "protocol/protocol_context.h"
#include "songs/list_pages.h"
#include "songs/song.h"

#include <gtest/gtest.h>

#include <set>

namespace kesto::service::test {
namespace {

constexpr int kMusicVideoPurchases = 30;

class PanelReadsServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto reply = LoginClient::login(client.server().baseUrl(), "reader", "pw");
        ASSERT_TRUE(reply.has_value());
        ASSERT_TRUE(LoginReplyLoader::load(login, *reply));
        login.userId = "reader"; // the host hands the user id over beside the reply
        context.login = &login;
        for (const Song& song : catalogue.songs)
            songIds.insert(song.id);
        for (const MusicVideo& video : catalogue.musicVideos)
            videoIds.insert(video.id);
    }

    // Sends the request the panel builds for the menu and parses the reply as the panel does.
    std::vector<kesto::Song> fetch(int menuId, int page, ParsedList& parsed) {
        const ProtocolRequest request = ListRequest::build(login, menuId, page);
        const std::string base = client.server().baseUrl();
        EXPECT_TRUE(request.url.starts_with(base)) << request.url;
        const std::string reply = client.postBody(request.url.substr(base.size()), request.body);
        std::vector<kesto::Song> rows;
        parsed = ListParser(context).parse(reply, ListPages::pageKindOf(menuId), [&](const kesto::Song& r) {
            rows.push_back(r);
            return true;
        });
        return rows;
    }

    TempDir dir;
    ServiceClient client{dir.path()};
    Catalogue catalogue = CatalogueGenerator(CatalogueStore::kSeed).generate();
    LoginBlock login;
    ProtocolContext context;
    std::set<std::string> songIds;
    std::set<std::string> videoIds;
};

TEST_F(PanelReadsServiceTest, EveryServerPageParsesIntoSongsOfTheCatalogue) {
    login.menuParameter = catalogue.charts.front().code;
    int pagesWithRows = 0;
    for (const ListPage& page : ListPages::all()) {
        // One on-line album's songs need an album of the user's as their parameter.
        if (!page.sendsListRequest() || !ListParser::hasParser(page.pageKind) ||
            page.menuId == menu::kOnlineAlbum)
            continue;
        SCOPED_TRACE("menu " + std::to_string(page.menuId));
        ParsedList parsed;
        const std::vector<kesto::Song> rows = fetch(page.menuId, 0, parsed);
        // An empty list may be shorter than a layout's minimum: no rows either way.
        EXPECT_TRUE(parsed.ok || parsed.rowCount == 0);
        EXPECT_GE(parsed.rowCount, 0);
        EXPECT_EQ(static_cast<int>(rows.size()), parsed.rowCount);
        for (const kesto::Song& row : rows)
            // Music-video purchases carry the video alone.
            EXPECT_TRUE(page.pageKind == kMusicVideoPurchases
                            ? videoIds.contains(row.text(SongField::MV_ID))
                            : songIds.contains(row.text(SongField::Song_ID)))
                << "song '" << row.text(SongField::Song_ID) << "' video '" << row.text(SongField::MV_ID)
                << "'";
        pagesWithRows += rows.empty() ? 0 : 1;
    }
    EXPECT_GT(pagesWithRows, 0);
}

TEST_F(PanelReadsServiceTest, ChartPagesReadTheirRanksNamesAndPaging) {
    const Chart& chart = catalogue.charts.front();
    login.menuParameter = chart.code;
    const ListPage* page = nullptr;
    for (const ListPage& candidate : ListPages::all())
        if (candidate.sendsListRequest() && candidate.pageKind == 19)
            page = &candidate;
    ASSERT_NE(page, nullptr);
    ParsedList parsed;
    const auto first = fetch(page->menuId, 0, parsed);
    ASSERT_EQ(first.size(), 50u);
    const auto second = fetch(page->menuId, 1, parsed);
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(parsed.pageIndex, 1);
    // The second page goes on where the first stopped, in the chart's order.
    EXPECT_EQ(second.front().text(SongField::Song_ID), chart.entries[50].songId);
    EXPECT_EQ(second.back().text(SongField::Song_ID), chart.entries[50 + second.size() - 1].songId);
}

} // namespace
} // namespace kesto::service::test
