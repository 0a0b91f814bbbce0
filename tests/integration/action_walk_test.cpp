// Every button and every row menu item of the panel, walked page by page through the loaded
// module against the reference service: an item that is offered must do something a user can
// see (a request, a page, a dialog or message box, a message to the host, a changed list or
// store); a button that is off must do nothing, even when its command is posted anyway.
#include "tests/integration/panel_entries_fixture.h"

#include "library/album_song_list.h"

#include <QLineEdit>

#include <tuple>
#include <utility>

namespace kesto::test {
namespace {

constexpr int kCartMenu = 9000;
constexpr int kLocalAlbumMenu = 4100;
constexpr int kOnlineAlbumsMenu = 2100;
constexpr int kPurchasesMenu = 5100;
constexpr int kPhoneListMenu = 3100;
constexpr int kAlbumScrapMenu = 2300; // a web page, no list

// What a user or the host can see of the panel.
struct Trace {
    std::size_t requests = 0;
    int boxes = 0;
    std::size_t hostMessages = 0;
    std::string html;
    int pageKind = 0;
    int rows = 0;
    std::string checks; // '1' for each ticked row
    int nowPlaying = 0;
    int hostCalls = 0;
    bool operator==(const Trace&) const = default;
};

struct Page {
    int viewMode;
    int menuId;
    std::string parameter;
};

class ActionWalkTest : public PanelEntriesTest {
protected:
    Trace trace() {
        Trace t{PanelHost::requestsSent().size(),
                PanelHost::boxesShown(),
                host.hostLog().posted.size(),
                host.htmlText(),
                host.pageKind(),
                host.list()->rowCount(),
                {},
                host.entry<KestoEntry0>(0)(),
                0};
        for (int row = 0; row < t.rows; ++row)
            t.checks += host.list()->isChecked(row) ? '1' : '0';
        for (int i = 0; i < KESTO_SERVICE_A_TABLE_SIZE; ++i)
            t.hostCalls += PanelHost::serviceACalled(i);
        return t;
    }

    // Shows the page afresh with its first row ticked and a search word typed.
    void open(const Page& page) {
        host.show(page.viewMode, page.menuId, page.parameter);
        // An album is read in the background; the other pages are filled when shown.
        if (page.menuId == kLocalAlbumMenu || page.menuId == KESTO_MENU_LOCAL_ALBUMS)
            PanelHost::processUntil([&] { return host.list()->rowCount() > 0; }, 5s);
        if (host.list()->rowCount() > 0)
            host.list()->setRowChecked(0, true);
        host.panelWindow()
            ->findChild<QLineEdit*>(QStringLiteral("searchBox"))
            ->setText(QStringLiteral("love"));
        PanelHost::processPending();
    }

    bool changes(const Trace& before) {
        return PanelHost::processUntil([&] { return !(trace() == before); }, 5s);
    }

    void walkButtons(const Page& page) {
        for (const int id : cmd::kButtonOrder) {
            open(page);
            auto* button =
                host.panelWindow()->findChild<QAbstractButton*>(QStringLiteral("button%1").arg(id));
            ASSERT_NE(button, nullptr);
            const Trace before = trace();
            if (button->isEnabled()) {
                button->click();
                EXPECT_TRUE(changes(before)) << "button " << id << " does nothing on menu " << page.menuId;
            } else {
                host.click(id);
                PanelHost::processPending();
                EXPECT_EQ(trace(), before) << "button " << id << " is off but acts on menu " << page.menuId;
            }
        }
    }

    // Each enabled item of the row menu, chosen on the first row.
    void walkRowMenu(const Page& page) {
        open(page);
        if (host.list()->rowCount() == 0)
            return;
        std::vector<int> items;
        {
            std::unique_ptr<QMenu> menu(host.list()->createContextMenu(true));
            ASSERT_NE(menu, nullptr) << page.menuId;
            for (QAction* action : menu->findChildren<QAction*>())
                if (ListMenus::commandOf(action) != 0 && action->isEnabled())
                    items.push_back(ListMenus::commandOf(action));
        }
        for (const int item : items) {
            if (item == listcmd::kCut || item == listcmd::kCopy)
                continue; // their effect is the paste, walked below
            open(page);
            const bool allTicked =
                std::cmp_equal(host.list()->selectedRows().size(), host.list()->rowCount());
            if ((item == listcmd::kSelectAll || item == listcmd::kSelectAll2) && allTicked)
                continue; // a list of one row, ticked already
            QAction* action = rowMenuItem(item);
            ASSERT_NE(action, nullptr) << item;
            const Trace before = trace();
            action->trigger();
            EXPECT_TRUE(changes(before)) << "menu item " << item << " does nothing on menu " << page.menuId;
        }
    }

    std::vector<std::string> albumSongs(const std::string& album) {
        MyAlbumDb db;
        AlbumSongList songs;
        if (db.start(host.dataFolder()))
            db.listAlbumSongs(album, songs);
        return songs.localPaths;
    }

    void chooseFromMenu(int item) {
        QAction* action = rowMenuItem(item);
        ASSERT_TRUE(action != nullptr && action->isEnabled()) << item;
        action->trigger();
        PanelHost::processPending();
    }
};

TEST_F(ActionWalkTest, EveryOfferedActionActsAndEveryButtonThatIsOffDoesNothing) {
    addAlbum("7", "Road Trip");
    addAlbum("8", "Night Drive");
    addAlbum("9", "Morning");
    RegistryKey().writeSectionDword(settings::kOption, 1, settings::kHearingAppend);
    host.show(4, kLocalAlbumMenu, "7");
    PanelHost::processPending();
    for (const char* name : {"Walk Song", "Second Song"})
        host.entry<KestoEntry49>(49)(localFile(name).c_str(), "7");
    // Songs in the now-playing list and the cart.
    host.show(2, kChartMenu, kFiftyRowChart);
    listenTo({0, 1});
    host.list()->setRowChecked(2, true);
    host.click(cmd::kCart);
    PanelHost::processPending();

    const std::vector<Page> pages = {{2, kChartMenu, kFiftyRowChart}, {4, kNowPlayingMenu, ""},
                                     {4, kLocalAlbumMenu, "7"},       {2, kCartMenu, ""},
                                     {2, kOnlineAlbumsMenu, ""},      {2, kPurchasesMenu, ""},
                                     {4, kPhoneListMenu, ""},         {2, kAlbumScrapMenu, ""}};
    for (const Page& page : pages) {
        walkButtons(page);
        walkRowMenu(page);
    }

    // A link that names a list page shows it; each page has its own heading, or none.
    for (const auto& [link, kind] : {std::pair{"urlinfo:///protocol.jsp?buyingHistory;1", 7},
                                     std::pair{"urlinfo:///protocol.jsp?giftBox;1", 11}}) {
        host.entry<KestoEntry46>(46)(link);
        EXPECT_EQ(host.pageKind(), kind) << link;
    }
    auto* heading = host.panelWindow()->findChild<QLabel*>(QStringLiteral("linkLabel"));
    open({4, kLocalAlbumMenu, "7"});
    EXPECT_EQ(heading->text(), QStringLiteral("Road Trip"));
    open({2, kCartMenu, ""});
    EXPECT_FALSE(heading->isVisible());
    open({4, kNowPlayingMenu, ""}); // headed by its size and length
    EXPECT_TRUE(
        heading->text().startsWith(QString::number(host.entry<KestoEntry0>(0)()) + QStringLiteral(" 곡, ")));

    // Entry 62's server request asks the shown list again; entry 63 hands songs bought already to
    // the host's download, with no second purchase.
    open({2, kChartMenu, kFiftyRowChart});
    const std::size_t sent = PanelHost::requestsSent().size();
    const std::uint16_t firstSong[] = {1, 0};
    host.entry<KestoEntry62>(62)(5, firstSong, 0);
    EXPECT_TRUE(PanelHost::processUntil([&] { return PanelHost::requestsSent().size() > sent; }, 5s));
    open({2, kPurchasesMenu, ""});
    const std::size_t downloads = PanelHost::transfers().size();
    host.entry<KestoEntry63>(63)(0, "");
    EXPECT_EQ(PanelHost::transfers().size(), downloads + 1);

    // Copy and paste (keys or row menu) put the song into another album too; cut and paste move
    // it on.
    open({4, kLocalAlbumMenu, "7"});
    QTest::keyClick(host.list(), Qt::Key_C, Qt::ControlModifier);
    open({4, kLocalAlbumMenu, "8"});
    QTest::keyClick(host.list(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(PanelHost::processUntil([&] { return albumSongs("8").size() == 1; }, 5s));
    EXPECT_EQ(albumSongs("7"), albumSongs("8"));
    open({4, kLocalAlbumMenu, "8"});
    chooseFromMenu(listcmd::kCut);
    EXPECT_EQ(albumSongs("8").size(), 1U); // a cut song stays until another list takes it
    open({4, kLocalAlbumMenu, "9"});
    chooseFromMenu(listcmd::kPaste);
    ASSERT_TRUE(PanelHost::processUntil([&] { return albumSongs("8").empty(); }, 5s));
    EXPECT_EQ(albumSongs("9"), albumSongs("7"));
}

// Entry 57 acts only on the page its message names (1090 the local my albums, 1091 a cart);
// entry 58 always puts the ticked songs into an on-line my album, whatever was cut or copied.
TEST_F(ActionWalkTest, Entries57And58ActWhereTheirMessagesSay) {
    addAlbum("7", "Road Trip");
    addAlbum("8", "Night Drive");
    host.show(4, kLocalAlbumMenu, "7");
    PanelHost::processPending();
    host.entry<KestoEntry49>(49)(localFile("Kept Song").c_str(), "7");
    host.show(2, kChartMenu, kFiftyRowChart);
    host.list()->setRowChecked(0, true);
    host.click(cmd::kCart);
    PanelHost::processPending();
    // Whether an empty album offers a paste: something was kept.
    const auto kept = [&] {
        open({4, kLocalAlbumMenu, "8"});
        const QAction* paste = rowMenuItem(listcmd::kPaste);
        return paste != nullptr && paste->isEnabled();
    };
    const std::tuple<Page, int, bool> steps[] = {
        {{4, kLocalAlbumMenu, "7"}, 0, false}, // one album is not the local my-album page
        {{4, kLocalAlbumMenu, "7"}, 1, false}, {{2, kChartMenu, kFiftyRowChart}, 1, false},
        {{2, kCartMenu, ""}, 0, false},        {{2, kCartMenu, ""}, 1, true},
    };
    for (const auto& [page, which, keeps] : steps) {
        open(page);
        host.entry<KestoEntry57>(57)(which);
        PanelHost::processPending(); // the message is posted
        EXPECT_EQ(kept(), keeps) << page.menuId << " " << which;
    }

    // With the cart's song kept, 58 on the album's local song asks for an on-line my album.
    open({4, kLocalAlbumMenu, "7"});
    host.entry<KestoEntry58>(58)();
    PanelHost::processPending();
    ASSERT_FALSE(PanelHost::boxTexts().empty());
    EXPECT_EQ(PanelHost::boxTexts().back(), "마이앨범에는 Kesto 스트리밍 음원만 담을 수 있습니다.");
    EXPECT_EQ(albumSongs("7").size(), 1U);

    // 1090 on the local my albums cuts; pasted into another album, the song is there and stays
    // in its own: it leaves the list of every song only by a delete, which asks first.
    open({4, KESTO_MENU_LOCAL_ALBUMS, ""});
    host.entry<KestoEntry57>(57)(0);
    PanelHost::processPending();
    open({4, kLocalAlbumMenu, "8"});
    QTest::keyClick(host.list(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(PanelHost::processUntil([&] { return albumSongs("8").size() == 1; }, 5s));
    EXPECT_EQ(albumSongs("7"), albumSongs("8"));
}

} // namespace
} // namespace kesto::test
