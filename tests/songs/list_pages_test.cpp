#include "songs/list_pages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kesto {
namespace {

// The body fields after user id and u_key, as a request builder forms them from a page.
std::string bodyTail(const ListPage& page, std::string_view parameter, int pageNumber) {
    std::string body;
    for (const BodyItem& item : page.bodyItems()) {
        body += item.kind == BodyItem::Kind::MenuParameter ? parameter : item.text;
        body += '\v';
    }
    if (page.pageNumber)
        body += std::to_string(pageNumber) + '\v';
    if (page.trailingEmpty)
        body += '\v';
    return body;
}

TEST(ListPages, MenuIdsMapToPageKinds) {
    EXPECT_EQ(ListPages::pageKindOf(0), 1);
    EXPECT_EQ(ListPages::pageKindOf(1001), 19);
    EXPECT_EQ(ListPages::pageKindOf(2600), 19);
    EXPECT_EQ(ListPages::pageKindOf(2300), 0);
    EXPECT_NE(ListPages::find(2300), nullptr);
    EXPECT_EQ(ListPages::pageKindOf(9100), 16);
    EXPECT_EQ(ListPages::pageKindOf(3600), 31);
    EXPECT_EQ(ListPages::pageKindOf(9700), 29);
    for (int unknown : {-1, 1, 1000, 2301, 99999})
        EXPECT_EQ(ListPages::pageKindOf(unknown), 0) << unknown;
    EXPECT_EQ(ListPages::find(-1), nullptr);
}

TEST(ListPages, TableIsConsistent) {
    std::set<int> ids;
    for (const ListPage& page : ListPages::all()) {
        EXPECT_TRUE(ids.insert(page.menuId).second) << page.menuId;
        EXPECT_GE(page.pageKind, 0);
        EXPECT_LE(page.pageKind, 31);
        EXPECT_EQ(ListPages::find(page.menuId), &page);
        const bool sends = page.source == PageSource::Server || page.source == PageSource::Link ||
                           page.source == PageSource::PageOnly;
        EXPECT_EQ(!page.command.empty(), sends) << page.menuId;
    }
    EXPECT_EQ(ids.size(), 30u);
}

TEST(ListPages, BodiesFollowTheCommandTable) {
    const ListPage* recent = ListPages::find(2400);
    ASSERT_NE(recent, nullptr);
    EXPECT_EQ(recent->command, "kestoSong");
    EXPECT_EQ(bodyTail(*recent, "x", 3), "recent\v3\v\v");
    EXPECT_EQ(bodyTail(*ListPages::find(1001), "CH01", 1), "CH01\v1\v\v");
    EXPECT_EQ(bodyTail(*ListPages::find(2200), "AL7", 2), "AL7\v2\v");
    EXPECT_EQ(bodyTail(*ListPages::find(7000), "", 1), "1\v1\v");
    EXPECT_EQ(bodyTail(*ListPages::find(9000), "", 4), "4\v");
    EXPECT_EQ(ListPages::find(5300)->command, "buyingHistory");
    EXPECT_TRUE(ListPages::find(8000)->searchEndpoint);
    EXPECT_FALSE(ListPages::find(2300)->sendsListRequest());
}

TEST(ListPages, LocalAndDevicePagesNeverReachTheServer) {
    for (int id : {0, 3000, 4000, 4100})
        EXPECT_EQ(ListPages::find(id)->source, PageSource::Local) << id;
    for (int id = 3100; id <= 3600; id += 100) {
        const ListPage* page = ListPages::find(id);
        ASSERT_NE(page, nullptr) << id;
        EXPECT_EQ(page->source, PageSource::Device);
        EXPECT_TRUE(page->command.empty());
        EXPECT_FALSE(page->sendsListRequest());
    }
}

} // namespace
} // namespace kesto
