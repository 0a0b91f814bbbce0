// The service's list replies read by the panel's own request builder and list parser: every
// page the panel fetches from the server parses, and every row lands on a song of the
// catalogue, so a row stride or a header that drifted apart on either side fails here.
// Requests the service cannot take get a negative code with a CP949 message, never a crash or a
// hang.
#include "service/catalogue_generator.h"
#include "service/catalogue_store.h"
#include "service/login_client.h"
#include "service/service_context.h"
#include "service_client.h"

#include "entry/login_reply_loader.h"
#include "platform/cp949.h"
#include "protocol/list_parser.h"
#include "protocol/list_request.h"
#include "protocol/protocol_context.h"
#include "songs/list_pages.h"
#include "songs/song.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
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

class BadInputTest : public ::testing::Test {
protected:
    BadInputTest() : client(dir.path()) { client.login("probe"); }

    void expectError(const std::string& reply, int expected) {
        const auto fields = splitRaw(reply);
        ASSERT_GE(fields.size(), 2u) << reply;
        EXPECT_EQ(decodeNumber(fields[0]), expected);
        const std::string message = decodeField(fields[1]);
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(Cp949::toUtf8(message).find("\xEF\xBF\xBD"), std::string::npos); // valid CP949
    }

    TempDir dir;
    ServiceClient client;
};

TEST_F(BadInputTest, EachRefusalHasItsCode) {
    const std::string search = "/protocol_search.jsp";
    const struct {
        std::string reply;
        int code;
    } cases[] = {
        {client.post("noSuchCommand", {"1"}), -9001},
        {client.post("", {}), -9001},
        {client.get("/protocol.jsp?kestoSong")->body, -9001}, // not a POST
        {client.post("kestoSong", {}), -9002},
        {client.postBody("/protocol.jsp?cartPage", ""), -9002},
        {client.post("addToCart", {"00101", "1"}), -9002},
        {client.post("cartPage", {std::string(1 << 20, 'x')}), -9003},
        {client.post("cartPage", {std::string(5 << 20, 'x')}), -9003}, // not even read
        {client.post("kestoSong", {"\xB0", "0", ""}), -9004},
        {client.post("search", {"0", std::string("a\0b", 3), "0"}, search), -9004},
        {client.post("kestoSong", {"\xFF\xFE", "0", ""}), -9004},
        {client.post("kestoSong", {"99999", "0", ""}), -9005},
        {client.post("buyingHistory", {"7", "0"}), -9007},
    };
    for (const auto& c : cases)
        expectError(c.reply, c.code);
    EXPECT_EQ(client.get("/stream/nope.wav")->status, 404);
}

// Passwords are kept as salted hashes (the same password twice gives two hashes); a row kept
// before hashing logs in once with its password and is hashed then; a wrong password is refused.
TEST_F(BadInputTest, PasswordsAreKeptAsSaltedHashesAndOnlyTheRightOneLogsIn) {
    SQLite::Database db((dir.path() / ServiceContext::kDatabaseFile).string(), SQLite::OPEN_READWRITE);
    db.exec("INSERT INTO Account VALUES ('old', 'plain-pw', 0)");
    auto kept = [&db](const std::string& user) {
        SQLite::Statement query(db, "SELECT Password FROM Account WHERE User_ID=?");
        query.bind(1, user);
        return query.executeStep() ? query.getColumn(0).getString() : std::string();
    };
    auto logsIn = [this](const std::string& user, const std::string& password) {
        return decodeNumber(client.login(user, password).at(0)) >= 0;
    };
    EXPECT_TRUE(logsIn("twin", "pw"));
    for (const char* user : {"probe", "twin"}) {
        EXPECT_TRUE(kept(user).starts_with("scrypt$")) << kept(user);
        EXPECT_EQ(kept(user).find("$pw"), std::string::npos);
    }
    EXPECT_NE(kept("probe"), kept("twin"));
    const struct {
        const char* user;
        const char* password;
        bool in;
    } cases[] = {{"probe", "wrong", false}, {"probe", "pw", true},     {"probe", "", false},
                 {"old", "plain", false},   {"old", "plain-pw", true}, {"old", "plain-pw", true}};
    for (const auto& c : cases)
        EXPECT_EQ(logsIn(c.user, c.password), c.in) << c.user << " " << c.password;
    EXPECT_TRUE(kept("old").starts_with("scrypt$"));
}

} // namespace
} // namespace kesto::service::test
